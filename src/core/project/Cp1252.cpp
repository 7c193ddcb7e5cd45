#include "project/Cp1252.h"

#include <array>
#include <cstdint>

#include "text/Utf8.h"

namespace velmora::project {
namespace {

// Code points of the bytes 0x80 … 0x9F (Microsoft's table of code page 1252, bestfit1252.txt);
// 0xA0 … 0xFF equal U+00A0 … U+00FF.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[static_cast<std::size_t>(byte - 0x80)];
  return byte;
}

void AppendUtf8(std::string& out, char32_t code) {
  const auto put = [&](std::uint32_t b) { out.push_back(static_cast<char>(static_cast<unsigned char>(b))); };
  const auto c = static_cast<std::uint32_t>(code);
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

char32_t DecodeUtf8(std::string_view s, std::size_t i, std::size_t length) {
  const auto b = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(s[i + k])); };
  std::uint32_t code = b(0) & (length == 2 ? 0x1Fu : length == 3 ? 0x0Fu : 0x07u);
  for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (b(k) & 0x3Fu);
  return static_cast<char32_t>(code);
}

// The Windows-1252 byte of a code point, or '?' when the code page has none.
char ByteOf(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(static_cast<unsigned char>(code));
  for (std::size_t k = 0; k < kHighControls.size(); ++k) {
    if (kHighControls[k] == code) return static_cast<char>(static_cast<unsigned char>(0x80 + k));
  }
  return '?';
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out.push_back(text[i]);
      ++i;
      continue;
    }
    const std::size_t length = text::Utf8SequenceLength(text, i);
    if (length == 0) {
      out.push_back('?');
      ++i;
      continue;
    }
    out.push_back(ByteOf(DecodeUtf8(text, i, length)));
    i += length;
  }
  return out;
}

namespace {

// Valid UTF-8: 1 when non-ASCII characters occur, 0 for pure ASCII, -1 for invalid bytes.
int Utf8Kind(std::string_view bytes) {
  int kind = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = text::Utf8SequenceLength(bytes, i);
    if (length == 0) return -1;
    kind = 1;
    i += length;
  }
  return kind;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) { return Utf8Kind(bytes) >= 0; }

bool IsUtf8WithNonAscii(std::string_view bytes) { return Utf8Kind(bytes) == 1; }

}  // namespace velmora::project
