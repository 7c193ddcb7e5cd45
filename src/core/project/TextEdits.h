#pragma once

#include <string>
#include <string_view>

// Small in-place edits of the texts of project files and table cells.
namespace velmora::project::edits {

// Replaces every occurrence of `from` by `to`, scanning left to right without rescanning what
// was inserted. An empty `from` changes nothing (a missing language word must not match
// everywhere).
void ReplaceAll(std::string& text, std::string_view from, std::string_view to);

// Removes every occurrence of `phrase`.
inline void RemoveAll(std::string& text, std::string_view phrase) { ReplaceAll(text, phrase, {}); }

// Removes the control characters and blanks (bytes up to 0x20) at both ends.
std::string Trimmed(std::string_view text);

// Replaces every `from` character by `to`.
void ReplaceChar(std::string& text, char from, char to);

}  // namespace velmora::project::edits
