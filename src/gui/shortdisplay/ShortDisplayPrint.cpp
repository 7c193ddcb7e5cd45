#include "shortdisplay/ShortDisplayPrint.h"

#include <QPainter>
#include <QPrinter>

#include "printing/QtTextMetrics.h"
#include "printing/ShortDisplayLayout.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr double kMmPerInch = 25.4;
// A little room between a column's text and the next column.
constexpr double kColumnGap = 1.0;  // mm

bool Paint(QPrinter& printer, QPainter& painter, const ShortDisplayPrintout& printout) {
  const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
  const QFont plain = Sized(printout.font, printing::kShortDisplayFontSize);
  QFont bold = plain;
  bold.setBold(true);
  const printing::ShortDisplayList& list = printout.list;
  const printing::ShortDisplayLayout layout =
      printing::LayOutShortDisplay(static_cast<int>(list.lines.size()), printout.columnWidths, paper.width(),
                                   paper.height(), MetricsOf(plain, printer));
  const double scale = printer.resolution() / kMmPerInch;
  const auto rect = [&](double x, double y, double width) {
    return QRectF(x * scale, y * scale, width * scale, layout.lineHeight * scale);
  };
  const double width = paper.width() - 2 * printing::kShortDisplayMargin;
  const auto line = [&](const printing::ShortDisplayLine& cells, double y) {
    for (std::size_t column = 0; column < cells.size(); ++column) {
      const printing::Box& box = layout.columns[column];
      const int align = column == printing::kLossColumn ? Qt::AlignRight : Qt::AlignLeft;
      painter.drawText(rect(box.x, y, std::max(0.0, box.width - kColumnGap)), align | Qt::AlignVCenter,
                       ToQString(cells[column]));
    }
  };

  painter.setPen(QPen(Qt::black, 0));
  for (std::size_t number = 0; number < layout.pages.size(); ++number) {
    const printing::ShortDisplayPage& page = layout.pages[number];
    if (number > 0 && !printer.newPage()) return false;
    painter.setFont(bold);
    if (page.headings) {
      for (std::size_t heading = 0; heading < 2; ++heading) {
        painter.drawText(rect(printing::kShortDisplayMargin, layout.headingY[heading], width),
                         Qt::AlignLeft | Qt::AlignVCenter, printout.headings[heading]);
      }
    }
    if (page.header) line(list.header, page.headerY);
    painter.setFont(plain);
    for (int each = page.firstLine; each < page.endLine; ++each) {
      line(list.lines[static_cast<std::size_t>(each)], layout.LineY(page, each));
    }
    if (page.totalsY) {
      painter.drawText(rect(printing::kShortDisplayMargin, *page.totalsY, width), Qt::AlignLeft | Qt::AlignVCenter,
                       ToQString(list.totals));
    }
  }
  return true;
}

}  // namespace

PrintDocument ShortDisplayDocument(const ShortDisplayPrintout& printout) {
  PrintDocument document;
  document.title = printout.title;
  document.orientation = QPageLayout::Portrait;
  document.fullPage = true;
  document.paint = [printout](QPrinter& printer, QPainter& painter) { return Paint(printer, painter, printout); };
  return document;
}

}  // namespace velmora::gui
