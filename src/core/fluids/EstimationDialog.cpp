#include "fluids/EstimationDialog.h"

#include "fluids/PropertyForm.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"
#include "units/UnitLists.h"

namespace velmora::fluids {
namespace {

std::string Text(const text::TextStore& texts, std::string_view key) { return texts.FormText(kEstimateBlock, key); }

std::string Whole(long double value, text::Edition edition) {
  return units::FormatNumber(units::RoundHalfAway(value), 0, edition);
}

// "-210,00 °C (= -346°F)": the stored text and its Fahrenheit equivalent.
std::string StoredCelsius(const std::string& stored, const std::optional<long double>& celsius, text::Edition edition) {
  if (!celsius) return {};
  return WithEditionSeparator(stored, edition) + " °C (= " + Whole(FahrenheitOfCelsius(*celsius), edition) + "°F)";
}

// "-147 °C  (-233 °F)"
std::string CelsiusLine(long double kelvin, text::Edition edition) {
  const long double t = kelvin - units::kZeroCelsiusInKelvin;
  return Whole(t, edition) + " °C  (" + Whole(FahrenheitOfCelsius(t), edition) + " °F)";
}

// The labels of the constants, in the order of Constant.
constexpr const char* kConstantKeys[kConstantCount] = {
    "KonstMolmasse", "KonstSchmelzpunkt", "KonstSiedepunkt", "KonstTkrit",   "KonstPkrit",
    "KonstVkrit",    "KonstDichteRef",    "KonstTempRef",    "KonstRackett", "KonstAzentrisch"};

text::Message MissingMessage(const text::TextStore& texts, const std::string& name,
                             const std::vector<Constant>& missing) {
  std::string message = Text(texts, "msgFehlendeKonstanten") + "\n" + name + ": ";
  for (std::size_t i = 0; i < missing.size(); ++i) {
    if (i > 0) message += ", ";
    message += Text(texts, kConstantKeys[static_cast<int>(missing[i])]);
  }
  return RangeMessage(texts, message, RangeBox::Information, "");
}

std::string StateWord(const text::TextStore& texts, EstimatedPhase phase) {
  switch (phase) {
    case EstimatedPhase::Liquid: return Text(texts, "Fluessig");
    case EstimatedPhase::Supercritical: return Text(texts, "Ueberkritisch");
    case EstimatedPhase::Gas: break;
  }
  return Text(texts, "Gas");
}

EstimateShown Show(const EstimatedState& state, const text::TextStore& texts, bool us) {
  const text::Edition edition = texts.edition();
  const bool liquid = state.phase == EstimatedPhase::Liquid;
  EstimateShown shown;
  shown.state = StateWord(texts, state.phase);
  shown.liquid = liquid;
  const int densityDecimals = liquid ? 0 : 2;
  const int viscosityDecimals = liquid ? 0 : 1;
  shown.density = state.density ? Shown(us ? UsDensity(*state.density) : *state.density, densityDecimals, edition)
                                : Text(texts, "KeineDaten");
  if (!state.viscosity) {
    shown.viscosity = Text(texts, "KeineDaten");
  } else {
    shown.viscosity = Shown(us ? UsViscosity(*state.viscosity) : *state.viscosity, viscosityDecimals, edition);
    shown.viscosityNumber = shown.viscosity;
    if (state.viscosityEstimated) shown.viscosity = Text(texts, "Ca") + " " + shown.viscosity;
  }
  return shown;
}

std::string BoilingPointLine(const std::optional<long double>& kelvin, const text::TextStore& texts) {
  if (!kelvin) return Text(texts, "KeinSiedepunkt");
  const text::Edition edition = texts.edition();
  const long double t = *kelvin - units::kZeroCelsiusInKelvin;
  return Text(texts, "Ca") + " " + Shown(t, 1, edition) + " °C  (" + Whole(FahrenheitOfCelsius(t), edition) + " °F)";
}

struct State {
  std::optional<long double> p;
  std::optional<long double> T;
};

State ReadState(const EstimateForm& form, const text::TextStore& texts, const EstimateControls& controls, bool mixture,
                EstimateDialogOutcome& outcome) {
  InputReader reader(texts);
  State state;
  state.p = reader.Pressure({form.pressure, Text(texts, mixture ? "MischDruckLabel" : "DruckLabel"), controls.pressure},
                            form.pressureUnit);
  state.T = reader.Temperature(
      {form.temperature, Text(texts, mixture ? "MischTemperaturLabel" : "TemperaturLabel"), controls.temperature},
      form.temperatureUnit);
  outcome.message = reader.Failure();
  return state;
}

}  // namespace

text::Message EstimateRefusalMessage(const EstimateOutcome& result, const std::string& name,
                                     const text::TextStore& texts, const EstimateControls& controls) {
  const auto plain = [&](std::string_view key, const char* focus) {
    return RangeMessage(texts, Text(texts, key), RangeBox::Plain, focus);
  };
  switch (result.refusal) {
    case EstimateRefusal::PressureTooLow: return plain("msgDruckZuKlein", controls.pressure);
    case EstimateRefusal::PressureTooHigh:
      return RangeMessage(texts, Text(texts, "msgDruckZuGross"), RangeBox::Information, controls.pressure);
    case EstimateRefusal::NegativeTemperature: return plain("msgTemperaturNegativ", controls.temperature);
    case EstimateRefusal::BelowMeltingPoint:
      return RangeMessage(texts, Text(texts, "msgUnterSchmelzpunkt") + (name.empty() ? "" : "\n" + name),
                          RangeBox::Plain, controls.temperature);
    case EstimateRefusal::MissingConstants: return MissingMessage(texts, name, result.missing);
    case EstimateRefusal::TooFewComponents: return plain("msgZuWenigStoffe", "");
    case EstimateRefusal::FractionsSum: return plain("msgSumme", kFractionEdits[0]);
    case EstimateRefusal::PhaseDiffers:
      return RangeMessage(texts, Text(texts, "msgZustand") + "\n" + name, RangeBox::Plain, controls.temperature);
    case EstimateRefusal::NumericFault:
    case EstimateRefusal::None: break;
  }
  return RangeMessage(texts, Text(texts, "msgOutOfRange"), RangeBox::Information, controls.temperature);
}

EstimateForm EstimateForm::Defaults(text::Edition edition) { return {edition == 'E' ? "1.013" : "1,013", 0, "", 0}; }

SubstanceIdentity ShowSubstance(const SubstanceRecord& s, const text::TextStore& texts) {
  const text::Edition edition = texts.edition();
  SubstanceIdentity identity;
  identity.cas = s.refrigerantNumber.empty() ? s.cas : s.cas + " / " + s.refrigerantNumber;
  identity.name = s.name;
  identity.formula = s.formula;
  identity.meltingPoint = StoredCelsius(s.meltingPointText, s.Get(Constant::MeltingPoint), edition);
  identity.boilingPoint = StoredCelsius(s.boilingPointText, s.Get(Constant::BoilingPoint), edition);
  if (const auto& Tc = s.Get(Constant::CriticalTemperature)) identity.criticalTemperature = CelsiusLine(*Tc, edition);
  return identity;
}

EstimateCaptions EstimateResultCaptions(const text::TextStore& texts, bool us) {
  return {ResultCaption(texts, Text(texts, "Dichte"), ResultUnits::Density(us)),
          ResultCaption(texts, Text(texts, "Viskositaet"), ResultUnits::Viscosity(us))};
}

EstimateDialogOutcome CalculateEstimateDialog(const SubstanceRecord& s, const EstimateForm& form,
                                              const text::TextStore& texts, bool us) {
  EstimateDialogOutcome outcome;
  const State state = ReadState(form, texts, kSingleControls, false, outcome);
  if (outcome.message || !state.p || !state.T) return outcome;
  const EstimateOutcome result = EstimateSubstance(s, *state.p, *state.T);
  if (result.constants && result.refusal != EstimateRefusal::PressureTooLow &&
      result.refusal != EstimateRefusal::PressureTooHigh) {
    outcome.boilingPoint = BoilingPointLine(result.boilingPoint, texts);
  }
  if (result.refusal != EstimateRefusal::None) {
    outcome.message = EstimateRefusalMessage(result, s.name, texts, kSingleControls);
    return outcome;
  }
  outcome.values = Show(*result.state, texts, us);
  return outcome;
}

EstimateDialogOutcome CalculateEstimateMixtureDialog(const EstimateMixtureForm& form, const text::TextStore& texts,
                                                     bool us) {
  EstimateDialogOutcome outcome;
  const State state = ReadState(form.state, texts, kMixtureControls, true, outcome);
  if (outcome.message || !state.p || !state.T) return outcome;
  std::array<MixtureComponent, kEstimateSlots> components{};
  InputReader reader(texts);
  for (std::size_t k = 0; k < kEstimateSlots; ++k) {
    if (form.substances[k] == nullptr) continue;
    const std::optional<long double> fraction =
        reader.Number({form.fractions[k], Text(texts, "AnteilLabel"), kFractionEdits[k]});
    if (reader.Failure() || !fraction) {
      outcome.message = reader.Failure();
      return outcome;
    }
    components[k] = {form.substances[k], *fraction};
  }
  const EstimateOutcome result = EstimateMixture(components, form.kind, *state.p, *state.T);
  const std::string name =
      result.component >= 0 ? form.substances[static_cast<std::size_t>(result.component)]->name : std::string();
  if (result.refusal != EstimateRefusal::None) {
    outcome.message = EstimateRefusalMessage(result, name, texts, kMixtureControls);
    return outcome;
  }
  const text::Edition edition = texts.edition();
  outcome.boilingPoint = BoilingPointLine(result.boilingPoint, texts);
  outcome.criticalTemperature = Text(texts, "Ca") + " " + CelsiusLine(result.pseudoCriticalTemperature, edition);
  outcome.values = Show(*result.state, texts, us);
  return outcome;
}

MediumTakeOver EstimateTakeOver(const std::string& name, const EstimateForm& form, const EstimateShown& shown,
                                bool us) {
  MediumTakeOver takeOver;
  takeOver.description =
      StateDescription(name, form.pressure, units::UnitName(units::PressureUnits(), form.pressureUnit),
                       form.temperature, units::UnitName(units::TemperatureUnits(), form.temperatureUnit));
  takeOver.gas = !shown.liquid;
  takeOver.density = shown.density;
  // The number without the approximation word, which the main window could not read.
  takeOver.viscosity = shown.viscosityNumber.empty() ? shown.viscosity : shown.viscosityNumber;
  takeOver.SetUnits(us);
  if (takeOver.gas) {
    takeOver.gasData = GasTakeOver{form.pressure, form.pressureUnit, form.temperature, form.temperatureUnit};
  }
  return takeOver;
}

std::string MixtureWord(const text::TextStore& texts) { return Text(texts, "Mischung"); }

}  // namespace velmora::fluids
