#pragma once

namespace velmora::hydraulics {

// π to the full width of the extended type.
inline constexpr long double Pi = 3.14159265358979323846264338327950288L;

// The laminar/turbulent limit: a flow is laminar below it, 2320 itself is turbulent. 2320 is the
// critical Reynolds number of pipe flow measured by L. Schiller.
inline constexpr long double LaminarLimit = 2320.0L;

// Linear interpolation with the upper point first:
// yLower + (x − xLower)·(yUpper − yLower)/(xUpper − xLower).
inline long double Interpolate(long double yUpper, long double yLower, long double xUpper, long double xLower,
                               long double x) {
  return yLower + (x - xLower) * (yUpper - yLower) / (xUpper - xLower);
}

// Truncation toward zero into a whole number. A value outside the int range (or NaN) is an
// invalid operation, as the floating-point unit reports it; the result is then 0.
int TruncateToInt(long double x);

// The integer nearest to x, halves away from zero (x ≥ 0: truncate x + 0.5; x < 0: truncate x − 0.5).
int NearestInteger(long double x);

// The general power xʸ: 1 for y = 0; repeated multiplication for whole y (so negative bases work
// there); 0 for x = 0 and y > 0. A negative base with a fractional exponent is an invalid
// operation (raised like the floating-point unit would) and yields NaN.
long double Power(long double x, long double y);

// Degrees to radians, δ·π/180.
inline long double Radians(long double degrees) { return degrees * Pi / 180.0L; }

inline long double Square(long double x) { return x * x; }

// Watches the floating-point status flags for the arithmetic faults that abandon a calculation
// (division by zero, invalid operation, overflow). Construction clears the flags of this thread;
// underflow and inexact results are not faults.
class ArithmeticFaultGuard {
 public:
  ArithmeticFaultGuard();
  // A short English reason for the fault met since construction, or nullptr when there was none.
  const char* Fault() const;
};

}  // namespace velmora::hydraulics
