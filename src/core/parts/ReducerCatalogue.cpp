#include "parts/ReducerCatalogue.h"

#include <cmath>

#include "parts/PartNumbers.h"
#include "text/FieldOf.h"
#include "units/Numbers.h"

namespace velmora::parts {
namespace {

constexpr ReducerTable kDin{FittingSheet::Din, 5, 28};
constexpr ReducerTable kAsme{FittingSheet::Asme, 35, 66};

constexpr FittingLayout kDinLayout{FittingSheet::Din, 9, 7, 3, 8, 0};
constexpr FittingLayout kAsmeLayout{FittingSheet::Asme, 6, 4, 3, 5, 0};

constexpr int kLargeOuterField = 2;
constexpr int kLargeFirstWallField = 3;

}  // namespace

const ReducerTable& FindReducerTable(FittingSheet sheet) { return sheet == FittingSheet::Din ? kDin : kAsme; }

const FittingLayout& ReducerLayout(FittingSheet sheet) { return sheet == FittingSheet::Din ? kDinLayout : kAsmeLayout; }

std::optional<long double> ConeAngle(long double innerLarge, long double innerSmall, long double length) {
  if (!(length > 0) || !(innerLarge > innerSmall)) return std::nullopt;
  return std::atan((innerLarge - innerSmall) / 2 / length) * 180 / kPi;
}

long double FrustumShellMass(long double length, long double outerLarge, long double outerSmall, long double innerLarge,
                             long double innerSmall) {
  const long double outer =
      kPi / 12 * length * (outerLarge * outerLarge + outerLarge * outerSmall + outerSmall * outerSmall);
  const long double inner =
      kPi / 12 * length * (innerLarge * innerLarge + innerLarge * innerSmall + innerSmall * innerSmall);
  return (outer - inner) * kSteelDensity / 1.0e9L;
}

ReducerStandard::ReducerStandard(const ReducerTable& table, const CatalogueFile& file)
    : table_(&table), rows_(file.DataLines(table.first, table.last)) {}

std::vector<std::string> ReducerStandard::LargeEnds() const { return FirstEndNames(rows_); }

std::vector<std::string> ReducerStandard::LargeWalls(std::size_t large, text::Edition edition) const {
  if (large >= rows_.size()) return {};
  return WallChoices(rows_[large], kLargeFirstWallField, table_->sheet, edition);
}

std::vector<std::string> ReducerStandard::SmallEnds(std::size_t large) const {
  if (large >= rows_.size()) return {};
  return SecondEndNames(rows_[large], ReducerLayout(table_->sheet));
}

std::vector<std::string> ReducerStandard::SmallWalls(std::size_t large, std::size_t small,
                                                     text::Edition edition) const {
  if (large >= rows_.size()) return {};
  const FittingLayout& layout = ReducerLayout(table_->sheet);
  const int b = static_cast<int>(small) + 1;
  if (b > SecondEndCount(rows_[large], layout)) return {};
  return WallChoices(rows_[large], layout.FirstWallField(b), table_->sheet, edition);
}

ReducerValues ReducerStandard::Values(std::size_t large, std::size_t largeWall, std::size_t small,
                                      std::size_t smallWall) const {
  ReducerValues values;
  values.inches = table_->sheet == FittingSheet::Asme;
  const auto walls = static_cast<std::size_t>(WallCount(table_->sheet));
  if (large >= rows_.size() || largeWall >= walls || smallWall >= walls) return values;
  const std::string& row = rows_[large];
  const FittingLayout& layout = ReducerLayout(table_->sheet);
  values.large = ReadEnd(row, kLargeOuterField, kLargeFirstWallField + static_cast<int>(largeWall));
  const int b = static_cast<int>(small) + 1;
  if (b > SecondEndCount(row, layout)) return values;
  values.small = ReadEnd(row, layout.OuterField(b), layout.FirstWallField(b) + static_cast<int>(smallWall));
  const std::optional<long double> length = ReadDimension(text::FieldView(row, layout.lengthField));
  if (!length || !values.large.inner || !values.small.inner) return values;

  const auto mm = [&](long double value) { return ToMm(value, values.inches); };
  const long double da1 = mm(*values.large.outer), s1 = mm(*values.large.wall);
  const long double da2 = mm(*values.small.outer), s2 = mm(*values.small.wall);
  const long double di1 = mm(*values.large.inner), di2 = mm(*values.small.inner);
  const long double l = mm(*length);
  // EN/ISO/DIN: the cone begins half a √(Da·s) after each welding end; ASME/ANSI over the full length.
  const long double cone = values.inches ? l : l - 0.5L * std::sqrt(da1 * s1) - 0.5L * std::sqrt(da2 * s2);
  values.angle = ConeAngle(di1, di2, cone);
  values.mass = FrustumShellMass(l, da1, da2, di1, di2);
  return values;
}

ReducerDisplay ShowReducer(const ReducerValues& values, text::Edition edition, const std::string& massWord) {
  ReducerDisplay shown;
  shown.large = ShowEnd(values.large, values.inches, edition);
  shown.small = ShowEnd(values.small, values.inches, edition);
  shown.angle = ShowNumber(values.angle, 1, edition);
  const MassTexts mass = ShowMass(values.mass, false, edition);
  shown.massKg = massWord + " " + mass.kg;
  shown.massLb = massWord + " " + mass.lb;
  return shown;
}

std::optional<std::array<std::string, 3>> ReducerTakeOverValues(const ReducerValues& values, bool expansion, bool us,
                                                                text::Edition edition) {
  if (!values.large.inner || !values.small.inner || !values.angle) return std::nullopt;
  const ReducerDisplay shown = ShowReducer(values, edition, {});
  const EndDisplay& first = expansion ? shown.small : shown.large;
  const EndDisplay& second = expansion ? shown.large : shown.small;
  if (us) return std::array<std::string, 3>{first.innerInches, second.innerInches, shown.angle};
  return std::array<std::string, 3>{first.innerMm, second.innerMm, shown.angle};
}

}  // namespace velmora::parts
