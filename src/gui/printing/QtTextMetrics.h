#pragma once

#include <QFont>

#include "printing/TextMetrics.h"

class QPaintDevice;

namespace velmora::gui {

// The measures of a font as it prints on a device (a printer, a PDF), in ems for the page layout.
printing::TextMetrics MetricsOf(const QFont& font, const QPaintDevice& device);

// A font of the family and styles of `font` in `points`.
QFont Sized(const QFont& font, double points);

}  // namespace velmora::gui
