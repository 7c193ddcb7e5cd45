#include "parts/TeeCatalogue.h"

#include "parts/PartNumbers.h"
#include "text/FieldOf.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::parts {
namespace {

constexpr TeeTable kDin{FittingSheet::Din, 5, 28};
constexpr TeeTable kAsme{FittingSheet::Asme, 35, 67};

constexpr FittingLayout kDinLayout{FittingSheet::Din, 8, 7, 2, 58, 58};
constexpr FittingLayout kAsmeLayout{FittingSheet::Asme, 5, 4, 2, 62, 62};

constexpr int kRunOuterField = 2;
constexpr int kRunFirstWallField = 3;

}  // namespace

const TeeTable& FindTeeTable(FittingSheet sheet) { return sheet == FittingSheet::Din ? kDin : kAsme; }

const FittingLayout& TeeLayout(FittingSheet sheet) { return sheet == FittingSheet::Din ? kDinLayout : kAsmeLayout; }

long double TeeMass(long double outerRun, long double innerRun, long double wallRun, long double halfLength,
                    long double outerBranch, long double innerBranch, long double branchHeight) {
  const long double run = kPi / 4 * (outerRun * outerRun - innerRun * innerRun) * 2 * halfLength;
  const long double branch =
      kPi / 4 * (outerBranch * outerBranch - innerBranch * innerBranch) * (branchHeight - innerRun / 2);
  const long double opening = kPi / 4 * innerBranch * innerBranch * wallRun;
  return (run + branch - opening) * kSteelDensity / 1.0e9L;
}

TeeStandard::TeeStandard(const TeeTable& table, const CatalogueFile& file)
    : table_(&table), rows_(file.DataLines(table.first, table.last)) {}

std::vector<std::string> TeeStandard::Runs() const { return FirstEndNames(rows_); }

std::vector<std::string> TeeStandard::RunWalls(std::size_t run, text::Edition edition) const {
  if (run >= rows_.size()) return {};
  return WallChoices(rows_[run], kRunFirstWallField, table_->sheet, edition);
}

std::vector<std::string> TeeStandard::Branches(std::size_t run) const {
  if (run >= rows_.size()) return {};
  return SecondEndNames(rows_[run], TeeLayout(table_->sheet));
}

std::vector<std::string> TeeStandard::BranchWalls(std::size_t run, std::size_t branch, text::Edition edition) const {
  if (run >= rows_.size()) return {};
  const FittingLayout& layout = TeeLayout(table_->sheet);
  const int b = static_cast<int>(branch) + 1;
  if (b > SecondEndCount(rows_[run], layout)) return {};
  return WallChoices(rows_[run], layout.FirstWallField(b), table_->sheet, edition);
}

TeeValues TeeStandard::Values(std::size_t run, std::size_t runWall, std::size_t branch, std::size_t branchWall) const {
  TeeValues values;
  values.inches = table_->sheet == FittingSheet::Asme;
  const auto walls = static_cast<std::size_t>(WallCount(table_->sheet));
  if (run >= rows_.size() || runWall >= walls || branchWall >= walls) return values;
  const std::string& row = rows_[run];
  const FittingLayout& layout = TeeLayout(table_->sheet);
  values.run = ReadEnd(row, kRunOuterField, kRunFirstWallField + static_cast<int>(runWall));
  const int b = static_cast<int>(branch) + 1;
  if (b > SecondEndCount(row, layout)) return values;
  values.branch = ReadEnd(row, layout.OuterField(b), layout.FirstWallField(b) + static_cast<int>(branchWall));
  const auto halfLength = ReadDimension(text::FieldView(row, layout.lengthField));
  const auto height = ReadDimension(text::FieldView(row, layout.branchLengthBase + b));
  if (!halfLength || !height || !values.run.inner || !values.branch.inner) return values;
  const auto mm = [&](long double value) { return ToMm(value, values.inches); };
  const long double mass = TeeMass(mm(*values.run.outer), mm(*values.run.inner), mm(*values.run.wall), mm(*halfLength),
                                   mm(*values.branch.outer), mm(*values.branch.inner), mm(*height));
  if (mass > 0) values.mass = mass;
  return values;
}

TeeDisplay ShowTee(const TeeValues& values, text::Edition edition, const std::string& massWord) {
  TeeDisplay shown;
  shown.run = ShowEnd(values.run, values.inches, edition);
  shown.branch = ShowEnd(values.branch, values.inches, edition);
  const MassTexts mass = ShowMass(values.mass, false, edition);
  shown.massKg = massWord + " " + mass.kg;
  shown.massLb = massWord + " " + mass.lb;
  if (values.run.wall) {
    const long double converted =
        values.inches ? *values.run.wall * units::kInchInMm : *values.run.wall / units::kInchInMm;
    shown.runWallConverted = units::FormatNumber(converted, 2, edition);
  } else {
    shown.runWallConverted = std::string(kNotAvailable);
  }
  return shown;
}

std::optional<std::array<std::string, 4>> TeeTakeOverValues(const TeeValues& values, bool us, text::Edition edition) {
  if (!values.run.inner || !values.branch.inner) return std::nullopt;
  const TeeDisplay shown = ShowTee(values, edition, {});
  // The edge radius is the run wall: as shown where the sheet's unit is the wanted one, else converted.
  const bool wallAsShown = us == values.inches;
  const std::string radius = wallAsShown ? shown.run.wall : shown.runWallConverted;
  if (us) return std::array<std::string, 4>{shown.run.innerInches, shown.branch.innerInches, radius, "90"};
  return std::array<std::string, 4>{shown.run.innerMm, shown.branch.innerMm, radius, "90"};
}

}  // namespace velmora::parts
