#include "calculators/DischargeCoefficients.h"

#include <cmath>
#include <span>

#include "hydraulics/PointTable.h"

namespace velmora::calculators {
namespace {

using hydraulics::Outside;
using hydraulics::PointTable;
using hydraulics::TablePoint;

// Discharge coefficients of small openings and mouthpieces, the values of the classical
// hydraulics handbooks (sharp-edged orifice 0.60 to 0.62, well-rounded nozzle 0.97 to 0.99,
// cylindrical mouthpiece of 2 to 3 diameters 0.82); turbulent outflow of water-like liquids.
constexpr long double kSharpEdged = 0.60L;
constexpr long double kNozzle = 0.98L;
constexpr long double kCylindrical = 0.82L;

// Conical (diverging) mouthpiece over its cone angle in degrees, 10° … 90°.
constexpr TablePoint kConicalPoints[] = {{10, 0.95L}, {20, 0.94L}, {45, 0.88L}, {90, 0.74L}};
// Factor k of a mouthpiece ending in a nozzle over n = d²/D², 0.1 … 1 (μ = 0.96·k).
constexpr TablePoint kNozzleExtensionPoints[] = {{0.1L, 0.83L}, {0.2L, 0.84L}, {0.4L, 0.87L},
                                                 {0.6L, 0.90L}, {0.8L, 0.94L}, {1.0L, 1.0L}};
constexpr long double kNozzleExtensionMu = 0.96L;
// Large sharp-edged rectangular side opening over h/b, 0 … 2.
constexpr TablePoint kLargeSidePoints[] = {{0, 0.673L}, {0.5L, 0.64L}, {1.0L, 0.582L}, {1.5L, 0.504L}, {2.0L, 0.438L}};
// Large bottom opening over d/D, 0 … 0.5 (the contraction lessens as the opening fills the bottom).
constexpr TablePoint kLargeBottomPoints[] = {{0, 0.61L},    {0.1L, 0.61L}, {0.2L, 0.62L},
                                             {0.3L, 0.63L}, {0.4L, 0.65L}, {0.5L, 0.68L}};

std::optional<long double> Within(std::span<const TablePoint> points, long double x) {
  if (!(x >= points.front().X && x <= points.back().X)) return std::nullopt;
  return hydraulics::TableValue(PointTable{points, Outside::Zero, Outside::Zero}, x);
}

}  // namespace

bool ComputedCoefficient(SmallOpening kind) {
  return kind == SmallOpening::ConicalExtension || kind == SmallOpening::ExtensionWithNozzle;
}

long double FixedCoefficient(SmallOpening kind) {
  switch (kind) {
    case SmallOpening::Nozzle: return kNozzle;
    case SmallOpening::CylindricalExtension: return kCylindrical;
    default: return kSharpEdged;
  }
}

std::optional<long double> ConicalExtensionMu(long double angle) { return Within(kConicalPoints, angle); }

std::optional<long double> NozzleExtensionMu(long double areaRatio) {
  const std::optional<long double> k = Within(kNozzleExtensionPoints, areaRatio);
  if (!k) return std::nullopt;
  return kNozzleExtensionMu * *k;
}

std::optional<long double> LargeSideOpeningMu(long double heightOverWidth) {
  return Within(kLargeSidePoints, heightOverWidth);
}

std::optional<long double> LargeBottomOpeningMu(long double diameterRatio) {
  return Within(kLargeBottomPoints, diameterRatio);
}

}  // namespace velmora::calculators
