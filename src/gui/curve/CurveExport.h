#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

// Files written from the curve window. Each goes through a temporary file that takes the target's
// place only when it is complete: a failed save leaves an earlier file of that name as it was.
namespace velmora::gui {

// Draws a page of `size` logical pixels.
using PagePainter = std::function<void(QPainter& painter, const QRectF& page)>;

// The picture as PNG (white background) or SVG; false when the file could not be written.
bool WritePngFile(const QString& path, QSize size, const PagePainter& paint);
bool WriteSvgFile(const QString& path, QSize size, const QString& title, const PagePainter& paint);
// Any bytes, such as the CSV text.
bool WriteFileBytes(const QString& path, const QByteArray& bytes);

}  // namespace velmora::gui
