#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "fluids/Estimation.h"
#include "fluids/MediumTakeOver.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The estimation dialog (TStoffdaten_berechnenDlg): state, density and viscosity of a substance of
// STBERE.STW or of a mixture of up to four, from the typed texts to the texts it shows and the
// medium it hands over.
namespace velmora::fluids {

inline constexpr std::string_view kEstimateBlock = "Stoffdaten_berechnenDlg";
inline constexpr int kEstimateSlots = 4;

// The controls of the single substance and of the mixture that messages focus.
struct EstimateControls {
  const char* pressure;
  const char* temperature;
};
inline constexpr EstimateControls kSingleControls{"DruckEdit", "TemperaturEdit"};
inline constexpr EstimateControls kMixtureControls{"MischDruckEdit", "MischTemperaturEdit"};
inline constexpr std::array<const char*, kEstimateSlots> kFractionEdits{"AnteilEdit1", "AnteilEdit2", "AnteilEdit3",
                                                                        "AnteilEdit4"};

struct EstimateForm {
  std::string pressure;  // absolute
  int pressureUnit = 0;
  std::string temperature;
  int temperatureUnit = 0;

  // "1,013" bar ("1.013" in 'E'), no temperature.
  static EstimateForm Defaults(text::Edition edition);
};

struct EstimateMixtureForm {
  EstimateForm state;
  std::array<const SubstanceRecord*, kEstimateSlots> substances{};  // nullptr: an empty slot
  std::array<std::string, kEstimateSlots> fractions;                // %
  FractionKind kind = FractionKind::Mass;
};

// What the panel shows of a substance.
struct SubstanceIdentity {
  std::string cas;  // "7727-37-9 / R728", or the CAS number alone
  std::string name;
  std::string formula;
  std::string meltingPoint;         // "-210,00 °C (= -346°F)"
  std::string boilingPoint;         // likewise
  std::string criticalTemperature;  // "-147 °C  (-233 °F)"
};
SubstanceIdentity ShowSubstance(const SubstanceRecord& s, const text::TextStore& texts);

struct EstimateShown {
  std::string state;            // the word for liquid, gaseous or supercritical
  bool liquid = false;          // the take-over's phase
  std::string density;          // liquid 0 decimals, else 2; the no-data text without a value
  std::string viscosity;        // liquid 0 decimals, else 1; estimated values after the approximation word
  std::string viscosityNumber;  // the viscosity without the approximation word: what is handed over
};

struct EstimateDialogOutcome {
  std::optional<EstimateShown> values;
  std::optional<text::Message> message;
  std::string boilingPoint;         // at the pressure: "ca. 80,1 °C  (176 °F)" or the no-boiling-point text
  std::string criticalTemperature;  // mixtures: the approximation word and the pseudo-critical temperature
};

struct EstimateCaptions {
  std::string density;
  std::string viscosity;
};
EstimateCaptions EstimateResultCaptions(const text::TextStore& texts, bool us);

// The single substance. Pressure below 0.1 bar, a message; above 1000 bar, an information box
// (results cleared); a negative temperature or one below the melting point, a message each (focus
// on the temperature); missing constants, a message naming them; a numeric fault, the out-of-range
// text in an information box.
EstimateDialogOutcome CalculateEstimateDialog(const SubstanceRecord& s, const EstimateForm& form,
                                              const text::TextStore& texts, bool us);

// The mixture, with the checks of the single substance and its own: at least two substances,
// fractions adding up to 100 %, every component in the mixture's state and above its melting point.
EstimateDialogOutcome CalculateEstimateMixtureDialog(const EstimateMixtureForm& form, const text::TextStore& texts,
                                                     bool us);

// The message of a refused estimate; `name` is the substance it concerns (a mixture's component).
text::Message EstimateRefusalMessage(const EstimateOutcome& result, const std::string& name,
                                     const text::TextStore& texts, const EstimateControls& controls);

// Liquid or gas by the shown state; a gas with the pressure and the temperature (inlet and outlet)
// and their unit entries; description name " (" p " " p-unit ", " t " " t-unit ")". The mixture's
// name is the mixture word.
MediumTakeOver EstimateTakeOver(const std::string& name, const EstimateForm& form, const EstimateShown& shown, bool us);
std::string MixtureWord(const text::TextStore& texts);

}  // namespace velmora::fluids
