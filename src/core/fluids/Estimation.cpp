#include "fluids/Estimation.h"

#include <algorithm>
#include <cmath>

#include "fluids/GardnerViscosity.h"
#include "fluids/SrkGas.h"
#include "units/UnitFactors.h"

namespace velmora::fluids {
namespace {

// 1 Torr in bar: 1.01325 bar/760.
constexpr long double kTorrInBar = 0.001333223684L;
// 1 atm in bar, the pressure of the normal boiling point.
constexpr long double kAtmosphere = 1.01325L;
// The fractions of a mixture add up to 100 % within this, %.
constexpr long double kFractionTolerance = 0.00001L;
// Steps of the boiling-point search, K, and the bound of each stage.
constexpr long double kCoarseStep = 100;
constexpr long double kStep = 1;
constexpr long double kFineStep = 0.1L;
constexpr int kMaxSteps = 1000;

// xʸ as exp(y ln x): the general power of the extended type is slow; a negative base gives NaN.
long double Power(long double x, long double y) { return std::exp(y * std::log(x)); }

// The temperature below which the boiling-point estimate turns over: 0.002997 Tb^1.6606.
long double VapourPressureFloor(long double Tb) { return 0.002997L * Power(Tb, 1.6606L); }

// Liquid when the vapour pressure lies below p (a mixture's component: not above p), up to Tc.
EstimatedPhase PhaseOf(const EstimationConstants& c, long double p, long double T, bool liquidAtVapourPressure) {
  const long double ps = EstimatedVapourPressure(T, c.boilingTemperature);
  const bool liquid = liquidAtVapourPressure ? p >= ps : ps < p;
  if (T > c.criticalTemperature) return p > c.criticalPressure ? EstimatedPhase::Supercritical : EstimatedPhase::Gas;
  return liquid ? EstimatedPhase::Liquid : EstimatedPhase::Gas;
}

std::optional<long double> Positive(long double value) {
  if (!std::isfinite(value) || !(value > 0)) return std::nullopt;
  return value;
}

// Density and viscosity in a given phase; a numeric fault leaves the state without value.
EstimatedState Evaluate(const SubstanceRecord& s, const EstimationConstants& c, long double p, long double T,
                        EstimatedPhase phase) {
  EstimatedState state;
  state.phase = phase;
  if (phase != EstimatedPhase::Liquid) {
    const long double rho =
        SrkGasDensity({c.criticalTemperature, c.criticalPressure, c.acentricFactor, c.molarMass}, T, p);
    long double mu = LowPressureGasViscosity(c, T);
    if (p > kEstimateNormalPressure) mu = GardnerViscosity(mu, rho, T, c.molarMass);
    state.density = Positive(rho);
    state.viscosity = Positive(mu);
    return state;
  }
  const long double rho = LiquidDensity(c, p, T);
  long double mu = 0;
  if (s.viscosityType != 0 && T >= s.lowestTemperature && T <= s.highestTemperature) {
    mu = LiquidViscosityCorrelation(s, T);
  } else {
    mu = LiquidViscosityEstimate(c, p, rho);
    state.viscosityEstimated = true;
  }
  if (p > kEstimateNormalPressure) mu = LiquidViscosityAtPressure(c, mu, p, T);
  state.density = Positive(rho);
  state.viscosity = Positive(mu);
  return state;
}

std::optional<EstimateRefusal> CheckPressure(long double p) {
  if (!(p >= kEstimateLowestPressure)) return EstimateRefusal::PressureTooLow;
  if (p > kEstimateHighestPressure) return EstimateRefusal::PressureTooHigh;
  return std::nullopt;
}

// A finite result or the numeric fault.
bool Finite(const EstimatedState& state) {
  return (!state.density || std::isfinite(*state.density)) && (!state.viscosity || std::isfinite(*state.viscosity));
}

}  // namespace

long double EstimatedAcentricFactor(long double Tb, long double Tc, long double pc) {
  const long double theta = Tb / Tc;
  const long double theta6 = theta * theta * theta * theta * theta * theta;
  const long double lnTheta = std::log(theta);
  return (-std::log(pc / kAtmosphere) - 5.92714L + 6.09648L / theta + 1.28862L * lnTheta - 0.169347L * theta6) /
         (15.2518L - 15.6875L / theta - 13.4721L * lnTheta + 0.43577L * theta6);
}

long double EstimatedVapourPressure(long double T, long double Tb) {
  const long double floor = VapourPressureFloor(Tb);
  // 2.880814 = log10 760: the curve passes through 760 Torr at Tb.
  const long double log10Torr = 2.880814L + (Tb - floor) * (T - Tb) / (0.576L * Power(Tb, 0.8303L) * (T - floor));
  return std::pow(10.0L, log10Torr) * kTorrInBar;
}

long double LowPressureGasViscosity(const EstimationConstants& c, long double T) {
  const long double Tc = c.criticalTemperature;
  const long double v = c.criticalVolume / 1000;
  const long double s = v - 0.074572L;
  const long double D = 1 + 1.24161L * s * (1 - Tc / T) * (1 - Tc / T);
  const long double DTc = D * Tc / T;
  return std::exp(std::log(Tc * c.molarMass) / 2 - 2 * std::log(v * (1 - 0.0339L * s)) / 3 +
                  0.590872L * std::log(T / (D * Tc)) - 0.612107L * DTc + 0.130849L * DTc * DTc - 0.782538L) /
         10;
}

long double LiquidDensity(const EstimationConstants& c, long double p, long double T) {
  const long double Tc = c.criticalTemperature;
  constexpr long double kRackettExponent = 2.0L / 7.0L;
  const long double saturated = 1000 * c.referenceDensity /
                                Power(c.rackettParameter, Power(1 - T / Tc, kRackettExponent) -
                                                              Power(1 - c.referenceTemperature / Tc, kRackettExponent));
  const long double Tr = T / Tc;
  const long double A = 99.42L + Tr * (6.502L + Tr * (-78.68L + Tr * (-75.18L + Tr * (41.49L + Tr * 7.257L))));
  const long double omega = c.acentricFactor;
  const long double B = 0.38144L - 0.30144L * omega - 0.08457L * omega * omega;
  const long double delta = (p - EstimatedVapourPressure(T, c.boilingTemperature)) / c.criticalPressure;
  return saturated * (A + 2.81L * delta) / (A + Power(2.81L, Power(1.1L - Tr, B)) * delta);
}

long double LiquidViscosityEstimate(const EstimationConstants& c, long double p, long double rho) {
  const long double Tf = c.meltingTemperature;
  const long double Tc = c.criticalTemperature;
  const long double M = c.molarMass;
  const long double Vf = 1000 * M / LiquidDensity(c, p, Tf);
  const long double V0 = 0.0085L * c.acentricFactor * Tc - 2.02L + Vf / (0.342L * Tf / Tc + 0.894L);
  const long double E =
      -1.12L + c.criticalVolume / (12.94L + 0.1L * M - 0.23L * c.criticalPressure + 0.0424L * Tf - 11.58L * Tf / Tc);
  return 1000 * V0 / (E * (1000 * M / rho - V0));
}

long double LiquidViscosityCorrelation(const SubstanceRecord& s, long double T) {
  switch (s.viscosityType) {
    case 1: return s.A * Power(T, s.B) * 1000;
    case 2: return std::exp(s.A + s.B / T) * 1000;
    case 3: return std::exp(s.A + s.B / T + s.C * T + s.D * T * T) * 1000;
    case 5: return std::exp(s.A + s.B / (s.C - T) + s.D * std::log(T)) * 1e6L;
    case 6: return std::exp(s.A + s.B / T + s.C * std::log(T) + s.D / (T * T * T)) * 1e6L;
    default: return 0;
  }
}

long double LiquidViscosityAtPressure(const EstimationConstants& c, long double mu, long double p, long double T) {
  const long double Tr = T / c.criticalTemperature;
  const long double delta = (p - kEstimateNormalPressure) / c.criticalPressure;
  const long double a = 0.9991L - 4.674e-4L / (1.0523L * Power(Tr, -0.03877L) - 1.0513L);
  const long double d = 0.3257L / Power(1.0039L - Power(Tr, 2.573L), 0.2906L) - 0.2086L;
  const long double cPoly =
      -0.07921L +
      Tr * (2.1616L +
            Tr * (-13.404L + Tr * (44.1706L + Tr * (-84.8291L + Tr * (96.1209L + Tr * (-59.8127L + Tr * 15.6719L))))));
  return mu * (1 + d * Power(delta / 2.118L, a)) / (1 + cPoly * c.acentricFactor * delta);
}

std::vector<Constant> MissingForEstimate(const SubstanceRecord& s) {
  std::vector<Constant> missing;
  for (const Constant k : {Constant::MolarMass, Constant::MeltingPoint, Constant::BoilingPoint,
                           Constant::CriticalTemperature, Constant::CriticalPressure}) {
    if (!s.Get(k)) missing.push_back(k);
  }
  return missing;
}

std::optional<EstimationConstants> ResolveConstants(const SubstanceRecord& s) {
  if (!MissingForEstimate(s).empty()) return std::nullopt;
  EstimationConstants c;
  c.molarMass = *s.Get(Constant::MolarMass);
  c.meltingTemperature = *s.Get(Constant::MeltingPoint) + units::kZeroCelsiusInKelvin;
  c.boilingTemperature = *s.Get(Constant::BoilingPoint) + units::kZeroCelsiusInKelvin;
  c.criticalTemperature = *s.Get(Constant::CriticalTemperature);
  c.criticalPressure = *s.Get(Constant::CriticalPressure);
  c.criticalVolume = s.Get(Constant::CriticalVolume).value_or(0);
  c.referenceDensity = s.Get(Constant::ReferenceDensity).value_or(0);
  c.referenceTemperature = s.Get(Constant::ReferenceTemperature).value_or(0);
  c.acentricFactor =
      s.Get(Constant::AcentricFactor)
          .value_or(EstimatedAcentricFactor(c.boilingTemperature, c.criticalTemperature, c.criticalPressure));
  // Yamada–Gunn: Z_RA = 0.29056 − 0.08775 ω.
  c.rackettParameter = s.Get(Constant::RackettParameter).value_or(0.29056L - 0.08775L * c.acentricFactor);
  return c;
}

namespace {

// The constants a state in `phase` needs beyond those of every state.
std::vector<Constant> MissingForPhase(const SubstanceRecord& s, EstimatedPhase phase, long double T) {
  std::vector<Constant> missing;
  const auto need = [&](Constant k) {
    if (!s.Get(k)) missing.push_back(k);
  };
  if (phase != EstimatedPhase::Liquid) {
    need(Constant::CriticalVolume);
    return missing;
  }
  need(Constant::ReferenceDensity);
  need(Constant::ReferenceTemperature);
  if (s.viscosityType == 0 || T < s.lowestTemperature || T > s.highestTemperature) need(Constant::CriticalVolume);
  return missing;
}

std::optional<long double> BoilingPointBelowCritical(const EstimationConstants& c, long double p) {
  if (p >= c.criticalPressure) return std::nullopt;
  const long double Tb = BoilingPointAtPressure(p, c.boilingTemperature);
  if (!std::isfinite(Tb)) return std::nullopt;
  return Tb;
}

}  // namespace

EstimateOutcome EstimateSubstance(const SubstanceRecord& s, long double p, long double T) {
  EstimateOutcome outcome;
  if (const std::optional<EstimateRefusal> refusal = CheckPressure(p)) {
    outcome.refusal = *refusal;
    return outcome;
  }
  if (T < 0) {
    outcome.refusal = EstimateRefusal::NegativeTemperature;
    return outcome;
  }
  outcome.missing = MissingForEstimate(s);
  if (!outcome.missing.empty()) {
    outcome.refusal = EstimateRefusal::MissingConstants;
    return outcome;
  }
  const EstimationConstants c = *ResolveConstants(s);
  outcome.constants = c;
  if (T < c.meltingTemperature) {
    outcome.refusal = EstimateRefusal::BelowMeltingPoint;
    return outcome;
  }
  outcome.boilingPoint = BoilingPointBelowCritical(c, p);
  const EstimatedPhase phase = PhaseOf(c, p, T, false);
  outcome.missing = MissingForPhase(s, phase, T);
  if (!outcome.missing.empty()) {
    outcome.refusal = EstimateRefusal::MissingConstants;
    return outcome;
  }
  const EstimatedState state = Evaluate(s, c, p, T, phase);
  if (!Finite(state)) {
    outcome.refusal = EstimateRefusal::NumericFault;
    return outcome;
  }
  outcome.state = state;
  return outcome;
}

namespace {

struct Resolved {
  const SubstanceRecord* substance;
  EstimationConstants constants;
  long double x;  // mole fraction
};

long double MixtureVapourPressure(std::span<const Resolved> parts, long double T) {
  long double sum = 0;
  long double weights = 0;
  for (const Resolved& part : parts) {
    sum += part.x * EstimatedVapourPressure(T, part.constants.boilingTemperature);
    weights += part.x;
  }
  return sum / weights;
}

// The boiling temperature at p: from T by steps of 100 K to the other side of p_mix = p (upwards
// for a liquid, not beyond T_pc; downwards for a gas, not below the lowest temperature the
// estimate holds at), then down by 1 K until p > p_mix and up by 0.1 K until p_mix > p. Nothing
// when p_mix does not reach p below T_pc or cannot fall below p.
std::optional<long double> MixtureBoilingPoint(std::span<const Resolved> parts, long double p, long double T,
                                               long double Tpc) {
  const auto pmix = [&](long double t) { return MixtureVapourPressure(parts, t); };
  long double floor = 0;
  for (const Resolved& part : parts) floor = std::max(floor, VapourPressureFloor(part.constants.boilingTemperature));
  floor += kStep;
  long double t = T;
  int steps = 0;
  if (p > pmix(t)) {
    while (!(pmix(t) >= p)) {
      if (t >= Tpc || ++steps > kMaxSteps) return std::nullopt;
      t = std::min(t + kCoarseStep, Tpc);
    }
  } else {
    while (!(p > pmix(t))) {
      if (t <= floor || ++steps > kMaxSteps) return std::nullopt;
      t = std::max(t - kCoarseStep, floor);
    }
  }
  for (steps = 0; !(p > pmix(t)); ++steps) {
    if (steps > kMaxSteps || t - kStep <= floor - kStep) return std::nullopt;
    t -= kStep;
  }
  for (steps = 0; !(pmix(t) > p); ++steps) {
    if (steps > kMaxSteps) return std::nullopt;
    t += kFineStep;
  }
  if (!std::isfinite(t) || t > Tpc) return std::nullopt;
  return t;
}

}  // namespace

EstimateOutcome EstimateMixture(std::span<const MixtureComponent> components, FractionKind kind, long double p,
                                long double T) {
  EstimateOutcome outcome;
  if (const std::optional<EstimateRefusal> refusal = CheckPressure(p)) {
    outcome.refusal = *refusal;
    return outcome;
  }
  if (T < 0) {
    outcome.refusal = EstimateRefusal::NegativeTemperature;
    return outcome;
  }
  std::vector<Resolved> parts;
  std::vector<int> slots;
  long double sum = 0;
  for (std::size_t k = 0; k < components.size(); ++k) {
    if (components[k].substance == nullptr) continue;
    const int slot = static_cast<int>(k);
    outcome.missing = MissingForEstimate(*components[k].substance);
    if (!outcome.missing.empty()) {
      outcome.refusal = EstimateRefusal::MissingConstants;
      outcome.component = slot;
      return outcome;
    }
    parts.push_back({components[k].substance, *ResolveConstants(*components[k].substance), components[k].fraction});
    slots.push_back(slot);
    sum += components[k].fraction;
  }
  if (parts.size() < 2) {
    outcome.refusal = EstimateRefusal::TooFewComponents;
    return outcome;
  }
  if (!(std::fabs(sum - 100) <= kFractionTolerance)) {
    outcome.refusal = EstimateRefusal::FractionsSum;
    return outcome;
  }
  if (kind == FractionKind::Mass) {
    long double moles = 0;
    for (Resolved& part : parts) moles += part.x / part.constants.molarMass;
    for (Resolved& part : parts) part.x = part.x / part.constants.molarMass / moles;
  } else {
    for (Resolved& part : parts) part.x /= 100;
  }
  long double Tpc = 0;
  for (const Resolved& part : parts) Tpc += part.x * part.constants.criticalTemperature;
  outcome.pseudoCriticalTemperature = Tpc;
  const bool liquid = p > MixtureVapourPressure(parts, T) && !(T > Tpc);
  outcome.boilingPoint = MixtureBoilingPoint(parts, p, T, Tpc);

  EstimatedState mixture;
  mixture.phase = liquid ? EstimatedPhase::Liquid : EstimatedPhase::Gas;
  long double massSum = 0, volumeSum = 0, logViscosity = 0, gasViscosity = 0, gasWeights = 0;
  bool viscosityValid = true;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const Resolved& part = parts[i];
    outcome.component = slots[i];
    if (T < part.constants.meltingTemperature) {
      outcome.refusal = EstimateRefusal::BelowMeltingPoint;
      return outcome;
    }
    const EstimatedPhase phase = PhaseOf(part.constants, p, T, true);
    if ((phase == EstimatedPhase::Liquid) != liquid) {
      outcome.refusal = EstimateRefusal::PhaseDiffers;
      return outcome;
    }
    outcome.missing = MissingForPhase(*part.substance, phase, T);
    if (!outcome.missing.empty()) {
      outcome.refusal = EstimateRefusal::MissingConstants;
      return outcome;
    }
    if (phase == EstimatedPhase::Supercritical) mixture.phase = EstimatedPhase::Supercritical;
    const EstimatedState state = Evaluate(*part.substance, part.constants, p, T, phase);
    if (!Finite(state)) {
      outcome.refusal = EstimateRefusal::NumericFault;
      return outcome;
    }
    mixture.viscosityEstimated = mixture.viscosityEstimated || state.viscosityEstimated;
    const long double xM = part.x * part.constants.molarMass;
    if (state.density) {
      massSum += xM;
      volumeSum += xM / *state.density;
    }
    if (!state.viscosity) {
      viscosityValid = false;
    } else if (liquid) {
      logViscosity += part.x * std::log10(*state.viscosity);
    } else {
      const long double root = std::sqrt(part.constants.molarMass);
      gasViscosity += part.x * *state.viscosity * root;
      gasWeights += part.x * root;
    }
  }
  outcome.component = -1;
  if (volumeSum > 0) mixture.density = Positive(massSum / volumeSum);
  if (viscosityValid) mixture.viscosity = Positive(liquid ? std::pow(10.0L, logViscosity) : gasViscosity / gasWeights);
  if (!Finite(mixture)) {
    outcome.refusal = EstimateRefusal::NumericFault;
    return outcome;
  }
  outcome.state = mixture;
  return outcome;
}

}  // namespace velmora::fluids
