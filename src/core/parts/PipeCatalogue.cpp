#include "parts/PipeCatalogue.h"

#include "parts/PartNumbers.h"
#include "text/FieldOf.h"
#include "units/UnitFactors.h"

namespace velmora::parts {
namespace {

// Titles or walls from field `from` on, up to the first empty one.
std::vector<std::string> FieldsFrom(std::string_view line, int from, bool walls, text::Edition edition) {
  std::vector<std::string> fields;
  for (int k = from;; ++k) {
    const std::string_view field = text::FieldView(line, k);
    if (IsBlank(field)) break;
    fields.push_back(walls ? ShowAsGiven(field, edition) : std::string(field));
  }
  return fields;
}

}  // namespace

PipeStandard::PipeStandard(const PipeTable& table, const CatalogueFile& file) : table_(&table) {
  if (HasHeader(table.layout)) {
    header_ = std::string(file.Line(table.first));
    rows_ = file.DataLines(table.first + 1, table.last);
  } else {
    rows_ = file.DataLines(table.first, table.last);
  }
}

std::vector<std::string> PipeStandard::Sizes(text::Edition edition) const {
  std::vector<std::string> sizes;
  const bool outerDiameter = OuterField(table_->layout) == 1;
  for (const std::string& row : rows_) {
    const std::string_view field = text::FieldView(row, 1);
    if (IsBlank(field)) {
      sizes.emplace_back(kNotAvailable);
    } else {
      // An outer diameter is a number and shows with the edition's separator; a size name as it is.
      sizes.push_back(outerDiameter ? ShowAsGiven(field, edition) : std::string(field));
    }
  }
  return sizes;
}

std::vector<std::string> PipeStandard::Columns(std::size_t size, text::Edition edition) const {
  const PipeLayout layout = table_->layout;
  if (HasTitledColumns(layout)) return FieldsFrom(header_, 3, false, edition);
  if (HasWallColumns(layout) && size < rows_.size())
    return FieldsFrom(rows_[size], WallField(layout, 0), true, edition);
  return {};
}

std::string PipeStandard::Series(std::size_t size) const {
  if (table_->layout != PipeLayout::AdUndReihe || size >= rows_.size()) return {};
  return text::FieldOf(rows_[size], 2);
}

PipeValues PipeStandard::Values(std::size_t size, std::size_t column) const {
  PipeValues values;
  values.inches = InInches(table_->layout);
  if (size >= rows_.size()) return values;
  const std::string& row = rows_[size];
  values.outerField = text::FieldOf(row, OuterField(table_->layout));
  values.wallField = text::FieldOf(row, WallField(table_->layout, static_cast<int>(column)));
  values.outer = ReadDimension(values.outerField);
  values.notStandard = IsBlank(values.wallField);
  values.wall = ReadDimension(values.wallField);
  values.inner = Bore(values.outer, values.wall);
  if (values.inner) {
    // m = ((D/1000)² − (Di/1000)²)·ρ·π/4 with D and Di in mm.
    const long double outerM = ToMm(*values.outer, values.inches) / 1000;
    const long double innerM = ToMm(*values.inner, values.inches) / 1000;
    values.massPerMetre = (outerM * outerM - innerM * innerM) * table_->density * kPi / 4;
  }
  return values;
}

PipeDisplay ShowPipe(const PipeValues& values, text::Edition edition, const std::string& notStandardText) {
  PipeDisplay shown;
  shown.outer = ShowAsGiven(values.outerField, edition);
  if (values.notStandard) {
    shown.wall = shown.innerMm = shown.innerInches = shown.massKg = shown.massLb = notStandardText;
    return shown;
  }
  shown.wall = ShowAsGiven(values.wallField, edition);
  std::optional<long double> mm;
  std::optional<long double> inches;
  if (values.inner) {
    mm = ToMm(*values.inner, values.inches);
    inches = *mm / units::kInchInMm;
  }
  shown.innerMm = ShowNumber(mm, 1, edition);
  shown.innerInches = ShowNumber(inches, 3, edition);
  const MassTexts mass = ShowMass(values.massPerMetre, true, edition);
  shown.massKg = mass.kg;
  shown.massLb = mass.lb;
  return shown;
}

std::optional<std::string> PipeTakeOverValue(const PipeValues& values, bool us, text::Edition edition) {
  if (values.notStandard || !values.inner) return std::nullopt;
  const PipeDisplay shown = ShowPipe(values, edition, {});
  return us ? shown.innerInches : shown.innerMm;
}

}  // namespace velmora::parts
