#include "fluids/LiquidDatabase.h"

#include <algorithm>

#include "hydraulics/Arithmetic.h"
#include "text/FieldOf.h"

namespace velmora::fluids {
namespace {

constexpr int kFirstRowField = 5;

std::optional<LiquidRecord> ReadLiquid(const std::string& line) {
  LiquidRecord liquid;
  liquid.name = text::FieldOf(line, 1);
  liquid.formula = text::FieldOf(line, 2);
  liquid.meltingPointText = text::FieldOf(line, 3);
  liquid.boilingPointText = text::FieldOf(line, 4);
  const auto tm = TableNumber(liquid.meltingPointText);
  const auto tb = TableNumber(liquid.boilingPointText);
  if (liquid.name.empty() || !tm || !tb) return std::nullopt;
  liquid.meltingPoint = *tm;
  liquid.boilingPoint = *tb;
  for (int k = kFirstRowField; !text::FieldView(line, k).empty(); k += 3) {
    LiquidRow row{0, 0, 0, text::FieldOf(line, k), text::FieldOf(line, k + 1), text::FieldOf(line, k + 2)};
    const auto t = TableNumber(row.temperatureText);
    const auto rho = TableNumber(row.densityText);
    const auto mu = TableNumber(row.viscosityText);
    if (!t || !rho || !mu || *rho <= 0 || *mu <= 0) return std::nullopt;
    if (!liquid.rows.empty() && *t <= liquid.rows.back().temperature) return std::nullopt;
    row.temperature = *t;
    row.density = *rho;
    row.viscosity = *mu;
    liquid.rows.push_back(std::move(row));
  }
  if (liquid.rows.empty()) return std::nullopt;
  return liquid;
}

}  // namespace

LiquidDatabase ReadLiquidDatabase(const TableLines& lines) {
  LiquidDatabase database;
  database.skipped = lines.skipped;
  for (const TableLine& line : lines.lines) {
    if (std::optional<LiquidRecord> liquid = ReadLiquid(line.text)) {
      database.liquids.push_back(std::move(*liquid));
    } else {
      database.skipped.push_back(line.number);
    }
  }
  std::sort(database.skipped.begin(), database.skipped.end());
  return database;
}

std::optional<LiquidDatabase> LoadLiquidDatabase(const std::filesystem::path& folder) {
  const std::optional<TableLines> lines = ReadTableFile(folder / kLiquidFileName, LineCoding::Scrambled, 0);
  if (!lines) return std::nullopt;
  return ReadLiquidDatabase(*lines);
}

std::optional<LiquidValues> InterpolateLiquid(const LiquidRecord& liquid, long double t) {
  const std::vector<LiquidRow>& rows = liquid.rows;
  if (rows.empty() || !(t > rows.front().temperature && t < rows.back().temperature)) return std::nullopt;
  const auto upper = std::find_if(rows.begin(), rows.end(), [t](const LiquidRow& row) { return row.temperature > t; });
  const LiquidRow& high = *upper;
  const LiquidRow& low = *(upper - 1);
  return LiquidValues{hydraulics::Interpolate(high.density, low.density, high.temperature, low.temperature, t),
                      hydraulics::Interpolate(high.viscosity, low.viscosity, high.temperature, low.temperature, t)};
}

std::optional<LiquidValues> LiquidAt(const LiquidRecord& liquid, long double t) {
  for (const LiquidRow& row : liquid.rows) {
    if (row.temperature == t) return LiquidValues{row.density, row.viscosity};
  }
  return InterpolateLiquid(liquid, t);
}

}  // namespace velmora::fluids
