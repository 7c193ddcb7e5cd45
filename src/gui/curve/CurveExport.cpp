#include "curve/CurveExport.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace velmora::gui {

bool WritePngFile(const QString& path, QSize size, const PagePainter& paint) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!image.save(&file, "PNG")) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool WriteSvgFile(const QString& path, QSize size, const QString& title, const PagePainter& paint) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QSvgGenerator generator;
  generator.setOutputDevice(&file);
  generator.setSize(size);
  generator.setViewBox(QRect(QPoint(0, 0), size));
  generator.setTitle(title);
  QPainter painter;
  if (!painter.begin(&generator)) {
    file.cancelWriting();
    return false;
  }
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  return file.commit();
}

bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace velmora::gui
