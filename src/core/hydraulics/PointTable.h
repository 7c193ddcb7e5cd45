#pragma once

#include <span>

namespace velmora::hydraulics {

// One breakpoint (x, y) of a coefficient table.
struct TablePoint {
  long double X;
  long double Y;
};

// What a table gives outside its breakpoints.
enum class Outside {
  Zero,     // 0 beyond the end point (the end point itself still gives its value)
  HoldEnd,  // the value of the end point ("flat from ... on")
};

// A coefficient table interpolated linearly segment by segment (the segment [xᵢ, xᵢ₊₁) with
// `Interpolate`, upper point first); the last value holds at exactly the last breakpoint.
struct PointTable {
  std::span<const TablePoint> Points;
  Outside Below = Outside::Zero;
  Outside Above = Outside::Zero;
};

// The table's value at x; NaN stays NaN.
long double TableValue(const PointTable& table, long double x);

}  // namespace velmora::hydraulics
