#pragma once

#include <optional>
#include <string>
#include <vector>

#include "printing/PageSetup.h"
#include "printing/TextMetrics.h"
#include "results/ResultsTable.h"

// The pages of the printed results table. Each page shows the row titles (column 0) and as many
// element columns as fit beside them; rows that do not fit below each other continue on the next
// page. The font is the page setup's size, or the largest that fits the element columns on the
// chosen number of pages wide. The project title heads every page, the footer holds the extra
// line, the file path and the page number; the total stands under the table on the last page.
// All lengths are millimetres from the top left corner of the paper.
namespace velmora::printing {

// The header and footer texts are printed in this size, whatever the table's font.
inline constexpr double kHeaderFontSize = 9.0;  // points
// Room around a cell's text, in ems of the table's font.
inline constexpr double kCellPaddingX = 0.3;
inline constexpr double kCellPaddingY = 0.15;
// Space between the header, the table, the total and the footer.
inline constexpr double kBlockGap = 3.0;  // mm
// A wrapped column's text is never narrower than this, so that a word still shows a few characters.
inline constexpr double kMinWrapWidth = 3.0;  // ems

struct TablePrintTexts {
  std::string header;               // the project title; no header line when empty
  std::vector<std::string> footer;  // footer lines above the page number (the extra line, the path)
  std::string total;                // the status bar's total-loss label and totals
};

struct TableLayoutInput {
  PageSetup setup;
  double paperWidth = 0;  // as the paper lies in the printer, orientation applied
  double paperHeight = 0;
  // Fit to pages never prints larger than the results grid's font (points).
  double fitFontCap = kMaxFontSize;
  // Wrapping: the widths of table columns 0 … n in ems, as the results grid shows them (the room of
  // a cell's text on paper); a column without one takes the last width given.
  std::vector<double> wrapWidths;
};

struct Box {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

struct TablePage {
  int number = 1;            // 1 … page count
  std::vector<int> columns;  // table columns on the page, left to right: 0, then element columns
  int firstRow = 0;          // the rows firstRow … endRow − 1
  int endRow = 0;
  bool total = false;  // the total stands on this page below its rows
};

struct TableLayout {
  double fontSize = 0;                                       // points, of the cells and the total
  std::vector<double> columnWidths;                          // per table column 0 … n
  std::vector<double> rowHeights;                            // per row 0 … 25, the same on every page
  std::vector<std::vector<std::vector<std::string>>> lines;  // [column][row]: a cell's lines
  double lineHeight = 0;                                     // one text line of the table's font
  Box header;                                                // the header line (height 0 without one)
  Box table;                                                 // where the rows stand: below the header, above the footer
  std::vector<Box> footer;                                   // one box per footer text
  Box pageNumber;                                            // the last footer line: "page n of m"
  std::vector<TablePage> pages;

  double ColumnX(const TablePage& page, std::size_t index) const;
  double RowY(const TablePage& page, int row) const;
  Box Total(const TablePage& page) const;
};

// The results grid's column widths in ems: pixels on a screen of `dpi` with a font of `fontSize`
// points (a size below 1 counts as the grid's default, 8).
std::vector<double> GridWidthsInEms(const std::vector<int>& pixels, int fontSize, double dpi);

// The layout for a table on a paper; nothing when the margins leave less than the least room
// (LeavesRoom).
std::optional<TableLayout> LayOutTable(const results::ResultsTable& table, const TablePrintTexts& texts,
                                       const TableLayoutInput& input, const TextMetrics& metrics);

}  // namespace velmora::printing
