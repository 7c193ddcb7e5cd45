#include "curve/CurveDiagram.h"

#include <algorithm>

#include "curve/CurveText.h"

namespace velmora::curve {
namespace {

// The fitted pump curve is drawn through this many points.
constexpr int kPumpSamples = 100;

}  // namespace

Diagram MakeDiagram(const SystemCurve& curve, std::string_view flowUnit, bool psi, const PumpOverlay* pump,
                    const text::TextStore& texts) {
  Diagram diagram;
  if (curve.points.empty()) return diagram;
  const long double from = curve.points.front().flow;
  const long double to = curve.points.back().flow;
  diagram.flowAxis = MakeFlowAxis(from, to);

  // The pump curve is known between its lowest and highest flow; it is drawn there, within the range.
  std::vector<CurvePoint> pumpPoints;
  if (pump != nullptr) {
    const long double lowest = std::max(from, pump->curve.lowest);
    const long double highest = std::min(to, pump->curve.highest);
    for (int i = 0; lowest < highest && i <= kPumpSamples; ++i) {
      const long double q = lowest + (highest - lowest) * static_cast<long double>(i) / kPumpSamples;
      pumpPoints.push_back({q, pump->curve.At(q)});
    }
  }
  long double smallest = curve.smallestLoss;
  long double largest = curve.largestLoss;
  for (const CurvePoint& p : pumpPoints) {
    smallest = std::min(smallest, p.loss);
    largest = std::max(largest, p.loss);
  }
  const PressureUnit unit = ChoosePressureUnit(curve.smallestLoss, curve.largestLoss, psi);
  diagram.pressure = MakePressureAxis(unit, smallest, largest);

  const Axis& x = diagram.flowAxis;
  const Axis& y = diagram.pressure.axis;
  for (int i = 0; i <= x.intervals; ++i) diagram.flowLabels.push_back(AxisLabel(x, i, texts.edition()));
  for (int i = 0; i <= y.intervals; ++i) diagram.pressureLabels.push_back(AxisLabel(y, i, texts.edition()));
  diagram.pressureTitle = AxisTitle(texts.FormText(kCurveWindowBlock, "wLoss"), unit.name);
  diagram.flowTitle = AxisTitle(texts.FormText(kCurveWindowBlock, "wFlow"), flowUnit);

  for (const CurvePoint& p : curve.points) diagram.system.push_back({p.flow, p.loss * unit.scale});
  for (const CurvePoint& p : pumpPoints) diagram.pump.push_back({p.flow, p.loss * unit.scale});
  if (pump != nullptr && pump->operatingPoint) {
    diagram.operatingPoint = DiagramPoint{pump->operatingPoint->flow, pump->operatingPoint->loss * unit.scale};
  }
  return diagram;
}

}  // namespace velmora::curve
