#include "fluids/GasDatabase.h"

#include <algorithm>

#include "hydraulics/Arithmetic.h"
#include "text/FieldOf.h"

namespace velmora::fluids {
namespace {

constexpr int kFirstPairField = 12;

std::optional<GasRecord> ReadGas(const std::string& line) {
  GasRecord gas;
  gas.cas = text::FieldOf(line, 1);
  gas.name = text::FieldOf(line, 2);
  gas.formula = text::FieldOf(line, 4);
  gas.meltingPointText = text::FieldOf(line, 6);
  gas.boilingPointText = text::FieldOf(line, 7);
  const auto M = TableNumber(text::FieldView(line, 5));
  const auto tm = TableNumber(gas.meltingPointText);
  const auto tb = TableNumber(gas.boilingPointText);
  const auto Tc = TableNumber(text::FieldView(line, 8));
  const auto pc = TableNumber(text::FieldView(line, 9));
  const auto omega = TableNumber(text::FieldView(line, 11));
  if (gas.name.empty() || !M || !tm || !tb || !Tc || !pc || !omega) return std::nullopt;
  if (*M <= 0 || *Tc <= 0 || *pc <= 0) return std::nullopt;
  gas.meltingPoint = *tm;
  gas.boilingPoint = *tb;
  gas.constants = {*Tc, *pc, *omega, *M};
  // The pairs run until an empty temperature field; each needs its viscosity.
  for (int k = kFirstPairField; !text::FieldView(line, k).empty(); k += 2) {
    const std::string temperatureText = text::FieldOf(line, k);
    const auto t = TableNumber(temperatureText);
    const auto mu = TableNumber(text::FieldView(line, k + 1));
    if (!t || !mu || *mu <= 0) return std::nullopt;
    if (!gas.viscosities.empty() && *t <= gas.viscosities.back().temperature) return std::nullopt;
    gas.viscosities.push_back({*t, temperatureText, *mu});
  }
  if (gas.viscosities.empty()) return std::nullopt;
  return gas;
}

}  // namespace

GasDatabase ReadGasDatabase(const TableLines& lines) {
  GasDatabase database;
  database.skipped = lines.skipped;
  for (const TableLine& line : lines.lines) {
    if (std::optional<GasRecord> gas = ReadGas(line.text)) {
      database.gases.push_back(std::move(*gas));
    } else {
      database.skipped.push_back(line.number);
    }
  }
  std::sort(database.skipped.begin(), database.skipped.end());
  return database;
}

std::optional<GasDatabase> LoadGasDatabase(const std::filesystem::path& folder) {
  const std::optional<TableLines> lines = ReadTableFile(folder / kGasFileName, LineCoding::Scrambled, 1);
  if (!lines) return std::nullopt;
  return ReadGasDatabase(*lines);
}

std::optional<long double> ViscosityAt(const GasRecord& gas, long double t) {
  const std::vector<TabulatedViscosity>& table = gas.viscosities;
  if (table.empty() || !(t >= table.front().temperature) || t > table.back().temperature) return std::nullopt;
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].temperature == t) return table[i].viscosity;
    if (table[i].temperature > t) {
      return hydraulics::Interpolate(table[i].viscosity, table[i - 1].viscosity, table[i].temperature,
                                     table[i - 1].temperature, t);
    }
  }
  return std::nullopt;
}

}  // namespace velmora::fluids
