#include "printing/TablePrinting.h"

#include <QPainter>
#include <QPrinter>

#include "printing/PaperSizes.h"
#include "printing/QtTextMetrics.h"
#include "printing/TableLayout.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr double kPointsPerInch = 72.0;
// The row titles stand on the grey of the results grid's fixed column.
const QColor kTitleBackground(240, 240, 240);

// Draws in millimetres from the paper's corner on a device of `dpi` pixels per inch.
class Pen {
 public:
  Pen(QPainter& painter, double dpi) : painter_(painter), scale_(dpi / 25.4) {}

  QRectF Rect(double x, double y, double width, double height) const {
    return {x * scale_, y * scale_, width * scale_, height * scale_};
  }
  QRectF Rect(const printing::Box& box) const { return Rect(box.x, box.y, box.width, box.height); }
  void Text(const QRectF& rect, int flags, const QString& text) { painter_.drawText(rect, flags, text); }
  QPainter& painter() { return painter_; }

 private:
  QPainter& painter_;
  double scale_;
};

struct PageTexts {
  QFont table;
  QFont header;
  QFont footer;
  QString pageOf;
  QString headerLine;
  std::vector<QString> footerLines;
  QString total;
};

void PaintCells(Pen& pen, const printing::TableLayout& layout, const printing::TablePage& page, const QFont& font) {
  const double em = layout.fontSize / kPointsPerInch * 25.4;
  const double padX = printing::kCellPaddingX * em;
  const double padY = printing::kCellPaddingY * em;
  QPainter& painter = pen.painter();
  painter.setFont(font);
  for (std::size_t index = 0; index < page.columns.size(); ++index) {
    const auto column = static_cast<std::size_t>(page.columns[index]);
    const double x = layout.ColumnX(page, index);
    const double width = layout.columnWidths[column];
    for (int row = page.firstRow; row < page.endRow; ++row) {
      const double y = layout.RowY(page, row);
      const QRectF cell = pen.Rect(x, y, width, layout.rowHeights[static_cast<std::size_t>(row)]);
      if (column == 0) painter.fillRect(cell, kTitleBackground);
      painter.drawRect(cell);
      const auto& lines = layout.lines[column][static_cast<std::size_t>(row)];
      for (std::size_t line = 0; line < lines.size(); ++line) {
        const double top = y + padY + static_cast<double>(line) * layout.lineHeight;
        pen.Text(pen.Rect(x + padX, top, width - 2 * padX, layout.lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                 ToQString(lines[line]));
      }
    }
  }
}

void PaintPage(Pen& pen, const printing::TableLayout& layout, const printing::TablePage& page, const PageTexts& texts) {
  QPainter& painter = pen.painter();
  painter.setPen(QPen(Qt::black, 0));
  if (!texts.headerLine.isEmpty()) {
    painter.setFont(texts.header);
    pen.Text(pen.Rect(layout.header), Qt::AlignLeft | Qt::AlignVCenter, texts.headerLine);
  }
  PaintCells(pen, layout, page, texts.table);
  if (page.total) {
    QFont bold = texts.table;
    bold.setBold(true);
    painter.setFont(bold);
    pen.Text(pen.Rect(layout.Total(page)), Qt::AlignLeft | Qt::AlignVCenter, texts.total);
  }
  painter.setFont(texts.footer);
  for (std::size_t line = 0; line < layout.footer.size(); ++line) {
    pen.Text(pen.Rect(layout.footer[line]), Qt::AlignLeft | Qt::AlignVCenter, texts.footerLines[line]);
  }
  pen.Text(pen.Rect(layout.pageNumber), Qt::AlignRight | Qt::AlignVCenter,
           texts.pageOf.arg(page.number).arg(layout.pages.size()));
}

bool PaintTable(QPrinter& printer, QPainter& painter, const TablePrintSource& source,
                const printing::TableLayoutInput& given, const text::TextStore& texts, bool& noRoom) {
  printing::TableLayoutInput input = given;
  const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter);
  input.paperWidth = paper.width();
  input.paperHeight = paper.height();

  PageTexts page;
  page.headerLine = ToQString(source.table->ProjectTitle());
  printing::TablePrintTexts layoutTexts{source.table->ProjectTitle(), {}, ToStdString(source.total)};
  if (!input.setup.footerLine.empty()) layoutTexts.footer.push_back(input.setup.footerLine);
  if (input.setup.showPath && !source.filePath.isEmpty()) layoutTexts.footer.push_back(ToStdString(source.filePath));
  for (const std::string& line : layoutTexts.footer) page.footerLines.push_back(ToQString(line));
  page.total = source.total;
  page.pageOf = ToQString(texts.FormText(printing::kPageSetupBlock, "PageOf"));

  const auto layout = printing::LayOutTable(*source.table, layoutTexts, input, MetricsOf(source.font, printer));
  if (!layout) {
    noRoom = true;
    return false;
  }
  page.table = Sized(source.font, layout->fontSize);
  page.header = Sized(source.font, printing::kHeaderFontSize);
  page.header.setBold(true);
  page.footer = Sized(source.font, printing::kHeaderFontSize);
  Pen pen(painter, printer.resolution());
  for (const printing::TablePage& each : layout->pages) {
    if (each.number > 1 && !printer.newPage()) return false;
    PaintPage(pen, *layout, each, page);
  }
  return true;
}

}  // namespace

QPageSize PageSizeOf(std::string_view paperEntry) {
  const printing::Paper& paper = printing::PaperNamed(paperEntry);
  return QPageSize(QSizeF(paper.width, paper.height), QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
}

PrintDocument TableDocument(const TablePrintSource& source, const printing::PageSetup& setup,
                            const project::ProjectAppearance& appearance, const text::TextStore& texts,
                            std::shared_ptr<bool> noRoom) {
  printing::TableLayoutInput input;
  input.setup = setup;
  input.fitFontCap = appearance.fontSize;
  input.wrapWidths = printing::GridWidthsInEms(appearance.columnWidths, appearance.fontSize, source.gridDpi);
  PrintDocument document;
  document.title = ToQString(texts.FormText(printing::kPageSetupBlock, "JobTitle"));
  document.orientation = QPageLayout::Landscape;
  document.pageSize = PageSizeOf(appearance.paperEntry);
  document.fullPage = true;
  document.paint = [source, input, &texts, noRoom](QPrinter& printer, QPainter& painter) {
    bool failed = false;
    const bool painted = PaintTable(printer, painter, source, input, texts, failed);
    if (noRoom) *noRoom = failed;
    return painted;
  };
  return document;
}

}  // namespace velmora::gui
