#pragma once

#include <optional>
#include <string>

#include "mainform/MainForm.h"

// The medium a property dialog hands to the main window: the texts it shows, not numbers; the main
// window reads them when it calculates.
namespace velmora::fluids {

// The gas data of a gas take-over: the texts and the unit entries (list positions; the pressure
// and temperature lists are the same in every window).
struct GasTakeOver {
  std::string pressure;  // absolute
  int pressureUnit = 0;
  std::string temperature;  // written into the inlet and the outlet temperature
  int temperatureUnit = 0;
};

struct MediumTakeOver {
  std::string description;             // Eingabe_Medium: name " (" state values with units ")"
  bool gas = false;                    // Radio_gas, else Radio_fluessig
  std::string density;                 // Eingabe_Dichte, as displayed
  std::string viscosity;               // Eingabe_Viskositaet, dynamic, as displayed
  int densityUnit = 0;                 // ComboBox2: 0 "kg/m³", 8 "lb./cu.ft."
  int viscosityKind = 0;               // ComboBox5: 0 dynamic
  int viscosityUnit = 0;               // ComboBox3: 0 "10-6 kg/ms", 5 "cP"
  std::optional<GasTakeOver> gasData;  // only for a gas; a liquid leaves the gas fields as they are

  // Density and viscosity units of the dialogs: metric (kg/m³, 10⁻⁶ kg/(m·s)) or US (lb./cu.ft., cP).
  void SetUnits(bool us);
};

// Unit entries of the take-over.
inline constexpr int kDensityUnitMetric = 0;          // "kg/m³"
inline constexpr int kDensityUnitUs = 8;              // "lb./cu.ft."
inline constexpr int kViscosityUnitMetric = 0;        // "10-6 kg/ms"
inline constexpr int kViscosityUnitUs = 5;            // "cP"
inline constexpr int kPressureUnitBar = 0;            // "bar"
inline constexpr int kPressureUnitPsia = 11;          // "psia"
inline constexpr int kTemperatureUnitCelsius = 0;     // "°C"
inline constexpr int kTemperatureUnitFahrenheit = 2;  // "degF"

// Writes the medium into the main window's inputs: description, phase, density and viscosity with
// their units and the dynamic viscosity kind, and for a gas the inlet pressure and both
// temperatures with their units. Everything else stays.
void WriteTakeOver(const MediumTakeOver& takeOver, mainform::MainForm& form);

// A liquid hand-over of the correlation dialogs: description, the density and viscosity texts as
// shown, the units of the display (metric or US); the gas fields stay.
MediumTakeOver LiquidTakeOver(std::string description, std::string density, std::string viscosity, bool us);

// name " (" first " " its unit ", " second " " its unit ")", the description of most take-overs.
std::string StateDescription(const std::string& name, const std::string& first, std::string_view firstUnit,
                             const std::string& second = {}, std::string_view secondUnit = {});
// The description of a state given by pressure and temperature: "name (p unit, t unit)".
std::string StateDescription(const std::string& name, const GasTakeOver& state);

// The take-over of a state given by pressure and temperature: its description, the phase, the
// values as displayed in the display's units, and for a gas that state as its operating data.
MediumTakeOver StateTakeOver(const std::string& name, const GasTakeOver& state, bool gas, std::string density,
                             std::string viscosity, bool us);

}  // namespace velmora::fluids
