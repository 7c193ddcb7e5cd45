#include "curve/CurvePainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr qreal kTitleTop = 8;  // the pressure-axis title stands at (2, 8)
constexpr qreal kTitleLeft = 2;
constexpr qreal kTick = 4;          // length of a tick outside the frame
constexpr qreal kLabelGap = 3;      // between a tick and its label
constexpr qreal kRightMargin = 12;  // room for half the last flow label
const QColor kGridColour(225, 225, 225);
const QColor kOperatingColour(0, 140, 0);

struct Mapping {
  QRectF frame;
  const curve::Axis* x;
  const curve::Axis* y;

  // Not rounded to whole pixels: on a printer a logical pixel is many dots, and the curve stays smooth.
  QPointF At(const curve::DiagramPoint& p) const {
    const long double xs = (p.flow - x->start) / (x->End() - x->start);
    const long double ys = (p.pressure - y->start) / (y->End() - y->start);
    return {frame.left() + frame.width() * static_cast<qreal>(xs),
            frame.bottom() - frame.height() * static_cast<qreal>(ys)};
  }
};

void DrawCurve(QPainter& painter, const Mapping& map, const std::vector<curve::DiagramPoint>& points,
               const QColor& colour) {
  if (points.empty()) return;
  QPolygonF line;
  for (const curve::DiagramPoint& p : points) line << map.At(p);
  painter.setPen(QPen(colour, 1.5));
  painter.drawPolyline(line);
}

qreal WidestLabel(const QFontMetricsF& metrics, const std::vector<std::string>& labels) {
  qreal widest = 0;
  for (const std::string& label : labels) widest = std::max(widest, metrics.horizontalAdvance(ToQString(label)));
  return widest;
}

}  // namespace

QRectF DiagramFrame(const QPainter& painter, const QRectF& area, const curve::Diagram& diagram) {
  const QFontMetricsF metrics(painter.font());
  const qreal left = std::max<qreal>(curve::LeftMargin(diagram.pressure.axis),
                                     WidestLabel(metrics, diagram.pressureLabels) + kTick + 2 * kLabelGap);
  const qreal lastLabel =
      diagram.flowLabels.empty() ? 0 : metrics.horizontalAdvance(ToQString(diagram.flowLabels.back())) / 2;
  const qreal right = std::max(kRightMargin, lastLabel + kLabelGap);
  const qreal top = kTitleTop + metrics.height() + metrics.height() / 2;
  const qreal bottom = kTick + kLabelGap + 2 * metrics.height() + kLabelGap;
  // On whole pixels, so that the frame and the ticks are drawn sharp.
  return QRectF(area.adjusted(left, top, -right, -bottom).toRect());
}

void PaintDiagram(QPainter& painter, const QRectF& area, const curve::Diagram& diagram) {
  if (diagram.system.empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QFontMetricsF metrics(painter.font());
  const QRectF frame = DiagramFrame(painter, area, diagram);
  const Mapping map{frame, &diagram.flowAxis, &diagram.pressure.axis};

  // Grid and ticks with their labels.
  const curve::Axis& x = diagram.flowAxis;
  const curve::Axis& y = diagram.pressure.axis;
  for (int i = 0; i <= x.intervals; ++i) {
    const qreal px = frame.left() + frame.width() * i / x.intervals;
    painter.setPen(QPen(kGridColour, 0));
    if (i > 0 && i < x.intervals) painter.drawLine(QPointF(px, frame.top()), QPointF(px, frame.bottom()));
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QPointF(px, frame.bottom()), QPointF(px, frame.bottom() + kTick));
    const QString label = ToQString(diagram.flowLabels[static_cast<std::size_t>(i)]);
    const qreal width = metrics.horizontalAdvance(label);
    painter.drawText(QPointF(px - width / 2, frame.bottom() + kTick + kLabelGap + metrics.ascent()), label);
  }
  for (int i = 0; i <= y.intervals; ++i) {
    const qreal py = frame.bottom() - frame.height() * i / y.intervals;
    painter.setPen(QPen(kGridColour, 0));
    if (i > 0 && i < y.intervals) painter.drawLine(QPointF(frame.left(), py), QPointF(frame.right(), py));
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QPointF(frame.left() - kTick, py), QPointF(frame.left(), py));
    const QString label = ToQString(diagram.pressureLabels[static_cast<std::size_t>(i)]);
    const qreal width = metrics.horizontalAdvance(label);
    painter.drawText(QPointF(frame.left() - kTick - kLabelGap - width, py + metrics.ascent() / 2 - 1), label);
  }

  // Titles: pressure top left, flow bottom right.
  painter.drawText(QPointF(area.left() + kTitleLeft, area.top() + kTitleTop + metrics.ascent()),
                   ToQString(diagram.pressureTitle));
  const QString flowTitle = ToQString(diagram.flowTitle);
  painter.drawText(QPointF(area.right() - kLabelGap - metrics.horizontalAdvance(flowTitle),
                           area.bottom() - kLabelGap - metrics.descent()),
                   flowTitle);

  // The curves stay inside the frame; the pen returns to black afterwards.
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setClipRect(frame.adjusted(-1, -1, 1, 1));
  DrawCurve(painter, map, diagram.pump, Qt::blue);
  DrawCurve(painter, map, diagram.system, Qt::red);
  if (diagram.operatingPoint) {
    painter.setPen(QPen(kOperatingColour, 1.5));
    painter.setBrush(kOperatingColour);
    painter.drawEllipse(map.At(*diagram.operatingPoint), 4, 4);
  }
  painter.restore();
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame);
  painter.restore();
}

void PaintCurvePage(QPainter& painter, const QRectF& area, const QStringList& lines, const curve::Diagram& diagram) {
  const QFontMetricsF metrics(painter.font());
  qreal y = area.top();
  painter.save();
  painter.setPen(Qt::black);
  for (const QString& line : lines) {
    painter.drawText(QPointF(area.left(), y + metrics.ascent()), line);
    y += metrics.lineSpacing();
  }
  painter.restore();
  y += metrics.lineSpacing();
  PaintDiagram(painter, QRectF(area.left(), y, area.width(), area.bottom() - y), diagram);
}

}  // namespace velmora::gui
