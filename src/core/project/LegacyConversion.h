#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "results/ResultColumn.h"
#include "text/TextStore.h"

// The mending of older project files: names that changed since, and the versions 4 and 5 that
// stored the texts of their own edition instead of German.
namespace velmora::project::legacy {

// Names changed since the older formats, in every line of such a file: "kreisförmig" and
// "rechteckig" became "Kreisrohr" and "Rechteckrohr" (except in the mitre elbows, "Kniestück"),
// the orifice standard DIN 1952 became ISO 5167, and the known-ζ element got its shape.
void MendOlderLines(std::vector<std::string>& lines);

// The notice a format "1" file with branch pieces gets once; its wording is fixed, in German.
inline constexpr std::string_view kBranchNotice =
    "Ihre Projekt-Datei enthält ein oder mehrere Elemente des Typs \"Abzweigstücke\". In der neuen "
    "Programmversion wird die Berechnung dieser Teile in anderer Form durchgeführt. Bitte berechnen Sie "
    "diese Teile neu!";

// Whether any element is a branch piece of format "1": row 7 with the 10 characters from its first
// "/" removed reads "Abzweigstück Stromtrennung" or "Abzweigstück Stromvereinigung".
bool HasBranchPieces(const std::vector<results::ResultColumn>& columns);

// A version-4 file of the English edition: a decimal point in row 24 or 25 of its first column.
bool IsEnglishVersion4(const std::vector<results::ResultColumn>& columns);

// Converts the columns of a version-4 English file into the stored form: the old spellings, the
// phase words, the option texts of the valve and pipe surface that are gone, decimal commas, and
// the kind names and dimension texts translated from English.
void ConvertVersion4English(std::vector<results::ResultColumn>& columns, const text::TextStore& texts);

// The same for a "5.0F" file of the French edition of version 5: the French phase words, kind
// names, dimension texts and in-word, and the laminar word; French numbers already hold commas.
void ConvertVersion5French(std::vector<results::ResultColumn>& columns, const text::TextStore& texts);

}  // namespace velmora::project::legacy
