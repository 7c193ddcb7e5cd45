#pragma once

#include <string>
#include <vector>

#include "mainform/MainForm.h"
#include "results/ColumnValues.h"
#include "results/DisplayOptions.h"
#include "results/ResultColumn.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::catalogue {
struct ElementLayout;
enum class SlotUnit;
}  // namespace velmora::catalogue

namespace velmora::results {

// Whether (group, kind) is one of the 65 elements of the catalogue.
bool KnownElement(int group, int kind);

// Writes the column of one calculated element: `form` gives the texts the user typed and chose,
// `values` the numbers in display units, `laminar` the regime the element was calculated in,
// `number` its running number.
ResultColumn BuildColumn(const mainform::MainForm& form, const ColumnValues& values, bool laminar, int number,
                         const text::TextStore& texts, const DisplayOptions& options);

// Builds the column of a calculated element and writes it into the table's empty last column
// (which then gets its running number). Returns the column's index.
int AppendColumn(ResultsTable& table, const mainform::MainForm& form, const ColumnValues& values, bool laminar,
                 const text::TextStore& texts, const DisplayOptions& options);

// The texts of rows 7 … 13 (element name with a count of 1, inputs, option) of every element of
// the catalogue, both options of a choice, with each input at `value` shown with `decimals`
// decimals, in metric and in US units: the usual content the element columns are made wide for.
std::vector<std::string> CatalogueColumnTexts(long double value, int decimals, const text::TextStore& texts);

// The unit under which the table shows a dimension slot: "mm"/"in.", "m"/"ft.", "m²"/"sq.yd.",
// the degree word, "%", the pieces unit; empty for a slot without a unit.
std::string SlotUnitText(catalogue::SlotUnit unit, bool us, const text::TextStore& texts);

// The text of the two-way option `option` of an element (prefix and global text), and the caption
// of its choice ("<text>: "), empty when the element has none.
std::string OptionText(const catalogue::ElementLayout& layout, int option, const text::TextStore& texts);
std::string ChoiceCaption(const catalogue::ElementLayout& layout, const text::TextStore& texts);

}  // namespace velmora::results
