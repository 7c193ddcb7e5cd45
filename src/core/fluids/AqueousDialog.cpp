#include "fluids/AqueousDialog.h"

#include "fluids/PropertyForm.h"
#include "units/UnitFactors.h"
#include "units/UnitLists.h"

namespace velmora::fluids {
namespace {

// The temperature range of the dialog, K.
constexpr long double kLowest = 273.15L;
constexpr long double kHighest = 473.15L;
// Concentrations stay below 100 mass-%.
constexpr long double kWholeSolution = 100;

std::string Text(const text::TextStore& texts, std::string_view key) { return texts.FormText(kAqueousBlock, key); }

text::Message Refusal(const text::TextStore& texts, std::string_view key, const char* focus) {
  return RangeMessage(texts, Text(texts, key), RangeBox::Plain, focus);
}

// The temperature limits; a message for a temperature outside them.
std::optional<text::Message> CheckTemperature(long double T, const text::TextStore& texts, const char* focus) {
  if (T < kLowest) return Refusal(texts, "msgZuKalt", focus);
  if (T > kHighest) return Refusal(texts, "msgZuWarm", focus);
  return std::nullopt;
}

AqueousOutcome Show(std::span<const Solute> solutes, long double T, const text::TextStore& texts, bool us,
                    const char* focus) {
  AqueousOutcome outcome;
  const std::optional<SolutionValues> values = SolutionProperties(solutes, T);
  if (!values) {
    outcome.message = Refusal(texts, "msgOutOfRange", focus);
    return outcome;
  }
  const text::Edition edition = texts.edition();
  outcome.values = us ? AqueousShown{Shown(UsDensity(values->density), 1, edition),
                                     Shown(UsViscosity(values->viscosity), 4, edition)}
                      : AqueousShown{Shown(values->density, 0, edition), Shown(values->viscosity, 0, edition)};
  return outcome;
}

}  // namespace

AqueousCaptions AqueousResultCaptions(const text::TextStore& texts, bool us) {
  return {ResultCaption(texts, Text(texts, "Dichte"), ResultUnits::Density(us)),
          ResultCaption(texts, Text(texts, "Viskositaet"), ResultUnits::Viscosity(us))};
}

AqueousOutcome CalculateAqueousDialog(const SoluteRecord& solute, const AqueousForm& form, const text::TextStore& texts,
                                      bool us) {
  AqueousOutcome outcome;
  InputReader reader(texts);
  const std::optional<long double> T = reader.Temperature(
      {form.temperature, Text(texts, "TemperaturLabel"), kAqueousTemperatureEdit}, form.temperatureUnit);
  const std::optional<long double> c =
      reader.Number({form.concentration, Text(texts, "KonzentrationLabel"), kAqueousConcentrationEdit});
  if (reader.Failure() || !T || !c) {
    outcome.message = reader.Failure();
    return outcome;
  }
  if ((outcome.message = CheckTemperature(*T, texts, kAqueousTemperatureEdit))) return outcome;
  if (*c >= kWholeSolution || *c < 0) {
    outcome.message = Refusal(texts, "msgKonzentration", kAqueousConcentrationEdit);
    return outcome;
  }
  const Solute solutes[] = {{&solute, *c}};
  return Show(solutes, *T, texts, us, kAqueousTemperatureEdit);
}

AqueousOutcome CalculateMixtureDialog(const MixtureForm& form, const text::TextStore& texts, bool us) {
  AqueousOutcome outcome;
  InputReader reader(texts);
  const std::optional<long double> T = reader.Temperature(
      {form.temperature, Text(texts, "MischTemperaturLabel"), kMixtureTemperatureEdit}, form.temperatureUnit);
  if (reader.Failure() || !T) {
    outcome.message = reader.Failure();
    return outcome;
  }
  if ((outcome.message = CheckTemperature(*T, texts, kMixtureTemperatureEdit))) return outcome;
  std::array<Solute, kMixtureSlots> solutes{};
  int filled = 0;
  long double sum = 0;
  for (std::size_t k = 0; k < kMixtureSlots; ++k) {
    if (form.solutes[k] == nullptr) continue;
    const char* edit = kMixtureConcentrationEdits[k];
    const std::optional<long double> c = reader.Number({form.concentrations[k], Text(texts, "KonzLabel"), edit});
    if (reader.Failure() || !c) {
      outcome.message = reader.Failure();
      return outcome;
    }
    if (*c < 0) {
      outcome.message = Refusal(texts, "msgKonzentration", edit);
      return outcome;
    }
    solutes[k] = {form.solutes[k], *c};
    sum += *c;
    ++filled;
  }
  if (filled < 2) {
    outcome.message = Refusal(texts, "msgZuWenigStoffe", "");
    return outcome;
  }
  if (!(sum < kWholeSolution)) {
    outcome.message = Refusal(texts, "msgSumme", kMixtureConcentrationEdits[0]);
    return outcome;
  }
  return Show(solutes, *T, texts, us, kMixtureTemperatureEdit);
}

MediumTakeOver AqueousTakeOver(const SoluteRecord& solute, const AqueousForm& form, const AqueousShown& values,
                               const text::TextStore& texts, bool us) {
  return LiquidTakeOver(
      StateDescription(solute.name, form.temperature, units::UnitName(units::TemperatureUnits(), form.temperatureUnit),
                       form.concentration, Text(texts, "MassenProzent")),
      values.density, values.viscosity, us);
}

MediumTakeOver MixtureTakeOver(const MixtureForm& form, const AqueousShown& values, const text::TextStore& texts,
                               bool us) {
  return LiquidTakeOver(StateDescription(Text(texts, "Mischung"), form.temperature,
                                         units::UnitName(units::TemperatureUnits(), form.temperatureUnit)),
                        values.density, values.viscosity, us);
}

}  // namespace velmora::fluids
