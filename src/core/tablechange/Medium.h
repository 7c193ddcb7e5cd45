#pragma once

#include <string>

#include "mainform/MainForm.h"

namespace velmora::tablechange {

// The medium of a calculation as the main window holds it: description, flow kind, flow and unit,
// density and unit, viscosity kind, viscosity and unit, phase. The table change gives every column
// the main window's medium as it stood when the change started; the column dialog edits its own.
struct Medium {
  std::string medium;
  int flowKind = 0;
  std::string flow;
  int flowUnit = 0;
  std::string density;
  int densityUnit = 0;
  int viscosityKind = 0;
  std::string viscosity;
  int viscosityUnit = 0;
  bool gas = false;

  static Medium Of(const mainform::MainForm& form);
  void WriteInto(mainform::MainForm& form) const;

  bool operator==(const Medium&) const = default;
};

// A length as typed, with its entry of the list "mm", "in.".
struct Length {
  std::string text;
  int unit = 0;
};

}  // namespace velmora::tablechange
