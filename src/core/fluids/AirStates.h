#pragma once

#include <optional>

// Dry air, humid air and air at saturation: the ranges, the state and the properties the air
// dialogs show. T in K, p in bar absolute, ρ in kg/m³, viscosities in 10⁻⁶ kg/(m·s).
namespace velmora::fluids {

struct AirProperties {
  long double density = 0;
  long double specificVolume = 0;  // m³/kg
  long double viscosity = 0;
};

enum class AirPhase { Gas, Liquid, Solid };

// Why no properties are given.
enum class AirRefusal {
  None,
  Temperature,   // outside the temperature range
  Pressure,      // outside the pressure range
  Humidity,      // humidity outside its range, or a vapour pressure above the total pressure
  OutOfRange,    // outside the range (saturated air: one range)
  NumericFault,  // an iteration or a formula failed
};

struct DryAirOutcome {
  AirPhase phase = AirPhase::Gas;
  std::optional<AirProperties> properties;  // none for a solid
  AirRefusal refusal = AirRefusal::None;
};

// Dry air from 60 K to 2000 K and above 0 up to 20000 bar: liquid below Tⱼ = 132.6312 K when p
// lies above the bubble pressure, solid when moreover the melting temperature at p lies above T,
// gas otherwise. The liquid density starts from the bubble density corrected by the Chang–Zhao
// factor (acentric factor 0.037), the gas density from the ideal gas.
DryAirOutcome CalculateDryAir(long double T, long double p);

enum class HumidityGiven { RelativeHumidity, MoistureContent };

struct HumidAir {
  long double relativeHumidity = 0;               // φ, %
  long double moistureContent = 0;                // x, kg water/kg dry air
  std::optional<long double> saturationContent;   // x_s; none when negative (pₛ above p)
  std::optional<long double> degreeOfSaturation;  // ψ = x/x_s; none when negative
  long double moleFraction = 0;                   // y, mole fraction of water
  long double dewPoint = 0;                       // °C
  AirProperties properties;
};

struct HumidAirOutcome {
  std::optional<HumidAir> state;
  AirRefusal refusal = AirRefusal::None;
};

// Moist air from 0 °C to 200 °C and above 0 up to 100 bar, given the relative humidity (0 < φ ≤
// 100 %) or the moisture content (x > 0, with 0 < φ ≤ 100 % following from it); the partial
// pressure of the vapour must not exceed the total pressure. x = 0.6222 φ pₛ/(p − φ pₛ) with
// pₛ = WaterVapourPressure(T) and φ as a fraction; dew point by DewPointTemperature.
HumidAirOutcome CalculateHumidAir(long double T, long double p, HumidityGiven given, long double humidity);

struct SaturatedAir {
  long double bubblePressure = 0;  // bar
  long double dewPressure = 0;     // bar
  AirProperties liquid;
  AirProperties vapour;
};

struct SaturatedAirOutcome {
  std::optional<SaturatedAir> state;
  AirRefusal refusal = AirRefusal::None;
};

// Liquid at the bubble pressure and vapour at the dew pressure, 60 K ≤ T ≤ 132 K.
SaturatedAirOutcome CalculateSaturatedAir(long double T);

}  // namespace velmora::fluids
