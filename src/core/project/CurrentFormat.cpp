#include "project/FormatReaders.h"
#include "project/ReadingSteps.h"
#include "project/TextEdits.h"

namespace velmora::project::reading {

ReadCells ReadCurrentFormat(const std::vector<std::string>& lines, ProjectReadResult& result) {
  result.format = ProjectFormat::Current;
  if (lines.size() < kCurrentHeaderLines) throw FormatError("the header is incomplete");

  ProjectAppearance& a = result.appearance;
  result.table.SetProjectTitle(lines[1]);
  ApplyUnitMark(lines[2], a.us);
  ReadCells cells;
  cells.elementCount = ElementCount(lines[3]);
  a.scaleToFont = Marked(lines[4]);
  a.scaleFontSize = Integer(lines[5], "the page font size");
  a.fitToPages = Marked(lines[6]);
  a.pagesWide = Integer(lines[7], "the pages wide");
  a.wrapText = Marked(lines[8]);
  a.paperEntry = lines[9];
  for (std::size_t m = 0; m < 4; ++m) a.margins[m] = lines[10 + m];
  a.marginUnit = Integer(lines[14], "the margin unit");
  a.footerLine = lines[15];
  a.showPathInFooter = Marked(lines[16]);
  a.columnWidths = Widths(lines[17], cells.elementCount + 1);
  ReadGridLook(lines, 18, a);

  // 26 + 26·N lines, computed without overflow for any N.
  const std::size_t cellLines = lines.size() - kCurrentHeaderLines;
  if (cellLines % results::kRowCount != 0 || cellLines / results::kRowCount != cells.elementCount) return cells;
  cells.columns = PlaceCells(lines, kCurrentHeaderLines, cells.elementCount);
  cells.loaded = true;
  for (results::ResultColumn& column : cells.columns) {
    edits::ReplaceAll(column.rows[results::row::Kind], "Zeta-Wert/", "Zeta-Wert Kreisrohr/");
  }
  return cells;
}

}  // namespace velmora::project::reading
