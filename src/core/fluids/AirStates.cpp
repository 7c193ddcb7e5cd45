#include "fluids/AirStates.h"

#include <cmath>

#include "fluids/Air.h"
#include "fluids/AirAncillary.h"
#include "fluids/AirViscosity.h"
#include "fluids/MoistAir.h"
#include "units/UnitFactors.h"

namespace velmora::fluids {
namespace {

using units::kZeroCelsiusInKelvin;

// Dry air: 60 K … 2000 K (the lower limit of the equation of state; 59.75 K is the triple point),
// above 0 up to 20000 bar.
constexpr long double kDryLowestTemperature = 60;
constexpr long double kDryHighestTemperature = 2000;
constexpr long double kDryHighestPressure = 20000;
// Humid air: 0 °C … 200 °C, above 0 up to 100 bar.
constexpr long double kHumidLowestTemperature = kZeroCelsiusInKelvin;
constexpr long double kHumidHighestTemperature = kZeroCelsiusInKelvin + 200;
constexpr long double kHumidHighestPressure = 100;
// Saturated air: 60 K … 132 K, below the critical temperature 132.5306 K.
constexpr long double kSaturatedLowestTemperature = 60;
constexpr long double kSaturatedHighestTemperature = 132;
// 0.6222 ≈ M_water/M_air = 18.01528/28.9586 (0.62210), the figure of the psychrometric formulas.
constexpr long double kMolarMassRatio = 0.6222L;
// Acentric factor of air in the Chang–Zhao compressed-liquid factor.
constexpr long double kAirAcentricFactor = 0.037L;

bool Usable(long double value) { return std::isfinite(value) && value > 0; }

std::optional<AirProperties> PropertiesOf(std::optional<long double> rho, long double T) {
  if (!rho || !Usable(*rho)) return std::nullopt;
  const AirProperties properties{*rho, 1 / *rho, AirViscosity(*rho, T)};
  if (!Usable(properties.specificVolume) || !Usable(properties.viscosity)) return std::nullopt;
  return properties;
}

// Start density of compressed liquid air: the bubble density times the Chang–Zhao factor
// (A + 2.81^((1.1 − T_r)^B) Δ)/(A + 2.81 Δ), Δ = (p − p_bubble)/p_c, T_r = T/T_c.
long double LiquidStartDensity(long double T, long double p) {
  const long double Tr = T / kAirCriticalTemperature;
  const long double delta = (p - AirBubblePressure(T)) / kAirCriticalPressure;
  const long double A = 99.42L + Tr * (6.502L + Tr * (-78.68L + Tr * (-75.18L + Tr * (41.49L + Tr * 7.257L))));
  const long double B = 0.38144L - 0.30144L * kAirAcentricFactor - 0.08457L * kAirAcentricFactor * kAirAcentricFactor;
  return AirBubbleDensity(T) * (A + std::pow(2.81L, std::pow(1.1L - Tr, B)) * delta) / (A + 2.81L * delta);
}

}  // namespace

DryAirOutcome CalculateDryAir(long double T, long double p) {
  if (!(T >= kDryLowestTemperature && T <= kDryHighestTemperature)) return {AirPhase::Gas, {}, AirRefusal::Temperature};
  if (!(p > 0 && p <= kDryHighestPressure)) return {AirPhase::Gas, {}, AirRefusal::Pressure};
  AirPhase phase = AirPhase::Gas;
  if (T < kAirReducingTemperature && AirBubblePressure(T) < p) {
    phase = AirMeltingTemperature(p) > T ? AirPhase::Solid : AirPhase::Liquid;
  }
  if (phase == AirPhase::Solid) return {phase, {}, AirRefusal::None};
  const std::optional<long double> rho =
      phase == AirPhase::Liquid ? AirDensity(T, p, LiquidStartDensity(T, p)) : AirGasDensity(T, p);
  const std::optional<AirProperties> properties = PropertiesOf(rho, T);
  if (!properties) return {phase, {}, AirRefusal::NumericFault};
  return {phase, properties, AirRefusal::None};
}

HumidAirOutcome CalculateHumidAir(long double T, long double p, HumidityGiven given, long double humidity) {
  if (!(T >= kHumidLowestTemperature && T <= kHumidHighestTemperature)) return {{}, AirRefusal::Temperature};
  if (!(p > 0 && p <= kHumidHighestPressure)) return {{}, AirRefusal::Pressure};
  const long double ps = WaterVapourPressure(T);
  HumidAir air;
  if (given == HumidityGiven::RelativeHumidity) {
    if (!(humidity > 0 && humidity <= 100)) return {{}, AirRefusal::Humidity};
    air.relativeHumidity = humidity;
    air.moistureContent = kMolarMassRatio * (humidity / 100) * ps / (p - (humidity / 100) * ps);
  } else {
    if (!(humidity > 0)) return {{}, AirRefusal::Humidity};
    air.moistureContent = humidity;
    air.relativeHumidity = 100 * humidity * p / (kMolarMassRatio * ps + humidity * ps);
    if (!(air.relativeHumidity > 0 && air.relativeHumidity <= 100)) return {{}, AirRefusal::Humidity};
  }
  const long double phi = air.relativeHumidity;
  const long double pv = phi / 100 * ps;
  if (p < pv) return {{}, AirRefusal::Humidity};
  const long double xs = kMolarMassRatio * ps / (p - ps);
  if (std::isfinite(xs) && xs >= 0) {
    air.saturationContent = xs;
    const long double psi = air.moistureContent / xs;
    if (std::isfinite(psi) && psi >= 0) air.degreeOfSaturation = psi;
  }
  air.moleFraction = pv / p;
  const std::optional<long double> dewPoint = DewPointTemperature(pv);
  const long double rho = MoistAirDensity(phi, T, p);
  const std::optional<long double> mu = MoistAirViscosity(rho, phi, T, p);
  if (!dewPoint || !std::isfinite(*dewPoint) || !Usable(rho) || !mu || !Usable(*mu) ||
      !std::isfinite(air.moistureContent)) {
    return {{}, AirRefusal::NumericFault};
  }
  air.dewPoint = *dewPoint - kZeroCelsiusInKelvin;
  air.properties = {rho, 1 / rho, *mu};
  return {air, AirRefusal::None};
}

SaturatedAirOutcome CalculateSaturatedAir(long double T) {
  if (!(T >= kSaturatedLowestTemperature && T <= kSaturatedHighestTemperature)) return {{}, AirRefusal::OutOfRange};
  const long double pb = AirBubblePressure(T);
  const long double pd = AirDewPressure(T);
  const std::optional<AirProperties> vapour = PropertiesOf(AirGasDensity(T, pd), T);
  const std::optional<AirProperties> liquid = PropertiesOf(AirDensity(T, pb, AirBubbleDensity(T)), T);
  if (!vapour || !liquid || !Usable(pb) || !Usable(pd)) return {{}, AirRefusal::NumericFault};
  return {SaturatedAir{pb, pd, *liquid, *vapour}, AirRefusal::None};
}

}  // namespace velmora::fluids
