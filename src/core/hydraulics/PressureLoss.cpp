#include "hydraulics/PressureLoss.h"

#include <cmath>

namespace velmora::hydraulics {

GasCorrected GasCorrection(long double dp, long double p1, long double T1, long double T2) {
  if (dp > p1 / 2.0L) return {true, 0.0L};
  const long double radicand = 1.0L - (2.0L * dp / p1) * ((T1 + T2) / 2.0L) / T1;
  // With T2 > T1 the radicand can be negative although Δp ≤ p1/2: the gas heats up so much that
  // the element cannot be calculated either, which is the gas limit, not an arithmetic fault.
  if (radicand < 0) return {true, 0.0L};
  return {false, p1 * (1.0L - std::sqrt(radicand))};
}

}  // namespace velmora::hydraulics
