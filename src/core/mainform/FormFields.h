#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "mainform/MainForm.h"

namespace velmora::mainform {

// The settings sections that keep the main window's inputs.
inline constexpr const char* kMediumSection = "Medium";
inline constexpr const char* kGasDataSection = "Gasdaten";
inline constexpr const char* kPipeSection = "Rohr";

// How a field of the main window is held.
enum class FieldKind {
  Element,  // the element's group or kind: no control of its own, kept by the settings
  Text,     // the text of an edit
  Index,    // the selected entry of a list (−1: none)
  Option,   // which of two radio buttons is checked: 1 for `control`, 0 for `partner`
  Flag,     // true when radio button `control` is checked, false when `partner` is
};

// One input of the main window: its control, where the settings keep it, and its place in the
// MainForm. Exactly one of the accessors fits the kind.
struct FormField {
  FieldKind kind;
  const char* control;  // objectName; nullptr for the element
  const char* partner;  // the other radio button of an Option or a Flag
  const char* section;  // settings section; nullptr for inputs the settings do not keep
  const char* key;      // settings value name (the stored format: these names never change)
  std::string& (*text)(MainForm&) = nullptr;
  int& (*number)(MainForm&) = nullptr;  // Element, Index, Option
  bool& (*flag)(MainForm&) = nullptr;
  // Index: how many entries the list has for this form (lists that depend on a kind are read
  // after it); nullptr when any index may stand, as for the element panel's lists, which change
  // with the element and keep no selection where the entry is missing.
  std::size_t (*entries)(const MainForm&) = nullptr;
};

// Every input of the main window, once: the settings sections in their stored order ("Medium",
// "Gasdaten", "Rohr", each in its value order), then the inputs the settings do not keep. A list's
// kind comes before the list, so that the list can be rebuilt before its entry is chosen.
std::span<const FormField> FormFields();

}  // namespace velmora::mainform
