#include "tablechange/DimensionClass.h"

#include <array>

namespace velmora::tablechange {
namespace {

constexpr DimensionClass C = DimensionClass::Circular;
constexpr DimensionClass R = DimensionClass::Rectangular;
constexpr DimensionClass O = DimensionClass::Other;
constexpr DimensionClass N = DimensionClass::NotRecalculable;

// By group (rows 1 … 13) and kind (columns 1 … 9); kinds a group does not have are Other.
constexpr std::array<std::array<DimensionClass, 9>, 13> kClasses = {{
    {C, R, O, R, C, O, O, O, O},  // straight ducts: 1/1, 1/5 circular; 1/2, 1/4 rectangular
    {C, C, C, C, O, O, O, O, O},  // inlets
    {O, O, O, O, O, O, O, O, O},  // cross-section changes: two sizes
    {C, C, C, R, C, R, O, O, O},  // bends: 4/4, 4/6 rectangular
    {C, C, C, C, N, N, C, C, O},  // branches: 5/5, 5/6 keep their branch flow
    {C, C, C, O, O, O, O, O, O},  // expansion joints
    {C, C, C, O, C, C, O, O, O},  // valves: the gate valve 7/4 keeps its opening
    {C, C, C, O, O, O, O, O, O},  // check valves
    {O, O, O, O, O, O, O, O, O},  // throttling devices: pipe and bore
    {C, R, C, R, O, O, O, O, O},  // perforated plates
    {C, R, C, R, C, R, C, C, C},  // screens and strainers
    {C, R, O, O, O, O, O, O, O},  // known coefficients
    {O, O, O, O, O, O, O, O, O},  // reversible changes
}};

}  // namespace

DimensionClass ClassOf(int group, int kind) {
  if (group < 1 || group > 13 || kind < 1 || kind > 9) return DimensionClass::Other;
  return kClasses[static_cast<std::size_t>(group - 1)][static_cast<std::size_t>(kind - 1)];
}

}  // namespace velmora::tablechange
