#include "parts/RectCatalogue.h"

#include <algorithm>

#include "parts/PartNumbers.h"
#include "text/FieldOf.h"
#include "units/UnitFactors.h"

namespace velmora::parts {
namespace {

using enum RectShape;

// Every standard and shape at lines of its own; the ducts list inner sizes.
constexpr RectTable kTables[] = {
    {RectSheet::Din, 1, Square, 7, 36, false},     {RectSheet::Din, 1, Rectangular, 37, 116, false},
    {RectSheet::Din, 2, Square, 120, 149, false},  {RectSheet::Din, 2, Rectangular, 150, 199, false},
    {RectSheet::Din, 3, Square, 203, 232, false},  {RectSheet::Din, 3, Rectangular, 233, 272, false},
    {RectSheet::Din, 4, Square, 276, 290, true},   {RectSheet::Din, 4, Rectangular, 291, 395, true},
    {RectSheet::Asme, 1, Square, 399, 438, false}, {RectSheet::Asme, 1, Rectangular, 439, 548, false},
};

}  // namespace

std::span<const RectTable> RectTables() { return kTables; }

const RectTable* FindRectTable(RectSheet sheet, int standard, RectShape shape) {
  const auto found = std::find_if(std::begin(kTables), std::end(kTables), [&](const RectTable& t) {
    return t.sheet == sheet && t.standard == standard && t.shape == shape;
  });
  return found == std::end(kTables) ? nullptr : &*found;
}

int RectStandardCount(RectSheet sheet) {
  int count = 0;
  for (const RectTable& table : kTables) {
    if (table.sheet == sheet) count = std::max(count, table.standard);
  }
  return count;
}

int FirstWallField(RectSheet sheet) { return sheet == RectSheet::Din ? 4 : 5; }

RectStandard::RectStandard(const RectTable& table, const CatalogueFile& file)
    : table_(&table), rows_(file.DataLines(table.first, table.last)) {}

std::vector<std::string> RectStandard::Sizes(text::Edition edition) const {
  std::vector<std::string> sizes;
  for (const std::string& row : rows_) {
    sizes.push_back(ShowAsGiven(text::FieldView(row, 2), edition) + " x " +
                    ShowAsGiven(text::FieldView(row, 3), edition));
  }
  return sizes;
}

std::vector<std::string> RectStandard::Walls(std::size_t size, text::Edition edition) const {
  std::vector<std::string> walls;
  if (size >= rows_.size()) return walls;
  const int first = FirstWallField(table_->sheet);
  for (int k = first; k < first + kMaxRectWalls; ++k) {
    const std::string_view field = text::FieldView(rows_[size], k);
    if (IsBlank(field)) break;
    walls.push_back(ShowAsGiven(field, edition));
  }
  return walls;
}

RectValues RectStandard::Values(std::size_t size, std::size_t wall) const {
  RectValues values;
  values.inches = table_->sheet == RectSheet::Asme;
  if (size >= rows_.size() || wall >= static_cast<std::size_t>(kMaxRectWalls)) return values;
  const std::string& row = rows_[size];
  const auto width = ReadDimension(text::FieldView(row, 2));
  const auto height = ReadDimension(text::FieldView(row, 3));
  const auto s = ReadDimension(text::FieldView(row, FirstWallField(table_->sheet) + static_cast<int>(wall)));
  if (table_->innerSizes) {
    values.width = width;
    values.height = height;
  } else {
    values.width = Bore(width, s);
    values.height = Bore(height, s);
  }
  if (values.width && values.height && s) {
    // m = ((Bi + 2s)·(Hi + 2s) − Bi·Hi)/10⁶ · 7850 with the lengths in mm.
    const long double bi = ToMm(*values.width, values.inches);
    const long double hi = ToMm(*values.height, values.inches);
    const long double t = ToMm(*s, values.inches);
    values.massPerMetre = ((bi + 2 * t) * (hi + 2 * t) - bi * hi) / 1.0e6L * kSteelDensity;
  }
  return values;
}

RectDisplay ShowRect(const RectValues& values, text::Edition edition) {
  const auto mm = [&](const std::optional<long double>& v) -> std::optional<long double> {
    if (!v) return std::nullopt;
    return ToMm(*v, values.inches);
  };
  const auto inches = [&](const std::optional<long double>& v) -> std::optional<long double> {
    if (!v) return std::nullopt;
    return ToMm(*v, values.inches) / units::kInchInMm;
  };
  RectDisplay shown;
  shown.widthMm = ShowNumber(mm(values.width), 1, edition);
  shown.widthInches = ShowNumber(inches(values.width), 3, edition);
  shown.heightMm = ShowNumber(mm(values.height), 1, edition);
  shown.heightInches = ShowNumber(inches(values.height), 3, edition);
  const MassTexts mass = ShowMass(values.massPerMetre, true, edition);
  shown.massKg = mass.kg;
  shown.massLb = mass.lb;
  return shown;
}

std::optional<std::pair<std::string, std::string>> RectTakeOverValues(const RectValues& values, bool us,
                                                                      text::Edition edition) {
  if (!values.width || !values.height) return std::nullopt;
  const RectDisplay shown = ShowRect(values, edition);
  if (us) return std::make_pair(shown.widthInches, shown.heightInches);
  return std::make_pair(shown.widthMm, shown.heightMm);
}

}  // namespace velmora::parts
