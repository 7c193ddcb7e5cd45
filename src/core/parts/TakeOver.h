#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "mainform/MainForm.h"

// What a standard-parts catalogue hands over and where each value goes in the window that asked
// for it: the main window, the column dialog or the table dialog of the table change.
namespace velmora::parts {

enum class PartKind { Pipe, Rectangle, Bend, Reducer, Tee };

struct PartTakeOver {
  PartKind part = PartKind::Pipe;
  std::string description;              // the standard's name
  int group = 1;                        // the element the values describe (circular pipe, rectangular pipe,
  int kind = 1;                         // circular bend, gradual contraction or expansion, dividing or combining tee)
  std::vector<std::string> dimensions;  // in the element's input order
  bool inches = false;                  // the lengths are in inches (US display), else in mm
};

enum class TakeOverTarget {
  MainWindow,    // the element inputs: the element is chosen, then its dimensions written
  ColumnDialog,  // TSpalteAendernDlg: its description and element lines
  TableDialog,   // TTabelleAendern: its diameter (pipes) or width and height (rectangular pipes)
  PumpSuction,   // TPSchnellAuslegung, suction page: the inner diameter of a pipe
  PumpPressure,  // TPSchnellAuslegung, pressure page: the inner diameter of a pipe
};

// One write into a control, named as the window names it.
struct TextWrite {
  std::string control;
  std::string text;
  bool onlyIfEmpty = false;  // the description only fills an empty edit
  bool operator==(const TextWrite&) const = default;
};
struct UnitWrite {
  std::string control;
  int entry = 0;  // 0 "mm", 1 "in."
  bool operator==(const UnitWrite&) const = default;
};

struct TakeOverWrites {
  std::optional<std::pair<int, int>> element;  // the element to choose first (main window)
  std::vector<TextWrite> texts;
  std::vector<UnitWrite> units;
};

// The take-over of every catalogue into every window that can ask for it: which element is chosen
// and which edit and unit list gets which value. Nothing is written into a window the catalogue entry
// cannot fill (a bend into the table dialog).
TakeOverWrites WritesFor(const PartTakeOver& takeOver, TakeOverTarget target);

// The writes into the main window's inputs (after the element was chosen and its panel built).
void ApplyWrites(const TakeOverWrites& writes, mainform::MainForm& form);

// The catalogue the column dialog's pipe-information button opens for a column's element: the
// reducers for the gradual expansion and contraction, the bends for the circular bend, the tees for
// the dividing and combining branch pieces, the rectangular pipes for the elements measured by width
// and height, the circular pipes for the others. Nothing for the elements whose first input is no
// diameter (the duct of another shape and the height difference).
std::optional<PartKind> CatalogueFor(int group, int kind);

// The choice of the reducer or tee catalogue that fits an element: 1 for the expansion (3/2) and the
// combining flow (5/6), else 0.
int ChoiceFor(int group, int kind);

}  // namespace velmora::parts
