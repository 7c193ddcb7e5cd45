#include "hydraulics/Arithmetic.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace velmora::hydraulics {

namespace {

long double RaiseInvalid() {
  std::feraiseexcept(FE_INVALID);
  return std::numeric_limits<long double>::quiet_NaN();
}

// xⁿ by square-and-multiply; a negative n divides, so 0⁻ⁿ is a division by zero.
long double WholePower(long double x, long double n) {
  unsigned long long e = static_cast<unsigned long long>(n < 0 ? -n : n);
  long double result = 1.0L;
  long double base = x;
  while (e != 0) {
    if ((e & 1U) != 0) result *= base;
    e >>= 1U;
    if (e != 0) base *= base;
  }
  return n < 0 ? 1.0L / result : result;
}

}  // namespace

int TruncateToInt(long double x) {
  // 2147483648 = 2³¹: the first value whose integer part does not fit into an int.
  if (!(std::fabs(x) < 2147483648.0L)) {
    RaiseInvalid();
    return 0;
  }
  return static_cast<int>(x);
}

int NearestInteger(long double x) { return TruncateToInt(x >= 0 ? x + 0.5L : x - 0.5L); }

long double Power(long double x, long double y) {
  if (y == 0) return 1.0L;
  // 9.2e18 keeps the exponent inside unsigned long long; larger whole exponents take powl.
  if (std::trunc(y) == y && std::fabs(y) < 9.2e18L) return WholePower(x, y);
  // 0^y = 0 for y > 0: a free area of 100 % must give ζ = 0 rather than a fault.
  if (x == 0 && y > 0) return 0.0L;
  if (x < 0) return RaiseInvalid();
  return std::pow(x, y);
}

ArithmeticFaultGuard::ArithmeticFaultGuard() { std::feclearexcept(FE_ALL_EXCEPT); }

const char* ArithmeticFaultGuard::Fault() const {
  const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
  if ((raised & FE_DIVBYZERO) != 0) return "division by zero";
  if ((raised & FE_INVALID) != 0) return "invalid operation (root, logarithm or power of a negative number)";
  if ((raised & FE_OVERFLOW) != 0) return "overflow";
  return nullptr;
}

}  // namespace velmora::hydraulics
