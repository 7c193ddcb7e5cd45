#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fluids/PropertyTableFile.h"

// The vapour-pressure/density database DADRU.DAD (plain text, no header): one substance per line,
// its fields separated by tabs: 1 name, 2 formula, 3 M kg/kmol, 4 melting point °C, 5 boiling
// point °C, 6 equation type (1, 2 or 3), 7–10 its coefficients A, B, C, D, 11 and 12 the lowest and
// highest temperature of validity in K (whole numbers), 13 Tc K, 14 pc bar, 15 reference liquid
// density ρ_R g/cm³, 16 its temperature T_R K, 17 the Rackett parameter Z_RA. T in K, p in bar.
namespace velmora::fluids {

inline constexpr const char* kVapourPressureFileName = "DADRU.DAD";

struct VapourPressureRecord {
  std::string name;
  std::string formula;
  std::string molarMassText;     // kg/kmol, as stored
  std::string meltingPointText;  // °C, as stored
  std::string boilingPointText;
  int type = 0;  // 1 Wagner 3,6; 2 implicit in p; 3 Antoine
  long double A = 0, B = 0, C = 0, D = 0;
  int lowestTemperature = 0;             // K
  int highestTemperature = 0;            // K
  long double criticalTemperature = 0;   // K
  long double criticalPressure = 0;      // bar
  long double referenceDensity = 0;      // ρ_R, g/cm³
  long double referenceTemperature = 0;  // T_R, K
  long double rackettParameter = 0;      // Z_RA
};

struct VapourPressureDatabase {
  std::vector<VapourPressureRecord> substances;
  std::vector<int> skipped;  // file lines that were not read
};

VapourPressureDatabase ReadVapourPressureDatabase(const TableLines& lines);

// DADRU.DAD in the folder; nothing when the file is missing or cannot be read.
std::optional<VapourPressureDatabase> LoadVapourPressureDatabase(const std::filesystem::path& folder);

// The vapour pressure at T by the substance's equation; nothing for a numeric fault:
// type 3, Antoine: p = exp(A − B/(T + C));
// type 1, Wagner 3,6 form: τ = 1 − T/Tc, p = pc exp((Tc/T)(A τ + B τ^1.5 + C τ³ + D τ⁶)), p = pc at Tc;
// type 2: ln p = A − B/T + C ln T + D p/T², solved for p by the secant step from 0.05 bar.
std::optional<long double> VapourPressure(const VapourPressureRecord& substance, long double T);

// Saturated-liquid density by the Rackett equation in Spencer and Danner's form (1972),
// ρ = 1000 ρ_R / Z_RA^((1 − T/Tc)^(2/7) − (1 − T_R/Tc)^(2/7)) kg/m³, below Tc; nothing for a
// numeric fault.
std::optional<long double> RackettDensity(const VapourPressureRecord& substance, long double T);

// The whole-degree temperatures (°C) of the up/down control: from T_min − 273 up to T_max − 274
// moved toward zero to a last digit of 0 or 5 (never below the lower limit).
struct DegreeRange {
  int lowest = 0;
  int highest = 0;
};
DegreeRange UpDownRange(const VapourPressureRecord& substance);

// The step of the up/down control after one more 300 ms tick while it is held: 1, 2, 5, 10, 20.
int NextUpDownStep(int step);

}  // namespace velmora::fluids
