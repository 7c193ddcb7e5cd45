#include "hydraulics/ElementKinds.h"

#include <array>

namespace velmora::hydraulics {

namespace {

using M = MainSection;
using S = SecondSection;
constexpr bool W = true;   // laminar warning
constexpr bool R2 = true;  // regime by Re₂

constexpr ElementKindInfo kKinds[] = {
    // group 1: straight ducts
    {1, 1, M::Circular, S::None, 0, false, false},
    {1, 2, M::Rectangular, S::None, 0, false, false},
    {1, 3, M::Annular, S::None, 0, false, false},
    {1, 4, M::Rectangular, S::None, 0, false, false},
    {1, 5, M::Circular, S::None, 0, false, false},
    {1, 6, M::FreeShape, S::None, 0, false, false},
    // group 2: inlets
    {2, 1, M::Circular, S::None, 0, false, false},
    {2, 2, M::Circular, S::None, 0, false, false},
    {2, 3, M::Circular, S::None, 0, false, false},
    {2, 4, M::Circular, S::None, 0, false, false},
    // group 3: cross-section changes
    {3, 1, M::Circular, S::Circular, 0, false, false},
    {3, 2, M::Circular, S::Circular, 0, false, false},
    {3, 3, M::Circular, S::Circular, 0, R2, false},
    {3, 4, M::Circular, S::Circular, 0, R2, false},
    // group 4: bends and elbows
    {4, 1, M::Circular, S::None, 0, false, false},
    {4, 2, M::Circular, S::None, 0, false, W},
    {4, 3, M::Circular, S::None, 0, false, W},
    {4, 4, M::Rectangular, S::None, 0, false, false},
    {4, 5, M::Circular, S::None, 0, false, false},
    {4, 6, M::Rectangular, S::None, 0, false, false},
    // group 5: branches
    {5, 1, M::Circular, S::CircularHalfFlow, 0, false, W},
    {5, 2, M::Circular, S::None, 0, false, W},
    {5, 3, M::Circular, S::None, 0, false, W},
    {5, 4, M::Circular, S::None, 0, false, W},
    {5, 5, M::Circular, S::CircularBranchFlow, 0, false, false},
    {5, 6, M::Circular, S::CircularBranchFlow, 0, false, false},
    {5, 7, M::Circular, S::None, 0, false, W},
    {5, 8, M::Circular, S::None, 0, false, W},
    // group 6: compensators
    {6, 1, M::Circular, S::None, 0, false, W},
    {6, 2, M::Circular, S::None, 0, false, W},
    {6, 3, M::Circular, S::None, 0, false, W},
    // group 7: shut-off and control valves
    {7, 1, M::Circular, S::None, 0, false, false},
    {7, 2, M::Circular, S::None, 0, false, false},
    {7, 3, M::Circular, S::None, 0, false, W},
    {7, 4, M::Circular, S::None, 0, false, W},
    {7, 5, M::Circular, S::None, 0, false, W},
    {7, 6, M::Circular, S::None, 0, false, W},
    // group 8: check valves
    {8, 1, M::Circular, S::None, 0, false, false},
    {8, 2, M::Circular, S::None, 0, false, W},
    {8, 3, M::Circular, S::None, 0, false, false},
    // group 9: throttling devices
    {9, 1, M::Circular, S::Bore, 0, false, W},
    {9, 2, M::Circular, S::Bore, 0, false, W},
    {9, 3, M::Circular, S::Bore, 0, false, W},
    {9, 4, M::Circular, S::Bore, 0, false, false},
    {9, 5, M::Circular, S::Bore, 0, false, W},
    {9, 6, M::Circular, S::Bore, 0, false, W},
    {9, 7, M::Circular, S::Bore, 0, false, W},
    // group 10: perforated plates
    {10, 1, M::Circular, S::Openings, 2, false, false},
    {10, 2, M::Rectangular, S::Openings, 3, false, false},
    {10, 3, M::Circular, S::Openings, 4, false, false},
    {10, 4, M::Rectangular, S::Openings, 5, false, false},
    // group 11: screens and strainers
    {11, 1, M::Circular, S::Openings, 2, false, false},
    {11, 2, M::Rectangular, S::Openings, 3, false, false},
    {11, 3, M::Circular, S::Openings, 2, false, false},
    {11, 4, M::Rectangular, S::Openings, 3, false, false},
    {11, 5, M::Circular, S::Openings, 2, false, W},
    {11, 6, M::Rectangular, S::Openings, 3, false, W},
    {11, 7, M::Circular, S::None, 0, false, W},
    {11, 8, M::Circular, S::None, 0, false, W},
    {11, 9, M::Circular, S::None, 0, false, W},
    // group 12: known resistance coefficient
    {12, 1, M::Circular, S::None, 0, false, false},
    {12, 2, M::Rectangular, S::None, 0, false, false},
    // group 13: reversible pressure changes
    {13, 1, M::None, S::None, 0, false, false},
    {13, 2, M::Circular, S::Circular, 0, false, false},
    {13, 3, M::Rectangular, S::Rectangular, 0, false, false},
};
static_assert(std::size(kKinds) == ElementKindCount);

// Position in kKinds of every (group, kind), −1 where the catalogue has none.
constexpr std::array<std::array<signed char, 10>, 14> kIndex = [] {
  std::array<std::array<signed char, 10>, 14> index{};
  for (auto& row : index) row.fill(-1);
  for (std::size_t i = 0; i < std::size(kKinds); ++i) {
    index[static_cast<std::size_t>(kKinds[i].Group)][static_cast<std::size_t>(kKinds[i].Kind)] =
        static_cast<signed char>(i);
  }
  return index;
}();

}  // namespace

std::span<const ElementKindInfo> ElementKinds() { return kKinds; }

const ElementKindInfo* FindElementKind(int group, int kind) {
  if (group < 1 || group > 13 || kind < 1 || kind > 9) return nullptr;
  const int i = kIndex[static_cast<std::size_t>(group)][static_cast<std::size_t>(kind)];
  return i < 0 ? nullptr : &kKinds[i];
}

}  // namespace velmora::hydraulics
