#include "fluids/Brine.h"

#include <cmath>
#include <stdexcept>

#include "fluids/IntegerPowers.h"

namespace velmora::fluids {
namespace {

// The exponents (a, b) of x = c − x_m and y = t − t_m in term k.
constexpr int kPowerOfX[18] = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 4, 4, 5};
constexpr int kPowerOfY[18] = {0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 0, 1, 0};
// ln(μ/mPa·s) → 10⁻⁶ kg/(m·s): 1 mPa·s = 1000·10⁻⁶ kg/(m·s).
constexpr long double kMicroPerMilli = 1000;

long double Sum(const std::array<long double, 18>& c, const IntegerPowers<0, 5>& x, const IntegerPowers<0, 3>& y) {
  long double sum = 0;
  for (int k = 0; k < 18; ++k) sum += c[static_cast<std::size_t>(k)] * x[kPowerOfX[k]] * y[kPowerOfY[k]];
  return sum;
}

}  // namespace

const BrineCoefficients& Brine(int fluid) {
  if (fluid < 1 || fluid > kBrineCount) throw std::out_of_range("brine number");
  return kBrines[static_cast<std::size_t>(fluid - 1)];
}

long double BrineProperty(int fluid, BrineQuantity quantity, long double c, long double t) {
  const BrineCoefficients& brine = Brine(fluid);
  const IntegerPowers<0, 5> x(c - brine.meanConcentration);
  const IntegerPowers<0, 3> y(t - brine.meanTemperature);
  switch (quantity) {
    case BrineQuantity::Density: return Sum(brine.density, x, y);
    case BrineQuantity::Viscosity: return std::exp(Sum(brine.lnViscosity, x, y)) * kMicroPerMilli;
    case BrineQuantity::FreezingPoint: break;
  }
  return Sum(brine.freezingPoint, x, y);
}

BrineState CalculateBrine(int fluid, long double c, long double t) {
  const BrineCoefficients& brine = Brine(fluid);
  BrineState state;
  if (t > brine.highestTemperature) {
    state.refusal = BrineRefusal::TooWarm;
    return state;
  }
  if (c > brine.highestConcentration || c < brine.lowestConcentration) {
    state.refusal = BrineRefusal::Concentration;
    return state;
  }
  state.freezingPoint = BrineProperty(fluid, BrineQuantity::FreezingPoint, c, t);
  if (!std::isfinite(state.freezingPoint)) {
    state.refusal = BrineRefusal::NumericFault;
    return state;
  }
  if (t <= state.freezingPoint) {
    state.refusal = BrineRefusal::Frozen;
    return state;
  }
  state.density = BrineProperty(fluid, BrineQuantity::Density, c, t);
  state.viscosity = BrineProperty(fluid, BrineQuantity::Viscosity, c, t);
  if (!std::isfinite(state.density) || !(state.density > 0) || !std::isfinite(state.viscosity) ||
      !(state.viscosity > 0)) {
    state.refusal = BrineRefusal::NumericFault;
  }
  return state;
}

}  // namespace velmora::fluids
