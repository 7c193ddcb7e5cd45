#include "units/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace velmora::units {

std::optional<long double> ParseNumber(std::string_view text) {
  std::string cleaned;
  cleaned.reserve(text.size());
  for (const char c : text) {
    if (c == ' ') continue;
    cleaned.push_back(c == ',' ? '.' : c);
  }
  if (cleaned.empty()) return 0.0L;
  std::string_view digits = cleaned;
  bool negative = false;
  if (digits.front() == '+' || digits.front() == '-') {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '+' || digits.front() == '-') return std::nullopt;
  }
  long double value = 0;
  // from_chars reads the C locale's format whatever the process locale is.
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::general);
  if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::string FormatNumber(long double value, int decimals, text::Edition edition) {
  if (decimals < 0) decimals = 0;
  if (!std::isfinite(value)) return std::string();
  // Round the 18-digit decimal form half away from zero, as a hand calculation would; rounding
  // the binary value (half to even) would show 2,5 with no decimals as 2.
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 17);
  if (error != std::errc()) return std::string();
  const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  const bool negative = text.front() == '-';
  const std::size_t mantissaStart = negative ? 1 : 0;
  const std::size_t exponentAt = text.find('e');
  std::string digits;
  for (std::size_t i = mantissaStart; i < exponentAt; ++i) {
    if (text[i] != '.') digits.push_back(text[i]);
  }
  int exponent = 0;
  std::from_chars(text.data() + exponentAt + (text[exponentAt + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  exponent);

  // scaled = the value times 10^decimals, as a string of its integer digits.
  const int keep = exponent + 1 + decimals;
  std::string scaled;
  bool roundUp = false;
  if (keep >= 0) {
    const auto kept = static_cast<std::size_t>(keep);
    if (kept >= digits.size()) {
      scaled = digits + std::string(kept - digits.size(), '0');
    } else {
      scaled = digits.substr(0, kept);
      roundUp = digits[kept] >= '5';
    }
  }
  if (roundUp) {
    int i = static_cast<int>(scaled.size()) - 1;
    while (i >= 0 && scaled[static_cast<std::size_t>(i)] == '9') scaled[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
      ++scaled[static_cast<std::size_t>(i)];
    } else {
      scaled.insert(scaled.begin(), '1');
    }
  }
  if (scaled.size() < static_cast<std::size_t>(decimals) + 1) {
    scaled.insert(0, static_cast<std::size_t>(decimals) + 1 - scaled.size(), '0');
  }
  std::string integerPart = scaled.substr(0, scaled.size() - static_cast<std::size_t>(decimals));
  const std::size_t firstNonZero = integerPart.find_first_not_of('0');
  integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);

  std::string out;
  // A value that rounds to zero shows no minus sign.
  if (negative && scaled.find_first_not_of('0') != std::string::npos) out.push_back('-');
  out += integerPart;
  if (decimals > 0) {
    out.push_back(text::DecimalSeparator(edition));
    out += scaled.substr(scaled.size() - static_cast<std::size_t>(decimals));
  }
  return out;
}

long double RoundHalfAway(long double value) { return std::round(value); }

std::optional<int> RoundToInt(long double value) {
  const long double rounded = std::round(value);
  // The comparisons are false for NaN, so it is refused as well.
  if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max())) {
    return std::nullopt;
  }
  return static_cast<int>(rounded);
}

}  // namespace velmora::units
