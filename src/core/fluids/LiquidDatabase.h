#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fluids/PropertyTableFile.h"

// The liquids database MEDIEN.STW: one liquid per line (scrambled, key slot 1, no header), its
// fields separated by tabs: 1 name, 2 formula, 3 melting point °C, 4 boiling point °C, then
// triples of a temperature in °C, the density in kg/m³ and the dynamic viscosity in
// 10⁻⁶ kg/(m·s), ascending in temperature, until the end of the line or an empty field.
namespace velmora::fluids {

inline constexpr const char* kLiquidFileName = "MEDIEN.STW";

struct LiquidRow {
  long double temperature = 0;  // °C
  long double density = 0;      // kg/m³
  long double viscosity = 0;    // 10⁻⁶ kg/(m·s)
  std::string temperatureText;  // as stored
  std::string densityText;
  std::string viscosityText;
};

struct LiquidRecord {
  std::string name;
  std::string formula;
  std::string meltingPointText;  // °C, as stored
  std::string boilingPointText;
  long double meltingPoint = 0;
  long double boilingPoint = 0;
  std::vector<LiquidRow> rows;  // at least one, ascending in temperature
};

struct LiquidDatabase {
  std::vector<LiquidRecord> liquids;
  std::vector<int> skipped;  // file lines that were not read
};

LiquidDatabase ReadLiquidDatabase(const TableLines& lines);

// MEDIEN.STW in the folder; nothing when the file is missing or cannot be read.
std::optional<LiquidDatabase> LoadLiquidDatabase(const std::filesystem::path& folder);

struct LiquidValues {
  long double density = 0;    // kg/m³
  long double viscosity = 0;  // 10⁻⁶ kg/(m·s)
};

// Density and viscosity at t °C, linear in t between the rows around it (tᵢ ≤ t < tᵢ₊₁, the
// upper row the first one above t); nothing unless t lies strictly between the first and the last.
std::optional<LiquidValues> InterpolateLiquid(const LiquidRecord& liquid, long double t);

// At t °C: a row's own values at a tabulated temperature, else the interpolation.
std::optional<LiquidValues> LiquidAt(const LiquidRecord& liquid, long double t);

}  // namespace velmora::fluids
