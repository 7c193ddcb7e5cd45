#include "calculators/DialogPrint.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

#include "printing/Printing.h"

namespace velmora::gui {
namespace {

constexpr int kCaptionPoints = 12;

}  // namespace

bool PrintDialogPicture(QWidget* window) {
  const QPixmap picture = window->grab();
  PrintDocument document;
  document.title = window->windowTitle();
  document.paint = [picture, title = document.title](QPrinter& printer, QPainter& painter) {
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    QFont font = painter.font();
    font.setPointSize(kCaptionPoints);
    painter.setFont(font);
    const QRectF caption(0, 0, page.width(), painter.fontMetrics().height() * 2);
    painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop, title);
    // The window at its screen size where it fits, else scaled down to the page width.
    const qreal dotsPerScreenPixel = printer.resolution() / 96.0;
    qreal scale = dotsPerScreenPixel;
    if (picture.width() * scale > page.width()) scale = page.width() / picture.width();
    const QRectF target((page.width() - picture.width() * scale) / 2, caption.height(), picture.width() * scale,
                        picture.height() * scale);
    painter.drawPixmap(target, picture, picture.rect());
    return !picture.isNull();
  };
  return PrintWithDialog(window, document);
}

}  // namespace velmora::gui
