#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fluids/AirStates.h"
#include "fluids/MediumTakeOver.h"
#include "fluids/WaterDialogs.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The calculations of the three air dialogs from their typed inputs to the texts they show and the
// medium they hand over: TLuftDialog (dry air), TLuft_feuchtDlg (humid air), TLuftSattDlg
// (saturated air). Control names as in the water dialogs.
namespace velmora::fluids {

inline constexpr std::string_view kDryAirBlock = "LuftDialog";
inline constexpr std::string_view kHumidAirBlock = "Luft_feuchtDlg";
inline constexpr std::string_view kSaturatedAirBlock = "LuftSattDlg";

inline constexpr const char* kHumidityEdit = "FeuchteEdit";

// The message of an air refusal in the dialog of `block`: the range texts in error boxes (focus on
// the temperature, the pressure or the humidity), the out-of-range text in an information box.
text::Message AirRefusalMessage(const text::TextStore& texts, std::string_view block, AirRefusal refusal);

// Dry air: pressure "1,0" bar ("1.0" in 'E'), temperature 20 °C.
struct DryAirForm {
  std::string pressure;
  int pressureUnit = 0;
  std::string temperature;
  int temperatureUnit = 0;

  static DryAirForm Defaults(text::Edition edition);
};

struct DryAirDisplay {
  std::string state;    // the language's word for gas, liquid or solid
  std::string density;  // empty for a solid, as are the next two
  std::string specificVolume;
  std::string viscosity;
  bool gas = false;
  bool solid = false;  // no properties, no take-over
};

struct DryAirDialogOutcome {
  std::optional<DryAirDisplay> display;
  std::optional<text::Message> message;
};

ResultCaptions DryAirResultCaptions(const text::TextStore& texts, bool us);

// Temperature outside 60 … 2000 K: the temperature-range text in an error box, focus on the
// temperature; pressure outside 0 … 20000 bar: the pressure-range text likewise; a numeric fault:
// the out-of-range text in an information box. Density 3 decimals from 10 kg/m³ on, else 4;
// specific volume by size (4 … 1); viscosity 3. US: one decimal more, one fewer, cP with 6.
DryAirDialogOutcome CalculateDryAirDialog(const DryAirForm& form, const text::TextStore& texts, bool us);

// Phase liquid unless the state is gas; the gas data when gas.
MediumTakeOver DryAirTakeOver(const DryAirForm& form, const DryAirDisplay& display, const text::TextStore& texts,
                              bool us);

// Humid air: pressure "1,013" bar, temperature 20 °C, relative humidity 50 %.
struct HumidAirForm {
  std::string pressure;
  int pressureUnit = 0;
  std::string temperature;
  int temperatureUnit = 0;
  HumidityGiven given = HumidityGiven::RelativeHumidity;
  std::string humidity;  // % or kg water/kg dry air, by `given`

  static HumidAirForm Defaults(text::Edition edition);
};

struct HumidAirDisplay {
  std::string relativeHumidity;    // 1 decimal
  std::string moistureContent;     // 4 decimals
  std::string saturationContent;   // 4 decimals, "-" when pₛ lies above p
  std::string degreeOfSaturation;  // 2 decimals, "-" likewise
  std::string moleFraction;        // 3 decimals
  std::string dewPoint;            // °C (US °F), 1 decimal
  std::string density;
  std::string specificVolume;
  std::string viscosity;
};

struct HumidAirDialogOutcome {
  std::optional<HumidAirDisplay> display;
  std::optional<text::Message> message;
};

struct HumidAirCaptions {
  ResultCaptions results;
  std::string dewPoint;  // "Taupunkt in °C:" or "in °F:"
};
HumidAirCaptions HumidAirResultCaptions(const text::TextStore& texts, bool us);
// The caption of the humidity input: the entry of the humidity list.
std::string HumidityCaption(const text::TextStore& texts, HumidityGiven given);

// Range texts in error boxes (temperature, pressure, humidity with focus on its edit); a numeric
// fault: the out-of-range text in an information box. Density 6 decimals (US 7), specific volume by
// size (5 … 2; US one fewer), viscosity 3 (US 6).
HumidAirDialogOutcome CalculateHumidAirDialog(const HumidAirForm& form, const text::TextStore& texts, bool us);

// Always gas, with the gas data; the description names pressure, temperature and the relative
// humidity under the caption of its result.
MediumTakeOver HumidAirTakeOver(const HumidAirForm& form, const HumidAirDisplay& display, const text::TextStore& texts,
                                bool us);

// Saturated air: temperature 80 K.
struct SaturatedAirForm {
  std::string temperature = "80";
  int temperatureUnit = 1;  // "K"
};

struct SaturatedAirDisplay {
  std::string bubblePressure;  // 4 decimals, bar or psia
  std::string dewPressure;
  PhaseDisplay liquid;
  PhaseDisplay vapour;
};

struct SaturatedAirDialogOutcome {
  std::optional<SaturatedAirDisplay> display;
  std::optional<text::Message> message;
};

struct SaturatedAirCaptions {
  ResultCaptions results;
  std::string bubblePressure;
  std::string dewPressure;
};
SaturatedAirCaptions SaturatedAirResultCaptions(const text::TextStore& texts, bool us);

// Outside 60 … 132 K: the out-of-range text in an information box. Densities by size (5 … 2; US
// one more), specific volumes by size (5 … 2; US one fewer), viscosities 3 (US 6).
SaturatedAirDialogOutcome CalculateSaturatedAirDialog(const SaturatedAirForm& form, const text::TextStore& texts,
                                                      bool us);

// Liquid or vapour; the vapour with the temperature and the dew pressure (bar or psia).
MediumTakeOver SaturatedAirTakeOver(const SaturatedAirForm& form, const SaturatedAirDisplay& display,
                                    const text::TextStore& texts, bool us, bool vapour);

}  // namespace velmora::fluids
