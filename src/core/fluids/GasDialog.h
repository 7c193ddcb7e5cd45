#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fluids/GasDatabase.h"
#include "fluids/MediumTakeOver.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The gas database dialog (TStoffwerteGaseNeu) from its typed inputs to the texts it shows and the
// gas it hands over: table values at a tabulated temperature, values interpolated at a typed one.
namespace velmora::fluids {

inline constexpr std::string_view kGasBlock = "StoffwerteGaseNeu";

// Controls the messages focus.
inline constexpr const char* kGasPressureEdit = "DruckEdit";
inline constexpr const char* kGasTemperatureEdit = "TemperaturEdit";

struct GasForm {
  std::string pressure;  // absolute
  int pressureUnit = 0;
  int row = 0;              // the chosen tabulated temperature
  std::string temperature;  // typed, for the interpolation
  int temperatureUnit = 0;

  // "1,013" bar ("1.013" in 'E'), the first tabulated temperature, no typed temperature.
  static GasForm Defaults(text::Edition edition);
};

// What the dialog shows of the chosen gas.
struct GasIdentity {
  std::string cas;  // "CAS-Nr. 7727-37-9"
  std::string name;
  std::string formula;
  std::string meltingPoint;               // "-210,00 °C  (= -346 °F)"
  std::string boilingPoint;               // likewise
  std::string criticalTemperature;        // "-147 °C  (-233 °F)"
  std::vector<std::string> temperatures;  // the tabulated temperatures, as the list shows them
};

GasIdentity ShowGas(const GasRecord& gas, const text::TextStore& texts);

struct GasValues {
  std::string density;    // 2 decimals kg/m³; US 3 decimals lb./cu.ft.
  std::string viscosity;  // 1 decimal 10⁻⁶ kg/(m·s); US 4 decimals cP
};

struct GasOutcome {
  std::string boilingPoint;  // "ca. -180,4 °C  (-293 °F)" or the supercritical text; empty without
  bool liquid = false;       // the liquid line is shown
  std::optional<GasValues> values;
  std::optional<text::Message> message;
};

// Result captions "Dichte in kg/m³:" and "Dyn. Viskosität in 10^-6 kg/ms:" (US lb./cu.ft., cP).
struct GasCaptions {
  std::string density;
  std::string viscosity;
};
GasCaptions GasResultCaptions(const text::TextStore& texts, bool us);

// The table values at the chosen tabulated temperature. The pressure: no number (an empty edit
// included), the invalid-entry message; below 0.1 bar, nothing and no message; above 1000 bar, the out-of-range text in
// an information box. A liquid state shows the liquid line and no values; a numeric fault or a density that is not
// positive, the out-of-range text.
GasOutcome CalculateGasTable(const GasRecord& gas, const GasForm& form, const text::TextStore& texts, bool us);

// The values at the typed temperature, strictly between the first and the last tabulated one
// (else the out-of-range text in a plain box, focus on the edit); a liquid state gives the liquid
// text in a message box. Nothing at all happens with an empty temperature edit.
std::optional<GasOutcome> InterpolateGas(const GasRecord& gas, const GasForm& form, const text::TextStore& texts,
                                         bool us);

// The take-overs, both as gas: the table values with name " (" p " " unit ", " t " °C)", the
// interpolated ones with the typed temperature and its unit.
MediumTakeOver GasTableTakeOver(const GasRecord& gas, const GasForm& form, const GasValues& values, bool us);
MediumTakeOver GasInterpolatedTakeOver(const GasRecord& gas, const GasForm& form, const GasValues& values, bool us);

}  // namespace velmora::fluids
