#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FlatJson.h"
#include "PartsCommand.h"
#include "ResultLine.h"
#include "parts/BendCatalogue.h"
#include "parts/CatalogueFile.h"
#include "parts/FittingLines.h"
#include "parts/PipeTables.h"
#include "parts/RectCatalogue.h"
#include "parts/ReducerCatalogue.h"
#include "parts/TeeCatalogue.h"
#include "units/Numbers.h"

// What the parts subcommands share: reading their options, the table files, naming the
// catalogues' sheets and standards, and writing one JSON answer.
namespace velmora::cli::parts_cli {

// Every value leaves with a decimal point, as the English edition shows it.
inline constexpr text::Edition kPoint = 'E';

// The text blocks of the catalogue windows and the keys of their standards' names.
inline constexpr const char* kPipeBlock = "InfoRohr";
inline constexpr const char* kPipeNameKeys[] = {"Norm", "ANorm", "ONorm"};
inline constexpr const char* kRectBlock = "InfoRohrRechte";
inline constexpr const char* kBendBlock = "InfoBoegen";
inline constexpr const char* kBendTypeNumbers[] = {"2", "3", "5", "10", "20"};
inline constexpr parts::BendShape kBendShapes[] = {parts::BendShape::A, parts::BendShape::B, parts::BendShape::C};

// Reducers and tees: one standard a sheet, a first end and a second end.
struct TwoEnds {
  std::string_view block;
  std::string_view fileName;
  std::string_view secondOption;  // "small" or "branch"
  std::array<std::string_view, 2> uses;
};
inline constexpr TwoEnds kReducers{"InfoReduz", parts::kReducerFileName, "small", {"reduction", "expansion"}};
inline constexpr TwoEnds kTees{"InfoTStue", parts::kTeeFileName, "branch", {"dividing", "combining"}};

// The message on err; returns kPartsRefused.
int Refuse(const PartsContext& c, const std::string& message);
// The table file from the program folder, read with decimal points; nothing (after the catalogue's
// message) when it is missing.
std::optional<parts::CatalogueFile> Load(const PartsContext& c, std::string_view name, std::string_view block);

std::string Lower(std::string text);
// A positive whole number, or nothing.
std::optional<int> WholeNumber(const std::string& text);
// Where an entry stands in a list (exact text, blanks around it ignored); nothing when it is not there.
std::optional<std::size_t> Find(const std::vector<std::string>& list, const std::string& entry);
std::string Joined(const std::vector<std::string>& list, std::string_view separator);
// The entry of a list an option names (the first without the option, unless it is required); a
// refusal names the list.
std::optional<std::size_t> Entry(const PartsContext& c, std::string_view option, const std::vector<std::string>& list,
                                 bool required);
// The wall option: series 1 … 5 (EN/ISO/DIN) or STD and XS (ASME/ANSI), from 0.
std::optional<std::size_t> WallOption(const PartsContext& c, std::string_view option, parts::FittingSheet sheet);
std::optional<parts::FittingSheet> FittingSheetOption(const PartsContext& c);
std::optional<parts::PipeSheet> PipeSheetOption(const PartsContext& c);
std::optional<parts::RectShape> ShapeOption(const PartsContext& c);

std::string_view SheetWord(parts::FittingSheet sheet);
std::string_view SheetWord(parts::PipeSheet sheet);
std::string_view MaterialWord(parts::Material material);
std::string_view ShapeWord(parts::RectShape shape);
std::string WallWord(parts::FittingSheet sheet, std::size_t wall);
std::string PipeName(const PartsContext& c, const parts::PipeTable& table);
std::string BendName(const PartsContext& c, const parts::BendTable& table);

// A length of a table in mm for the dump: as given in mm tables, exactly converted (4 decimals) in
// inch tables; empty when it is no dimension.
std::string DumpLength(const std::string& field, bool inches);
// A shown value for the dump: empty where the window shows "-".
std::string Dumped(const std::string& shown);

class JsonLine {
 public:
  JsonLine& Text(std::string_view key, std::string_view value) {
    Key(key);
    AppendJsonString(line_, value);
    return *this;
  }
  JsonLine& Whole(std::string_view key, long long value) {
    Key(key);
    line_ += std::to_string(value);
    return *this;
  }
  JsonLine& Flag(std::string_view key, bool value) {
    Key(key);
    line_ += value ? "true" : "false";
    return *this;
  }
  // A value as a catalogue shows it ("54.5"), null where it shows no number.
  JsonLine& Shown(std::string_view key, const std::string& shown) {
    Key(key);
    const std::optional<long double> value = shown.empty() ? std::nullopt : units::ParseNumber(shown);
    if (!value) {
      line_ += "null";
    } else if (IsJsonNumber(shown)) {
      line_ += shown;
    } else {
      AppendJsonNumber(line_, *value);
    }
    return *this;
  }
  JsonLine& Values(std::string_view key, const std::optional<std::vector<std::string>>& values) {
    Key(key);
    if (!values) {
      line_ += "null";
      return *this;
    }
    line_ += '[';
    for (std::size_t i = 0; i < values->size(); ++i) {
      if (i > 0) line_ += ',';
      AppendJsonString(line_, (*values)[i]);
    }
    line_ += ']';
    return *this;
  }
  std::string Done() { return line_ + "}\n"; }

 private:
  void Key(std::string_view key) {
    line_ += line_.size() > 1 ? "," : "";
    AppendJsonString(line_, key);
    line_ += ':';
  }
  std::string line_ = "{";
};

template <std::size_t N>
std::optional<std::vector<std::string>> AsList(const std::optional<std::array<std::string, N>>& values) {
  if (!values) return std::nullopt;
  return std::vector<std::string>(values->begin(), values->end());
}

// The subcommands: one part as JSON, every row of a catalogue as CSV.
int Pipe(const PartsContext& c);
int Rect(const PartsContext& c);
int Bend(const PartsContext& c);
int Reducer(const PartsContext& c);
int Tee(const PartsContext& c);
int DumpPipes(const PartsContext& c);
int DumpRects(const PartsContext& c);
int DumpBends(const PartsContext& c);
int DumpReducers(const PartsContext& c);
int DumpTees(const PartsContext& c);

}  // namespace velmora::cli::parts_cli
