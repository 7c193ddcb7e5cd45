#include "curve/CurveAxis.h"

#include <cmath>
#include <cstdlib>

#include "units/Numbers.h"

namespace velmora::curve {
namespace {

// The scaled values are compared and cut with this much room, so that 0.1·10 or 0.3·10, which
// long double holds a hair below 1 or 3, still count as 1 and 3.
constexpr long double kSlack = 1e-9L;

long double PowerOfTen(int p) { return std::pow(10.0L, static_cast<long double>(p)); }

struct Step {
  long double value = 1;
  int powers = 0;         // the powers of ten the raw step was multiplied by (negative: divided)
  long double digit = 1;  // 1, 2, 2.5, 5 or 10
};

// A tenth of the range, brought to a leading digit and from there to a nice step.
Step NiceStep(long double range) {
  long double s = range / 10.0L;
  int powers = 0;
  if (s < 1) {
    while (s <= 0.999L) {
      s *= 10.0L;
      ++powers;
    }
    s += 0.001L;
  } else {
    while (s >= 10) {
      s /= 10.0L;
      --powers;
    }
  }
  const long double u = units::RoundHalfAway(s);
  Step step;
  step.powers = powers;
  step.digit = u <= 1 ? 1 : u == 2 ? 2 : u == 3 ? 2.5L : u <= 7 ? 5 : 10;
  step.value = powers >= 0 ? step.digit / PowerOfTen(powers) : step.digit * PowerOfTen(-powers);
  return step;
}

int Decimals(const Step& step) {
  if (step.powers > 0 && step.value < 1) return std::min(step.powers, 4) + (step.digit == 2.5L ? 1 : 0);
  return step.powers == 0 && step.digit == 2.5L ? 1 : 0;
}

std::string WithSeparator(std::string text, text::Edition edition) {
  for (char& c : text) {
    if (c == '.') c = text::DecimalSeparator(edition);
  }
  return text;
}

// "d.dE+dd" (width 8) or "d.ddE+dd" (width 11), the mantissa rounded half away from zero.
std::string Scientific(long double value, int width, text::Edition edition) {
  const int digits = width >= 11 ? 2 : 1;
  int exponent = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
  std::string mantissa = units::FormatNumber(value / PowerOfTen(exponent), digits, 'E');
  const std::size_t at = mantissa.front() == '-' ? 1 : 0;
  if (mantissa.compare(at, 2, "10") == 0) {  // rounding carried into a second digit
    ++exponent;
    mantissa = units::FormatNumber(value / PowerOfTen(exponent), digits, 'E');
  }
  std::string power = std::to_string(std::abs(exponent));
  if (power.size() < 2) power.insert(0, 1, '0');
  return WithSeparator(mantissa, edition) + "E" + (exponent < 0 ? "-" : "+") + power;
}

}  // namespace

long double RoundedLowerLimit(long double smallest) {
  long double a = smallest;
  if (a > 10) {
    int powers = 0;
    while (a >= 10) {
      a /= 10.0L;
      ++powers;
    }
    return std::trunc(a + kSlack) * PowerOfTen(powers);
  }
  if (a > 0 && a < 1) {
    int powers = 0;
    while (a < 1 - kSlack) {
      a *= 10.0L;
      ++powers;
    }
    return std::trunc(a + kSlack) / PowerOfTen(powers);
  }
  return a;
}

Axis MakeAxis(long double lower, long double largest) {
  Axis axis;
  long double a = lower;
  long double range = largest - a;
  if (a >= 0 && largest >= 10 * a) {
    a = 0;
    range = largest;
  }
  if (!(range > 0)) {
    // No range to divide: the line of a constant value stands in the middle of an axis from 0.
    axis.mended = true;
    if (largest > 0) {
      a = 0;
      range = 2 * largest;
    } else if (largest < 0) {
      a = 2 * largest;
      range = -2 * largest;
    } else {
      a = 0;
      range = 1;
    }
  }
  const Step step = NiceStep(range);
  axis.step = step.value;
  axis.decimals = Decimals(step);
  if (axis.decimals >= 4) {
    axis.scientific = true;
    axis.scientificWidth = axis.decimals >= 5 ? 11 : 8;
  }
  long double span = range;
  if (a < 0) {
    // Below 0 the axis starts at a whole number of steps, so that 0 is one of its labels.
    const long double whole = std::floor(a / step.value + kSlack) * step.value;
    if (!axis.mended) span = largest - whole;
    a = whole;
  }
  axis.start = a;
  const long double k = units::RoundHalfAway(span / step.value);
  axis.intervals = k < 1 ? 1 : static_cast<int>(k);
  // Rounding may end the axis half a step below the largest value; the curve would leave its frame.
  while (axis.End() < largest - kSlack * step.value) ++axis.intervals;
  return axis;
}

PressureUnit ChoosePressureUnit(long double smallest, long double largest, bool psi) {
  if (psi) return {"psi", 1};
  if (std::fabs(smallest) >= 1 || std::fabs(largest) >= 1) return {"bar", 1};
  return {"mbar", 1000};
}

PressureAxis MakePressureAxis(PressureUnit unit, long double smallest, long double largest) {
  return {unit, MakeAxis(RoundedLowerLimit(smallest * unit.scale), largest * unit.scale)};
}

int LeftMargin(const Axis& axis) {
  if (!axis.scientific) return 30;
  return axis.scientificWidth >= 11 ? 55 : 45;
}

std::string AxisLabel(const Axis& axis, int i, text::Edition edition) {
  long double value = axis.Value(i);
  if (std::fabs(value) < kSlack * axis.step) value = 0;  // no "-0,0" from a sum of steps
  if (axis.scientific) return Scientific(value, axis.scientificWidth, edition);
  return units::FormatNumber(value, axis.decimals, edition);
}

}  // namespace velmora::curve
