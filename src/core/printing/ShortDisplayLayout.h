#pragma once

#include <array>
#include <optional>
#include <vector>

#include "printing/TableLayout.h"
#include "printing/TextMetrics.h"

// The printed short display, on portrait pages in a font of 10 points: two headings in bold at
// the top of the first page (the second 5 mm below the first), the header of the four columns in
// bold 15 mm below the top and the lines under it; a line that would come closer than 5 mm to the
// bottom starts a new page, which begins with the header again; the totals 10 mm below the last
// line. The columns keep the proportions of the window's columns across the page. Lengths are
// millimetres from the top left corner of the paper.
namespace velmora::printing {

inline constexpr double kShortDisplayFontSize = 10.0;  // points
inline constexpr double kShortDisplayMargin = 15.0;    // mm on every side of the paper
inline constexpr double kSecondHeadingOffset = 5.0;    // mm below the first heading
inline constexpr double kListHeaderOffset = 15.0;      // mm below the top, on the first page
inline constexpr double kBottomClearance = 5.0;        // mm a line keeps from the bottom
inline constexpr double kTotalsOffset = 10.0;          // mm below the last line

struct ShortDisplayPage {
  bool headings = false;  // the first page carries the two headings
  bool header = true;     // the column header; a page holding only the totals has none
  double headerY = 0;     // top of the header line
  int firstLine = 0;      // the lines firstLine … endLine − 1 of the list
  int endLine = 0;
  std::optional<double> totalsY;  // top of the totals, on the last page
};

struct ShortDisplayLayout {
  double lineHeight = 0;
  std::array<double, 2> headingY{};  // tops of the two headings
  std::array<Box, 4> columns{};      // x and width of the four columns (y and height unused)
  std::vector<ShortDisplayPage> pages;

  // Top of list line `line` on its page.
  double LineY(const ShortDisplayPage& page, int line) const {
    return page.headerY + lineHeight * (line - page.firstLine + 1);
  }
};

// The pages for `lineCount` lines on a paper (portrait) whose window columns are `columnWidths`
// pixels wide; columns without width share the page equally.
ShortDisplayLayout LayOutShortDisplay(int lineCount, const std::array<int, 4>& columnWidths, double paperWidth,
                                      double paperHeight, const TextMetrics& metrics);

}  // namespace velmora::printing
