#pragma once

#include "fluids/BrineCoefficients.h"

// Aqueous secondary refrigerants (brines) by Melinder's polynomials: density, dynamic viscosity
// and freezing point by mass concentration c (%) and temperature t (°C). Fluids are numbered
// 1…10 as the list shows them: ethylene glycol, propylene glycol, ethyl alcohol, methyl alcohol,
// glycerol, ammonia, potassium carbonate, calcium chloride, magnesium chloride, sodium chloride.
namespace velmora::fluids {

inline constexpr int kBrineCount = static_cast<int>(kBrines.size());

enum class BrineQuantity { Density, Viscosity, FreezingPoint };

// The coefficients of fluid 1…10.
const BrineCoefficients& Brine(int fluid);

// Σ cₖ xᵃ yᵇ with x = c − x_m, y = t − t_m over the 18 terms (a, b) = (0,0) (0,1) (0,2) (0,3) (1,0)
// (1,1) (1,2) (1,3) (2,0) (2,1) (2,2) (2,3) (3,0) (3,1) (3,2) (4,0) (4,1) (5,0): density in kg/m³,
// freezing point in °C, viscosity exp(Σ)·1000 in 10⁻⁶ kg/(m·s) (Σ is ln μ/mPa·s).
long double BrineProperty(int fluid, BrineQuantity quantity, long double c, long double t);

enum class BrineRefusal {
  None,
  TooWarm,        // t above t_max
  Concentration,  // c outside c_min … c_max
  Frozen,         // t at or below the freezing point
  NumericFault,   // a result that is not a finite positive number
};

struct BrineState {
  BrineRefusal refusal = BrineRefusal::None;
  long double freezingPoint = 0;  // °C; set from Frozen on
  long double density = 0;        // kg/m³
  long double viscosity = 0;      // 10⁻⁶ kg/(m·s)
};

// The checks in the dialog's order (temperature, concentration, freezing point), then density and
// viscosity.
BrineState CalculateBrine(int fluid, long double c, long double t);

}  // namespace velmora::fluids
