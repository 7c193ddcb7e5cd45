#include "project/ReadingSteps.h"

#include <cstdint>
#include <limits>

#include "project/ProjectFormat.h"
#include "text/FieldOf.h"

namespace velmora::project::reading {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

int Integer(std::string_view text, std::string_view what) {
  std::size_t i = 0;
  std::size_t end = text.size();
  while (i < end && IsBlank(text[i])) ++i;
  while (end > i && IsBlank(text[end - 1])) --end;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == end) throw FormatError(std::string(what) + " is not a number");
  std::int64_t value = 0;
  for (; i < end; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') throw FormatError(std::string(what) + " is not a number");
    value = value * 10 + (c - '0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
      throw FormatError(std::string(what) + " is out of range");
    }
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) throw FormatError(std::string(what) + " is out of range");
  return static_cast<int>(value);
}

std::size_t ElementCount(std::string_view text) {
  const int count = Integer(text, "the element count");
  if (count < 0) throw FormatError("the element count is negative");
  return static_cast<std::size_t>(count);
}

std::vector<int> Widths(std::string_view line, std::size_t count) {
  std::vector<int> widths;
  std::size_t start = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (start > line.size()) throw FormatError("the widths line holds fewer widths than columns");
    std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) tab = line.size();
    widths.push_back(Integer(line.substr(start, tab - start), "a column width"));
    start = tab + 1;
  }
  return widths;
}

bool Marked(std::string_view text) { return text == kMarked; }

void ReadGridLook(const std::vector<std::string>& lines, std::size_t first, ProjectAppearance& appearance) {
  if (first + 8 > lines.size()) throw FormatError("the grid look is incomplete");
  appearance.rowHeight = Integer(lines[first], "the row height");
  appearance.fontName = lines[first + 1];
  appearance.fontColour = Integer(lines[first + 2], "the font colour");
  appearance.fontSize = Integer(lines[first + 3], "the font size");
  appearance.bold = FlagOn(lines[first + 4]);
  appearance.italic = FlagOn(lines[first + 5]);
  appearance.underline = FlagOn(lines[first + 6]);
  appearance.strikeOut = FlagOn(lines[first + 7]);
}

void InsertEmptyRow12(std::vector<std::string>& lines, std::size_t elements) {
  if (elements == 0) return;
  constexpr std::size_t kRow12 = 12;
  // Element i's empty row goes before the original line 25·i + 12; the last one may just append.
  if ((elements - 1) * kOlderRowsPerElement + kRow12 > lines.size()) {
    throw FormatError("fewer lines than the element count needs");
  }
  std::vector<std::string> out;
  out.reserve(lines.size() + elements);
  std::size_t next = 0;
  for (std::size_t i = 0; i < elements; ++i) {
    const std::size_t at = i * kOlderRowsPerElement + kRow12;
    for (; next < at; ++next) out.push_back(std::move(lines[next]));
    out.emplace_back();
  }
  for (; next < lines.size(); ++next) out.push_back(std::move(lines[next]));
  lines = std::move(out);
}

std::vector<results::ResultColumn> PlaceCells(const std::vector<std::string>& lines, std::size_t first,
                                              std::size_t elements) {
  std::vector<results::ResultColumn> columns(elements);
  for (std::size_t c = 0; c < elements; ++c) {
    results::ResultColumn& column = columns[c];
    for (std::size_t r = 0; r < static_cast<std::size_t>(results::kRowCount); ++r) {
      const std::string& line = lines[first + c * results::kRowCount + r];
      if (line.find('\t') == std::string::npos) {
        column.rows[r] = line;
        continue;
      }
      column.rows[r] = text::FieldOf(line, 1);
      if (r == static_cast<std::size_t>(results::row::Medium)) {
        column.gas = results::TGasinfos{text::FieldOf(line, 2), text::FieldOf(line, 3), text::FieldOf(line, 4),
                                        text::FieldOf(line, 5), text::FieldOf(line, 6), text::FieldOf(line, 7)};
      }
    }
  }
  return columns;
}

void ApplyUnitMark(std::string_view mark, bool& us) {
  if (mark == "M") us = false;
  if (mark == "I") us = true;
}

}  // namespace velmora::project::reading
