#include "calculators/PipelineContent.h"

#include <algorithm>
#include <cmath>

#include "catalogue/ElementLayout.h"
#include "results/CopyToInputs.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::calculators {
namespace {

constexpr long double kQuarterPi = 0.78539816339744830963L;  // π/4

// The number of a dimension cell: the text after its last ":".
long double CellNumber(const results::ResultColumn& column, int row) {
  const std::string& cell = column.rows[static_cast<std::size_t>(row)];
  const std::size_t colon = cell.rfind(':');
  return units::ParseNumber(colon == std::string::npos ? cell : cell.substr(colon + 1)).value_or(0);
}

// The count after the last "/" of row 7.
long double Count(const results::ResultColumn& column) {
  const std::string& cell = column.rows[results::row::Kind];
  const std::size_t slash = cell.rfind('/');
  if (slash == std::string::npos) return 1;
  return units::ParseNumber(cell.substr(slash + 1)).value_or(1);
}

long double ColumnContent(const results::ResultColumn& column, int kind, bool us) {
  const long double mm = us ? units::kInchInMm : 1.0L;
  const long double m = us ? units::kFootInMetre : 1.0L;
  const auto at = [&](int slot) { return CellNumber(column, results::row::Input1 + slot); };
  switch (kind) {
    case 1: return kQuarterPi * std::pow(at(0) * mm, 2.0L) * at(1) * m / 1e6L;
    case 2:
    case 4: return at(0) * mm * at(1) * mm * at(2) * m / 1e6L;
    case 3: return (std::pow(at(0) * mm, 2.0L) - std::pow(at(1) * mm, 2.0L)) * kQuarterPi / 1e6L * at(2) * m;
    case 5: return kQuarterPi * std::pow(at(0) * mm, 2.0L) * at(3) * m / 1e6L;
    case 6: return at(0) * (us ? units::kSquareYardInSquareMetre : 1.0L) * at(2) * m;
    default: return 0;
  }
}

}  // namespace

long double PipelineContent(const results::ResultsTable& table, int from, int to, const text::TextStore& texts,
                            bool us) {
  if (from > to) std::swap(from, to);
  from = std::max(from, 1);
  to = std::min(to, table.LastElementColumn());
  long double content = 0;
  for (int c = from; c <= to; ++c) {
    const results::ResultColumn& column = table.Column(c);
    const catalogue::ElementLayout* layout = results::ElementOfColumn(column, texts);
    if (layout == nullptr || layout->group != 1) continue;
    const long double volume = ColumnContent(column, layout->kind, us) * Count(column);
    if (std::isfinite(volume)) content += volume;
  }
  return content;
}

std::string ContentText(long double cubicMetres, bool us, text::Edition edition) {
  if (us) {
    const long double foot = units::kFootInMetre;
    return units::FormatNumber(cubicMetres / (foot * foot * foot), 2, edition) + " ft³";
  }
  if (cubicMetres < 0.1L) return units::FormatNumber(cubicMetres * 1000.0L, 2, edition) + " l";
  return units::FormatNumber(cubicMetres, 2, edition) + " m³";
}

std::optional<std::string> FillingTimeText(long double cubicMetres, long double flow, text::Edition edition) {
  if (!(flow > 0)) return std::nullopt;
  const long double hours = cubicMetres / flow;
  if (!std::isfinite(hours)) return std::nullopt;
  if (hours >= 1) return units::FormatNumber(hours, 2, edition) + " h";
  if (hours >= 1.0L / 60.0L) return units::FormatNumber(hours * 60.0L, 2, edition) + " min";
  return units::FormatNumber(hours * 3600.0L, 2, edition) + " s";
}

}  // namespace velmora::calculators
