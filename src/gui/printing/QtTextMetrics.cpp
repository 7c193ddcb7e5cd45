#include "printing/QtTextMetrics.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <memory>

#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

// Texts are measured in a large size, where the printer's rounding to whole device pixels is small.
constexpr double kReferencePoints = 100.0;
constexpr double kPointsPerInch = 72.0;

}  // namespace

QFont Sized(const QFont& font, double points) {
  QFont sized = font;
  sized.setPointSizeF(points);
  return sized;
}

printing::TextMetrics MetricsOf(const QFont& font, const QPaintDevice& device) {
  // Device pixels to ems: pixels · 72 / dpi are points, at the reference size.
  const double toEms = kPointsPerInch / device.logicalDpiX() / kReferencePoints;
  auto measure = std::make_shared<QFontMetricsF>(Sized(font, kReferencePoints), &device);
  printing::TextMetrics metrics;
  metrics.width = [measure, toEms](std::string_view text) {
    return measure->horizontalAdvance(ToQString(std::string(text))) * toEms;
  };
  metrics.lineSpacing = measure->lineSpacing() * kPointsPerInch / device.logicalDpiY() / kReferencePoints;
  return metrics;
}

}  // namespace velmora::gui
