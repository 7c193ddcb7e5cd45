#include "units/Numbers.h"

#include <charconv>
#include <cmath>

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
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                            std::chars_format::general);
  if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::string FormatNumber(long double value, int decimals, text::Edition edition) {
  if (decimals < 0) decimals = 0;
  char buffer[128];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (error != std::errc()) return std::string();
  std::string out(buffer, end);
  // A value that rounds to zero shows no minus sign.
  if (!out.empty() && out.front() == '-' && out.find_first_not_of("0.", 1) == std::string::npos) out.erase(0, 1);
  const char separator = text::DecimalSeparator(edition);
  for (char& c : out) {
    if (c == '.') c = separator;
  }
  return out;
}

long long RoundHalfAway(long double value) {
  return static_cast<long long>(value >= 0 ? value + 0.5L : value - 0.5L);
}

}  // namespace velmora::units
