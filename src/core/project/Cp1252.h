#pragma once

#include <string>
#include <string_view>

// The Windows-1252 code page in which project files are kept, and UTF-8, the program's own text.
namespace velmora::project {

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters of the same number, as the platform's own conversion
// does, so that they survive a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 as Windows-1252 bytes; a character the code page cannot hold, and every byte of a broken
// UTF-8 sequence, becomes '?'.
std::string Utf8ToCp1252(std::string_view text);

// Whether the bytes are valid UTF-8 (pure ASCII is).
bool IsValidUtf8(std::string_view bytes);

// Whether the bytes are valid UTF-8 holding at least one non-ASCII character. A file is read as
// UTF-8 only then; pure ASCII reads the same either way, anything else is taken as Windows-1252.
bool IsUtf8WithNonAscii(std::string_view bytes);

}  // namespace velmora::project
