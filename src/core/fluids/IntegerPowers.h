#pragma once

#include <array>
#include <cstddef>

namespace velmora::fluids {

// x^k for every whole k from Min to Max, by repeated multiplication (negative bases allowed; x⁰ is
// 1 also for x = 0). The sums of the property equations take their integer powers from here.
template <int Min, int Max>
class IntegerPowers {
  static_assert(Min <= 0 && Max >= 0);

 public:
  explicit IntegerPowers(long double x) {
    At(0) = 1;
    for (int k = 1; k <= Max; ++k) At(k) = At(k - 1) * x;
    if constexpr (Min < 0) {
      const long double inverse = 1 / x;
      for (int k = -1; k >= Min; --k) At(k) = At(k + 1) * inverse;
    }
  }
  long double operator[](int k) const { return values_[static_cast<std::size_t>(k - Min)]; }

 private:
  long double& At(int k) { return values_[static_cast<std::size_t>(k - Min)]; }
  std::array<long double, static_cast<std::size_t>(Max - Min + 1)> values_;
};

}  // namespace velmora::fluids
