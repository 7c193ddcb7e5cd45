#include "fluids/WaterState.h"

#include <cmath>

#include "fluids/Water.h"
#include "fluids/WaterRegion3.h"
#include "fluids/WaterViscosity.h"
#include "units/UnitFactors.h"

namespace velmora::fluids {
namespace {

using units::kZeroCelsiusInKelvin;

// Limits of the general calculation, K and bar.
constexpr long double kLowestTemperature = kZeroCelsiusInKelvin;          // 0 °C
constexpr long double kHighestTemperature = kZeroCelsiusInKelvin + 900;   // 900 °C
constexpr long double kHotSteamTemperature = kZeroCelsiusInKelvin + 800;  // above 800 °C …
constexpr long double kHighTemperaturePressure = 100;                     // … only up to 100 bar
constexpr long double kHighestPressure = 1000;

// Limits of the saturation calculation: 0 … 373 °C, 0.007 … 220 bar.
constexpr long double kSaturationLowestTemperature = 273.15L;
constexpr long double kSaturationHighestTemperature = 646.15L;
constexpr long double kSaturationLowestPressure = 0.007L;
constexpr long double kSaturationHighestPressure = 220;

// Saturated phases above 623.15 K come from region 3, just off the saturation pressure.
constexpr long double kRegion3SaturationOffset = 1e-10L;  // bar
constexpr long double kRegion3SaturationTemperature = 623.15L;

bool Usable(long double value) { return std::isfinite(value) && value > 0; }

// Specific volume and viscosity of a density; nothing when a figure is not finite and positive.
std::optional<WaterProperties> PropertiesOf(long double T, std::optional<long double> rho) {
  if (!rho || !Usable(*rho)) return std::nullopt;
  WaterProperties properties{*rho, 1 / *rho, ViscosityWater(T, *rho)};
  if (!Usable(properties.specificVolume) || !Usable(properties.viscosity)) return std::nullopt;
  return properties;
}

}  // namespace

bool WaterStateInRange(long double T, long double p) {
  if (!(T >= kLowestTemperature && T <= kHighestTemperature)) return false;
  if (!(p > 0 && p <= kHighestPressure)) return false;
  return !(T > kHotSteamTemperature && p > kHighTemperaturePressure);
}

int WaterRegion(long double T, long double p) {
  const long double ps = T <= kWaterCriticalTemperature ? SaturationPressure(T) : kWaterCriticalPressure;
  const long double pB23 = BoundaryPressure23(T);
  const long double w = std::round(T * 1000);
  int region = 0;
  if (w > 273149 && w <= 623150 && p >= ps && p <= 1000) region = 1;
  if (w > 273149 && w <= 623150 && p > 0 && p <= ps) region = 2;
  if (w > 623150 && w <= 863150 && p > 0 && p <= pB23) region = 2;
  if (w > 863150 && w <= 1073150 && p > 0 && p <= 1000) region = 2;
  if (w > 623150 && p >= pB23 && p <= 1000) region = 3;
  if (w > 1073149 && w <= 2273150 && p > 0 && p <= 100) region = 5;
  return region;
}

WaterStateOutcome CalculateWaterState(long double T, long double p) {
  if (!WaterStateInRange(T, p)) return {std::nullopt, WaterRefusal::OutOfRange};
  const int region = WaterRegion(T, p);
  std::optional<long double> rho;
  switch (region) {
    case 1: rho = DensityRegion1(T, p); break;
    case 2: rho = DensityRegion2(T, p); break;
    case 3: rho = DensityRegion3(T, p); break;
    case 5: rho = DensityRegion5(T, p); break;
    default: return {std::nullopt, WaterRefusal::NoRegion};
  }
  const std::optional<WaterProperties> properties = PropertiesOf(T, rho);
  if (!properties) return {std::nullopt, WaterRefusal::NumericFault};
  // Region 3 also holds steam: between the B23 boundary and the saturation line below the
  // critical temperature.
  const bool region3Steam = region == 3 && T < kWaterCriticalTemperature && p < SaturationPressure(T);
  return {WaterState{region, region == 2 || region == 5 || region3Steam, *properties}, WaterRefusal::None};
}

SaturatedWaterOutcome CalculateSaturatedWater(SaturationGiven given, long double value) {
  long double T = value;
  long double ps = value;
  if (given == SaturationGiven::Temperature) {
    if (!(T >= kSaturationLowestTemperature && T <= kSaturationHighestTemperature)) {
      return {std::nullopt, WaterRefusal::OutOfRange};
    }
    ps = SaturationPressure(T);
  } else {
    if (!(ps >= kSaturationLowestPressure && ps <= kSaturationHighestPressure)) {
      return {std::nullopt, WaterRefusal::OutOfRange};
    }
    T = SaturationTemperature(ps);
  }
  std::optional<long double> vapour;
  std::optional<long double> liquid;
  if (T <= kRegion3SaturationTemperature) {
    vapour = DensityRegion2(T, ps);
    liquid = DensityRegion1(T, ps);
  } else {
    vapour = DensityRegion3(T, ps - kRegion3SaturationOffset);
    liquid = DensityRegion3(T, ps + kRegion3SaturationOffset);
  }
  const std::optional<WaterProperties> vapourProperties = PropertiesOf(T, vapour);
  const std::optional<WaterProperties> liquidProperties = PropertiesOf(T, liquid);
  if (!Usable(T) || !Usable(ps) || !vapourProperties || !liquidProperties) {
    return {std::nullopt, WaterRefusal::NumericFault};
  }
  return {SaturatedWater{T, ps, *liquidProperties, *vapourProperties}, WaterRefusal::None};
}

}  // namespace velmora::fluids
