#include "fluids/SubstanceDatabase.h"

#include <algorithm>

#include "text/FieldOf.h"

namespace velmora::fluids {
namespace {

// The field of each constant, in the order of Constant.
constexpr int kConstantFields[kConstantCount] = {5, 6, 7, 8, 9, 10, 11, 12, 13, 14};

bool Empty(std::string_view field) { return field.find_first_not_of(' ') == std::string_view::npos; }

std::optional<SubstanceRecord> ReadSubstance(const std::string& line) {
  SubstanceRecord s;
  s.cas = text::FieldOf(line, 1);
  s.name = text::FieldOf(line, 2);
  s.formula = text::FieldOf(line, 4);
  s.meltingPointText = text::FieldOf(line, 6);
  s.boilingPointText = text::FieldOf(line, 7);
  s.refrigerantNumber = text::FieldOf(line, 22);
  if (s.name.empty()) return std::nullopt;
  for (int k = 0; k < kConstantCount; ++k) {
    const std::string_view field = text::FieldView(line, kConstantFields[k]);
    if (Empty(field)) continue;
    s.constants[k] = TableNumber(field);
    if (!s.constants[k]) return std::nullopt;
  }
  const std::string type = text::FieldOf(line, 15);
  if (type.empty() || type == "0") return s;
  if (type != "1" && type != "2" && type != "3" && type != "5" && type != "6") return std::nullopt;
  s.viscosityType = type[0] - '0';
  long double* const numbers[] = {&s.A, &s.B, &s.C, &s.D, &s.lowestTemperature, &s.highestTemperature};
  for (int k = 0; k < 6; ++k) {
    const std::string_view field = text::FieldView(line, 16 + k);
    // C and D of the shorter correlations may stay empty; the range may not.
    if (Empty(field) && (k == 2 || k == 3)) continue;
    const std::optional<long double> value = TableNumber(field);
    if (!value) return std::nullopt;
    *numbers[k] = *value;
  }
  if (!(s.lowestTemperature <= s.highestTemperature)) return std::nullopt;
  return s;
}

}  // namespace

SubstanceDatabase ReadSubstanceDatabase(const TableLines& lines) {
  SubstanceDatabase database;
  database.skipped = lines.skipped;
  for (const TableLine& line : lines.lines) {
    if (std::optional<SubstanceRecord> substance = ReadSubstance(line.text)) {
      database.substances.push_back(std::move(*substance));
    } else {
      database.skipped.push_back(line.number);
    }
  }
  std::sort(database.skipped.begin(), database.skipped.end());
  return database;
}

std::optional<SubstanceDatabase> LoadSubstanceDatabase(const std::filesystem::path& folder) {
  const std::optional<TableLines> lines = ReadTableFile(folder / kSubstanceFileName, LineCoding::Scrambled, 1);
  if (!lines) return std::nullopt;
  return ReadSubstanceDatabase(*lines);
}

}  // namespace velmora::fluids
