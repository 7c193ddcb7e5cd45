#pragma once

#include <optional>
#include <string>
#include <vector>

#include "mainform/MainForm.h"
#include "results/ResultsTable.h"
#include "tablechange/DimensionClass.h"
#include "tablechange/Medium.h"
#include "tablechange/Recalculation.h"
#include "text/Message.h"
#include "text/TextStore.h"

// Changing the whole table or a range of it: a new medium and/or new pipe dimensions, every
// changed column recalculated. All or nothing: either every column the change touches is
// recalculated, or the table stays exactly as it was and the first column that failed is named.
namespace velmora::tablechange {

// A checked table change.
struct TableChange {
  std::optional<Medium> medium;
  std::optional<Length> diameter;  // circular elements: input 1
  std::optional<Length> width;     // rectangular elements: input 1 …
  std::optional<Length> height;    // … and input 2, always given with the width
  int first = 1;                   // element columns first … last (last 0: to the last one)
  int last = 0;
};

// Whether the change recalculates an element of this class: every recalculable element for a new
// medium, circular ones for a new diameter, rectangular ones for a new width and height. Others
// stay untouched, to the last digit.
bool Touches(const TableChange& change, DimensionClass cls);

// Writes the change into the inputs of one column. The circular bend 4/1 keeps its ratio of bend
// radius to diameter: its radius becomes R/D·D_new with `decimals` decimals, in the unit of the new
// diameter.
void ApplyChange(const TableChange& change, DimensionClass cls, mainform::MainForm& form, int decimals,
                 text::Edition edition);

struct ColumnFailure {
  int column = 0;
  text::Messages messages;  // why, as ColumnResult::failure
};

struct ColumnNote {
  int column = 0;
  text::Message note;
};

struct TableChangeOutcome {
  std::optional<ColumnFailure> failure;  // set: the table is exactly as it was
  std::vector<ColumnNote> notes;         // notes of the recalculated columns, in column order
  int recalculated = 0;
};

// Recalculates every column of the change's range that it touches, on copies; the columns take
// their places in the table only when all of them were recalculated.
TableChangeOutcome ChangeTable(results::ResultsTable& table, const TableChange& change,
                               const ColumnCalculator& calculator);

// Recalculates every element column with its own inputs, column by column: a column that cannot be
// recalculated (the branch pieces 5/5 and 5/6, an unknown element, refused inputs, the gas limit, a
// calculation error) keeps its stored texts and is listed with the reason, and the others go on.
std::vector<ColumnFailure> RecalculateTable(results::ResultsTable& table, const ColumnCalculator& calculator);

// What the table dialog asks for, as its controls hold it.
struct TableChangeRequest {
  bool wholeTable = true;  // RadioGroup1: the whole table, or the range from … to
  int from = 1;
  int to = 1;
  bool changeMedium = false;    // CheckBox2
  bool changeCircular = false;  // CheckBox3 with Edit4, ComboBox2
  std::string diameter;
  int diameterUnit = 0;
  bool changeRectangular = false;  // CheckBox4 with Edit5, ComboBox3 and Edit6, ComboBox4
  std::string width;
  int widthUnit = 0;
  std::string height;
  int heightUnit = 0;
};

struct RequestCheck {
  std::optional<TableChange> change;  // nothing: nothing ticked, or refused
  text::Messages messages;            // why refused
  bool closeDialog = false;           // the main window's medium could not be read: the dialog closes
};

// Checks a request before anything changes: nothing happens unless the medium, the circular or
// the rectangular elements are ticked. The main window's flow, density and viscosity must read as
// numbers (else the dialog closes); a ticked D, B and H must read as numbers above 0 (the dialog
// stays, the focus on the field); a new liquid medium must not be given in standard cubic metres.
RequestCheck CheckTableChange(const TableChangeRequest& request, const mainform::MainForm& mainWindow,
                              const text::TextStore& texts, int elementCount);

}  // namespace velmora::tablechange
