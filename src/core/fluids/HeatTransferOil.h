#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fluids/PropertyTableFile.h"

// The heat-transfer oils WT.STW: one header line, then one oil per line (scrambled, key slot 1),
// its fields separated by tabs: 1 type code (1, 2, 3 or 4), 2 name, 5–8 the density coefficients
// a₀…a₃, 14–16 the viscosity coefficients A, B, C (A = 0 or empty: no viscosity data); the other
// fields are not read. t in °C.
namespace velmora::fluids {

inline constexpr const char* kOilFileName = "WT.STW";

struct OilRecord {
  int type = 0;  // 1 mineral oil, 2 synthetic, 3 and 4 silicone and other
  std::string name;
  long double a[4] = {};  // ρ = a₀ + a₁ t + a₂ t² + a₃ t³, kg/m³
  long double A = 0, B = 0, C = 0;

  bool HasViscosity() const { return A != 0; }
};

struct OilDatabase {
  std::vector<OilRecord> oils;
  std::vector<int> skipped;  // file lines that were not read
};

OilDatabase ReadOilDatabase(const TableLines& lines);

// WT.STW in the folder; nothing when the file is missing or cannot be read.
std::optional<OilDatabase> LoadOilDatabase(const std::filesystem::path& folder);

// Density (kg/m³) and dynamic viscosity (10⁻⁶ kg/(m·s)) at t °C: the cubic in t, and the
// kinematic viscosity ν = exp(A + B/(C + t)) mm²/s times ρ (0 without viscosity data). Fitted to
// the makers' tables over 0…300 °C (oils.tsv names each fit's range); the values are not
// checked for sign or finiteness here.
struct OilValues {
  long double density = 0;
  long double viscosity = 0;
};
OilValues OilProperties(const OilRecord& oil, long double t);

}  // namespace velmora::fluids
