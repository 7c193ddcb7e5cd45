#include "project/StoredLanguage.h"

#include "project/TextEdits.h"
#include "results/TableTexts.h"
#include "text/FieldOf.h"

namespace velmora::project {
namespace {

namespace row = results::row;
namespace global_text = results::global_text;
using edits::ReplaceAll;

// The stored phase words and regime words.
constexpr std::string_view kStoredLiquid = "/flü.";
constexpr std::string_view kStoredGas = "/gasf.";
constexpr std::string_view kStoredLaminar = "laminar";
constexpr std::string_view kStoredTurbulent = "turbulent";
constexpr std::string_view kStoredIn = "in";

// Rows whose numbers change their decimal separator in English.
constexpr int kNumberRowsWritten[] = {row::Flow, row::Density, row::Viscosity, 14, 15, 16, 19, 20, 21, 22, 23, 24, 25};
constexpr int kNumberRowsRead[] = {
    row::Flow, row::Density, row::Viscosity, 8, 9, 10, 11, 12, 13, 14, 15, 16, 19, 20, 21, 22, 23, 24, 25};

// Option texts of older versions that the current elements no longer offer.
constexpr std::string_view kObsoleteOptions[] = {
    "Die Rohroberfläche ist:  glatt", "Die Rohroberfläche ist:  rauh", "Die Rohroberfläche ist: glatt",
    "Die Rohrobefläche ist: rauh",    "Das Ventil ist:  geschmiedet",  "Das Ventil ist:  gegossen",
};

// Row 8 of older versions, where "Höhe" had been translated inside "Höhendifferenz".
struct Mend {
  std::string_view from;
  std::string_view to;
};
constexpr Mend kHeightDifferenceMends[] = {
    {"Heightndifferenz", "Vertical difference"},
    {"Hauteurndifferenz", "Hauteur d'élévation"},
    {"Hoogtendifferenz", "Hoogteverschil"},
};

std::string& Cell(results::ResultColumn& column, int r) { return column.rows[static_cast<std::size_t>(r)]; }

std::string Spaced(std::string_view word) { return " " + std::string(word) + " "; }

// Finds `name` among `from` (last match wins) and returns the name of the same kind in `to`;
// no match (and an empty name) gives nothing.
const std::string* MatchingKind(std::string_view name, const std::vector<std::string>& from,
                                const std::vector<std::string>& to) {
  if (name.empty()) return nullptr;
  const std::string* found = nullptr;
  for (std::size_t i = 0; i < from.size() && i < to.size(); ++i) {
    if (from[i] == name && !to[i].empty()) found = &to[i];
  }
  return found;
}

// "name/rest" with the name looked up; a text without "/" is a name alone.
std::string TranslateKind(std::string_view cell, const std::vector<std::string>& from,
                          const std::vector<std::string>& to) {
  const std::size_t slash = cell.find('/');
  const std::string_view name = cell.substr(0, slash);
  const std::string* translated = MatchingKind(name, from, to);
  if (translated == nullptr) return std::string(cell);
  if (slash == std::string_view::npos) return *translated;
  return *translated + std::string(cell.substr(slash));
}

// One pass over the vocabulary: the first entry (in file order) whose source phrase occurs in the
// cell is replaced everywhere; in the first pass only phrases with a blank count.
void VocabularyPass(std::string& cell, const LanguageTables& tables, bool toGerman, bool firstPass) {
  for (const VocabularyEntry& entry : tables.vocabulary) {
    const std::string& source = toGerman ? entry.phrase : entry.german;
    const std::string& target = toGerman ? entry.german : entry.phrase;
    if (source.empty() || target.empty()) continue;  // an entry missing a language translates nothing
    if (firstPass && source.find(' ') == std::string::npos) continue;
    if (cell.find(source) == std::string::npos) continue;
    ReplaceAll(cell, source, target);
    return;
  }
}

void SwapInWord(std::string& cell, std::string_view from, std::string_view to) {
  if (from.empty() || to.empty() || from == to) return;
  ReplaceAll(cell, Spaced(from), Spaced(to));
}

std::string EditionDimensionText(std::string cell, const LanguageTables& tables, bool heightMends) {
  for (const bool firstPass : {true, false}) {
    if (cell.empty()) continue;
    VocabularyPass(cell, tables, false, firstPass);
    SwapInWord(cell, kStoredIn, tables.inWord);
    if (heightMends) {
      for (const Mend& mend : kHeightDifferenceMends) ReplaceAll(cell, mend.from, mend.to);
    }
  }
  return cell;
}

bool IsNumberText(std::string_view text) {
  bool digit = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (std::string_view(".,+-Ee ").find(c) == std::string_view::npos) {
      return false;
    }
  }
  return digit;
}

void ToStoredColumn(results::ResultColumn& column, const LanguageTables& tables) {
  std::string& medium = Cell(column, row::Medium);
  if (!tables.liquidWord.empty()) ReplaceAll(medium, "/" + tables.liquidWord, kStoredLiquid);
  if (!tables.gasWord.empty()) ReplaceAll(medium, "/" + tables.gasWord, kStoredGas);

  if (tables.language == 'E') {
    for (const int r : kNumberRowsWritten) edits::ReplaceChar(Cell(column, r), '.', ',');
  }

  Cell(column, row::Kind) = StoredKindName(Cell(column, row::Kind), tables);

  for (int r = row::Input1; r <= row::Option; ++r) {
    Cell(column, r) = StoredDimensionText(Cell(column, r), tables);
    // The number of a dimension text is stored with a comma too, so that a German edition shows
    // an English file as its own.
    if (tables.language == 'E') DecimalCommaInValue(Cell(column, r));
  }

  // The height difference has no regime: an empty cell stays empty.
  std::string& regime = Cell(column, row::Regime);
  if (!regime.empty()) regime = regime == tables.laminarWord ? kStoredLaminar : kStoredTurbulent;
}

void FromStoredColumn(results::ResultColumn& column, const LanguageTables& tables) {
  std::string& medium = Cell(column, row::Medium);
  if (!tables.liquidWord.empty()) ReplaceAll(medium, kStoredLiquid, "/" + tables.liquidWord);
  // The stored gas word is replaced with its slash; replacing "gasf." alone would double it.
  if (!tables.gasWord.empty()) ReplaceAll(medium, kStoredGas, "/" + tables.gasWord);

  // Options of older versions leave row 13 (the cell trimmed); any other cell keeps its form, so
  // the blank before the item of a caption-less choice (" gewellt") stays.
  std::string& option = Cell(column, row::Option);
  std::string withoutObsolete = edits::Trimmed(option);
  for (const std::string_view phrase : kObsoleteOptions) edits::RemoveAll(withoutObsolete, phrase);
  if (withoutObsolete != edits::Trimmed(option)) option = withoutObsolete;

  ReplaceAll(Cell(column, row::Input1), "Elementdurchmesser", "Elementdurchm.");

  if (tables.language == 'E') {
    for (const int r : kNumberRowsRead) edits::ReplaceChar(Cell(column, r), ',', '.');
  }

  Cell(column, row::Kind) = TranslateKind(Cell(column, row::Kind), tables.germanKindNames, tables.kindNames);

  for (int r = row::Input1; r <= row::Option; ++r) {
    Cell(column, r) = EditionDimensionText(Cell(column, r), tables, r == row::Input1);
  }

  std::string& regime = Cell(column, row::Regime);
  if (!regime.empty()) regime = regime == kStoredLaminar ? tables.laminarWord : tables.turbulentWord;
}

}  // namespace

LanguageTables TablesIn(const text::TextStore& texts, text::Edition language) {
  LanguageTables tables;
  tables.language = language;
  const int index = text::EditionIndex(language);
  if (index < 0) return tables;
  // Vocabulary lines: field 4 German, fields 5, 6, 7 English, French, Dutch.
  for (const std::string& line : texts.VocabularyLines()) {
    tables.vocabulary.push_back({text::FieldOf(line, 4), text::FieldOf(line, 4 + index)});
  }
  for (int g = 1; g <= text::TextStore::kGroups; ++g) {
    for (int k = 1; k <= text::TextStore::kKindsPerGroup; ++k) {
      tables.kindNames.push_back(texts.KindNameIn(language, g, k));
      tables.germanKindNames.push_back(texts.KindNameIn('D', g, k));
    }
  }
  return tables;
}

LanguageTables EditionTables(const text::TextStore& texts) {
  LanguageTables tables = TablesIn(texts, texts.edition());
  if (tables.language == 'D') return tables;
  tables.liquidWord = texts.GlobalText(global_text::LiquidWord);
  tables.gasWord = texts.GlobalText(global_text::GasWord);
  tables.inWord = texts.GlobalText(global_text::InWord);
  tables.laminarWord = texts.GlobalText(global_text::LaminarWord);
  tables.turbulentWord = texts.GlobalText(global_text::TurbulentWord);
  return tables;
}

std::string StoredKindName(std::string_view cell, const LanguageTables& tables) {
  return TranslateKind(cell, tables.kindNames, tables.germanKindNames);
}

std::string StoredDimensionText(std::string cell, const LanguageTables& tables) {
  for (const bool firstPass : {true, false}) {
    if (cell.empty()) continue;
    VocabularyPass(cell, tables, true, firstPass);
    SwapInWord(cell, tables.inWord, kStoredIn);
  }
  return cell;
}

void DecimalCommaInValue(std::string& cell) {
  const std::size_t colon = cell.rfind(": ");
  if (colon == std::string::npos) return;
  const std::size_t start = colon + 2;
  if (!IsNumberText(std::string_view(cell).substr(start))) return;
  for (std::size_t i = start; i < cell.size(); ++i) {
    if (cell[i] == '.') cell[i] = ',';
  }
}

void ToStoredLanguage(std::vector<results::ResultColumn>& columns, const LanguageTables& tables) {
  if (tables.language == 'D') return;
  for (results::ResultColumn& column : columns) ToStoredColumn(column, tables);
}

void FromStoredLanguage(std::vector<results::ResultColumn>& columns, const LanguageTables& tables) {
  if (tables.language == 'D') return;
  for (results::ResultColumn& column : columns) FromStoredColumn(column, tables);
}

void ToStoredLanguage(std::vector<results::ResultColumn>& columns, const text::TextStore& texts) {
  if (texts.edition() == 'D') return;
  ToStoredLanguage(columns, EditionTables(texts));
}

void FromStoredLanguage(std::vector<results::ResultColumn>& columns, const text::TextStore& texts) {
  if (texts.edition() == 'D') return;
  FromStoredLanguage(columns, EditionTables(texts));
}

}  // namespace velmora::project
