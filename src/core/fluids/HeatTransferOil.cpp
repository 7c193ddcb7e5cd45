#include "fluids/HeatTransferOil.h"

#include <algorithm>
#include <cmath>

#include "text/FieldOf.h"

namespace velmora::fluids {
namespace {

std::optional<OilRecord> ReadOil(const std::string& line) {
  OilRecord oil;
  const std::string type = text::FieldOf(line, 1);
  oil.name = text::FieldOf(line, 2);
  if (oil.name.empty() || type.size() != 1 || type[0] < '1' || type[0] > '4') return std::nullopt;
  oil.type = type[0] - '0';
  for (int k = 0; k < 4; ++k) {
    const std::optional<long double> a = TableNumber(text::FieldView(line, 5 + k));
    if (!a) return std::nullopt;
    oil.a[k] = *a;
  }
  // An empty A is the same as A = 0: no viscosity data; otherwise A, B and C are numbers.
  if (text::FieldView(line, 14).find_first_not_of(' ') == std::string_view::npos) return oil;
  const std::optional<long double> A = TableNumber(text::FieldView(line, 14));
  const std::optional<long double> B = TableNumber(text::FieldView(line, 15));
  const std::optional<long double> C = TableNumber(text::FieldView(line, 16));
  if (!A || (*A != 0 && (!B || !C))) return std::nullopt;
  oil.A = *A;
  oil.B = B.value_or(0);
  oil.C = C.value_or(0);
  return oil;
}

}  // namespace

OilDatabase ReadOilDatabase(const TableLines& lines) {
  OilDatabase database;
  database.skipped = lines.skipped;
  for (const TableLine& line : lines.lines) {
    if (std::optional<OilRecord> oil = ReadOil(line.text)) {
      database.oils.push_back(std::move(*oil));
    } else {
      database.skipped.push_back(line.number);
    }
  }
  std::sort(database.skipped.begin(), database.skipped.end());
  return database;
}

std::optional<OilDatabase> LoadOilDatabase(const std::filesystem::path& folder) {
  const std::optional<TableLines> lines = ReadTableFile(folder / kOilFileName, LineCoding::Scrambled, 1);
  if (!lines) return std::nullopt;
  return ReadOilDatabase(*lines);
}

OilValues OilProperties(const OilRecord& oil, long double t) {
  OilValues values;
  values.density = oil.a[0] + t * (oil.a[1] + t * (oil.a[2] + t * oil.a[3]));
  if (oil.HasViscosity()) values.viscosity = std::exp(oil.A + oil.B / (oil.C + t)) * values.density;
  return values;
}

}  // namespace velmora::fluids
