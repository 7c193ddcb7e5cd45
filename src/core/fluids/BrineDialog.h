#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fluids/Brine.h"
#include "fluids/MediumTakeOver.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The brine dialog (TKuehlsolen): a brine by its list position, concentration and temperature,
// from the typed texts to the texts it shows and the liquid it hands over.
namespace velmora::fluids {

inline constexpr std::string_view kBrineBlock = "Kuehlsolen";
inline constexpr const char* kBrineTemperatureEdit = "TemperaturEdit";
inline constexpr const char* kBrineConcentrationEdit = "KonzentrationEdit";

struct BrineForm {
  int fluid = 0;  // list position 0…9
  std::string temperature;
  int temperatureUnit = 0;
  std::string concentration;  // mass-%
};

// The list entries: each fluid's name, " / " and the word for water.
std::vector<std::string> BrineNames(const text::TextStore& texts);

// The range panel of a fluid: "Gefrierpunkt bis 40 °C (104 °F)" and "0,0 .. 56,0 %".
struct BrineRanges {
  std::string temperature;
  std::string concentration;
};
BrineRanges ShowBrineRanges(int fluid, const text::TextStore& texts);

struct BrineValues {
  std::string density;        // below 1000 one decimal, else none; US lb./cu.ft. one more
  std::string viscosity;      // likewise; US cP three more
  std::string freezingPoint;  // one decimal, in the unit of the temperature list
};

struct BrineOutcome {
  std::optional<BrineValues> values;
  std::optional<text::Message> message;
};

// Captions "Dichte in kg/m³:", "Dyn. Viskosität in 10^-6 kg/ms:" (US lb./cu.ft., cP) and
// "Schmelzpunkt in °C:" in the unit of the temperature list.
struct BrineCaptions {
  std::string density;
  std::string viscosity;
  std::string freezingPoint;
};
BrineCaptions BrineResultCaptions(const text::TextStore& texts, bool us, int temperatureUnit);

// The calculate command: temperature above t_max, a message (focus on the temperature); the
// concentration outside its range, an error box (focus on the concentration); at or below the
// freezing point, a message naming it in °C and °F; a numeric fault, the out-of-range text.
BrineOutcome CalculateBrineDialog(const BrineForm& form, const text::TextStore& texts, bool us);

// The message of a refused state (BrineRefusal other than None).
text::Message BrineRefusalMessage(const BrineState& state, const text::TextStore& texts);

// Liquid, description name " (" t " " t-unit ", " c " %)".
MediumTakeOver BrineTakeOver(const BrineForm& form, const BrineValues& values, const text::TextStore& texts, bool us);

}  // namespace velmora::fluids
