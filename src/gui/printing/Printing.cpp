#include "printing/Printing.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace velmora::gui {
namespace {

PrintInterceptor& Interceptor() {
  static PrintInterceptor interceptor;
  return interceptor;
}

PreviewInterceptor& PreviewReplacement() {
  static PreviewInterceptor interceptor;
  return interceptor;
}

bool Run(QPrinter& printer, const PrintDocument& document) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const bool painted = document.paint(printer, painter);
  return painter.end() && painted;
}

void Prepare(QPrinter& printer, const PrintDocument& document) {
  printer.setDocName(document.title);
  if (document.pageSize.isValid()) printer.setPageSize(document.pageSize);
  printer.setPageOrientation(document.orientation);
  printer.setFullPage(document.fullPage);
}

}  // namespace

void SetPrintInterceptor(PrintInterceptor interceptor) { Interceptor() = std::move(interceptor); }

void SetPreviewInterceptor(PreviewInterceptor interceptor) { PreviewReplacement() = std::move(interceptor); }

bool PrintWithDialog(QWidget* parent, const PrintDocument& document) {
  if (Interceptor()) return Interceptor()(document);
  QPrinter printer(QPrinter::HighResolution);
  Prepare(printer, document);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(document.title);
  if (dialog.exec() != QDialog::Accepted) return false;
  return Run(printer, document);
}

void PreviewDocument(QWidget* parent, const PrintDocument& document) {
  if (PreviewReplacement()) {
    PreviewReplacement()(document);
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  Prepare(printer, document);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(document.title);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&document](QPrinter* target) { Run(*target, document); });
  preview.exec();
}

bool PrintToPdf(const QString& file, const PrintDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  Prepare(printer, document);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  return Run(printer, document);
}

}  // namespace velmora::gui
