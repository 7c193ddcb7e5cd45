#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fluids/PropertyTableFile.h"
#include "fluids/SrkGas.h"

// The gas database GASE.STW: one header line, then one gas per line (scrambled, key slot 1), its
// fields separated by tabs: 1 CAS number, 2 name, 3 (not read), 4 formula, 5 M g/mol, 6 melting
// point °C, 7 normal boiling point °C, 8 Tc K, 9 pc bar, 10 (not read), 11 ω, then pairs of a
// temperature in °C (ascending) and the viscosity at 1.013 bar in 10⁻⁶ kg/(m·s).
namespace velmora::fluids {

inline constexpr const char* kGasFileName = "GASE.STW";

struct TabulatedViscosity {
  long double temperature = 0;  // °C
  std::string temperatureText;  // as stored
  long double viscosity = 0;    // 10⁻⁶ kg/(m·s) at 1.013 bar
};

struct GasRecord {
  std::string cas;
  std::string name;
  std::string formula;
  std::string meltingPointText;  // °C, as stored
  std::string boilingPointText;
  long double meltingPoint = 0;  // °C
  long double boilingPoint = 0;  // normal boiling point, °C
  SrkConstants constants;
  std::vector<TabulatedViscosity> viscosities;  // at least one, ascending in temperature
};

struct GasDatabase {
  std::vector<GasRecord> gases;
  std::vector<int> skipped;  // file lines that were not read: undecodable, too few fields, no number
};

// Reads the decoded lines of GASE.STW (its header already dropped).
GasDatabase ReadGasDatabase(const TableLines& lines);

// GASE.STW in the folder; nothing when the file is missing or cannot be read.
std::optional<GasDatabase> LoadGasDatabase(const std::filesystem::path& folder);

// The viscosity at t °C: the tabulated one at a tabulated temperature, else linear between the
// tabulated temperatures around t (tᵢ ≤ t < tᵢ₊₁); nothing outside the first and the last.
std::optional<long double> ViscosityAt(const GasRecord& gas, long double t);

}  // namespace velmora::fluids
