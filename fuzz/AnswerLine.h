// The check the fuzz targets of velmora-calc's JSON lines make of each answer: one line, and no
// number that is not finite. Outside the quoted strings an answer holds only numbers, true, false and
// null; "inf" or "nan" there is a figure gone wrong, while the same letters inside a string are an
// echo of the input (an unknown key or name in the error text) and harmless.
#pragma once

#include <cctype>
#include <string_view>

namespace velmora::fuzz {

inline bool IsOneFiniteLine(std::string_view out) {
  if (out.empty() || out.back() != '\n' || out.find('\n') != out.size() - 1) return false;
  bool quoted = false;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const char c = out[i];
    if (quoted) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        quoted = false;
      }
      continue;
    }
    if (c == '"') {
      quoted = true;
      continue;
    }
    if (std::isalpha(static_cast<unsigned char>(c)) == 0) continue;
    std::size_t end = i;
    while (end < out.size() && std::isalpha(static_cast<unsigned char>(out[end])) != 0) ++end;
    const std::string_view word = out.substr(i, end - i);
    if (word != "true" && word != "false" && word != "null" && word != "e" && word != "E") return false;
    i = end - 1;
  }
  return !quoted;
}

}  // namespace velmora::fuzz
