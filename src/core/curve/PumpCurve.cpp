#include "curve/PumpCurve.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::curve {
namespace {

// Standard gravity, 9.80665 m/s² exactly (3rd CGPM, 1901).
constexpr long double kStandardGravity = 9.80665L;
// 10⁵ Pa per bar.
constexpr long double kPascalPerBar = 100000.0L;
// The least-squares fit is exact to about this share of its coefficients.
constexpr long double kFitSlack = 1e-9L;
// A fitted pump curve may rise by this share of its largest value: the rounding of the points
// given (a flat curve at shut-off typed with three decimals) is no rise.
constexpr long double kRiseSlack = 1e-3L;

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t\r") == std::string_view::npos; }

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// The two numbers of a line's cells (blank cells at the end dropped), or nothing.
std::optional<PumpPoint> ReadPair(std::vector<std::string_view> cells) {
  while (!cells.empty() && IsBlank(cells.back())) cells.pop_back();
  if (cells.size() != 2 || IsBlank(cells[0]) || IsBlank(cells[1])) return std::nullopt;
  const auto flow = units::ParseNumber(cells[0]);
  const auto head = units::ParseNumber(cells[1]);
  if (!flow || !head) return std::nullopt;
  return PumpPoint{*flow, *head};
}

PumpPoints Refused(int line, std::string_view text) {
  PumpPoints result;
  result.problem = PumpProblem::NotANumber;
  result.line = line;
  result.lineText = std::string(text);
  return result;
}

// Solves the 3×3 system a·c = b by elimination with partial pivoting; false when it is singular.
bool Solve(std::array<std::array<long double, 3>, 3> a, std::array<long double, 3> b, std::array<long double, 3>& c) {
  long double largest = 0;
  for (const auto& row : a) {
    for (const long double x : row) largest = std::max(largest, std::fabs(x));
  }
  for (std::size_t col = 0; col < 3; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < 3; ++r) {
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    }
    if (!(std::fabs(a[pivot][col]) > kFitSlack * largest)) return false;
    std::swap(a[pivot], a[col]);
    std::swap(b[pivot], b[col]);
    for (std::size_t r = col + 1; r < 3; ++r) {
      const long double f = a[r][col] / a[col][col];
      for (std::size_t k = col; k < 3; ++k) a[r][k] -= f * a[col][k];
      b[r] -= f * b[col];
    }
  }
  for (std::size_t i = 3; i-- > 0;) {
    long double sum = b[i];
    for (std::size_t k = i + 1; k < 3; ++k) sum -= a[i][k] * c[k];
    c[i] = sum / a[i][i];
  }
  return std::isfinite(c[0]) && std::isfinite(c[1]) && std::isfinite(c[2]);
}

// The system curve between its points.
long double Interpolated(const std::vector<CurvePoint>& points, long double flow) {
  const auto after = std::upper_bound(points.begin(), points.end(), flow,
                                      [](long double q, const CurvePoint& p) { return q < p.flow; });
  if (after == points.begin()) return points.front().loss;
  if (after == points.end()) return points.back().loss;
  const CurvePoint& lower = *(after - 1);
  const CurvePoint& upper = *after;
  return lower.loss + (flow - lower.flow) * (upper.loss - lower.loss) / (upper.flow - lower.flow);
}

// The x where the fitted curve may turn between its ends (x = −1 and 1), in order.
std::vector<long double> Turns(const PumpCurve& curve) {
  std::vector<long double> xs = {-1};
  if (curve.c2 != 0) {
    const long double vertex = -curve.c1 / (2 * curve.c2);
    if (vertex > -1 && vertex < 1) xs.push_back(vertex);
  }
  xs.push_back(1);
  return xs;
}

long double ValueAtX(const PumpCurve& curve, long double x) { return curve.c0 + x * (curve.c1 + x * curve.c2); }

// The largest rise of the fitted curve with the flow between its lowest and highest flow.
long double Rise(const PumpCurve& curve) {
  const std::vector<long double> xs = Turns(curve);
  long double rise = 0;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    for (std::size_t j = i + 1; j < xs.size(); ++j) {
      rise = std::max(rise, ValueAtX(curve, xs[j]) - ValueAtX(curve, xs[i]));
    }
  }
  return rise;
}

long double Largest(const PumpCurve& curve) {
  long double largest = 0;
  for (const long double x : Turns(curve)) largest = std::max(largest, std::fabs(ValueAtX(curve, x)));
  return largest;
}

}  // namespace

PumpPoints ParsePumpLines(std::string_view text, bool headingAllowed) {
  PumpPoints result;
  const std::vector<std::string_view> lines = Split(text, '\n');
  bool first = true;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (IsBlank(line)) continue;
    const char separator = line.find('\t') != std::string_view::npos ? '\t' : ';';
    const std::vector<std::string_view> cells = Split(line, separator);
    const std::optional<PumpPoint> point = ReadPair(cells);
    if (point) {
      result.points.push_back(*point);
    } else {
      // A first line without any number is the heading a spreadsheet copies along.
      const bool heading =
          headingAllowed && first && std::none_of(cells.begin(), cells.end(), [](std::string_view cell) {
            return !IsBlank(cell) && units::ParseNumber(cell).has_value();
          });
      if (!heading) return Refused(static_cast<int>(i + 1), line);
    }
    first = false;
  }
  return result;
}

PumpPoints ParsePumpPairs(std::string_view text) {
  PumpPoints result;
  const std::vector<std::string_view> pairs = Split(text, ',');
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const std::optional<PumpPoint> point = ReadPair(Split(pairs[i], ':'));
    if (!point) return Refused(static_cast<int>(i + 1), pairs[i]);
    result.points.push_back(*point);
  }
  return result;
}

long double LossUnit::FromHead(long double metres) const {
  const long double bar = density * kStandardGravity * metres / kPascalPerBar;
  return psi ? bar / units::kPsiInBar : bar;
}

long double LossUnit::ToHead(long double loss) const {
  const long double bar = psi ? loss * units::kPsiInBar : loss;
  return bar * kPascalPerBar / (density * kStandardGravity);
}

long double PumpCurve::At(long double flow) const {
  const long double x = (flow - centre) / halfSpan;
  return c0 + x * (c1 + x * c2);
}

PumpFit FitPumpCurve(std::span<const PumpPoint> points, HeadUnit unit, const LossUnit& loss) {
  PumpFit fit;
  std::set<long double> flows;
  for (const PumpPoint& p : points) flows.insert(p.flow);
  if (flows.size() < 3) {
    fit.problem = PumpProblem::TooFewPoints;
    return fit;
  }
  PumpCurve curve;
  curve.lowest = *flows.begin();
  curve.highest = *flows.rbegin();
  curve.centre = (curve.lowest + curve.highest) / 2;
  curve.halfSpan = (curve.highest - curve.lowest) / 2;

  // Normal equations of the least squares in x = (Q − centre)/halfSpan, which keeps them well
  // conditioned whatever the unit of the flow.
  std::array<long double, 5> sx{};   // Σ xᵏ, k = 0 … 4
  std::array<long double, 3> sxy{};  // Σ xᵏ·Δp, k = 0 … 2
  for (const PumpPoint& p : points) {
    const long double x = (p.flow - curve.centre) / curve.halfSpan;
    const long double y = unit == HeadUnit::Metre ? loss.FromHead(p.head) : p.head / loss.axisScale;
    long double power = 1;
    for (std::size_t k = 0; k < 5; ++k) {
      sx[k] += power;
      if (k < 3) sxy[k] += power * y;
      power *= x;
    }
  }
  std::array<long double, 3> c{};
  if (!Solve({{{sx[0], sx[1], sx[2]}, {sx[1], sx[2], sx[3]}, {sx[2], sx[3], sx[4]}}}, sxy, c)) {
    fit.problem = PumpProblem::TooFewPoints;
    return fit;
  }
  curve.c0 = c[0];
  curve.c1 = c[1];
  curve.c2 = c[2];
  if (Rise(curve) > kRiseSlack * Largest(curve)) {
    fit.problem = PumpProblem::Rising;
    return fit;
  }
  fit.curve = curve;
  return fit;
}

std::optional<OperatingPoint> FindOperatingPoint(const SystemCurve& system, const PumpCurve& pump,
                                                 const LossUnit& loss) {
  const std::vector<CurvePoint>& points = system.points;
  if (points.size() < 2) return std::nullopt;
  const long double lowest = std::max(points.front().flow, pump.lowest);
  const long double highest = std::min(points.back().flow, pump.highest);
  if (lowest > highest) return std::nullopt;

  // The system curve is straight between its points: the flows where f = pump − system may change
  // sign are the range's ends and the points inside it.
  std::vector<long double> flows = {lowest};
  for (const CurvePoint& p : points) {
    if (p.flow > lowest && p.flow < highest) flows.push_back(p.flow);
  }
  if (highest > lowest) flows.push_back(highest);
  const auto f = [&](long double q) { return pump.At(q) - Interpolated(points, q); };

  std::optional<long double> found;
  long double a = flows.front();
  long double fa = f(a);
  if (fa == 0) found = a;
  for (std::size_t i = 1; i < flows.size() && !found; ++i) {
    long double b = flows[i];
    const long double fb = f(b);
    if (fb == 0) {
      found = b;
    } else if ((fa < 0) != (fb < 0)) {
      // Bisection down to the last bit of the flow.
      long double lo = a, flo = fa, hi = b;
      for (;;) {
        const long double mid = lo + (hi - lo) / 2;
        if (mid == lo || mid == hi) break;
        const long double fm = f(mid);
        if (fm == 0) {
          lo = hi = mid;
          break;
        }
        if ((fm < 0) == (flo < 0)) {
          lo = mid;
          flo = fm;
        } else {
          hi = mid;
        }
      }
      found = lo + (hi - lo) / 2;
    }
    a = b;
    fa = fb;
  }
  if (!found) return std::nullopt;
  OperatingPoint point;
  point.flow = *found;
  point.loss = Interpolated(points, *found);
  point.head = loss.ToHead(point.loss);
  return point;
}

}  // namespace velmora::curve
