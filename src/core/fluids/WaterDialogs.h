#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fluids/MediumTakeOver.h"
#include "fluids/WaterState.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The calculations of the two water dialogs from their typed inputs to the texts they show and
// the medium they hand over: TIAPWSDlg (any state) and TSattdampfDialog (saturation).
namespace velmora::fluids {

inline constexpr std::string_view kWaterBlock = "IAPWSDlg";
inline constexpr std::string_view kSaturatedWaterBlock = "SattdampfDialog";

// Control names the messages focus.
inline constexpr const char* kPressureEdit = "DruckEdit";
inline constexpr const char* kTemperatureEdit = "TemperaturEdit";

// The inputs as typed: texts and unit entries.
struct WaterForm {
  std::string pressure;  // absolute
  int pressureUnit = 0;
  std::string temperature;
  int temperatureUnit = 0;

  // "1,013" bar ("1.013" in 'E') and 20 °C.
  static WaterForm Defaults(text::Edition edition);
};

// The captions of the three results, for metric or US display.
struct ResultCaptions {
  std::string density;
  std::string specificVolume;
  std::string viscosity;
};

// What the general dialog shows after a calculation.
struct WaterDisplay {
  std::string state;  // the language's word for liquid or gas
  std::string density;
  std::string specificVolume;
  std::string viscosity;
  bool gas = false;  // the phase the take-over sets
  int region = 0;
};

struct WaterDialogOutcome {
  std::optional<WaterDisplay> display;
  std::optional<text::Message> message;  // an invalid entry, a state outside the ranges, a fault
};

ResultCaptions WaterResultCaptions(const text::TextStore& texts, bool us);

// Reads and checks the inputs, calculates and formats: density with 3 decimals from 1 kg/m³ on, else
// 6; specific volume by size (6 … 3); viscosity 2. US: lb./cu.ft. one decimal more, cu.ft./lb. one
// fewer, cP with 5. Outside the ranges or without a region: the out-of-range text in a plain box,
// focus on the pressure; a numeric fault: the same text in an information box.
WaterDialogOutcome CalculateWaterDialog(const WaterForm& form, const text::TextStore& texts, bool us);

// The message of a refusal of the general calculation.
text::Message WaterRefusalMessage(const text::TextStore& texts, WaterRefusal refusal);

// The take-over of the general dialog: phase from the region, the gas data when gas, the
// description "water (p unit, t unit)".
MediumTakeOver WaterTakeOver(const WaterForm& form, const WaterDisplay& display, const text::TextStore& texts, bool us);

// The inputs of the saturation dialog.
struct SaturatedWaterForm {
  SaturationGiven given = SaturationGiven::Temperature;
  std::string temperature;
  int temperatureUnit = 0;
  std::string pressure;  // absolute
  int pressureUnit = 0;

  // Given the temperature 100 °C; the pressure "1,013" bar ("1.013" in 'E').
  static SaturatedWaterForm Defaults(text::Edition edition);
};

struct PhaseDisplay {
  std::string density;
  std::string specificVolume;
  std::string viscosity;
};

struct SaturatedWaterDisplay {
  std::string computed;  // the saturation pressure (bar or psia) or temperature (°C or °F)
  PhaseDisplay liquid;
  PhaseDisplay vapour;
};

struct SaturatedWaterDialogOutcome {
  std::optional<SaturatedWaterDisplay> display;
  std::optional<text::Message> message;
};

// The caption of the computed quantity: the saturation pressure (given the temperature) or the
// saturation temperature (given the pressure).
std::string ComputedCaption(const text::TextStore& texts, SaturationGiven given, bool us);
ResultCaptions SaturatedWaterResultCaptions(const text::TextStore& texts, bool us);

// Reads the given quantity, checks it (273.15 … 646.15 K or 0.007 … 220 bar; outside: the
// out-of-range text in an information box, focus on the edit) and formats both phases: densities
// and specific volumes by size (6 … 3 decimals; US one more and one fewer), viscosities 2 (US 5),
// the pressure with 5 decimals, the temperature in °C with 1.
SaturatedWaterDialogOutcome CalculateSaturatedWaterDialog(const SaturatedWaterForm& form, const text::TextStore& texts,
                                                          bool us);

// The message of a refusal of the saturation calculation: the out-of-range text in an information
// box, focus on the edit of the given quantity.
text::Message SaturatedWaterRefusalMessage(const text::TextStore& texts, SaturationGiven given);

// The take-over of the liquid (vapour false) or of the vapour, with the gas data of the vapour.
MediumTakeOver SaturatedWaterTakeOver(const SaturatedWaterForm& form, const SaturatedWaterDisplay& display,
                                      const text::TextStore& texts, bool us, bool vapour);

}  // namespace velmora::fluids
