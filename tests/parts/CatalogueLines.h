#pragma once

#include <string>
#include <vector>

#include "parts/CatalogueFile.h"

namespace velmora::parts::testing {

// A table file in memory: the plain lines (line 1 first) scrambled as the build writes them.
CatalogueFile FileOf(const std::vector<std::string>& lines, bool decimalPoint = false);

// The same with `table` placed from line `first` on and empty lines before it.
CatalogueFile FileWithTableAt(int first, const std::vector<std::string>& table, bool decimalPoint = false);

}  // namespace velmora::parts::testing
