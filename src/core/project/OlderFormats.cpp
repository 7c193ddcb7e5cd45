#include "project/FormatReaders.h"

#include "project/LegacyConversion.h"
#include "project/ReadingSteps.h"

namespace velmora::project::reading {

ReadCells ReadOldestFormat(std::vector<std::string> lines, const text::TextStore& texts, ProjectReadResult& result) {
  result.format = ProjectFormat::Oldest;
  legacy::MendOlderLines(lines);
  if (lines.size() < kOldestTrailerLines) throw FormatError("too few lines for the grid look");

  // The last 9 lines: default column width, row height, font name, colour, size, four styles.
  ProjectAppearance& a = result.appearance;
  a.us = false;  // the oldest format knew metric units only
  const std::size_t t = lines.size() - kOldestTrailerLines;
  const int defaultWidth = Integer(lines[t], "the column width");
  ReadGridLook(lines, t + 1, a);
  lines.resize(t);

  ReadCells cells;
  // N = line count ÷ 25, rounded half away from zero.
  cells.elementCount = (2 * lines.size() + kOlderRowsPerElement) / (2 * kOlderRowsPerElement);
  a.columnWidths.assign(cells.elementCount + 1, defaultWidth);
  InsertEmptyRow12(lines, cells.elementCount);
  if (lines.size() != cells.elementCount * results::kRowCount) return cells;

  cells.columns = PlaceCells(lines, 0, cells.elementCount);
  cells.loaded = true;
  result.branchNotice = legacy::HasBranchPieces(cells.columns);
  if (legacy::IsEnglishVersion4(cells.columns)) legacy::ConvertVersion4English(cells.columns, texts);
  return cells;
}

ReadCells ReadVersion4Format(std::vector<std::string> lines, const text::TextStore& texts, ProjectReadResult& result) {
  const bool french = lines.front() == kVersion5FrenchMark;
  result.format = french ? ProjectFormat::Version5French : ProjectFormat::Version4;
  legacy::MendOlderLines(lines);
  if (lines.size() < kVersion4HeaderLines) throw FormatError("the header is incomplete");

  ProjectAppearance& a = result.appearance;
  ApplyUnitMark(lines[1], a.us);
  ReadCells cells;
  cells.elementCount = ElementCount(lines[2]);
  a.columnWidths = Widths(lines[3], cells.elementCount + 1);
  ReadGridLook(lines, 4, a);
  lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(kVersion4HeaderLines));

  InsertEmptyRow12(lines, cells.elementCount);
  if (lines.size() != cells.elementCount * results::kRowCount) return cells;

  cells.columns = PlaceCells(lines, 0, cells.elementCount);
  cells.loaded = true;
  if (french) {
    legacy::ConvertVersion5French(cells.columns, texts);
  } else if (legacy::IsEnglishVersion4(cells.columns)) {
    legacy::ConvertVersion4English(cells.columns, texts);
  }
  return cells;
}

}  // namespace velmora::project::reading
