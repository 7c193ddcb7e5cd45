#pragma once

#include <optional>

// Water and steam at a general state and on the saturation line: the region choice, the ranges
// and the properties the water dialogs show. T in K, p in bar absolute.
namespace velmora::fluids {

// Why no properties are given.
enum class WaterRefusal {
  None,
  OutOfRange,    // outside the ranges of the calculation
  NoRegion,      // inside the ranges, but no IF97 region takes the state
  NumericFault,  // an iteration or a formula failed (no finite, positive value)
};

// Density (kg/m³), specific volume (m³/kg) and dynamic viscosity (10⁻⁶ kg/(m·s)) of one phase.
struct WaterProperties {
  long double density = 0;
  long double specificVolume = 0;
  long double viscosity = 0;
};

struct WaterState {
  int region = 0;  // the IF97 region: 1, 2, 3 or 5
  bool gas = false;
  WaterProperties properties;
};

struct WaterStateOutcome {
  std::optional<WaterState> state;
  WaterRefusal refusal = WaterRefusal::None;
};

// The ranges of the general calculation: 0 °C ≤ t ≤ 900 °C, 0 < p ≤ 1000 bar, above 800 °C
// p ≤ 100 bar.
bool WaterStateInRange(long double T, long double p);

// The IF97 region of a state (0: none), chosen by w = T·1000 rounded half away from zero, the
// later of these tests overriding the earlier: 273149 < w ≤ 623150 with pₛ ≤ p ≤ 1000 region 1,
// with 0 < p ≤ pₛ region 2 (p = pₛ is vapour); 623150 < w ≤ 863150 with 0 < p ≤ p_B23 region 2;
// 863150 < w ≤ 1073150 with 0 < p ≤ 1000 region 2; w > 623150 with p_B23 ≤ p ≤ 1000 region 3;
// 1073149 < w ≤ 2273150 with 0 < p ≤ 100 region 5. pₛ is 220.64 bar above 647.096 K.
int WaterRegion(long double T, long double p);

// Density, specific volume and viscosity at (T, p) in the state's region. Regions 1 and 3 are
// liquid and regions 2 and 5 gas, except the states of region 3 below the critical temperature and
// below the saturation pressure, which are steam.
WaterStateOutcome CalculateWaterState(long double T, long double p);

// What the saturation calculation is given.
enum class SaturationGiven { Temperature, Pressure };

struct SaturatedWater {
  long double temperature = 0;  // K
  long double pressure = 0;     // bar
  WaterProperties liquid;
  WaterProperties vapour;
};

struct SaturatedWaterOutcome {
  std::optional<SaturatedWater> state;
  WaterRefusal refusal = WaterRefusal::None;
};

// Saturated liquid and vapour at a temperature (K, 273.15 … 646.15) or a pressure (bar, 0.007 …
// 220). Up to 623.15 K from regions 1 and 2 at pₛ, above it from region 3 at pₛ ± 10⁻¹⁰ bar.
SaturatedWaterOutcome CalculateSaturatedWater(SaturationGiven given, long double value);

}  // namespace velmora::fluids
