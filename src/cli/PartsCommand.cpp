#include "PartsCommand.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <vector>

#include "FlatJson.h"
#include "Help.h"
#include "ResultLine.h"
#include "TableOutput.h"
#include "parts/BendCatalogue.h"
#include "parts/PartNumbers.h"
#include "parts/PipeCatalogue.h"
#include "parts/RectCatalogue.h"
#include "parts/ReducerCatalogue.h"
#include "parts/TakeOver.h"
#include "parts/TeeCatalogue.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::cli {
namespace {

// Every value leaves with a decimal point, as the English edition shows it.
constexpr text::Edition kPoint = 'E';
constexpr int kNotStandard = 80;  // global text "nicht genormt"

// ---------------------------------------------------------------------------------------------
// Arguments and messages.

int Refuse(const PartsContext& c, const std::string& message) {
  c.err += message + "\n";
  return kPartsRefused;
}

// "%1" of a catalogue's message replaced by the file name.
std::string FileMessage(const PartsContext& c, std::string_view block, const parts::CatalogueFile& file) {
  std::string text = c.texts.FormText(block, "msgMissingFile");
  if (const std::size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, file.name);
  return text;
}

// The table file from the program folder, read with decimal points; nothing (after the catalogue's
// message) when it is missing.
std::optional<parts::CatalogueFile> Load(const PartsContext& c, std::string_view name, std::string_view block) {
  parts::CatalogueFile file = parts::LoadCatalogueFile(c.folder, name, true);
  if (file.missing) {
    Refuse(c, FileMessage(c, block, file));
    return std::nullopt;
  }
  return file;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) { return std::tolower(ch); });
  return text;
}

// A positive whole number, or nothing.
std::optional<int> WholeNumber(const std::string& text) {
  const auto digit = [](unsigned char ch) { return std::isdigit(ch) != 0; };
  if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), digit)) return std::nullopt;
  const int value = std::stoi(text);
  if (value < 1) return std::nullopt;
  return value;
}

// Where an entry stands in a list (exact text, blanks around it ignored); nothing when it is not there.
std::optional<std::size_t> Find(const std::vector<std::string>& list, const std::string& entry) {
  const auto trimmed = [](const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
  };
  const std::string wanted = trimmed(entry);
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (trimmed(list[i]) == wanted) return i;
  }
  return std::nullopt;
}

std::string Joined(const std::vector<std::string>& list, std::string_view separator) {
  std::string joined;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) joined += separator;
    joined += list[i];
  }
  return joined;
}

// The entry of a list an option names (the first without the option); a refusal names the list.
std::optional<std::size_t> Entry(const PartsContext& c, std::string_view option, const std::vector<std::string>& list,
                                 bool required) {
  if (!c.options.Has(option)) {
    if (required) Refuse(c, "--" + std::string(option) + " is needed: one of " + Joined(list, "; "));
    if (required || list.empty()) return std::nullopt;
    return 0;
  }
  const std::optional<std::size_t> found = Find(list, c.options.Get(option));
  if (!found)
    Refuse(c, "no " + std::string(option) + " " + c.options.Get(option) + "; there are " + Joined(list, "; "));
  return found;
}

// The wall option: series 1 … 5 (EN/ISO/DIN) or STD and XS (ASME/ANSI), from 0.
std::optional<std::size_t> WallOption(const PartsContext& c, std::string_view option, parts::FittingSheet sheet) {
  const std::string value = c.options.Get(option, sheet == parts::FittingSheet::Din ? "1" : "STD");
  if (sheet == parts::FittingSheet::Asme) {
    if (Lower(value) == "std") return 0;
    if (Lower(value) == "xs") return 1;
    Refuse(c, "--" + std::string(option) + " is STD or XS");
    return std::nullopt;
  }
  const std::optional<int> series = WholeNumber(value);
  if (!series || *series > parts::kDinSeries) {
    Refuse(c, "--" + std::string(option) + " is a series from 1 to 5");
    return std::nullopt;
  }
  return static_cast<std::size_t>(*series - 1);
}

std::optional<parts::FittingSheet> FittingSheetOption(const PartsContext& c) {
  const std::string sheet = Lower(c.options.Get("sheet", "din"));
  if (sheet == "din") return parts::FittingSheet::Din;
  if (sheet == "asme") return parts::FittingSheet::Asme;
  Refuse(c, "--sheet is din or asme");
  return std::nullopt;
}

std::string_view SheetWord(parts::FittingSheet sheet) { return sheet == parts::FittingSheet::Din ? "din" : "asme"; }

// ---------------------------------------------------------------------------------------------
// JSON of one answer.

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

// ---------------------------------------------------------------------------------------------
// Circular pipes.

constexpr const char* kPipeBlock = "InfoRohr";
constexpr const char* kPipeNameKeys[] = {"Norm", "ANorm", "ONorm"};

std::optional<parts::PipeSheet> PipeSheetOption(const PartsContext& c) {
  const std::string sheet = Lower(c.options.Get("sheet", "din"));
  if (sheet == "din") return parts::PipeSheet::Din;
  if (sheet == "asme") return parts::PipeSheet::Asme;
  if (sheet == "other") return parts::PipeSheet::Other;
  Refuse(c, "--sheet is din, asme or other");
  return std::nullopt;
}

std::string_view SheetWord(parts::PipeSheet sheet) {
  switch (sheet) {
    case parts::PipeSheet::Din: return "din";
    case parts::PipeSheet::Asme: return "asme";
    case parts::PipeSheet::Other: return "other";
  }
  return {};
}

std::string PipeName(const PartsContext& c, const parts::PipeTable& table) {
  return c.texts.FormText(kPipeBlock, kPipeNameKeys[static_cast<int>(table.sheet)] + std::to_string(table.number));
}

std::string_view MaterialWord(parts::Material material) {
  switch (material) {
    case parts::Material::Steel: return "steel";
    case parts::Material::Plastic: return "plastic";
    case parts::Material::NonFerrous: return "non-ferrous";
  }
  return {};
}

int Pipe(const PartsContext& c) {
  const auto sheet = PipeSheetOption(c);
  if (!sheet) return kPartsUsage;
  const std::optional<int> number = WholeNumber(c.options.Get("standard"));
  const parts::PipeTable* table = number ? parts::FindPipeTable(*sheet, *number) : nullptr;
  if (table == nullptr) return Refuse(c, "--standard is the number of a table of the sheet (velmora-calc parts list)");
  const auto file = Load(c, parts::PipeFileName(*sheet), kPipeBlock);
  if (!file) return kPartsRefused;
  const parts::PipeStandard standard(*table, *file);
  if (!standard.Available()) return Refuse(c, c.texts.FormText(kPipeBlock, "NotAvailable"));
  const auto size = Entry(c, "size", standard.Sizes(kPoint), true);
  if (!size) return kPartsRefused;
  const std::vector<std::string> columns = standard.Columns(*size, kPoint);
  const auto column = Entry(c, "column", columns, false);
  if (c.options.Has("column") && !column) return kPartsRefused;
  const parts::PipeValues values = standard.Values(*size, column.value_or(0));
  const parts::PipeDisplay shown = parts::ShowPipe(values, kPoint, {});
  const bool us = c.options.Has("us");
  const auto takeOver = parts::PipeTakeOverValue(values, us, kPoint);
  JsonLine json;
  json.Text("sheet", SheetWord(*sheet)).Whole("standard", table->number).Text("name", PipeName(c, *table));
  json.Text("size", standard.Sizes(kPoint)[*size]);
  if (column) json.Text("column", columns[*column]);
  json.Text("series", standard.Series(*size)).Text("element", "1/1").Text("unit", values.inches ? "in." : "mm");
  json.Shown("outer_diameter", shown.outer).Shown("wall", shown.wall);
  json.Shown("inner_diameter_mm", shown.innerMm).Shown("inner_diameter_in", shown.innerInches);
  json.Shown("mass_kg_m", shown.massKg).Shown("mass_lb_ft", shown.massLb).Flag("not_standard", values.notStandard);
  json.Values("take_over", takeOver ? std::optional(std::vector<std::string>{*takeOver}) : std::nullopt);
  c.out += json.Done();
  return kPartsPrinted;
}

// A length of a table in mm for the dump: as given in mm tables, exactly converted (4 decimals) in
// inch tables; empty when it is no dimension.
std::string DumpLength(const std::string& field, bool inches) {
  const std::optional<long double> value = parts::ReadDimension(field);
  if (!value) return {};
  return inches ? units::FormatNumber(*value * units::kInchInMm, 4, kPoint) : parts::ShowAsGiven(field, kPoint);
}

std::string Dumped(const std::string& shown) { return shown == parts::kNotAvailable ? std::string() : shown; }

int DumpPipes(const PartsContext& c) {
  AppendCsvLine(c.out, {"sheet", "standard", "size", "column", "outer_diameter_mm", "wall_mm", "inner_diameter_mm",
                        "inner_diameter_in", "mass_kg_m"});
  for (const parts::PipeSheet sheet : parts::kPipeSheets) {
    const auto file = Load(c, parts::PipeFileName(sheet), kPipeBlock);
    if (!file) return kPartsRefused;
    for (const parts::PipeTable& table : parts::PipeTables(sheet)) {
      const parts::PipeStandard standard(table, *file);
      const std::vector<std::string> sizes = standard.Sizes(kPoint);
      for (std::size_t size = 0; size < sizes.size(); ++size) {
        std::vector<std::string> columns = standard.Columns(size, kPoint);
        const bool titled = !columns.empty();
        if (!titled) columns.emplace_back();
        for (std::size_t column = 0; column < columns.size(); ++column) {
          const parts::PipeValues values = standard.Values(size, column);
          const parts::PipeDisplay shown = parts::ShowPipe(values, kPoint, {});
          const bool given = !values.notStandard;
          AppendCsvLine(
              c.out, {std::string(SheetWord(sheet)), std::to_string(table.number), sizes[size], columns[column],
                      DumpLength(values.outerField, values.inches),
                      given ? DumpLength(values.wallField, values.inches) : std::string(),
                      given ? Dumped(shown.innerMm) : std::string(), given ? Dumped(shown.innerInches) : std::string(),
                      given ? Dumped(shown.massKg) : std::string()});
        }
      }
    }
  }
  return kPartsPrinted;
}

// ---------------------------------------------------------------------------------------------
// Rectangular pipes.

constexpr const char* kRectBlock = "InfoRohrRechte";

std::optional<parts::RectShape> ShapeOption(const PartsContext& c) {
  const std::string shape = Lower(c.options.Get("shape", "square"));
  if (shape == "square") return parts::RectShape::Square;
  if (shape == "rectangular") return parts::RectShape::Rectangular;
  Refuse(c, "--shape is square or rectangular");
  return std::nullopt;
}

std::string_view ShapeWord(parts::RectShape shape) {
  return shape == parts::RectShape::Square ? "square" : "rectangular";
}

int Rect(const PartsContext& c) {
  const auto fittingSheet = FittingSheetOption(c);
  const auto shape = ShapeOption(c);
  if (!fittingSheet || !shape) return kPartsUsage;
  const auto sheet = *fittingSheet == parts::FittingSheet::Din ? parts::RectSheet::Din : parts::RectSheet::Asme;
  const std::optional<int> number = WholeNumber(c.options.Get("standard", "1"));
  const parts::RectTable* table = number ? parts::FindRectTable(sheet, *number, *shape) : nullptr;
  if (table == nullptr)
    return Refuse(c, "--standard is the number of a standard of the sheet (velmora-calc parts list)");
  const auto file = Load(c, parts::kRectFileName, kRectBlock);
  if (!file) return kPartsRefused;
  const parts::RectStandard standard(*table, *file);
  if (!standard.Available()) return Refuse(c, c.texts.FormText(kRectBlock, "NotAvailable"));
  const auto size = Entry(c, "size", standard.Sizes(kPoint), true);
  if (!size) return kPartsRefused;
  const std::vector<std::string> walls = standard.Walls(*size, kPoint);
  const auto wall = Entry(c, "wall", walls, false);
  if (!wall) return kPartsRefused;
  const parts::RectValues values = standard.Values(*size, *wall);
  const parts::RectDisplay shown = parts::ShowRect(values, kPoint);
  const auto takeOver = parts::RectTakeOverValues(values, c.options.Has("us"), kPoint);
  JsonLine json;
  json.Text("sheet", SheetWord(*fittingSheet)).Whole("standard", table->standard);
  json.Text("name", c.texts.FormText(kRectBlock, (sheet == parts::RectSheet::Din ? "Norm" : "ANorm") +
                                                     std::to_string(table->standard)));
  json.Text("shape", ShapeWord(*shape)).Text("size", standard.Sizes(kPoint)[*size]).Text("wall", walls[*wall]);
  json.Text("element", "1/2").Text("unit", values.inches ? "in." : "mm");
  json.Shown("inner_width_mm", shown.widthMm).Shown("inner_width_in", shown.widthInches);
  json.Shown("inner_height_mm", shown.heightMm).Shown("inner_height_in", shown.heightInches);
  json.Shown("mass_kg_m", shown.massKg).Shown("mass_lb_ft", shown.massLb);
  json.Values("take_over",
              takeOver ? std::optional(std::vector<std::string>{takeOver->first, takeOver->second}) : std::nullopt);
  c.out += json.Done();
  return kPartsPrinted;
}

int DumpRects(const PartsContext& c) {
  AppendCsvLine(c.out, {"sheet", "standard", "shape", "size", "wall", "inner_width_mm", "inner_height_mm",
                        "inner_width_in", "inner_height_in", "mass_kg_m"});
  const auto file = Load(c, parts::kRectFileName, kRectBlock);
  if (!file) return kPartsRefused;
  for (const parts::RectTable& table : parts::RectTables()) {
    const parts::RectStandard standard(table, *file);
    const std::vector<std::string> sizes = standard.Sizes(kPoint);
    for (std::size_t size = 0; size < sizes.size(); ++size) {
      const std::vector<std::string> walls = standard.Walls(size, kPoint);
      for (std::size_t wall = 0; wall < walls.size(); ++wall) {
        const parts::RectDisplay shown = parts::ShowRect(standard.Values(size, wall), kPoint);
        AppendCsvLine(c.out, {table.sheet == parts::RectSheet::Din ? "din" : "asme", std::to_string(table.standard),
                              std::string(ShapeWord(table.shape)), sizes[size], walls[wall], Dumped(shown.widthMm),
                              Dumped(shown.heightMm), Dumped(shown.widthInches), Dumped(shown.heightInches),
                              Dumped(shown.massKg)});
      }
    }
  }
  return kPartsPrinted;
}

// ---------------------------------------------------------------------------------------------
// Bends.

constexpr const char* kBendBlock = "InfoBoegen";
constexpr const char* kBendTypeNumbers[] = {"2", "3", "5", "10", "20"};
constexpr parts::BendShape kBendShapes[] = {parts::BendShape::A, parts::BendShape::B, parts::BendShape::C};

std::string BendName(const PartsContext& c, const parts::BendTable& table) {
  return c.texts.FormText(
      kBendBlock, (table.sheet == parts::FittingSheet::Din ? "Norm" : "ANorm") + std::to_string(table.standard));
}

int Bend(const PartsContext& c) {
  const auto sheet = FittingSheetOption(c);
  if (!sheet) return kPartsUsage;
  const std::optional<int> number = WholeNumber(c.options.Get("standard", "1"));
  const parts::BendTable* table = number ? parts::FindBendTable(*sheet, *number) : nullptr;
  if (table == nullptr)
    return Refuse(c, "--standard is the number of a standard of the sheet (velmora-calc parts list)");
  const std::string shapeText = c.options.Get("shape", "A");
  const auto shape = Find({"A", "B", "C"}, shapeText);
  const auto type = Find({"2", "3", "5", "10", "20"}, c.options.Get("type", "2"));
  if (!shape) return Refuse(c, "--shape is A (45°), B (90°) or C (180°)");
  if (!type) return Refuse(c, "--type is 2, 3, 5, 10 or 20");
  const auto wall = WallOption(c, "wall", *sheet);
  if (!wall) return kPartsRefused;
  const auto file = Load(c, parts::kBendFileName, kBendBlock);
  if (!file) return kPartsRefused;
  const parts::BendStandard standard(*table, *file);
  if (!standard.Available()) return Refuse(c, c.texts.FormText(kBendBlock, "NotAvailable"));
  const auto size = Entry(c, "size", standard.Sizes(), true);
  if (!size) return kPartsRefused;
  const parts::BendValues values = standard.Values(*size, *wall, *type, kBendShapes[*shape]);
  const parts::BendDisplay shown = parts::ShowBend(values, kPoint);
  JsonLine json;
  json.Text("sheet", SheetWord(*sheet)).Whole("standard", table->standard).Text("name", BendName(c, *table));
  json.Text("size", standard.Sizes()[*size]).Text("wall", standard.Walls(*size, kPoint)[*wall]);
  if (*sheet == parts::FittingSheet::Din) json.Text("type", kBendTypeNumbers[*type]);
  json.Text("shape", shapeText).Whole("angle", values.angle).Text("element", "4/1");
  json.Text("unit", values.inches ? "in." : "mm");
  json.Shown("outer_diameter", shown.pipe.outer).Shown("wall_thickness", shown.pipe.wall);
  json.Shown("inner_diameter_mm", shown.pipe.innerMm).Shown("inner_diameter_in", shown.pipe.innerInches);
  json.Shown("radius_mm", shown.radiusMm).Shown("radius_in", shown.radiusInches);
  json.Shown("mass_kg", shown.massKg).Shown("mass_lb", shown.massLb);
  json.Values("take_over", AsList(parts::BendTakeOverValues(values, c.options.Has("us"), kPoint)));
  c.out += json.Done();
  return kPartsPrinted;
}

int DumpBends(const PartsContext& c) {
  AppendCsvLine(c.out, {"sheet", "standard", "size", "wall", "type", "outer_diameter", "wall_thickness",
                        "inner_diameter_mm", "inner_diameter_in", "radius_mm", "radius_in", "mass_kg_90"});
  const auto file = Load(c, parts::kBendFileName, kBendBlock);
  if (!file) return kPartsRefused;
  for (const parts::BendTable& table : parts::BendTables()) {
    const parts::BendStandard standard(table, *file);
    const bool din = table.sheet == parts::FittingSheet::Din;
    const std::vector<std::string> sizes = standard.Sizes();
    for (std::size_t size = 0; size < sizes.size(); ++size) {
      for (std::size_t wall = 0; wall < static_cast<std::size_t>(parts::WallCount(table.sheet)); ++wall) {
        for (std::size_t type = 0; type < (din ? std::size(kBendTypeNumbers) : 1u); ++type) {
          const parts::BendDisplay shown =
              parts::ShowBend(standard.Values(size, wall, type, parts::BendShape::B), kPoint);
          AppendCsvLine(c.out, {std::string(SheetWord(table.sheet)), std::to_string(table.standard), sizes[size],
                                din ? std::to_string(wall + 1) : (wall == 0 ? "STD" : "XS"),
                                din ? kBendTypeNumbers[type] : "", Dumped(shown.pipe.outer), Dumped(shown.pipe.wall),
                                Dumped(shown.pipe.innerMm), Dumped(shown.pipe.innerInches), Dumped(shown.radiusMm),
                                Dumped(shown.radiusInches), Dumped(shown.massKg)});
        }
      }
    }
  }
  return kPartsPrinted;
}

// ---------------------------------------------------------------------------------------------
// Reducers and tees: one standard a sheet, a first end and a second end.

struct TwoEnds {
  std::string_view block;
  std::string_view fileName;
  std::string_view secondOption;  // "small" or "branch"
  std::array<std::string_view, 2> uses;
};

constexpr TwoEnds kReducers{"InfoReduz", parts::kReducerFileName, "small", {"reduction", "expansion"}};
constexpr TwoEnds kTees{"InfoTStue", parts::kTeeFileName, "branch", {"dividing", "combining"}};

// The selection of both ends from the options; nothing after a refusal.
std::optional<std::array<std::size_t, 4>> Selection(
    const PartsContext& c, const TwoEnds& kind, parts::FittingSheet sheet, const std::vector<std::string>& firstEnds,
    const std::function<std::vector<std::string>(std::size_t)>& seconds) {
  const auto first = Entry(c, "size", firstEnds, true);
  if (!first) return std::nullopt;
  const std::string option(kind.secondOption);
  const auto second = Entry(c, option, seconds(*first), true);
  const auto firstWall = WallOption(c, "wall", sheet);
  const auto secondWall = WallOption(c, option + "-wall", sheet);
  if (!second || !firstWall || !secondWall) return std::nullopt;
  return std::array<std::size_t, 4>{*first, *firstWall, *second, *secondWall};
}

void AppendEnd(JsonLine& json, std::string_view prefix, const parts::EndDisplay& end) {
  const std::string p(prefix);
  json.Shown(p + "_outer_diameter", end.outer).Shown(p + "_wall_thickness", end.wall);
  json.Shown(p + "_inner_diameter_mm", end.innerMm).Shown(p + "_inner_diameter_in", end.innerInches);
}

std::optional<int> UseOption(const PartsContext& c, const TwoEnds& kind) {
  const auto use = Find({std::string(kind.uses[0]), std::string(kind.uses[1])}, c.options.Get("use", kind.uses[0]));
  if (!use) Refuse(c, "--use is " + std::string(kind.uses[0]) + " or " + std::string(kind.uses[1]));
  if (!use) return std::nullopt;
  return static_cast<int>(*use);
}

int Reducer(const PartsContext& c) {
  const auto sheet = FittingSheetOption(c);
  if (!sheet) return kPartsUsage;
  const auto use = UseOption(c, kReducers);
  if (!use) return kPartsRefused;
  const auto file = Load(c, kReducers.fileName, kReducers.block);
  if (!file) return kPartsRefused;
  const parts::ReducerStandard standard(parts::FindReducerTable(*sheet), *file);
  if (!standard.Available()) return Refuse(c, c.texts.FormText(kReducers.block, "NotAvailable"));
  const auto s = Selection(c, kReducers, *sheet, standard.LargeEnds(),
                           [&](std::size_t first) { return standard.SmallEnds(first); });
  if (!s) return kPartsRefused;
  const parts::ReducerValues values = standard.Values((*s)[0], (*s)[1], (*s)[2], (*s)[3]);
  const parts::ReducerDisplay shown = parts::ShowReducer(values, kPoint, {});
  JsonLine json;
  json.Text("sheet", SheetWord(*sheet))
      .Text("name", c.texts.FormText(kReducers.block, *sheet == parts::FittingSheet::Din ? "Norm1" : "ANorm1"));
  json.Text("use", kReducers.uses[static_cast<std::size_t>(*use)]).Text("element", *use == 1 ? "3/2" : "3/4");
  json.Text("large", standard.LargeEnds()[(*s)[0]]);
  json.Text("small", standard.SmallEnds((*s)[0])[(*s)[2]]).Text("unit", values.inches ? "in." : "mm");
  AppendEnd(json, "large", shown.large);
  AppendEnd(json, "small", shown.small);
  json.Shown("cone_angle", shown.angle);
  json.Shown("mass_kg", parts::ShowMass(values.mass, false, kPoint).kg);
  json.Shown("mass_lb", parts::ShowMass(values.mass, false, kPoint).lb);
  json.Values("take_over", AsList(parts::ReducerTakeOverValues(values, *use == 1, c.options.Has("us"), kPoint)));
  c.out += json.Done();
  return kPartsPrinted;
}

int Tee(const PartsContext& c) {
  const auto sheet = FittingSheetOption(c);
  if (!sheet) return kPartsUsage;
  const auto use = UseOption(c, kTees);
  if (!use) return kPartsRefused;
  const auto file = Load(c, kTees.fileName, kTees.block);
  if (!file) return kPartsRefused;
  const parts::TeeStandard standard(parts::FindTeeTable(*sheet), *file);
  if (!standard.Available()) return Refuse(c, c.texts.FormText(kTees.block, "NotAvailable"));
  const auto s =
      Selection(c, kTees, *sheet, standard.Runs(), [&](std::size_t first) { return standard.Branches(first); });
  if (!s) return kPartsRefused;
  const parts::TeeValues values = standard.Values((*s)[0], (*s)[1], (*s)[2], (*s)[3]);
  const parts::TeeDisplay shown = parts::ShowTee(values, kPoint, {});
  JsonLine json;
  json.Text("sheet", SheetWord(*sheet))
      .Text("name", c.texts.FormText(kTees.block, *sheet == parts::FittingSheet::Din ? "Norm1" : "ANorm1"));
  json.Text("use", kTees.uses[static_cast<std::size_t>(*use)]).Text("element", *use == 1 ? "5/6" : "5/5");
  json.Text("run", standard.Runs()[(*s)[0]]);
  json.Text("branch", standard.Branches((*s)[0])[(*s)[2]]).Text("unit", values.inches ? "in." : "mm");
  AppendEnd(json, "run", shown.run);
  AppendEnd(json, "branch", shown.branch);
  json.Shown("mass_kg", parts::ShowMass(values.mass, false, kPoint).kg);
  json.Shown("mass_lb", parts::ShowMass(values.mass, false, kPoint).lb);
  json.Values("take_over", AsList(parts::TeeTakeOverValues(values, c.options.Has("us"), kPoint)));
  c.out += json.Done();
  return kPartsPrinted;
}

std::string WallWord(parts::FittingSheet sheet, std::size_t wall) {
  if (sheet == parts::FittingSheet::Din) return std::to_string(wall + 1);
  return wall == 0 ? "STD" : "XS";
}

// Every pair of ends with every pair of walls.
template <typename Standard, typename Show>
void DumpPairs(const PartsContext& c, const Standard& standard, parts::FittingSheet sheet,
               const std::vector<std::string>& firstEnds,
               const std::function<std::vector<std::string>(std::size_t)>& seconds, const Show& show) {
  const auto walls = static_cast<std::size_t>(parts::WallCount(sheet));
  for (std::size_t first = 0; first < firstEnds.size(); ++first) {
    const std::vector<std::string> secondEnds = seconds(first);
    for (std::size_t second = 0; second < secondEnds.size(); ++second) {
      for (std::size_t firstWall = 0; firstWall < walls; ++firstWall) {
        for (std::size_t secondWall = 0; secondWall < walls; ++secondWall) {
          std::vector<std::string> fields = {std::string(SheetWord(sheet)), firstEnds[first],
                                             WallWord(sheet, firstWall), secondEnds[second],
                                             WallWord(sheet, secondWall)};
          for (std::string& value : show(standard, first, firstWall, second, secondWall)) {
            fields.push_back(Dumped(value));
          }
          AppendCsvLine(c.out, fields);
        }
      }
    }
  }
}

int DumpReducers(const PartsContext& c) {
  AppendCsvLine(c.out, {"sheet", "large", "large_wall", "small", "small_wall", "large_inner_diameter_mm",
                        "small_inner_diameter_mm", "cone_angle_deg", "mass_kg"});
  const auto file = Load(c, kReducers.fileName, kReducers.block);
  if (!file) return kPartsRefused;
  for (const parts::FittingSheet sheet : {parts::FittingSheet::Din, parts::FittingSheet::Asme}) {
    const parts::ReducerStandard standard(parts::FindReducerTable(sheet), *file);
    DumpPairs(
        c, standard, sheet, standard.LargeEnds(), [&](std::size_t first) { return standard.SmallEnds(first); },
        [](const parts::ReducerStandard& s, std::size_t a, std::size_t aw, std::size_t b, std::size_t bw) {
          const parts::ReducerValues values = s.Values(a, aw, b, bw);
          const parts::ReducerDisplay shown = parts::ShowReducer(values, kPoint, {});
          return std::vector<std::string>{shown.large.innerMm, shown.small.innerMm, shown.angle,
                                          parts::ShowMass(values.mass, false, kPoint).kg};
        });
  }
  return kPartsPrinted;
}

int DumpTees(const PartsContext& c) {
  AppendCsvLine(c.out, {"sheet", "run", "run_wall", "branch", "branch_wall", "run_inner_diameter_mm",
                        "branch_inner_diameter_mm", "mass_kg"});
  const auto file = Load(c, kTees.fileName, kTees.block);
  if (!file) return kPartsRefused;
  for (const parts::FittingSheet sheet : {parts::FittingSheet::Din, parts::FittingSheet::Asme}) {
    const parts::TeeStandard standard(parts::FindTeeTable(sheet), *file);
    DumpPairs(
        c, standard, sheet, standard.Runs(), [&](std::size_t first) { return standard.Branches(first); },
        [](const parts::TeeStandard& s, std::size_t a, std::size_t aw, std::size_t b, std::size_t bw) {
          const parts::TeeValues values = s.Values(a, aw, b, bw);
          const parts::TeeDisplay shown = parts::ShowTee(values, kPoint, {});
          return std::vector<std::string>{shown.run.innerMm, shown.branch.innerMm,
                                          parts::ShowMass(values.mass, false, kPoint).kg};
        });
  }
  return kPartsPrinted;
}

// ---------------------------------------------------------------------------------------------
// The list of every catalogue.

void ListLine(const PartsContext& c, std::string_view kind, std::string_view sheet, int standard,
              std::string_view variant, const std::string& name, const std::vector<std::string>& sizes) {
  std::vector<std::string> fields = {
      std::string(kind), std::string(sheet), std::to_string(standard), std::string(variant), name, Joined(sizes, "; ")};
  c.out += Joined(fields, "\t") + "\n";
}

int List(const PartsContext& c) {
  c.out += "kind\tsheet\tstandard\tvariant\tname\tsizes\n";
  const std::string notAvailable = c.texts.FormText(kPipeBlock, "NotAvailable");
  for (const parts::PipeSheet sheet : parts::kPipeSheets) {
    const auto file = Load(c, parts::PipeFileName(sheet), kPipeBlock);
    if (!file) return kPartsRefused;
    for (const parts::PipeTable& table : parts::PipeTables(sheet)) {
      const parts::PipeStandard standard(table, *file);
      ListLine(c, "pipe", SheetWord(sheet), table.number, MaterialWord(table.material),
               standard.Available() ? PipeName(c, table) : notAvailable, standard.Sizes(kPoint));
    }
  }
  const auto rects = Load(c, parts::kRectFileName, kRectBlock);
  if (!rects) return kPartsRefused;
  for (const parts::RectTable& table : parts::RectTables()) {
    const parts::RectStandard standard(table, *rects);
    const bool din = table.sheet == parts::RectSheet::Din;
    const std::string name = c.texts.FormText(kRectBlock, (din ? "Norm" : "ANorm") + std::to_string(table.standard));
    ListLine(c, "rect", din ? "din" : "asme", table.standard, ShapeWord(table.shape),
             standard.Available() ? name : name + " " + notAvailable, standard.Sizes(kPoint));
  }
  const auto bends = Load(c, parts::kBendFileName, kBendBlock);
  if (!bends) return kPartsRefused;
  for (const parts::BendTable& table : parts::BendTables()) {
    ListLine(c, "bend", SheetWord(table.sheet), table.standard, "", BendName(c, table),
             parts::BendStandard(table, *bends).Sizes());
  }
  const auto reducers = Load(c, kReducers.fileName, kReducers.block);
  const auto tees = Load(c, kTees.fileName, kTees.block);
  if (!reducers || !tees) return kPartsRefused;
  for (const parts::FittingSheet sheet : {parts::FittingSheet::Din, parts::FittingSheet::Asme}) {
    const char* key = sheet == parts::FittingSheet::Din ? "Norm1" : "ANorm1";
    ListLine(c, "reducer", SheetWord(sheet), 1, "", c.texts.FormText(kReducers.block, key),
             parts::ReducerStandard(parts::FindReducerTable(sheet), *reducers).LargeEnds());
    ListLine(c, "tee", SheetWord(sheet), 1, "", c.texts.FormText(kTees.block, key),
             parts::TeeStandard(parts::FindTeeTable(sheet), *tees).Runs());
  }
  return kPartsPrinted;
}

// ---------------------------------------------------------------------------------------------
// Dispatch: one line a subcommand.

int Dump(const PartsContext& c);

constexpr PartsSubcommand kSubcommands[] = {
    {"list", "", List},
    {"pipe", "sheet,standard,size,column,us", Pipe},
    {"rect", "sheet,standard,shape,size,wall,us", Rect},
    {"bend", "sheet,standard,size,wall,type,shape,us", Bend},
    {"reducer", "sheet,size,wall,small,small-wall,use,us", Reducer},
    {"tee", "sheet,size,wall,branch,branch-wall,use,us", Tee},
    {"dump", "kind", Dump},
};

// What `dump --kind NAME` writes: one line a kind.
constexpr PartsSubcommand kDumps[] = {
    {"pipe", "", DumpPipes},       {"rect", "", DumpRects}, {"bend", "", DumpBends},
    {"reducer", "", DumpReducers}, {"tee", "", DumpTees},
};

int Dump(const PartsContext& c) {
  const std::string kind = c.options.Get("kind", "pipe");
  for (const PartsSubcommand& dump : kDumps) {
    if (dump.name == kind) return dump.run(c);
  }
  std::vector<std::string> kinds;
  for (const PartsSubcommand& dump : kDumps) kinds.emplace_back(dump.name);
  c.err += "velmora-calc: --kind is one of " + Joined(kinds, ", ") + "\n";
  return kPartsUsage;
}

// Options after the subcommand; nothing after naming the problem.
std::optional<PartsOptions> ReadOptions(std::span<const char* const> arguments, std::string_view allowed,
                                        std::string& err) {
  PartsOptions options;
  const auto refuse = [&err](const std::string& problem) -> std::optional<PartsOptions> {
    err += "velmora-calc: " + problem + "\n" + UsageText;
    return std::nullopt;
  };
  const auto known = [allowed](std::string_view name) {
    for (std::size_t start = 0; start <= allowed.size();) {
      const std::size_t comma = std::min(allowed.find(',', start), allowed.size());
      if (allowed.substr(start, comma - start) == name) return !name.empty();
      start = comma + 1;
    }
    return false;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    if (!argument.starts_with("--")) return refuse("unexpected argument " + std::string(argument));
    argument.remove_prefix(2);
    std::string name(argument.substr(0, argument.find('=')));
    if (!known(name)) return refuse("unknown option --" + name);
    if (options.Has(name)) return refuse("--" + name + " given twice");
    std::string value;
    if (argument.find('=') != std::string_view::npos) {
      value = argument.substr(argument.find('=') + 1);
    } else if (name != "us") {
      if (i + 1 == arguments.size()) return refuse("--" + name + " needs a value");
      value = arguments[++i];
    }
    options.values[name] = value;
  }
  return options;
}

}  // namespace

std::string PartsOptions::Get(std::string_view name, std::string_view fallback) const {
  const auto found = values.find(name);
  return found == values.end() ? std::string(fallback) : found->second;
}

int RunParts(std::span<const char* const> arguments, const text::TextStore& texts, const std::filesystem::path& folder,
             std::string& out, std::string& err) {
  if (arguments.empty()) {
    err += std::string("velmora-calc: parts needs a subcommand\n") + UsageText;
    return kPartsUsage;
  }
  const std::string_view name = arguments.front();
  for (const PartsSubcommand& subcommand : kSubcommands) {
    if (subcommand.name != name) continue;
    const std::optional<PartsOptions> options = ReadOptions(arguments.subspan(1), subcommand.options, err);
    if (!options) return kPartsUsage;
    return subcommand.run({texts, folder, *options, out, err});
  }
  err += "velmora-calc: unknown parts subcommand " + std::string(name) + "\n" + UsageText;
  return kPartsUsage;
}

const char* const PartsHelpText = R"help(velmora-calc parts - the standard-parts catalogues

USAGE
  velmora-calc parts list
  velmora-calc parts pipe [--sheet din|asme|other] --standard N --size S [--column C] [--us]
  velmora-calc parts rect [--sheet din|asme] [--standard N] [--shape square|rectangular]
                          --size "B x H" [--wall W] [--us]
  velmora-calc parts bend [--sheet din|asme] [--standard N] --size S [--wall W]
                          [--type 2|3|5|10|20] [--shape A|B|C] [--us]
  velmora-calc parts reducer [--sheet din|asme] --size S1 --small S2 [--wall W]
                          [--small-wall W] [--use reduction|expansion] [--us]
  velmora-calc parts tee [--sheet din|asme] --size S1 --branch S2 [--wall W]
                          [--branch-wall W] [--use dividing|combining] [--us]
  velmora-calc parts dump [--kind pipe|rect|bend|reducer|tee]

  The catalogues are those of the program's windows "Norm-Teile": the table
  files rohre.nfk, rohrea.nfk, rohreo.nfk, rechteck.nfk, boegen.nfk, reduz.nfk
  and testue.nfk in the program's folder. Numbers are written with a decimal
  point; names come from the language texts of the build's edition.

  list     one line a standard, tab-separated: kind, sheet, standard (the
           number --standard takes), variant (the material of a pipe table,
           the shape of a hollow section), name, and the sizes separated by
           "; " as --size takes them. A standard without a table has the
           language's "not available" text and no sizes.
  pipe ... one JSON object with the values the window shows: outer diameter
           and wall in the table's unit (mm, inches for the ASME schedules),
           inside diameter in mm and inches, mass in kg/m and lb/ft. A column
           is a pressure rating, an SDR, a schedule or a wall as listed; the
           first by default. Values the window shows as "not standard" or "-"
           are null; "not_standard" says which. "take_over" holds what the
           window takes over (mm, or inches with --us), null when nothing.
  rect, bend, reducer, tee
           the same for the other catalogues. A wall is the series 1 to 5 on
           the din sheet, STD or XS on the asme sheet (series 1 or STD by
           default); a hollow section's wall is one of its listed walls.
  dump     every row of every table of a kind as CSV with a header line, for
           checking the catalogue against its sources; empty where the window
           shows "not standard" or "-". Pipes:
             sheet,standard,size,column,outer_diameter_mm,wall_mm,
             inner_diameter_mm,inner_diameter_in,mass_kg_m
           (the ASME schedules' outer diameters and walls converted to mm with
           four decimals, exactly); rect, bend (mass of a 90° bend), reducer and
           tee with headers of their own.

  Options may also be written --name=value.

EXIT STATUS
  0  printed
  1  a table file is missing (the catalogue's message on standard error), or
     the standard has no table, or a size, column, wall or use is not in the
     table (the entries there are on standard error)
  2  unusable arguments: no or an unknown subcommand, an unknown or repeated
     option, an option without its value

EXAMPLES
  velmora-calc parts pipe --standard 9 --size "DN 25 (1)"
  velmora-calc parts pipe --sheet asme --standard 1 --size "2 (50)" --column 40 --us
  velmora-calc parts tee --size 50 --wall 3 --branch 25 --branch-wall 3 --use combining
  velmora-calc parts dump > pipes.csv
)help";

}  // namespace velmora::cli
