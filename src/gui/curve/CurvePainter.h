#pragma once

#include <QRectF>
#include <QStringList>

#include "curve/CurveDiagram.h"

class QPainter;

namespace velmora::gui {

// Draws the diagram into `area` (in the painter's logical pixels) with the painter's font: the
// pressure-axis title top left, the flow-axis title bottom right, a black frame with ticks, labels
// and a light grid, the system curve in red, a pump curve in blue and the operating point in
// green. The frame's left margin is the axis' own (30, 45 or 55 pixels), wider where the labels
// of the font need it. The same routine draws on the screen, the printer and into files.
void PaintDiagram(QPainter& painter, const QRectF& area, const curve::Diagram& diagram);

// A page: the lines above the diagram (the medium, the operating point), then the diagram.
void PaintCurvePage(QPainter& painter, const QRectF& area, const QStringList& lines, const curve::Diagram& diagram);

// The frame the diagram is drawn in within `area`, for the painter's font.
QRectF DiagramFrame(const QPainter& painter, const QRectF& area, const curve::Diagram& diagram);

}  // namespace velmora::gui
