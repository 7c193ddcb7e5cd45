#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fluids/HeatTransferOil.h"
#include "fluids/MediumTakeOver.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The heat-transfer oil dialog (TWaermetraegerDlg): an oil of WT.STW at a whole-degree
// temperature from 0 to 300 °C, handed over as a liquid.
namespace velmora::fluids {

inline constexpr std::string_view kOilBlock = "WaermetraegerDlg";
inline constexpr const char* kOilTemperatureEdit = "TemperaturEdit";

struct OilForm {
  std::string temperature;
  int temperatureUnit = 0;
};

// The type text of an oil: mineral oil (1), synthetic (2), silicone and other (3 and 4).
std::string OilTypeText(const OilRecord& oil, const text::TextStore& texts);

struct OilShown {
  std::string density;    // 0 decimals (US 1, lb./cu.ft.); the no-data text for a negative density
  std::string viscosity;  // 0 decimals (US 4, cP); "k.A." without viscosity data or ≤ 0
};

struct OilOutcome {
  std::optional<OilShown> values;
  std::optional<text::Message> message;
};

// Captions "Dichte in kg/m³:" and "Dyn. Viskosität in 10^-6 kg/ms:" (US lb./cu.ft., cP).
struct OilCaptions {
  std::string density;
  std::string viscosity;
};
OilCaptions OilResultCaptions(const text::TextStore& texts, bool us);

// The temperature in °C rounded to a whole degree (halves away from zero) is used; below 0 and
// above 300 the range texts (plain box, focus on the edit); a numeric fault, the out-of-range text.
OilOutcome CalculateOilDialog(const OilRecord& oil, const OilForm& form, const text::TextStore& texts, bool us);

// The range texts for a whole-degree temperature t (°C) outside 0…300; nothing inside.
std::optional<text::Message> OilRangeMessage(long double t, const text::TextStore& texts);

// Liquid, description name " (" t " " t-unit ")".
MediumTakeOver OilTakeOver(const OilRecord& oil, const OilForm& form, const OilShown& values, bool us);

}  // namespace velmora::fluids
