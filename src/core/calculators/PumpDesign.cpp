#include "calculators/PumpDesign.h"

#include <algorithm>
#include <cmath>

#include "hydraulics/Bends.h"
#include "hydraulics/CrossSection.h"
#include "hydraulics/FrictionFactor.h"
#include "hydraulics/PressureLoss.h"
#include "hydraulics/Valves.h"

namespace velmora::calculators {
namespace {

constexpr long double kLaminarLimit = 2320.0L;  // Re below it is laminar (Part of every element law)
// ζ of a fully open cock and gate valve, the program's fixed figure for both regimes.
constexpr long double kOpenValveZeta = 0.1L;

}  // namespace

long double PumpFittingZeta(PumpFitting fitting, bool laminar, long double Re, long double lambda, long double d,
                            long double k) {
  switch (fitting) {
    case PumpFitting::Bend:
      return laminar ? hydraulics::LaminarBendZeta(Re, 90.0L, d, d)
                     : hydraulics::BendZeta(lambda, k, 90.0L, 1.5L * d, d, Re).Total;
    case PumpFitting::Cock:
    case PumpFitting::GateValve: return kOpenValveZeta;
    case PumpFitting::GlobeValve: return hydraulics::GlobeValveZeta(Re, d);
    case PumpFitting::LiftCheckValve: return hydraulics::LiftCheckValveZeta(Re, d);
    case PumpFitting::SwingCheckValve: return hydraulics::SwingCheckValveZeta(Re, d);
  }
  return 0;
}

PumpLineResult CalculatePumpLine(const PumpLineInput& line, bool suctionSide, const PumpDesignInput& medium) {
  PumpLineResult r;
  const long double rho = medium.density;
  const long double d = line.diameter;
  r.velocity = hydraulics::PipeVelocityCircular(medium.flow, d);
  r.reynolds = hydraulics::Reynolds(r.velocity, rho, d, medium.viscosity);
  r.laminar = r.reynolds < kLaminarLimit;
  r.lambda = r.laminar ? 64.0L / r.reynolds : hydraulics::ColebrookLambda(d, r.reynolds, medium.roughness);
  r.pipeLoss = hydraulics::PipePressureLoss(d, r.velocity, rho, line.length, r.lambda);
  r.vesselPressure = line.vesselPressure;
  r.geodeticPressure = hydraulics::HeightPressureChange(rho, line.height);
  long double losses = r.pipeLoss;
  for (int i = 0; i < kPumpFittings; ++i) {
    const auto u = static_cast<std::size_t>(i);
    const long double zeta =
        PumpFittingZeta(static_cast<PumpFitting>(i), r.laminar, r.reynolds, r.lambda, d, medium.roughness);
    r.fittingLosses[u] = line.fittings[u] * hydraulics::FittingPressureLoss(zeta, rho, r.velocity);
    losses += r.fittingLosses[u];
  }
  for (std::size_t i = 0; i < kPumpElements; ++i) {
    const PumpElementInput& element = line.elements[i];
    if (element.count == 0) continue;
    r.elementLosses[i] = element.pressureLoss
                             ? element.count * *element.pressureLoss
                             : element.count * hydraulics::FittingPressureLoss(element.zeta, rho, r.velocity);
    losses += r.elementLosses[i];
  }
  r.pumpPressure = r.vesselPressure + r.geodeticPressure + (suctionSide ? -losses : losses);
  return r;
}

long double HeadOfPressure(long double pressureBar, long double rho) { return pressureBar * 10.2L / rho * 1000.0L; }

PumpDesignResult CalculatePumpDesign(const PumpDesignInput& input) {
  PumpDesignResult result;
  result.suction = CalculatePumpLine(input.suction, true, input);
  result.pressure = CalculatePumpLine(input.pressure, false, input);
  result.pressureDifference = result.pressure.pumpPressure - result.suction.pumpPressure;
  result.head = HeadOfPressure(result.pressureDifference, input.density);
  result.npsh = HeadOfPressure(result.suction.pumpPressure - input.vapourPressure, input.density);
  result.power = input.density / 1000.0L * input.flow * result.head / 367.0L;
  return result;
}

std::vector<PumpCurvePoint> PumpSystemCurve(const PumpDesignInput& input, int points) {
  std::vector<PumpCurvePoint> curve;
  const int steps = std::max(points, 2) - 1;
  for (int i = 0; i <= steps; ++i) {
    PumpDesignInput at = input;
    at.flow = 1.5L * input.flow * i / steps;
    long double pressure = 0;
    if (at.flow == 0) {
      // No flow, no loss: the static difference of the vessels and heights.
      pressure = at.pressure.vesselPressure + hydraulics::HeightPressureChange(at.density, at.pressure.height) -
                 at.suction.vesselPressure - hydraulics::HeightPressureChange(at.density, at.suction.height);
    } else {
      pressure = CalculatePumpDesign(at).pressureDifference;
    }
    if (std::isfinite(pressure)) curve.push_back({at.flow, pressure});
  }
  return curve;
}

}  // namespace velmora::calculators
