#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "text/Edition.h"

namespace velmora::parts {

// The key slot of the standard-part table files.
inline constexpr int kPartsKeySlot = 3;

// A standard-part table file (rohre.nfk, rechteck.nfk, ...) as read: every line unscrambled on its
// own. A line that cannot be unscrambled reads as empty and is remembered, so that one damaged line
// costs only its own values.
struct CatalogueFile {
  std::string name;                // the bare file name, for messages
  std::vector<std::string> lines;  // line n (from 1) at index n - 1
  bool missing = false;            // the file could not be read at all
  std::vector<int> damagedLines;   // numbers (from 1) of the lines that could not be unscrambled

  // Line n (from 1); empty outside the file.
  std::string_view Line(int n) const;
  // The lines first … last (from 1) that hold anything but blanks and tabs, in order.
  std::vector<std::string> DataLines(int first, int last) const;
};

// Reads a table file of the program folder. With `decimalPoint` (the English edition) every ","
// becomes "."; the other editions read both separators.
CatalogueFile LoadCatalogueFile(const std::filesystem::path& folder, std::string_view name, bool decimalPoint);

// The same from the file's content (a file already in memory).
CatalogueFile ReadCatalogueContent(std::string_view content, std::string name, bool decimalPoint);

// Whether the edition reads its table files with decimal points.
constexpr bool UsesDecimalPoint(text::Edition edition) { return edition == 'E'; }

}  // namespace velmora::parts
