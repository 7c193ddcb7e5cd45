#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "project/ProjectAppearance.h"
#include "results/ResultColumn.h"

// Steps shared by the readers of all project formats. A damaged file raises FormatError, which
// the reader turns into its "invalid file" result.
namespace velmora::project::reading {

class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An integer line as the platform reads it: optional blanks around, an optional sign, decimal
// digits, within 32 bits. Anything else raises FormatError naming `what`.
int Integer(std::string_view text, std::string_view what);

// The element count: an integer of at least 0.
std::size_t ElementCount(std::string_view text);

// The first `count` tab-separated integers of a widths line. Raises FormatError when a field is
// missing or not a number; allocates only for the fields the line holds.
std::vector<int> Widths(std::string_view line, std::size_t count);

// Page-setup marks and style flags.
bool Marked(std::string_view text);
inline bool FlagOn(std::string_view text) { return text == "1"; }

// The grid look every format stores in the same order: row height, font name, colour, size, then
// bold, italic, underline and strike-out, starting at lines[first].
void ReadGridLook(const std::vector<std::string>& lines, std::size_t first, ProjectAppearance& appearance);

// Inserts an empty row 12 into each of `elements` older 25-line elements (before list position
// 26·i + 12 for element i counted from 0), as one pass over the list. A position beyond the end of
// the list raises FormatError.
void InsertEmptyRow12(std::vector<std::string>& lines, std::size_t elements);

// Element columns from `elements` × 26 lines starting at `first`; a line with a tab is a gas cell:
// field 1 its text, fields 2 … 7 the gas data (kept for row 1; other rows keep their text only).
std::vector<results::ResultColumn> PlaceCells(const std::vector<std::string>& lines, std::size_t first,
                                              std::size_t elements);

// "M" metric, "I" US; any other text leaves the choice as it is.
void ApplyUnitMark(std::string_view mark, bool& us);

}  // namespace velmora::project::reading
