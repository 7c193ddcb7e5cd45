#include "fluids/VapourPressure.h"

#include <algorithm>
#include <cmath>

#include "fluids/SecantStep.h"
#include "text/FieldOf.h"

namespace velmora::fluids {
namespace {

// Start of the iteration of type 2, bar.
constexpr long double kType2Start = 0.05L;
// The exponent 2/7 of the Rackett equation.
constexpr long double kRackettExponent = 2.0L / 7.0L;

std::optional<int> WholeNumber(std::string_view field) {
  const std::optional<long double> value = TableNumber(field);
  if (!value || *value != std::trunc(*value) || std::fabs(*value) > 100000) return std::nullopt;
  return static_cast<int>(*value);
}

std::optional<VapourPressureRecord> ReadSubstance(const std::string& line) {
  VapourPressureRecord s;
  s.name = text::FieldOf(line, 1);
  s.formula = text::FieldOf(line, 2);
  s.molarMassText = text::FieldOf(line, 3);
  s.meltingPointText = text::FieldOf(line, 4);
  s.boilingPointText = text::FieldOf(line, 5);
  const std::string type = text::FieldOf(line, 6);
  if (s.name.empty() || (type != "1" && type != "2" && type != "3")) return std::nullopt;
  s.type = type[0] - '0';
  for (const int k : {3, 4, 5}) {
    if (!TableNumber(text::FieldView(line, k))) return std::nullopt;
  }
  long double* const numbers[] = {&s.A,
                                  &s.B,
                                  &s.C,
                                  &s.D,
                                  nullptr,
                                  nullptr,
                                  &s.criticalTemperature,
                                  &s.criticalPressure,
                                  &s.referenceDensity,
                                  &s.referenceTemperature,
                                  &s.rackettParameter};
  for (int k = 7; k <= 17; ++k) {
    long double* target = numbers[k - 7];
    if (target == nullptr) continue;
    const std::optional<long double> value = TableNumber(text::FieldView(line, k));
    if (!value) return std::nullopt;
    *target = *value;
  }
  const std::optional<int> lowest = WholeNumber(text::FieldView(line, 11));
  const std::optional<int> highest = WholeNumber(text::FieldView(line, 12));
  if (!lowest || !highest || *lowest <= 0 || *highest < *lowest) return std::nullopt;
  s.lowestTemperature = *lowest;
  s.highestTemperature = *highest;
  if (s.criticalTemperature <= 0 || s.criticalPressure <= 0 || s.referenceDensity <= 0 || s.rackettParameter <= 0)
    return std::nullopt;
  return s;
}

std::optional<long double> Finite(long double value) {
  if (!std::isfinite(value) || !(value > 0)) return std::nullopt;
  return value;
}

}  // namespace

VapourPressureDatabase ReadVapourPressureDatabase(const TableLines& lines) {
  VapourPressureDatabase database;
  database.skipped = lines.skipped;
  for (const TableLine& line : lines.lines) {
    if (std::optional<VapourPressureRecord> substance = ReadSubstance(line.text)) {
      database.substances.push_back(std::move(*substance));
    } else {
      database.skipped.push_back(line.number);
    }
  }
  std::sort(database.skipped.begin(), database.skipped.end());
  return database;
}

std::optional<VapourPressureDatabase> LoadVapourPressureDatabase(const std::filesystem::path& folder) {
  const std::optional<TableLines> lines = ReadTableFile(folder / kVapourPressureFileName, LineCoding::Plain, 0);
  if (!lines) return std::nullopt;
  return ReadVapourPressureDatabase(*lines);
}

std::optional<long double> VapourPressure(const VapourPressureRecord& s, long double T) {
  switch (s.type) {
    case 3: return Finite(std::exp(s.A - s.B / (T + s.C)));
    case 1: {
      const long double tau = 1 - T / s.criticalTemperature;
      if (tau == 0) return s.criticalPressure;
      const long double sum = s.A * tau + s.B * std::pow(tau, 1.5L) + s.C * tau * tau * tau + s.D * std::pow(tau, 6.0L);
      return Finite(s.criticalPressure * std::exp(s.criticalTemperature / T * sum));
    }
    case 2: {
      const long double fixed = s.A - s.B / T + s.C * std::log(T);
      const std::optional<long double> p =
          SolveBySecantStep([&](long double x) { return fixed + s.D * x / (T * T) - std::log(x); }, kType2Start);
      if (!p) return std::nullopt;
      return Finite(*p);
    }
    default: return std::nullopt;
  }
}

std::optional<long double> RackettDensity(const VapourPressureRecord& s, long double T) {
  // xʸ as exp(y ln x): the general power of the extended type is slow; a negative base gives NaN
  // either way.
  const auto power = [](long double x, long double y) { return std::exp(y * std::log(x)); };
  const long double exponent = power(1 - T / s.criticalTemperature, kRackettExponent) -
                               power(1 - s.referenceTemperature / s.criticalTemperature, kRackettExponent);
  return Finite(1000 * s.referenceDensity / power(s.rackettParameter, exponent));
}

DegreeRange UpDownRange(const VapourPressureRecord& s) {
  const int lowest = s.lowestTemperature - 273;
  int highest = s.highestTemperature - 274;
  highest -= highest % 5;  // toward zero: a last digit 1-4 goes to 0, 6-9 to 5
  return {lowest, std::max(highest, lowest)};
}

int NextUpDownStep(int step) {
  constexpr int kSteps[] = {1, 2, 5, 10, 20};
  for (const int next : kSteps) {
    if (next > step) return next;
  }
  return kSteps[4];
}

}  // namespace velmora::fluids
