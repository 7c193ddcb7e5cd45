#pragma once

#include <optional>

#include "fluids/GasDatabase.h"

// One state of a gas of the database: its boiling point at the pressure, whether it is liquid,
// and density and viscosity of the gas.
namespace velmora::fluids {

// Pressure limits of the gas database, bar absolute.
inline constexpr long double kGasLowestPressure = 0.1L;
inline constexpr long double kGasHighestPressure = 1000.0L;
// Up to this pressure (bar) the tabulated viscosity holds unchanged; above it Gardner's correction.
inline constexpr long double kGasViscosityPressure = 1.013L;

enum class GasRefusal {
  None,
  PressureTooLow,   // below 0.1 bar
  PressureTooHigh,  // above 1000 bar
  Liquid,           // below the boiling point at the pressure (or at or above pc) and at most Tc
  OutOfRange,       // a numeric fault or a density that is not positive
};

struct GasState {
  GasRefusal refusal = GasRefusal::None;
  // The boiling point at the pressure, °C; nothing at or above the critical pressure and when the
  // pressure lies outside the limits.
  std::optional<long double> boilingPoint;
  long double density = 0;    // kg/m³, with refusal None
  long double viscosity = 0;  // 10⁻⁶ kg/(m·s), with refusal None
};

// The state at T (K) and p (bar absolute) with the low-pressure viscosity mu0 (10⁻⁶ kg/(m·s)):
// 0.1 ≤ p ≤ 1000 bar; the boiling point by the Antoine estimate below pc; liquid when
// t < t_s and T ≤ Tc, and at or above pc when T ≤ Tc (the boiling point then lies above Tc);
// ρ by Soave–Redlich–Kwong; μ = mu0 up to 1.013 bar, Gardner's correction above.
GasState CalculateGasState(const GasRecord& gas, long double T, long double p, long double mu0);

}  // namespace velmora::fluids
