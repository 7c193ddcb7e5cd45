#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;
class QWidget;

// Printing for every window that prints: one routine shows the printer dialog (where "Print to
// file" gives a PDF without any printer installed) and runs the document's painter; another
// writes the document straight into a PDF file. Tests answer the dialog with a function.
namespace velmora::gui {

// A document: its title (the print job's name), its orientation, and the painter that draws all
// its pages on the printer (calling printer.newPage() between pages). The painter returns false
// when it could not draw the document. A valid page size is offered as the paper; with fullPage
// the painter's origin is the paper's corner (the document keeps its own margins), otherwise the
// corner of the printer's printable area.
struct PrintDocument {
  QString title;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  std::function<bool(QPrinter& printer, QPainter& painter)> paint;
  QPageSize pageSize = {};
  bool fullPage = false;
};

// Shows the printer dialog and prints the document; false when cancelled or failed.
bool PrintWithDialog(QWidget* parent, const PrintDocument& document);
// Shows the document in a print preview, from which it can be printed.
void PreviewDocument(QWidget* parent, const PrintDocument& document);
// Writes the document into a PDF file; false when the file cannot be written.
bool PrintToPdf(const QString& file, const PrintDocument& document);

// Tests replace the printer dialog: the function gets the document and answers as the dialog
// would (typically by PrintToPdf into a file of its own).
using PrintInterceptor = std::function<bool(const PrintDocument&)>;
void SetPrintInterceptor(PrintInterceptor interceptor);
// Tests replace the preview window likewise.
using PreviewInterceptor = std::function<void(const PrintDocument&)>;
void SetPreviewInterceptor(PreviewInterceptor interceptor);

}  // namespace velmora::gui
