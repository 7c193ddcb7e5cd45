#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fluids/PropertyTableFile.h"

// Aqueous solutions WAESSRIG.STW: two header lines, then one solute per line (scrambled, key slot
// 1), its fields separated by tabs: 1 name, 3 short text (formula), 4–6 the density coefficients
// A₁…A₃, 7–9 the viscosity coefficients B₁…B₃; field 2 is not read.
namespace velmora::fluids {

inline constexpr const char* kAqueousFileName = "WAESSRIG.STW";

struct SoluteRecord {
  std::string name;
  std::string shortText;
  long double A[3] = {};
  long double B[3] = {};
};

struct AqueousDatabase {
  std::vector<SoluteRecord> solutes;
  std::vector<int> skipped;  // file lines that were not read
};

AqueousDatabase ReadAqueousDatabase(const TableLines& lines);

// WAESSRIG.STW in the folder; nothing when the file is missing or cannot be read.
std::optional<AqueousDatabase> LoadAqueousDatabase(const std::filesystem::path& folder);

// One solute of a solution and its concentration in mass-%.
struct Solute {
  const SoluteRecord* record = nullptr;
  long double concentration = 0;
};

struct SolutionValues {
  long double density = 0;    // kg/m³
  long double viscosity = 0;  // 10⁻⁶ kg/(m·s)
};

// The solution at T (K) on the water of IF97 region 1 at 1.013 bar (ρ_w) and its viscosity
// (μ_w), t = T − 273.15 °C:
// log10 ρ = log10 ρ_w + Σ cₖ (A₁ₖ/10⁴ − A₂ₖ/10⁶ t + A₃ₖ/10⁸ t²)/100,
// log10(μ/10⁶) = log10(μ_w/10⁶) + Σ cₖ (B₁ₖ/100 + B₂ₖ/10⁴ t + B₃ₖ/10⁵ t²)/100.
// The coefficients are fitted to Laliberté's models (2007, 2009) within 0…100 °C; aqueous.tsv names
// each solute's concentration range. Nothing for a numeric fault.
std::optional<SolutionValues> SolutionProperties(std::span<const Solute> solutes, long double T);

}  // namespace velmora::fluids
