#pragma once

#include <array>
#include <optional>
#include <string>

#include "results/DisplayOptions.h"
#include "results/ResultsTable.h"
#include "tablechange/Medium.h"
#include "tablechange/Recalculation.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The column dialog's fields: loaded from an element column, checked, and written into a copy of
// the column's inputs to recalculate it in place.
namespace velmora::tablechange {

// One labelled line of the dialog ("Element 1:" … "Element 5:", the roughness).
struct InputLine {
  bool shown = false;
  std::string label;
  std::string value;

  bool operator==(const InputLine&) const = default;
};

struct ColumnFields {
  int group = 0;  // the column's element (0: none of the catalogue)
  int kind = 0;
  Medium medium;
  // Gas data. A unit of nothing leaves the dialog's list as it is: the column names a unit the list
  // does not offer.
  std::string inletPressure;
  std::optional<int> inletPressureUnit;
  std::string inletTemperature;
  std::optional<int> inletTemperatureUnit;
  std::string outletTemperature;
  std::optional<int> outletTemperatureUnit;
  std::string description;  // Edit6
  std::string element;      // Label12: the element word, ": " and the kind name
  std::string count;        // Edit11
  std::array<InputLine, 5> inputs;
  InputLine roughness;
  // The pressure losses the column shows (rows 24 and 25) with their row titles.
  InputLine lossSmall;
  InputLine lossLarge;
};

// The fields of element column `column` as the dialog loads them: the medium before the "/" of row
// 1 and a gas when the word after it is the gas word; volume flow, density and dynamic viscosity in
// the table's units (m³/h, kg/m³, 10-6 kg/ms; US gal/min, lb./cu.ft., cP); the gas data of the
// column (none: emptied, first units); description, element and count; rows 8 … 12 as the lines
// "label: value" (an empty row, and in rows 11 and 12 a single blank, hides its line); the
// roughness of row 19 under the title of row 19, hidden when empty.
ColumnFields LoadColumnFields(const results::ResultsTable& table, int column, const text::TextStore& texts,
                              const results::DisplayOptions& options);

// The dialog's own checks before anything is calculated, with its captions and fields: every shown
// number must read, a liquid must not flow in standard cubic metres, a gas needs its three gas
// fields filled. Empty when the fields pass.
text::Messages CheckColumnFields(const ColumnFields& fields, const text::TextStore& texts);

// Recalculates element column `column` with the dialog's fields: the column's inputs, then the
// dialog's medium, gas data (for a gas), count, description, input 1, the inputs 2 … 5 the element
// shows and its roughness where it has one. The branch pieces 5/5 and 5/6 keep the share of the
// flow that takes the branch. Failure messages name the dialog's fields.
ColumnResult RecalculateColumn(const results::ResultsTable& table, int column, const ColumnFields& fields,
                               const ColumnCalculator& calculator);

}  // namespace velmora::tablechange
