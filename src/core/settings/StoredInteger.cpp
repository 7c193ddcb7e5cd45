#include "settings/StoredInteger.h"

#include <charconv>

namespace velmora::settings {

std::optional<int> ParseStoredInteger(std::string_view text) {
  // from_chars accepts a minus but no plus sign.
  const bool plus = !text.empty() && text.front() == '+';
  if (plus) text.remove_prefix(1);
  if (text.empty() || (plus && text.front() == '-')) return std::nullopt;
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string StoredIntegerText(int value) { return std::to_string(value); }

}  // namespace velmora::settings
