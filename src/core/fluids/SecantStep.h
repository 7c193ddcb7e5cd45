#pragma once

#include <cmath>
#include <optional>

namespace velmora::fluids {

// The root finder of every property iteration: Newton steps with a forward-difference derivative,
// f₀ = F(x), f₁ = F(x + 10⁻⁸), x ← x − f₀·10⁻⁸/(f₁ − f₀), until a step is below 10⁻⁸ or after
// 100 passes. A numeric fault (a flat difference, an overflow, a value that is not finite) or a
// run of 100 passes without convergence yields nothing: such an x is no property of the state.
template <typename Residual>
std::optional<long double> SolveBySecantStep(Residual&& residual, long double start) {
  constexpr long double kStep = 1e-8L;
  constexpr long double kTolerance = 1e-8L;
  constexpr int kMaxPasses = 100;
  long double x = start;
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    const long double f0 = residual(x);
    const long double f1 = residual(x + kStep);
    const long double difference = f1 - f0;
    if (!std::isfinite(f0) || !std::isfinite(f1) || difference == 0) return std::nullopt;
    const long double next = x - f0 * kStep / difference;
    if (!std::isfinite(next)) return std::nullopt;
    if (std::fabs(x - next) < kTolerance) return next;
    x = next;
  }
  return std::nullopt;
}

}  // namespace velmora::fluids
