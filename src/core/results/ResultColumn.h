#pragma once

#include <array>
#include <optional>
#include <string>

namespace velmora::results {

// The 26 rows of the results table.
inline constexpr int kRowCount = 26;

namespace row {
inline constexpr int Number = 0;     // running number of the column
inline constexpr int Medium = 1;     // medium, "/", phase word (+ TGasinfos for a gas)
inline constexpr int Flow = 2;       // m³/h (US gal/min)
inline constexpr int Density = 3;    // kg/m³ (US lb./cu.ft.)
inline constexpr int Viscosity = 4;  // 10-6 kg/ms (US cP)
inline constexpr int Spacer = 5;
inline constexpr int Description = 6;  // the user's description of the element
inline constexpr int Kind = 7;         // kind name, "/", count
inline constexpr int Input1 = 8;       // inputs 1 … 5 in rows 8 … 12
inline constexpr int Input5 = 12;
inline constexpr int Option = 13;  // two-way option
inline constexpr int Velocity = 14;
inline constexpr int Reynolds = 15;
inline constexpr int Velocity2 = 16;
inline constexpr int Reynolds2 = 17;
inline constexpr int Regime = 18;
inline constexpr int Roughness = 19;
inline constexpr int Lambda = 20;
inline constexpr int Zeta = 21;
inline constexpr int Zeta2 = 22;
inline constexpr int BranchLoss = 23;  // mbar (US lbw./sq.ft.)
inline constexpr int LossSmall = 24;   // mbar (US lbw./sq.ft.)
inline constexpr int LossLarge = 25;   // bar (US psi)
}  // namespace row

using ColumnTexts = std::array<std::string, kRowCount>;

// The gas data of an element calculated for a gas, attached to row 1: the texts and unit texts
// of the main window's inlet pressure and temperature fields, as they were shown.
struct TGasinfos {
  std::string inletPressure;
  std::string inletTemperature;
  std::string outletTemperature;
  std::string pressureUnit;           // ComboBox6N
  std::string inletTemperatureUnit;   // ComboBox7N
  std::string outletTemperatureUnit;  // ComboBox8N

  bool operator==(const TGasinfos&) const = default;
};

// One column of the table: its row texts and, for a gas, the gas data of row 1.
struct ResultColumn {
  ColumnTexts rows;
  std::optional<TGasinfos> gas;

  bool operator==(const ResultColumn&) const = default;
};

}  // namespace velmora::results
