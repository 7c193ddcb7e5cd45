#include "printing/TableLayout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "printing/TextWrap.h"

namespace velmora::printing {
namespace {

constexpr double kMm = TextMetrics::kMmPerPoint;
// Lengths that differ by less are equal (sums of widths in floating point).
constexpr double kTolerance = 1e-9;
// The wrap width of a column when the results grid gave none: about a default grid column.
constexpr double kDefaultWrapWidth = 14.0;  // ems
// Fit to pages tries the font sizes in steps of a tenth of a point.
constexpr int kFitSteps = 10;

// The widths in ems the columns ask for: the widest text with its padding; when wrapping, the
// text no wider than the column's wrap width (the grid column's room for text).
std::vector<double> WantedWidths(const results::ResultsTable& table, const TableLayoutInput& input,
                                 const TextMetrics& metrics) {
  std::vector<double> wanted;
  for (int column = 0; column <= table.ElementCount(); ++column) {
    double widest = 0;
    for (int row = 0; row < results::kRowCount; ++row)
      widest = std::max(widest, metrics.width(table.Cell(column, row)));
    double width = widest + 2 * kCellPaddingX;
    if (input.setup.wrapText) {
      const std::vector<double>& given = input.wrapWidths;
      const double wrap =
          given.empty() ? kDefaultWrapWidth : given[std::min(static_cast<std::size_t>(column), given.size() - 1)];
      width = std::min(width, std::max(wrap, kMinWrapWidth) + 2 * kCellPaddingX);
    }
    wanted.push_back(width);
  }
  return wanted;
}

// The widths at a font size: the title column takes at most half the page, an element column at
// most what the title column leaves (its texts are then cut at the page's edge, or wrapped).
std::vector<double> WidthsAt(const std::vector<double>& wanted, double fontSize, double contentWidth) {
  std::vector<double> widths;
  const double title = std::min(wanted.front() * fontSize * kMm, contentWidth / 2);
  widths.push_back(title);
  for (std::size_t column = 1; column < wanted.size(); ++column) {
    widths.push_back(std::min(wanted[column] * fontSize * kMm, contentWidth - title));
  }
  return widths;
}

// The element columns of each page across, filled from the left; at least one per page.
std::vector<std::vector<int>> ColumnBands(const std::vector<double>& widths, double contentWidth) {
  std::vector<std::vector<int>> bands;
  std::vector<int> band;
  double used = widths.front();
  for (std::size_t column = 1; column < widths.size(); ++column) {
    if (!band.empty() && used + widths[column] > contentWidth + kTolerance) {
      bands.push_back(std::move(band));
      band.clear();
      used = widths.front();
    }
    band.push_back(static_cast<int>(column));
    used += widths[column];
  }
  if (!band.empty() || bands.empty()) bands.push_back(std::move(band));
  return bands;
}

double ChooseFontSize(const std::vector<double>& wanted, const TableLayoutInput& input, double contentWidth) {
  const PageSetup& setup = input.setup;
  if (!setup.fitToPages) return std::clamp(setup.fontSize, kMinFontSize, kMaxFontSize);
  const double cap = std::clamp(input.fitFontCap, static_cast<double>(kMinFontSize), static_cast<double>(kMaxFontSize));
  // The largest size whose columns fit on the pages; the smallest size when none does.
  for (auto step = static_cast<int>(std::floor(cap * kFitSteps)); step > kMinFontSize * kFitSteps; --step) {
    const double size = static_cast<double>(step) / kFitSteps;
    const auto pages = ColumnBands(WidthsAt(wanted, size, contentWidth), contentWidth).size();
    if (pages <= static_cast<std::size_t>(setup.pagesWide)) return size;
  }
  return kMinFontSize;
}

// The rows of each page down, from the top; at least one per page.
std::vector<std::pair<int, int>> RowBands(const std::vector<double>& heights, double available) {
  std::vector<std::pair<int, int>> bands;
  int first = 0;
  double used = 0;
  for (int row = 0; row < static_cast<int>(heights.size()); ++row) {
    const double height = heights[static_cast<std::size_t>(row)];
    if (row > first && used + height > available + kTolerance) {
      bands.emplace_back(first, row);
      first = row;
      used = 0;
    }
    used += height;
  }
  bands.emplace_back(first, static_cast<int>(heights.size()));
  return bands;
}

double Sum(const std::vector<double>& values, int first, int end) {
  return std::accumulate(values.begin() + first, values.begin() + end, 0.0);
}

}  // namespace

double TableLayout::ColumnX(const TablePage& page, std::size_t index) const {
  double x = table.x;
  for (std::size_t k = 0; k < index && k < page.columns.size(); ++k) {
    x += columnWidths[static_cast<std::size_t>(page.columns[k])];
  }
  return x;
}

double TableLayout::RowY(const TablePage& page, int row) const {
  return table.y + Sum(rowHeights, page.firstRow, std::max(page.firstRow, row));
}

Box TableLayout::Total(const TablePage& page) const {
  const double y = page.columns.empty() ? table.y : RowY(page, page.endRow) + kBlockGap;
  return {table.x, y, table.width, lineHeight};
}

std::vector<double> GridWidthsInEms(const std::vector<int>& pixels, int fontSize, double dpi) {
  constexpr int kGridFontSize = 8;
  const double emPixels = (fontSize < 1 ? kGridFontSize : fontSize) * dpi / 72.0;
  std::vector<double> ems;
  for (const int width : pixels) ems.push_back(width / emPixels);
  return ems;
}

std::optional<TableLayout> LayOutTable(const results::ResultsTable& table, const TablePrintTexts& texts,
                                       const TableLayoutInput& input, const TextMetrics& metrics) {
  const Margins& margins = input.setup.margins;
  if (!LeavesRoom(margins, input.paperWidth, input.paperHeight)) return std::nullopt;
  const double contentWidth = input.paperWidth - margins.left - margins.right;

  TableLayout layout;
  // Header on top, the page number at the bottom with the footer texts above it.
  const double textLine = metrics.lineSpacing * kHeaderFontSize * kMm;
  double top = margins.top;
  if (!texts.header.empty()) {
    layout.header = {margins.left, top, contentWidth, textLine};
    top += textLine + kBlockGap;
  }
  const double bottom = input.paperHeight - margins.bottom;
  layout.pageNumber = {margins.left, bottom - textLine, contentWidth, textLine};
  double footerTop = layout.pageNumber.y;
  for (std::size_t line = 0; line < texts.footer.size(); ++line) {
    const double y = layout.pageNumber.y - static_cast<double>(texts.footer.size() - line) * textLine;
    layout.footer.push_back({margins.left, y, contentWidth, textLine});
    footerTop = std::min(footerTop, y);
  }
  layout.table = {margins.left, top, contentWidth, footerTop - kBlockGap - top};

  // The font, the columns' widths and the cells' lines.
  const std::vector<double> wanted = WantedWidths(table, input, metrics);
  layout.fontSize = ChooseFontSize(wanted, input, contentWidth);
  const double em = layout.fontSize * kMm;
  layout.columnWidths = WidthsAt(wanted, layout.fontSize, contentWidth);
  layout.lineHeight = metrics.lineSpacing * em;
  layout.rowHeights.assign(results::kRowCount, 0.0);
  for (std::size_t column = 0; column < layout.columnWidths.size(); ++column) {
    // Back from millimetres: a text as wide as its column stays on one line despite the rounding.
    const double textWidth = layout.columnWidths[column] / em - 2 * kCellPaddingX + kTolerance;
    auto& cells = layout.lines.emplace_back();
    for (int row = 0; row < results::kRowCount; ++row) {
      const std::string& text = table.Cell(static_cast<int>(column), row);
      cells.push_back(input.setup.wrapText ? WrapText(text, textWidth, metrics) : std::vector<std::string>{text});
      const double height = static_cast<double>(cells.back().size()) * layout.lineHeight + 2 * kCellPaddingY * em;
      auto& rowHeight = layout.rowHeights[static_cast<std::size_t>(row)];
      rowHeight = std::max(rowHeight, height);
    }
  }

  // Pages: across the element columns, then down the rows; the total after the last row of the
  // last page, or on a page of its own when no room is left there.
  const auto columnBands = ColumnBands(layout.columnWidths, contentWidth);
  const auto rowBands = RowBands(layout.rowHeights, layout.table.height);
  for (const std::vector<int>& band : columnBands) {
    for (const auto& [first, end] : rowBands) {
      TablePage page;
      page.columns.push_back(0);
      page.columns.insert(page.columns.end(), band.begin(), band.end());
      page.firstRow = first;
      page.endRow = end;
      layout.pages.push_back(std::move(page));
    }
  }
  TablePage& last = layout.pages.back();
  const double used = Sum(layout.rowHeights, last.firstRow, last.endRow);
  if (used + kBlockGap + layout.lineHeight <= layout.table.height + kTolerance) {
    last.total = true;
  } else {
    TablePage totalOnly;  // no columns, no rows
    totalOnly.total = true;
    layout.pages.push_back(totalOnly);
  }
  for (std::size_t page = 0; page < layout.pages.size(); ++page) layout.pages[page].number = static_cast<int>(page) + 1;
  return layout;
}

}  // namespace velmora::printing
