#include "hydraulics/PointTable.h"

#include <cmath>

#include "hydraulics/Arithmetic.h"

namespace velmora::hydraulics {

long double TableValue(const PointTable& table, long double x) {
  const auto& p = table.Points;
  if (std::isnan(x)) return x;
  if (x < p.front().X) return table.Below == Outside::HoldEnd ? p.front().Y : 0.0L;
  if (x == p.back().X) return p.back().Y;
  if (x > p.back().X) return table.Above == Outside::HoldEnd ? p.back().Y : 0.0L;
  for (std::size_t i = 0; i + 1 < p.size(); ++i) {
    if (x < p[i + 1].X) return Interpolate(p[i + 1].Y, p[i].Y, p[i + 1].X, p[i].X, x);
  }
  return p.back().Y;  // not reached: x lies below the last breakpoint here
}

}  // namespace velmora::hydraulics
