// Pump curve points as they are pasted from a spreadsheet or the clipboard, or given to
// velmora-calc curve --pump: read, fitted and met with a system curve. A point that is not two
// numbers is named by its line; nothing may crash or give a figure that is not finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "curve/PumpCurve.h"

namespace {

using namespace velmora::curve;

void Fit(const PumpPoints& read) {
  if (read.problem != PumpProblem::None) return;
  for (const HeadUnit unit : {HeadUnit::Metre, HeadUnit::AxisUnit}) {
    const PumpFit fit = FitPumpCurve(read.points, unit, LossUnit{});
    if (!fit.curve) continue;
    const PumpCurve& pump = *fit.curve;
    SystemCurve system;
    for (const long double flow : {pump.lowest, (pump.lowest + pump.highest) / 2, pump.highest}) {
      system.points.push_back({flow, std::fabs(pump.At(flow)) * flow / (pump.highest + 1)});
    }
    if (const auto met = FindOperatingPoint(system, pump, LossUnit{}); met && !std::isfinite(met->head)) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const bool heading : {true, false}) {
    const PumpPoints read = ParsePumpLines(text, heading);
    if (read.problem == PumpProblem::NotANumber && read.line <= 0) std::abort();
    for (const PumpPoint& point : read.points) {
      if (!std::isfinite(point.flow) || !std::isfinite(point.head)) std::abort();
    }
    Fit(read);
  }
  Fit(ParsePumpPairs(text));
  return 0;
}
