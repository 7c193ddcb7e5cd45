#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fluids/PropertyTableFile.h"

// The substance constants STBERE.STW: one header line, then one substance per line (scrambled,
// key slot 1), its fields separated by tabs: 1 CAS number, 2 name, 4 formula, 5 M g/mol, 6 melting
// point °C, 7 normal boiling point °C, 8 Tc K, 9 pc bar, 10 Vc cm³/mol, 11 reference liquid
// density ρ_R g/cm³, 12 its temperature T_R K, 13 the Rackett parameter Z_RA, 14 the acentric
// factor ω, 15 the liquid-viscosity correlation type (0 none, 1, 2, 3, 5, 6), 16–19 its
// coefficients A, B, C, D, 20 and 21 its lowest and highest temperature K, 22 the refrigerant
// number. An empty constant is missing (Z_RA and ω are then estimated); a constant that is no
// number makes the line unreadable.
namespace velmora::fluids {

inline constexpr const char* kSubstanceFileName = "STBERE.STW";

// The constants of a substance that the methods may need.
enum class Constant {
  MolarMass,
  MeltingPoint,
  BoilingPoint,
  CriticalTemperature,
  CriticalPressure,
  CriticalVolume,
  ReferenceDensity,
  ReferenceTemperature,
  RackettParameter,
  AcentricFactor,
};
inline constexpr int kConstantCount = 10;

struct SubstanceRecord {
  std::string cas;
  std::string name;
  std::string formula;
  std::string refrigerantNumber;
  std::string meltingPointText;  // °C, as stored
  std::string boilingPointText;
  std::optional<long double> constants[kConstantCount];  // by Constant; M g/mol, °C, K, bar, cm³/mol, g/cm³
  int viscosityType = 0;                                 // 0 none
  long double A = 0, B = 0, C = 0, D = 0;
  long double lowestTemperature = 0;  // K, of the correlation
  long double highestTemperature = 0;

  const std::optional<long double>& Get(Constant constant) const { return constants[static_cast<int>(constant)]; }
};

struct SubstanceDatabase {
  std::vector<SubstanceRecord> substances;
  std::vector<int> skipped;  // file lines that were not read
};

SubstanceDatabase ReadSubstanceDatabase(const TableLines& lines);

// STBERE.STW in the folder; nothing when the file is missing or cannot be read.
std::optional<SubstanceDatabase> LoadSubstanceDatabase(const std::filesystem::path& folder);

}  // namespace velmora::fluids
