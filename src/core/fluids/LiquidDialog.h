#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fluids/LiquidDatabase.h"
#include "fluids/MediumTakeOver.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The liquids database dialog (TMedienDialog): the measured rows of a liquid and values
// interpolated between them, handed over as a liquid.
namespace velmora::fluids {

inline constexpr std::string_view kLiquidBlock = "MedienDialog";
inline constexpr const char* kLiquidTemperatureEdit = "TemperaturEdit";

struct LiquidForm {
  int row = 0;              // the chosen tabulated temperature
  std::string temperature;  // typed, for the interpolation
  int temperatureUnit = 0;
};

struct LiquidIdentity {
  std::string name;
  std::string formula;
  std::string meltingPoint;  // "-97,50 °C  (= -143,5 °F)"
  std::string boilingPoint;
  std::vector<std::string> temperatures;  // the rows' temperatures, as the list shows them
};

LiquidIdentity ShowLiquid(const LiquidRecord& liquid, const text::TextStore& texts);

struct LiquidDisplay {
  std::string density;
  std::string viscosity;
};

struct LiquidRowDisplay {
  std::string fahrenheit;  // "(= 68 °F)"
  LiquidDisplay values;    // the stored texts; US: lb./cu.ft. with 1 decimal, cP with 3
};

LiquidRowDisplay ShowLiquidRow(const LiquidRecord& liquid, int row, const text::TextStore& texts, bool us);

// "Dichte in kg/m³:" and "Dyn. Viskosität in 10^-6 kg/ms:" (US lb./cu.ft., cP).
struct LiquidCaptions {
  std::string density;
  std::string viscosity;
};
LiquidCaptions LiquidResultCaptions(const text::TextStore& texts, bool us);

struct LiquidOutcome {
  std::optional<LiquidDisplay> values;  // metric 0 decimals; US 1 (lb./cu.ft.) and 3 (cP)
  std::optional<text::Message> message;
};

// The values at the typed temperature, strictly between the first and the last row (else the
// out-of-range text in a plain box, focus on the edit). Nothing happens with an empty edit.
std::optional<LiquidOutcome> InterpolateLiquidDialog(const LiquidRecord& liquid, const LiquidForm& form,
                                                     const text::TextStore& texts, bool us);

// The take-overs, always liquid: a row with name " (" t " °C)", interpolated values with the
// typed temperature and its unit.
MediumTakeOver LiquidRowTakeOver(const LiquidRecord& liquid, const LiquidForm& form, const LiquidDisplay& values,
                                 bool us);
MediumTakeOver LiquidInterpolatedTakeOver(const LiquidRecord& liquid, const LiquidForm& form,
                                          const LiquidDisplay& values, bool us);

}  // namespace velmora::fluids
