#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/Edition.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The lines of a property table (GASE.STW, MEDIEN.STW, DADRU.DAD) and the numbers in them. A line
// that cannot be decoded, has too few fields or holds a field that is no number is skipped and
// its number noted, never read as zeros.
namespace velmora::fluids {

enum class LineCoding { Plain, Scrambled };  // scrambled: key slot 1

struct TableLine {
  int number = 0;  // in the file, from 1
  std::string text;
};

struct TableLines {
  std::vector<TableLine> lines;  // decoded, without the header lines and empty lines
  std::vector<int> skipped;      // lines that could not be decoded
};

// Splits and decodes the content of a table; the first `headerLines` lines are dropped unread.
TableLines DecodeTableLines(std::string_view content, LineCoding coding, int headerLines);

// Reads a table file; nothing when it is missing or cannot be read.
std::optional<TableLines> ReadTableFile(const std::filesystem::path& path, LineCoding coding, int headerLines);

// A number of a table field: decimal comma or point; an empty field or any other text is none.
std::optional<long double> TableNumber(std::string_view field);

// A stored number text as the edition writes it: its decimal point or comma replaced by the
// edition's separator.
std::string WithEditionSeparator(std::string_view stored, text::Edition edition);

// The note on skipped lines: the block's text "msgSkipped", then the file name and the line
// numbers ("GASE.STW: 3, 7"); information caption and icon.
text::Message SkippedLinesMessage(const text::TextStore& texts, std::string_view block, std::string_view fileName,
                                  const std::vector<int>& lines);

// The file-missing message: the block's text "msgFileMissing", `separator` and the file name,
// the file-error caption (global text 149) and the warning (exclamation) icon.
text::Message FileMissingMessage(const text::TextStore& texts, std::string_view block, std::string_view fileName,
                                 std::string_view separator);

}  // namespace velmora::fluids
