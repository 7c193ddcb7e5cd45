#include "results/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace velmora::gui {
namespace {

constexpr int kSize = 24;

// A drawn symbol on a transparent square: `draw` paints with a dark pen of width 2.
template <typename Draw>
QIcon Drawn(Draw draw) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 40, 40), 2));
  draw(painter);
  return QIcon(pixmap);
}

// A magnifying glass with a plus or a minus.
QIcon Magnifier(bool plus) {
  return Drawn([plus](QPainter& p) {
    p.drawEllipse(QRectF(3, 3, 13, 13));
    p.drawLine(QPointF(14, 14), QPointF(21, 21));
    p.drawLine(QPointF(6.5, 9.5), QPointF(12.5, 9.5));
    if (plus) p.drawLine(QPointF(9.5, 6.5), QPointF(9.5, 12.5));
  });
}

// Columns of a table, with one of them marked.
QIcon Columns(bool markOne, bool arrows) {
  return Drawn([=](QPainter& p) {
    p.drawRect(QRectF(3, 4, 18, 16));
    p.drawLine(QPointF(9, 4), QPointF(9, 20));
    p.drawLine(QPointF(15, 4), QPointF(15, 20));
    if (markOne) p.fillRect(QRectF(9, 4, 6, 16), QColor(40, 40, 40, 110));
    if (arrows) {
      p.drawLine(QPointF(1, 12), QPointF(7, 12));
      p.drawLine(QPointF(17, 12), QPointF(23, 12));
    }
  });
}

QIcon Letter() {
  return Drawn([](QPainter& p) {
    // An upper-case A drawn with strokes.
    p.drawLine(QPointF(5, 21), QPointF(12, 3));
    p.drawLine(QPointF(12, 3), QPointF(19, 21));
    p.drawLine(QPointF(8, 14), QPointF(16, 14));
  });
}

QIcon Printer() {
  return Drawn([](QPainter& p) {
    p.drawRect(QRectF(7, 3, 10, 6));
    p.drawRect(QRectF(3, 9, 18, 8));
    p.drawRect(QRectF(7, 14, 10, 7));
  });
}

}  // namespace

QIcon MakeToolIcon(ToolIcon icon, const QStyle* style) {
  switch (icon) {
    case ToolIcon::DeleteColumn: return style->standardIcon(QStyle::SP_TrashIcon);
    case ToolIcon::SaveProject: return style->standardIcon(QStyle::SP_DialogSaveButton);
    case ToolIcon::CopyTable: return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    case ToolIcon::ColumnToInputs: return style->standardIcon(QStyle::SP_ArrowUp);
    case ToolIcon::ChangeColumn: return Columns(true, false);
    case ToolIcon::ChangeTable: return Columns(false, false);
    case ToolIcon::Print: return Printer();
    case ToolIcon::NewProject: return style->standardIcon(QStyle::SP_FileIcon);
    case ToolIcon::OpenProject: return style->standardIcon(QStyle::SP_DialogOpenButton);
    case ToolIcon::ColumnWidth: return Columns(false, true);
    case ToolIcon::ZoomIn: return Magnifier(true);
    case ToolIcon::ZoomOut: return Magnifier(false);
    case ToolIcon::Font: return Letter();
  }
  return {};
}

}  // namespace velmora::gui
