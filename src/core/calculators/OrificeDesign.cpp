#include "calculators/OrificeDesign.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"
#include "hydraulics/OrificeLaws.h"
#include "hydraulics/ThrottlingDevices.h"

namespace velmora::calculators {
namespace {

using hydraulics::Pi;

// ζ over the area ratio n = (d/D1)² for d/D1 = 0.001 … 0.99, used only to start the iteration: the
// sharp-edged column is its law at those ratios (rounded to three digits), the rounded and thick
// columns are typical values of their laws (which also depend on R/d, L/d and Re).
constexpr StartPoint kStartTable[] = {
    {1e-6L, {2.91e12L, 1.38e12L, 1.69e12L}},
    {2.5e-5L, {4.66e9L, 2.2e9L, 2.09e9L}},
    {1e-4L, {2.91e8L, 1.38e8L, 1.24e8L}},
    {4e-4L, {1.82e7L, 8.6e6L, 7.52e6L}},
    {0.0016L, {1.14e6L, 5.38e5L, 4.83e5L}},
    {0.0036L, {2.24e5L, 1.1e5L, 1.11e5L}},
    {0.0064L, {7.05e4L, 3.72e4L, 3.98e4L}},
    {0.01L, {28708, 16382, 17377}},
    {0.04L, {1714, 1255, 1137}},
    {0.09L, {313, 252, 212}},
    {0.16L, {88, 74, 60}},
    {0.25L, {31, 26, 21}},
    {0.36L, {11.8L, 10.1L, 7.8L}},
    {0.49L, {4.67L, 3.89L, 2.81L}},
    {0.64L, {1.73L, 1.37L, 0.93L}},
    {0.81L, {0.494L, 0.344L, 0.234L}},
    {0.98L, {0.035L, 0.013L, 0.011L}},
};

// The secant iteration: a fixed step h, d ← d − f(d)·h/(f(d + h) − f(d)), until a step is below
// the tolerance or after the last step.
constexpr long double kSecantStep = 1e-8L;  // mm
constexpr long double kTolerance = 1e-8L;   // mm
constexpr int kMaxSteps = 100;
// A run that used all its steps stands only when its bore meets the equation this closely
// (relative to ζ*): the steps may stall at the rounding noise of ζ without being wrong.
constexpr long double kResidualTolerance = 1e-9L;

// The Reynolds limits below which the laws lose their footing (those of the throttling elements).
constexpr long double kSharpEdgedMinReynolds = 100000;
constexpr long double kRoundedMinReynolds = 3000;
constexpr long double kThickMinBoreReynolds = 4000;

// v = Q·4·10000/(d²·π·36) in m/s for Q in m³/h and d in mm (10⁶ mm² per m², 3600 s per h).
long double Velocity(long double flow, long double diameter) {
  return flow * 4 * 10000 / (diameter * diameter * Pi * 36);
}

// Re = v·ρ·d·1000/η with d in mm and η in 10⁻⁶ kg/(m·s).
long double Reynolds(long double velocity, long double density, long double diameter, long double viscosity) {
  return velocity * density * diameter * 1000 / viscosity;
}

int Column(OrificeKind kind) { return static_cast<int>(kind); }

}  // namespace

std::span<const StartPoint> StartTable() { return kStartTable; }

long double StartAreaRatio(OrificeKind kind, long double targetZeta) {
  const int k = Column(kind);
  const std::span<const StartPoint> table = kStartTable;
  if (targetZeta > table.front().zeta[k]) return table.front().n;
  if (targetZeta <= table.back().zeta[k]) return 1;
  for (std::size_t i = 0; i + 1 < table.size(); ++i) {
    const StartPoint& upper = table[i];  // the larger ζ, the smaller n
    const StartPoint& lower = table[i + 1];
    if (targetZeta <= upper.zeta[k] && targetZeta > lower.zeta[k]) {
      return hydraulics::Interpolate(lower.n, upper.n, lower.zeta[k], upper.zeta[k], targetZeta);
    }
  }
  return 1;  // not reached: the ends are handled above
}

long double OrificeZetaOfBore(const OrificeDesignInput& input, long double pipeReynolds, long double bore) {
  const long double beta = bore / input.pipeDiameter;
  const long double n = beta * beta;
  switch (input.kind) {
    case OrificeKind::SharpEdged: return hydraulics::SharpOrificeZeta(n);
    case OrificeKind::Rounded: return hydraulics::RoundedOrificeZeta(n, input.edge, bore);
    case OrificeKind::Thick:
      // The Reynolds number in the bore, Re·D1/d, for every trial bore.
      return hydraulics::ThickOrificeZeta(beta, input.edge, bore, pipeReynolds * input.pipeDiameter / bore);
  }
  return 0;
}

OrificeDesign DesignOrifice(const OrificeDesignInput& input) {
  OrificeDesign design;
  const hydraulics::ArithmeticFaultGuard guard;
  design.pipeVelocity = Velocity(input.flow, input.pipeDiameter);
  design.pipeReynolds = Reynolds(design.pipeVelocity, input.density, input.pipeDiameter, input.viscosity);
  // ζ* = Δp/(ρ·v²/2) with Δp in bar (10⁵ Pa).
  design.targetZeta = input.pressureLoss * 2 * 100000 / input.density / (design.pipeVelocity * design.pipeVelocity);
  if (guard.Fault() != nullptr || !std::isfinite(design.targetZeta)) return design;

  // At or below the last point the widest orifice of the table (d/D1 = 0.99) already gives more
  // loss than wanted: the pipe needs no orifice. (Started at d₀ = D1, the next trial bore would lie
  // outside the pipe.)
  if (design.targetZeta <= kStartTable[std::size(kStartTable) - 1].zeta[Column(input.kind)]) {
    design.status = OrificeDesignStatus::NoOrificeNeeded;
    return design;
  }

  design.startBore = std::sqrt(input.pipeDiameter * input.pipeDiameter * StartAreaRatio(input.kind, design.targetZeta));
  const auto residual = [&](long double d) {
    return OrificeZetaOfBore(input, design.pipeReynolds, d) - design.targetZeta;
  };
  long double d = design.startBore;
  long double next = d;
  for (int step = 1; step <= kMaxSteps; ++step) {
    const long double f0 = residual(d);
    const long double f1 = residual(d + kSecantStep);
    next = d - f0 * kSecantStep / (f1 - f0);
    design.steps = step;
    if (guard.Fault() != nullptr || !std::isfinite(next)) return design;
    if (std::fabs(next - d) < kTolerance) {
      design.converged = true;
      break;
    }
    d = next;
  }
  if (!(next > 0)) return design;
  if (!design.converged) {
    const long double left = residual(next);
    if (guard.Fault() != nullptr || !(std::fabs(left) <= kResidualTolerance * design.targetZeta)) return design;
  }
  design.bore = next;
  design.status = OrificeDesignStatus::Bore;
  switch (input.kind) {
    case OrificeKind::SharpEdged: design.validityWarning = design.pipeReynolds < kSharpEdgedMinReynolds; break;
    case OrificeKind::Rounded: design.validityWarning = design.pipeReynolds < kRoundedMinReynolds; break;
    case OrificeKind::Thick:
      design.boreVelocity = Velocity(input.flow, next);
      design.boreReynolds = Reynolds(design.boreVelocity, input.density, next, input.viscosity);
      design.validityWarning = design.boreReynolds < kThickMinBoreReynolds;
      break;
  }
  return design;
}

}  // namespace velmora::calculators
