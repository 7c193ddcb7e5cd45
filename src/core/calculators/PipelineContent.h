#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "results/ResultsTable.h"
#include "text/TextStore.h"

// The content of the straight pipes of the results table and the time to fill them (TInhaltDlg).
namespace velmora::calculators {

inline constexpr std::string_view kContentBlock = "InhaltDlg";

// The content (m³) of the straight pipes in the element columns `from` … `to` (swapped when
// reversed, limited to the element columns), each times its count; the other elements count
// nothing. Circular pipe π/4·d²·L, rectangular pipe and duct a·b·L, annulus π/4·(D² − d²)·L,
// corrugated pipe π/4·D²·L with its length in row 11, pipe of other shape A·L. A US table's inches,
// feet and square yards are converted first.
long double PipelineContent(const results::ResultsTable& table, int from, int to, const text::TextStore& texts,
                            bool us);

// "50,00 l" below 0.1 m³, else "1,25 m³"; US "1,77 ft³".
std::string ContentText(long double cubicMetres, bool us, text::Edition edition);

// The filling time V/Q: hours from 1 h on, minutes from 1 min, else seconds (two decimals); nothing
// for a flow of 0 or less.
std::optional<std::string> FillingTimeText(long double cubicMetres, long double flow, text::Edition edition);

}  // namespace velmora::calculators
