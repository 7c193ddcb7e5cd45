#pragma once

#include "results/ResultColumn.h"
#include "text/TextStore.h"

namespace velmora::results {

// The texts of the title column (column 0) in metric or US display units.
ColumnTexts RowLabels(const text::TextStore& texts, bool us);

}  // namespace velmora::results
