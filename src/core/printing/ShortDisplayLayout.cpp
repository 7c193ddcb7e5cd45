#include "printing/ShortDisplayLayout.h"

#include <algorithm>
#include <numeric>

namespace velmora::printing {

ShortDisplayLayout LayOutShortDisplay(int lineCount, const std::array<int, 4>& columnWidths, double paperWidth,
                                      double paperHeight, const TextMetrics& metrics) {
  ShortDisplayLayout layout;
  layout.lineHeight = metrics.lineSpacing * kShortDisplayFontSize * TextMetrics::kMmPerPoint;
  const double top = kShortDisplayMargin;
  layout.headingY = {top, top + kSecondHeadingOffset};

  const double width = paperWidth - 2 * kShortDisplayMargin;
  int total = 0;
  for (const int w : columnWidths) total += std::max(w, 0);
  double x = kShortDisplayMargin;
  for (std::size_t column = 0; column < columnWidths.size(); ++column) {
    const double share = total > 0 ? std::max(columnWidths[column], 0) / static_cast<double>(total) : 0.25;
    layout.columns[column] = {x, 0, share * width, 0};
    x += share * width;
  }

  // A line fits while its bottom stays kBottomClearance above the bottom of the page's area.
  const double limit = paperHeight - kShortDisplayMargin - kBottomClearance;
  ShortDisplayPage page;
  page.headings = true;
  page.headerY = top + kListHeaderOffset;
  for (int line = 0; line < lineCount; ++line) {
    page.endLine = line;
    const bool first = line == page.firstLine;
    if (!first && layout.LineY(page, line) + layout.lineHeight > limit) {
      layout.pages.push_back(page);
      page = ShortDisplayPage{};
      page.headerY = top;
      page.firstLine = line;
    }
    page.endLine = line + 1;
  }
  const double lastLineY = page.endLine > page.firstLine ? layout.LineY(page, page.endLine - 1) : page.headerY;
  const double totalsY = lastLineY + kTotalsOffset;
  if (totalsY + layout.lineHeight <= limit) {
    page.totalsY = totalsY;
    layout.pages.push_back(page);
  } else {
    layout.pages.push_back(page);
    ShortDisplayPage totals;
    totals.header = false;
    totals.headerY = top;
    totals.firstLine = totals.endLine = lineCount;
    totals.totalsY = top;
    layout.pages.push_back(totals);
  }
  return layout;
}

}  // namespace velmora::printing
