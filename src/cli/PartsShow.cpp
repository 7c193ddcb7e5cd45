#include <functional>

#include "PartsTools.h"
#include "parts/BendCatalogue.h"
#include "parts/PartNumbers.h"
#include "parts/PipeCatalogue.h"
#include "parts/RectCatalogue.h"
#include "parts/ReducerCatalogue.h"
#include "parts/TeeCatalogue.h"

// One part as its catalogue window shows it, as one JSON line.
namespace velmora::cli::parts_cli {
namespace {

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

}  // namespace

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

}  // namespace velmora::cli::parts_cli
