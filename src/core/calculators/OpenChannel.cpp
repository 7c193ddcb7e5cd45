#include "calculators/OpenChannel.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"

namespace velmora::calculators {
namespace {

using hydraulics::Pi;
using hydraulics::Radians;

constexpr long double kRightAngle = 90;

}  // namespace

bool WallAngleAllowed(ChannelShape shape, long double angle) {
  if (shape == ChannelShape::Trapezoid) return angle > 0 && angle <= kRightAngle;
  if (shape == ChannelShape::Triangle) return angle > 0 && angle < kRightAngle;
  return true;
}

ChannelSection SectionOf(ChannelShape shape, long double first, long double second, long double third) {
  switch (shape) {
    case ChannelShape::Rectangle: return {first * second, first + 2 * second};
    case ChannelShape::Trapezoid: {
      const long double beta = Radians(third);
      // At β = 90° tan β is huge, not infinite: the walls stand upright and 2H/tan β vanishes.
      return {second * (first + (first + 2 * second / std::tan(beta))) / 2, first + 2 * second / std::sin(beta)};
    }
    case ChannelShape::Semicircle: return {Pi * first * first / 2, 2 * Pi * first / 2};
    case ChannelShape::Triangle: {
      const long double beta = Radians(second);
      return {first * first / std::tan(beta), 2 * first / std::sin(beta)};
    }
    case ChannelShape::AnyShape: return {second, first};
  }
  return {};
}

long double Slope(SlopeGiven given, long double first, long double heightTwo, long double length) {
  switch (given) {
    case SlopeGiven::Heights: return std::fabs((first - heightTwo) / length);
    case SlopeGiven::Angle: return std::sin(Radians(first));
    case SlopeGiven::Percent: return first / 100;
  }
  return 0;
}

ChannelFlow ManningStrickler(const ChannelSection& section, long double slope, long double strickler) {
  ChannelFlow flow;
  flow.hydraulicRadius = section.area / section.perimeter;
  flow.velocity = strickler * std::pow(flow.hydraulicRadius, 2.0L / 3) * std::sqrt(slope);
  flow.flow = section.area * flow.velocity;
  return flow;
}

ChannelDesign DesignChannel(OptimalShape shape, long double flow, long double slope, long double strickler,
                            long double wallAngle) {
  const long double K = strickler * std::sqrt(slope);
  const long double twoToTwoThirds = std::pow(2.0L, 2.0L / 3);
  ChannelDesign design;
  switch (shape) {
    case OptimalShape::Rectangle: {
      const long double H = std::pow(twoToTwoThirds * flow / (2 * K), 3.0L / 8);
      design = {2 * H, H, 2 * H * H, 0};
      break;
    }
    case OptimalShape::Trapezoid: {
      const long double m = 1 / std::tan(Radians(wallAngle));
      const long double k = 2 * std::sqrt(m * m + 1) - m;
      const long double A = std::pow(twoToTwoThirds * flow * std::pow(k, 1.0L / 3) / K, 3.0L / 4);
      const long double H = std::sqrt(A / k);
      design = {A / H - H * m, H, A, 0};
      break;
    }
    case OptimalShape::Semicircle: {
      const long double R = std::pow(std::pow(2.0L, 5.0L / 3) * flow / (Pi * K), 3.0L / 8);
      design = {R, 0, Pi * R * R / 2, 0};
      break;
    }
    case OptimalShape::Triangle: {
      const long double cos45 = std::cos(Pi / 4);
      const long double H = std::pow(flow / (std::pow(cos45, 2.0L / 3) * std::pow(0.5L, 2.0L / 3) * K), 3.0L / 8);
      design = {H, 0, H * H, 0};
      break;
    }
  }
  design.velocity = flow / design.area;
  return design;
}

}  // namespace velmora::calculators
