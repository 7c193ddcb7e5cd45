#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "fluids/AqueousSolution.h"
#include "fluids/MediumTakeOver.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The aqueous-solution dialog (TWaessrigeLsgDlg): one solute of WAESSRIG.STW, or a mixture of up
// to four, in water at 0…200 °C, handed over as a liquid.
namespace velmora::fluids {

inline constexpr std::string_view kAqueousBlock = "WaessrigeLsgDlg";
inline constexpr const char* kAqueousTemperatureEdit = "TemperaturEdit";
inline constexpr const char* kAqueousConcentrationEdit = "KonzentrationEdit";
inline constexpr const char* kMixtureTemperatureEdit = "MischTemperaturEdit";
inline constexpr int kMixtureSlots = 4;

// The concentration edits of the mixture slots.
inline constexpr std::array<const char*, kMixtureSlots> kMixtureConcentrationEdits{"KonzEdit1", "KonzEdit2",
                                                                                   "KonzEdit3", "KonzEdit4"};

struct AqueousForm {
  std::string temperature;
  int temperatureUnit = 0;
  std::string concentration;  // mass-%
};

struct MixtureForm {
  std::array<const SoluteRecord*, kMixtureSlots> solutes{};  // nullptr: an empty slot
  std::array<std::string, kMixtureSlots> concentrations;     // mass-%
  std::string temperature;
  int temperatureUnit = 0;
};

struct AqueousShown {
  std::string density;    // 0 decimals (US 1, lb./cu.ft.)
  std::string viscosity;  // 0 decimals (US 4, cP)
};

struct AqueousOutcome {
  std::optional<AqueousShown> values;
  std::optional<text::Message> message;
};

struct AqueousCaptions {
  std::string density;
  std::string viscosity;
};
AqueousCaptions AqueousResultCaptions(const text::TextStore& texts, bool us);

// One solute: the temperature below 273.15 K or above 473.15 K, and a concentration of 100 % or
// more (or below 0), each its message and focus; a numeric fault, the out-of-range text.
AqueousOutcome CalculateAqueousDialog(const SoluteRecord& solute, const AqueousForm& form, const text::TextStore& texts,
                                      bool us);

// The mixture: the temperature limits as for one solute, at least two filled slots, the
// concentrations of the filled slots (empty edits read 0, none below 0) summing below 100.
AqueousOutcome CalculateMixtureDialog(const MixtureForm& form, const text::TextStore& texts, bool us);

// The checks of a solution at T (K) of the given solutes: the temperature limits, each concentration
// at least 0 and below 100 %, a mixture of at least two summing below 100 %; nothing when it passes.
std::optional<text::Message> CheckSolution(std::span<const Solute> solutes, long double T, bool mixture,
                                           const text::TextStore& texts);

// Liquid: name " (" t " " t-unit ", " c " " mass-percent word ")"; the mixture: the mixture word
// " (" t " " t-unit ")".
MediumTakeOver AqueousTakeOver(const SoluteRecord& solute, const AqueousForm& form, const AqueousShown& values,
                               const text::TextStore& texts, bool us);
MediumTakeOver MixtureTakeOver(const MixtureForm& form, const AqueousShown& values, const text::TextStore& texts,
                               bool us);

}  // namespace velmora::fluids
