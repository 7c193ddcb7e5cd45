#include "calculators/Outflow.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"

namespace velmora::calculators {
namespace {

using hydraulics::Pi;

// 2/3 of the integrated Torricelli law, written to the width of the extended type.
constexpr long double kTwoThirds = 0.6666666666666666667L;
// 16π = 50.265482457436691816: the sphere's volume over its height integrated to 16π/60·D^2.5.
constexpr long double kSixteenPi = 50.265482457436691816L;

}  // namespace

int OutflowCase(bool large, bool bottom, bool overpressure) {
  if (large) return bottom ? 6 : 5;
  if (overpressure) return bottom ? 4 : 3;
  return bottom ? 2 : 1;
}

OutflowResult Outflow(const OutflowInput& in) {
  OutflowResult result;
  switch (in.outflowCase) {
    case 3:
    case 4:
      result.area = in.area;
      result.flow = in.mu * in.area * std::sqrt(2 * (kGravity * in.height + in.overpressure / in.density * 100000));
      break;
    case 5:
      result.area = (in.lowerDepth - in.upperDepth) * in.width;
      result.flow = kTwoThirds * in.mu * in.width * std::sqrt(kTwiceGravity) *
                    (std::pow(in.lowerDepth, 1.5L) - std::pow(in.upperDepth, 1.5L));
      break;
    default:
      result.area = in.area;
      result.flow = in.mu * in.area * std::sqrt(kTwiceGravity * in.height);
      break;
  }
  result.velocity = result.flow / result.area;
  return result;
}

long double DrainingTime(VesselShape shape, long double D, long double d, long double third, long double mu) {
  const long double opening = Pi * d * d / 4;
  const long double outflow = mu * opening * std::sqrt(kTwiceGravity);
  switch (shape) {
    case VesselShape::VerticalCylinder: return 2 * (Pi * D * D / 4) * std::sqrt(third) / outflow;
    case VesselShape::HorizontalCylinder: return 4.0L / 3 * third * std::pow(D, 1.5L) / outflow;
    case VesselShape::Sphere: return kSixteenPi / 60 * std::pow(D, 2.5L) / outflow;
    case VesselShape::Cone: return Pi * D * D * std::sqrt(third) / 10 / outflow;
  }
  return 0;
}

}  // namespace velmora::calculators
