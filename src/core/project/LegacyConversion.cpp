#include "project/LegacyConversion.h"

#include "project/StoredLanguage.h"
#include "project/TextEdits.h"

namespace velmora::project::legacy {
namespace {

namespace row = results::row;
using edits::ReplaceAll;

struct Replacement {
  std::string_view from;
  std::string_view to;
};

constexpr Replacement kRenamedEverywhere[] = {
    {"Orifice DIN 1952", "Orifice ISO 5167"},
    {"Gicleur normalisé (DIN 1952)", "Gicleur normalisé (ISO 5167)"},
    {"Zeta-Wert/", "Zeta-Wert Kreisrohr/"},
    {"Resistance coefficient/", "Resistance coefficient circular/"},
};

// Rows 2, 3, 4, 14 … 16 and 19 … 25 hold plain numbers; rows 8 … 13 end in one.
constexpr int kNumberRows[] = {2, 3, 4, 14, 15, 16, 19, 20, 21, 22, 23, 24, 25};

// Option texts of version 4 for valves and pipe surfaces that no element offers any more.
constexpr std::string_view kObsoleteEnglishOptions[] = {
    "The valve is:  forged",           "The valve is:  cast",
    "The surface of pipe is:  smooth", "The Surface of Pipe is: smooth",
    "The surface of pipe is:  rough",  "The Surface of Pipe is: rough",
};

std::string& Cell(results::ResultColumn& column, int r) { return column.rows[static_cast<std::size_t>(r)]; }

// Row 7 and rows 8 … 13 in German with the kind names and vocabulary of the file's language.
void TranslateNamesAndDimensions(results::ResultColumn& column, const LanguageTables& tables) {
  Cell(column, row::Kind) = StoredKindName(Cell(column, row::Kind), tables);
  for (int r = row::Input1; r <= row::Option; ++r) Cell(column, r) = StoredDimensionText(Cell(column, r), tables);
}

}  // namespace

void MendOlderLines(std::vector<std::string>& lines) {
  for (std::string& line : lines) {
    if (line.find("Kniestück") == std::string::npos) {
      ReplaceAll(line, "kreisförmig", "Kreisrohr");
      ReplaceAll(line, "rechteckig", "Rechteckrohr");
    }
    for (const Replacement& r : kRenamedEverywhere) ReplaceAll(line, r.from, r.to);
  }
}

bool HasBranchPieces(const std::vector<results::ResultColumn>& columns) {
  for (const results::ResultColumn& column : columns) {
    std::string name = column.rows[row::Kind];
    const std::size_t slash = name.find('/');
    if (slash != std::string::npos) name.erase(slash, 10);
    if (name == "Abzweigstück Stromtrennung" || name == "Abzweigstück Stromvereinigung") return true;
  }
  return false;
}

bool IsEnglishVersion4(const std::vector<results::ResultColumn>& columns) {
  if (columns.empty()) return false;
  const results::ColumnTexts& first = columns.front().rows;
  return first[row::LossSmall].find('.') != std::string::npos || first[row::LossLarge].find('.') != std::string::npos;
}

void ConvertVersion4English(std::vector<results::ResultColumn>& columns, const text::TextStore& texts) {
  LanguageTables english = TablesIn(texts, 'E');
  english.inWord = "in";
  for (results::ResultColumn& column : columns) {
    ReplaceAll(Cell(column, row::Medium), "/liq.", "/flü.");
    ReplaceAll(Cell(column, row::Medium), "/gas.", "/gasf.");
    ReplaceAll(Cell(column, row::Kind), "Sharpe edged entrance", "Sharp edged entrance");
    ReplaceAll(Cell(column, 9), "Quantity", "Number");
    ReplaceAll(Cell(column, 10), "Lenght", "Length");
    ReplaceAll(Cell(column, row::Option), "sharpe-edged", "sharp-edged");
    for (const std::string_view phrase : kObsoleteEnglishOptions) edits::RemoveAll(Cell(column, row::Option), phrase);
    for (const int r : kNumberRows) edits::ReplaceChar(Cell(column, r), '.', ',');
    // Only the number of a dimension text: its English phrases keep their points ("in pcs.").
    for (int r = row::Input1; r <= row::Option; ++r) DecimalCommaInValue(Cell(column, r));
    TranslateNamesAndDimensions(column, english);
  }
}

void ConvertVersion5French(std::vector<results::ResultColumn>& columns, const text::TextStore& texts) {
  // The phase, in- and laminar words of the French edition (its global texts 53, 63, 74, 88).
  LanguageTables french = TablesIn(texts, 'F');
  french.inWord = "en";
  for (results::ResultColumn& column : columns) {
    ReplaceAll(Cell(column, row::Medium), "/liq.", "/flü.");
    ReplaceAll(Cell(column, row::Medium), "/gaz.", "/gasf.");
    TranslateNamesAndDimensions(column, french);
    if (Cell(column, row::Regime) == "laminaire") Cell(column, row::Regime) = "laminar";
  }
}

}  // namespace velmora::project::legacy
