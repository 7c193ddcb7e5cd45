#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "results/ResultsTable.h"
#include "results/Totals.h"
#include "text/TextStore.h"

// The short display: one line per element of the results table with its number, kind and count,
// description and pressure loss, and the totals. It mirrors the table and is printed as it is.
namespace velmora::printing {

// The form-text block of the short display window.
inline constexpr std::string_view kShortDisplayBlock = "KurzAnzeige";

// The list's columns.
enum ShortDisplayColumn : int { kNumberColumn = 0, kKindColumn = 1, kDescriptionColumn = 2, kLossColumn = 3 };
using ShortDisplayLine = std::array<std::string, 4>;

struct ShortDisplayList {
  ShortDisplayLine header;  // number word, kind word "/" count word, description word, "dp/bar" (US "dp/psi")
  std::vector<ShortDisplayLine> lines;  // line k − 1 for element column k: k, row 7, row 6, row 25
  std::string totals;                   // the two status-bar texts joined by a blank
};

ShortDisplayList MakeShortDisplayList(const results::ResultsTable& table, const results::StatusTexts& status, bool us,
                                      const text::TextStore& texts);

}  // namespace velmora::printing
