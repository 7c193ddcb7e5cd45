#include "curve/SystemCurve.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>
#include <limits>
#include <thread>

#include "curve/CurveUnits.h"
#include "curve/StoredElements.h"
#include "hydraulics/ElementCalculation.h"
#include "hydraulics/ElementKinds.h"
#include "units/UnitFactors.h"

namespace velmora::curve {
namespace {

using hydraulics::MainInput;

// A curve whose summed losses all stay below this (in bar or psi) is no curve.
constexpr long double kZeroCurve = 1e-7L;
// Below this many element calculations a second thread costs more than it saves.
constexpr long long kWorkForTwoThreads = 20000;

// An element ready to be calculated at any flow: the stored element with the operating data.
struct Prepared {
  StoredElement stored;
  bool hasRegime = true;  // false for the height difference 13/1, which has no flow quantities
  bool calculatedAtZero = false;
};

// The known ζ of 12/1 is calculated at Q = 0 (its loss is 0 there all the same); the height
// difference 13/1 does not depend on the flow at all, so its static pressure change stands at
// Q = 0 too, where a system curve starts from the static head.
bool CalculatedWithoutFlow(int group, int kind) { return (group == 12 && kind == 1) || (group == 13 && kind == 1); }

struct Regimes {
  bool laminar = false;
  bool turbulent = false;
};

// What one worker found over its points.
struct Share {
  int failedColumn = INT_MAX;
  int failedPoint = 0;
  CurveFailure failure = CurveFailure::None;
  long double reynoldsMin = std::numeric_limits<long double>::infinity();
  long double reynoldsMax = -std::numeric_limits<long double>::infinity();
  std::vector<Regimes> regimes;  // per element
};

// Calculates every element at points [begin, end) and adds the losses to `sums`. Elements are
// taken in column order and stop at the first failure; a worker also stops when another worker
// failed in an earlier column, since that failure is then the one reported.
void Work(const std::vector<Prepared>& elements, const std::vector<long double>& flows, std::size_t begin,
          std::size_t end, bool psi, std::vector<long double>& sums, Share& share, std::atomic<int>& firstFailed) {
  share.regimes.assign(elements.size(), {});
  for (std::size_t e = 0; e < elements.size(); ++e) {
    const Prepared& element = elements[e];
    if (element.stored.column > firstFailed.load(std::memory_order_relaxed)) return;
    MainInput in = element.stored.input;
    for (std::size_t i = begin; i < end; ++i) {
      const long double q = flows[i];
      if (q == 0 && !element.calculatedAtZero) continue;  // no flow, no loss
      in.VolumeFlow = q;
      if (element.stored.branchRatio > 0) in.BranchFlow = q / element.stored.branchRatio;
      const hydraulics::ElementOutcome outcome = hydraulics::CalculateElement(in, element.stored.options);
      if (outcome.GasLimit || outcome.Error) {
        share.failedColumn = element.stored.column;
        share.failedPoint = static_cast<int>(i);
        share.failure = outcome.GasLimit ? CurveFailure::GasLimit : CurveFailure::CalculationError;
        int current = firstFailed.load(std::memory_order_relaxed);
        while (share.failedColumn < current &&
               !firstFailed.compare_exchange_weak(current, share.failedColumn, std::memory_order_relaxed)) {}
        return;
      }
      const long double loss = outcome.result.PressureLoss;
      sums[i] += psi ? loss / units::kPsiInBar : loss;
      if (element.hasRegime && q != 0) {
        share.reynoldsMin = std::min(share.reynoldsMin, outcome.result.Reynolds);
        share.reynoldsMax = std::max(share.reynoldsMax, outcome.result.Reynolds);
        (outcome.Laminar ? share.regimes[e].laminar : share.regimes[e].turbulent) = true;
      }
    }
  }
}

int ThreadCount(const CurveRequest& request, std::size_t elements, std::size_t points) {
  if (request.threads > 0) return std::min(request.threads, static_cast<int>(points));
  const long long work = static_cast<long long>(elements) * static_cast<long long>(points);
  return work >= kWorkForTwoThreads && std::thread::hardware_concurrency() >= 2 ? 2 : 1;
}

SystemCurve Failed(CurveFailure failure, int column = 0, long double flow = 0) {
  SystemCurve curve;
  curve.failure = failure;
  curve.failedColumn = column;
  curve.failedFlow = flow;
  return curve;
}

}  // namespace

int PointCount(int requested) { return requested < 2 ? 10 : requested; }

SystemCurve ComputeSystemCurve(const results::ResultsTable& table, const MainInput& operating,
                               const CurveRequest& request, const text::TextStore& texts) {
  if (!std::isfinite(request.from) || !std::isfinite(request.to) || request.from < 0 || !(request.to > request.from)) {
    return Failed(CurveFailure::EmptyRange);
  }
  if (table.ElementCount() == 0) return Failed(CurveFailure::NoElements);

  std::vector<Prepared> elements;
  for (int column = 1; column <= table.LastElementColumn(); ++column) {
    std::optional<StoredElement> stored = ReadStoredElement(table, column, texts, request.tableUs);
    if (!stored) return Failed(CurveFailure::UnreadableColumn, column);
    MainInput& in = stored->input;
    in.Density = operating.Density;
    in.Viscosity = operating.Viscosity;
    in.Gas = operating.Gas;
    in.InletPressure = operating.InletPressure;
    in.InletTemperature = operating.InletTemperature;
    in.OutletTemperature = operating.OutletTemperature;
    const hydraulics::ElementKindInfo* kind = hydraulics::FindElementKind(in.ElementGroup, in.ElementKind);
    Prepared element{*std::move(stored), kind != nullptr && kind->Main != hydraulics::MainSection::None,
                     CalculatedWithoutFlow(in.ElementGroup, in.ElementKind)};
    elements.push_back(std::move(element));
  }

  // The points lie evenly over the range in the chosen unit; the last one is `to` itself.
  const std::size_t n = static_cast<std::size_t>(PointCount(request.points));
  const units::Unit* unit = units::UnitAt(CurveFlowUnits(), request.flowUnit);
  const long double factor = unit != nullptr ? unit->factor : 1.0L;
  std::vector<long double> flows(n);      // in the unit
  std::vector<long double> flowsBase(n);  // m³/h
  for (std::size_t i = 0; i < n; ++i) {
    flows[i] = i + 1 == n ? request.to
                          : request.from + (request.to - request.from) * static_cast<long double>(i) /
                                               static_cast<long double>(n - 1);
    flowsBase[i] = flows[i] * factor;
  }

  // Each point is summed by one worker, always in column order: the sums do not depend on the
  // number of workers.
  std::vector<long double> sums(n, 0.0L);
  const int threads = ThreadCount(request, elements.size(), n);
  std::vector<Share> shares(static_cast<std::size_t>(threads));
  std::atomic<int> firstFailed{INT_MAX};
  {
    std::vector<std::thread> helpers;
    const auto bounds = [&](int t) { return n * static_cast<std::size_t>(t) / static_cast<std::size_t>(threads); };
    for (int t = 1; t < threads; ++t) {
      helpers.emplace_back(Work, std::cref(elements), std::cref(flowsBase), bounds(t), bounds(t + 1), request.psi,
                           std::ref(sums), std::ref(shares[static_cast<std::size_t>(t)]), std::ref(firstFailed));
    }
    Work(elements, flowsBase, 0, bounds(1), request.psi, sums, shares[0], firstFailed);
    for (std::thread& helper : helpers) helper.join();
  }

  // The failure met first when the columns are taken in order, each over all its points.
  const Share* failed = nullptr;
  for (const Share& share : shares) {
    if (share.failure == CurveFailure::None) continue;
    if (failed == nullptr || share.failedColumn < failed->failedColumn ||
        (share.failedColumn == failed->failedColumn && share.failedPoint < failed->failedPoint)) {
      failed = &share;
    }
  }
  if (failed != nullptr) {
    return Failed(failed->failure, failed->failedColumn, flows[static_cast<std::size_t>(failed->failedPoint)]);
  }

  SystemCurve curve;
  curve.points.resize(n);
  for (std::size_t i = 0; i < n; ++i) curve.points[i] = {flows[i], sums[i]};
  const auto [smallest, largest] = std::minmax_element(sums.begin(), sums.end());
  curve.smallestLoss = *smallest;
  curve.largestLoss = *largest;
  // A curve that stays at zero on either side: losses below zero are a gain (a height difference
  // downwards) and are a curve as well.
  if (std::max(std::fabs(curve.smallestLoss), std::fabs(curve.largestLoss)) < kZeroCurve) {
    return Failed(CurveFailure::ZeroCurve);
  }

  long double reMin = std::numeric_limits<long double>::infinity();
  long double reMax = -reMin;
  for (const Share& share : shares) {
    reMin = std::min(reMin, share.reynoldsMin);
    reMax = std::max(reMax, share.reynoldsMax);
  }
  if (reMin <= reMax) {
    curve.reynoldsMin = reMin;
    curve.reynoldsMax = reMax;
  }
  for (std::size_t e = 0; e < elements.size(); ++e) {
    Regimes seen;
    for (const Share& share : shares) {
      seen.laminar = seen.laminar || share.regimes[e].laminar;
      seen.turbulent = seen.turbulent || share.regimes[e].turbulent;
    }
    curve.regimeChange = curve.regimeChange || (seen.laminar && seen.turbulent);
  }
  return curve;
}

}  // namespace velmora::curve
