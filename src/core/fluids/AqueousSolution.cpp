#include "fluids/AqueousSolution.h"

#include <algorithm>
#include <cmath>

#include "fluids/Water.h"
#include "fluids/WaterViscosity.h"
#include "text/FieldOf.h"
#include "units/UnitFactors.h"

namespace velmora::fluids {
namespace {

// The pressure of the water under the solution, bar.
constexpr long double kWaterPressure = 1.013L;
// 10⁶: μ in 10⁻⁶ kg/(m·s) as Pa·s.
constexpr long double kMicro = 1e6L;

std::optional<SoluteRecord> ReadSolute(const std::string& line) {
  SoluteRecord solute;
  solute.name = text::FieldOf(line, 1);
  solute.shortText = text::FieldOf(line, 3);
  if (solute.name.empty()) return std::nullopt;
  for (int k = 0; k < 3; ++k) {
    const std::optional<long double> A = TableNumber(text::FieldView(line, 4 + k));
    const std::optional<long double> B = TableNumber(text::FieldView(line, 7 + k));
    if (!A || !B) return std::nullopt;
    solute.A[k] = *A;
    solute.B[k] = *B;
  }
  return solute;
}

}  // namespace

AqueousDatabase ReadAqueousDatabase(const TableLines& lines) {
  AqueousDatabase database;
  database.skipped = lines.skipped;
  for (const TableLine& line : lines.lines) {
    if (std::optional<SoluteRecord> solute = ReadSolute(line.text)) {
      database.solutes.push_back(std::move(*solute));
    } else {
      database.skipped.push_back(line.number);
    }
  }
  std::sort(database.skipped.begin(), database.skipped.end());
  return database;
}

std::optional<AqueousDatabase> LoadAqueousDatabase(const std::filesystem::path& folder) {
  const std::optional<TableLines> lines = ReadTableFile(folder / kAqueousFileName, LineCoding::Scrambled, 2);
  if (!lines) return std::nullopt;
  return ReadAqueousDatabase(*lines);
}

std::optional<SolutionValues> SolutionProperties(std::span<const Solute> solutes, long double T) {
  const long double t = T - units::kZeroCelsiusInKelvin;
  const long double rhoWater = DensityRegion1(T, kWaterPressure);
  const long double muWater = ViscosityWater(T, rhoWater);
  long double densityExponent = 0;
  long double viscosityExponent = 0;
  for (const Solute& solute : solutes) {
    if (solute.record == nullptr) continue;
    const long double* A = solute.record->A;
    const long double* B = solute.record->B;
    const long double c = solute.concentration;
    densityExponent += c * (A[0] / 1e4L - A[1] / 1e6L * t + A[2] / 1e8L * t * t) / 100;
    viscosityExponent += c * (B[0] / 100 + B[1] / 1e4L * t + B[2] / 1e5L * t * t) / 100;
  }
  SolutionValues values;
  values.density = std::pow(10.0L, std::log10(rhoWater) + densityExponent);
  values.viscosity = std::pow(10.0L, std::log10(muWater / kMicro) + viscosityExponent) * kMicro;
  if (!std::isfinite(values.density) || !(values.density > 0) || !std::isfinite(values.viscosity) ||
      !(values.viscosity > 0)) {
    return std::nullopt;
  }
  return values;
}

}  // namespace velmora::fluids
