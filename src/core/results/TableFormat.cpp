#include "results/TableFormat.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "units/Numbers.h"

namespace velmora::results {
namespace {

// Width 11 leaves two mantissa digits after the point: sign, digit, point, 2 digits, "E+dddd".
constexpr int kScientificDecimals = 2;
constexpr int kExponentDigits = 4;
// Above this the numbers of the table change to the scientific form.
constexpr long double kLargestFixed = 9999.0L;

std::string WithSeparator(std::string text, text::Edition edition) {
  const char separator = text::DecimalSeparator(edition);
  for (char& c : text) {
    if (c == '.') c = separator;
  }
  return text;
}

}  // namespace

std::string FormatValue(long double value, int decimals, text::Edition edition) {
  return units::FormatNumber(value, decimals, edition);
}

std::string FormatScientific(long double value, text::Edition edition) {
  if (!std::isfinite(value)) return {};
  int exponent = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
  // The mantissa is rounded like every other shown number (half away from zero); rounding up may
  // carry it to 10.
  std::string mantissa = units::FormatNumber(value / std::pow(10.0L, exponent), kScientificDecimals, 'E');
  const std::size_t digitsAt = mantissa.front() == '-' ? 1 : 0;
  if (mantissa.compare(digitsAt, 2, "10") == 0) {
    ++exponent;
    mantissa = units::FormatNumber(value / std::pow(10.0L, exponent), kScientificDecimals, 'E');
  }
  std::string digits = std::to_string(std::abs(exponent));
  if (digits.size() < static_cast<std::size_t>(kExponentDigits)) {
    digits.insert(0, static_cast<std::size_t>(kExponentDigits) - digits.size(), '0');
  }
  return WithSeparator(mantissa + "E" + (exponent < 0 ? "-" : "+") + digits, edition);
}

std::string FormatReynolds(long double value, text::Edition edition) {
  if (value > kLargestFixed) return FormatScientific(value, edition);
  return FormatValue(value, 0, edition);
}

std::string FormatLoss(long double value, int decimals, text::Edition edition) {
  if (value > kLargestFixed) return FormatScientific(value, edition);
  return FormatValue(value, decimals, edition);
}

}  // namespace velmora::results
