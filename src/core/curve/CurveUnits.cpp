#include "curve/CurveUnits.h"

#include <array>
#include <cstddef>
#include <string>

namespace velmora::curve {
namespace {

constexpr std::size_t kCount = 13;

// The volume-flow list of the main window, the standard cubic metres left out.
std::array<units::Unit, kCount> Collect() {
  std::array<units::Unit, kCount> list{};
  std::size_t n = 0;
  for (const units::Unit& unit : units::FlowUnits(0)) {
    if (!unit.standard && n < kCount) list[n++] = unit;
  }
  return list;
}

}  // namespace

std::span<const units::Unit> CurveFlowUnits() {
  static const std::array<units::Unit, kCount> list = Collect();
  return list;
}

int FindCurveFlowUnit(std::string_view name) {
  std::string spelled(name);
  if (spelled.starts_with("m3/")) spelled = "m³/" + spelled.substr(3);
  const auto list = CurveFlowUnits();
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].name == spelled) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace velmora::curve
