#pragma once

#include <span>

// The 65 element kinds (group 1 … 13, kind 1 … 9) and what their calculation is built on.
namespace velmora::hydraulics {

// The cross-section the element velocity v, dh and Re are formed on.
enum class MainSection {
  None,         // 13/1: no flow quantities (Re = 0)
  Circular,     // circular(Input1), dh = Input1
  Rectangular,  // rect(Input1, Input2), dh = 2ab/(a + b)
  Annular,      // annulus(D = Input1, d = Input2), dh = D − d
  FreeShape,    // area Input1 (m²), wetted perimeter Input2 (m)
};

// The second velocity v₂ and its Reynolds number Re₂.
enum class SecondSection {
  None,
  Circular,            // circular(Input2), Re₂ = v₂·ρ·Input2·1000/η (3/x, 13/2)
  CircularHalfFlow,    // Q/2 in circular(Input2), Re₂ as above (5/1)
  CircularBranchFlow,  // the branch flow Q₂ in circular(Input2), Re₂ as above (5/5, 5/6)
  Bore,                // circular(Input2), Re₂ = Re·Input1/Input2 (9/x)
  Openings,            // v·100/percentage of the free area, no Re₂ (10/x, 11/1 … 11/6)
  Rectangular,         // rect(Input3, Input4), Re₂ with its own hydraulic diameter (13/3)
};

struct ElementKindInfo {
  int Group;
  int Kind;
  MainSection Main;
  SecondSection Second;
  int OpeningSlot;             // the slot holding the free-area percentage (Openings only), else 0
  bool RegimeBySecondSection;  // the law is chosen by Re₂ of the narrow section (3/3, 3/4)
  bool LaminarWarning;         // no laminar law of its own: warn, then use the turbulent law
};

inline constexpr int ElementKindCount = 65;

// All kinds in catalogue order (1/1 … 13/3).
std::span<const ElementKindInfo> ElementKinds();

// The kind (group, kind), or nullptr when the catalogue has no such element.
const ElementKindInfo* FindElementKind(int group, int kind);

}  // namespace velmora::hydraulics
