#include "PictureRenderer.h"

#include <QFileInfo>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QSaveFile>
#include <QStringList>
#include <QSvgRenderer>

namespace velmora::tools {
namespace {

// The SVG module reports elements and attributes it cannot draw only as log messages; they are
// collected while a drawing is loaded so that such a drawing fails instead of rendering wrongly.
QStringList* gSvgComplaints = nullptr;
QtMessageHandler gPreviousHandler = nullptr;

void CollectSvgComplaints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (gSvgComplaints != nullptr && context.category != nullptr &&
      QLatin1String(context.category).startsWith(QLatin1String("qt.svg"))) {
    gSvgComplaints->append(message);
    return;
  }
  if (gPreviousHandler != nullptr) gPreviousHandler(type, context, message);
}

bool IsBlank(const QImage& image, QRgb background) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != background) return false;
    }
  }
  return true;
}

// Draws the SVG on `image` (filled with its background first) and writes it in `format`.
QString Render(const QString& svgPath, const QString& outPath, QImage image, QRgb background, const char* format) {
  const QFileInfo source(svgPath);
  if (!source.isFile() || !source.isReadable()) return svgPath + ": cannot read the file";

  QStringList complaints;
  gSvgComplaints = &complaints;
  gPreviousHandler = qInstallMessageHandler(CollectSvgComplaints);
  QSvgRenderer renderer(svgPath);
  qInstallMessageHandler(gPreviousHandler);
  gSvgComplaints = nullptr;

  if (!renderer.isValid()) return svgPath + ": not a valid SVG drawing";
  if (!complaints.isEmpty()) {
    return svgPath + ": uses SVG features the renderer cannot draw: " + complaints.join(QLatin1String("; "));
  }

  image.fill(background);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(0, 0, image.width(), image.height()));
  }
  if (IsBlank(image, background)) return svgPath + ": the drawing renders as an empty picture";

  QSaveFile target(outPath);
  if (!target.open(QIODevice::WriteOnly)) return outPath + ": cannot write: " + target.errorString();
  if (!image.save(&target, format)) {
    target.cancelWriting();
    return outPath + ": cannot encode the picture";
  }
  if (!target.commit()) return outPath + ": cannot write: " + target.errorString();
  return {};
}

}  // namespace

QString RenderPicture(const QString& svgPath, const QString& bmpPath) {
  return Render(svgPath, bmpPath, QImage(kPictureWidth, kPictureHeight, QImage::Format_RGB888), qRgb(255, 255, 255),
                "BMP");
}

QString RenderPng(const QString& svgPath, const QString& pngPath, QSize size) {
  return Render(svgPath, pngPath, QImage(size, QImage::Format_ARGB32), qRgba(0, 0, 0, 0), "PNG");
}

}  // namespace velmora::tools
