#pragma once

#include <string>
#include <string_view>

#include "text/TextStore.h"

// The language texts the results table is written with.
namespace velmora::results {

// The form-text block of the results window.
inline constexpr std::string_view kWindowBlock = "Ausgabe_Fenster";

// Global texts used in the cells and labels.
namespace global_text {
inline constexpr int LiquidWord = 53;  // phase of a liquid, after the medium ("flü.")
inline constexpr int GasWord = 63;     // phase of a gas ("gasf.")
inline constexpr int DegreeWord = 70;  // unit of angles
inline constexpr int InWord = 74;      // "in" between a quantity and its unit
inline constexpr int LaminarWord = 88;
inline constexpr int PiecesUnit = 140;  // unit of a count of corrugations
inline constexpr int TurbulentWord = 142;
}  // namespace global_text

// A text of the results window's block by its key ("wFlow", "TotalLabel", ...).
inline const std::string& WindowText(const text::TextStore& texts, std::string_view key) {
  return texts.FormText(kWindowBlock, key);
}

}  // namespace velmora::results
