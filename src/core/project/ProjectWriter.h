#pragma once

#include <string>
#include <vector>

#include "project/ProjectAppearance.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::project {

// The lines of a project file in the current format "6.0": the header (title, units, page setup,
// grid look; widths of columns 0 … N taken from the appearance, a missing width written as the
// default), then every element column as 26 lines, translated into the stored language unless the
// edition is German. A cell with gas data is written as seven tab-separated fields (the text, then
// inlet pressure, inlet temperature, outlet temperature and their three unit texts). Line breaks in
// any text, and tabs in cell texts, are written as blanks so that the layout cannot shift.
std::vector<std::string> WriteProjectLines(const results::ResultsTable& table, const ProjectAppearance& appearance,
                                           const text::TextStore& texts);

}  // namespace velmora::project
