#include "text/Utf8.h"

namespace velmora::text {

std::size_t Utf8SequenceLength(std::string_view s, std::size_t i) {
  if (i >= s.size()) return 0;
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const unsigned char lead = b(0);
  std::size_t n = 0;
  unsigned min = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    n = 2, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    n = 3, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    n = 4, min = 0x10000;
  } else {
    return 0;
  }
  if (s.size() - i < n) return 0;
  unsigned code = lead & (n == 2 ? 0x1Fu : n == 3 ? 0x0Fu : 0x07u);
  for (std::size_t k = 1; k < n; ++k) {
    if ((b(k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (b(k) & 0x3Fu);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return n;
}

}  // namespace velmora::text
