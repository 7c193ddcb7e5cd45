#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "text/Edition.h"
#include "units/UnitLists.h"

namespace velmora::catalogue {

// What stands beside a dimension edit: a unit list or a fixed unit label (or nothing).
enum class SlotUnit {
  Hidden,    // the slot is not used by the element
  MmList,    // "mm", "in." -> mm
  MList,     // "m", "ft." -> m
  AreaList,  // "m²", "sq.yd." -> m²
  Degree,    // fixed: the degree word
  Percent,   // fixed: "%"
  Pieces,    // fixed: the unit of a count of corrugations
  None,      // fixed: no unit
};

// How a slot's edit is filled when the element is chosen.
enum class SlotDefault {
  Keep,       // keep the text (slots 1 and 2 fall back to "100" when it is empty)
  Text,       // the given default; a decimal comma becomes a point in the English edition
  CopySlot1,  // the current text of slot 1 (second section of 13/3)
  CopySlot2,
};

struct SlotLayout {
  SlotUnit unit = SlotUnit::Hidden;
  int labelText = 0;        // global text number of the label
  std::string_view symbol;  // follows the label: " D:", ":" ...
  SlotDefault fill = SlotDefault::Keep;
  std::string_view defaultText;  // with SlotDefault::Text, written with a comma
};

enum class ElementExtra { None, Choice, BranchFlow };

// One option of the two-way choice: a global text, optionally after a fixed prefix ("30 ").
struct ChoiceOption {
  std::string_view prefix;
  int text = 0;
};

struct ElementLayout {
  int group = 0;
  int kind = 0;
  std::string_view button;  // selection button of the element dialog
  std::string_view hint;    // its German designer hint
  int picture = 0;          // picture file number + ".bmp"
  std::array<SlotLayout, 5> slotLayouts;
  bool roughness = false;
  ElementExtra extra = ElementExtra::None;
  int choiceCaption = 0;  // global text; 0 for none
  std::array<ChoiceOption, 2> options{};

  bool UsesSlot(int index) const { return slotLayouts[static_cast<std::size_t>(index)].unit != SlotUnit::Hidden; }
};

// All 65 elements in catalogue order (group 1..13, kind ascending).
std::span<const ElementLayout> ElementLayouts();

// The layout of (group, kind), or nullptr when no such element exists.
const ElementLayout* FindLayout(int group, int kind);

// The unit list of a slot, empty for fixed units.
std::span<const units::Unit> SlotUnits(SlotUnit unit);

// The default text of a slot in the edition (decimal point in 'E').
std::string DefaultText(const SlotLayout& slot, text::Edition edition);

}  // namespace velmora::catalogue
