#include "parts/BendCatalogue.h"

#include <algorithm>

#include "parts/PartNumbers.h"
#include "text/FieldOf.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::parts {
namespace {

constexpr BendTable kTables[] = {
    {FittingSheet::Din, 1, 4, 29},
    {FittingSheet::Asme, 1, 64, 92},
    {FittingSheet::Asme, 2, 97, 123},
};

// The share of a full circle of each shape: 45°, 90°, 180°.
long double ArcShare(BendShape shape) { return static_cast<long double>(BendAngle(shape)) / 360; }

}  // namespace

int BendAngle(BendShape shape) {
  switch (shape) {
    case BendShape::A: return 45;
    case BendShape::B: return 90;
    case BendShape::C: return 180;
  }
  return 90;
}

std::span<const BendTable> BendTables() { return kTables; }

const BendTable* FindBendTable(FittingSheet sheet, int standard) {
  const auto found = std::find_if(std::begin(kTables), std::end(kTables),
                                  [&](const BendTable& t) { return t.sheet == sheet && t.standard == standard; });
  return found == std::end(kTables) ? nullptr : &*found;
}

int BendStandardCount(FittingSheet sheet) {
  return static_cast<int>(
      std::count_if(std::begin(kTables), std::end(kTables), [sheet](const BendTable& t) { return t.sheet == sheet; }));
}

std::array<std::string, kBendTypes> BendTypeNames(text::Edition edition) {
  // Radius about 1, 1.5, 2.5, 5 and 10 times the outer diameter.
  const char* const numbers[] = {" 2", " 3", " 5", "10", "20"};
  const char* const factors[] = {" 1,0", " 1,5", " 2,5", " 5,0", "10,0"};
  std::array<std::string, kBendTypes> names;
  for (std::size_t t = 0; t < names.size(); ++t) {
    std::string factor = factors[t];
    std::replace(factor.begin(), factor.end(), ',', text::DecimalSeparator(edition));
    names[t] = std::string(numbers[t]) + ": R ~ " + factor + " x Da";
  }
  return names;
}

BendStandard::BendStandard(const BendTable& table, const CatalogueFile& file)
    : table_(&table), rows_(file.DataLines(table.first, table.last)) {}

std::vector<std::string> BendStandard::Sizes() const { return FirstEndNames(rows_); }

std::vector<std::string> BendStandard::Walls(std::size_t size, text::Edition edition) const {
  if (size >= rows_.size()) return {};
  const int first = table_->sheet == FittingSheet::Din ? 3 : kAsmeFirstWallField;
  return WallChoices(rows_[size], first, table_->sheet, edition);
}

BendValues BendStandard::Values(std::size_t size, std::size_t wall, std::size_t type, BendShape shape) const {
  BendValues values;
  values.inches = table_->sheet == FittingSheet::Asme;
  values.angle = BendAngle(shape);
  const bool din = table_->sheet == FittingSheet::Din;
  if (size >= rows_.size() || wall >= static_cast<std::size_t>(WallCount(table_->sheet)) ||
      (din && type >= static_cast<std::size_t>(kBendTypes))) {
    return values;
  }
  const std::string& row = rows_[size];
  const int wallField = (din ? 3 : kAsmeFirstWallField) + static_cast<int>(wall);
  values.pipe = ReadEnd(row, 2, wallField);
  values.radiusField = text::FieldOf(row, din ? kDinFirstRadiusField + static_cast<int>(type) : kAsmeRadiusField);
  values.radius = ReadDimension(values.radiusField);
  if (values.pipe.inner && values.radius) {
    // Arc length L = R·2π (m) times the share of the shape; mass = L·(Da² − Di²)·π/4·7850.
    const long double arc = ToMm(*values.radius, values.inches) / 1000 * 2 * kPi * ArcShare(shape);
    const long double outer = ToMm(*values.pipe.outer, values.inches) / 1000;
    const long double inner = ToMm(*values.pipe.inner, values.inches) / 1000;
    values.mass = arc * (outer * outer - inner * inner) * kPi / 4 * kSteelDensity;
  }
  return values;
}

BendDisplay ShowBend(const BendValues& values, text::Edition edition) {
  BendDisplay shown;
  shown.pipe = ShowEnd(values.pipe, values.inches, edition);
  if (values.radius) {
    // A radius shows as the table gives it in the table's unit, converted with 1 (mm) or 3 decimals.
    const long double mm = ToMm(*values.radius, values.inches);
    shown.radiusMm = values.inches ? units::FormatNumber(mm, 1, edition) : ShowAsGiven(values.radiusField, edition);
    shown.radiusInches = values.inches ? ShowAsGiven(values.radiusField, edition)
                                       : units::FormatNumber(mm / units::kInchInMm, 3, edition);
  } else {
    shown.radiusMm = shown.radiusInches = std::string(kNotAvailable);
  }
  const MassTexts mass = ShowMass(values.mass, false, edition);
  shown.massKg = mass.kg;
  shown.massLb = mass.lb;
  return shown;
}

std::optional<std::array<std::string, 3>> BendTakeOverValues(const BendValues& values, bool us, text::Edition edition) {
  if (!values.pipe.inner || !values.radius) return std::nullopt;
  const BendDisplay shown = ShowBend(values, edition);
  const std::string angle = std::to_string(values.angle);
  if (us) return std::array<std::string, 3>{shown.pipe.innerInches, shown.radiusInches, angle};
  return std::array<std::string, 3>{shown.pipe.innerMm, shown.radiusMm, angle};
}

}  // namespace velmora::parts
