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
  const Solute solutes[] = {{&solute, *c}};
  if ((outcome.message = CheckSolution(solutes, *T, false, texts))) return outcome;
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
  std::array<Solute, kMixtureSlots> solutes{};
  for (std::size_t k = 0; k < kMixtureSlots; ++k) {
    if (form.solutes[k] == nullptr) continue;
    const std::optional<long double> c =
        reader.Number({form.concentrations[k], Text(texts, "KonzLabel"), kMixtureConcentrationEdits[k]});
    if (reader.Failure() || !c) {
      outcome.message = reader.Failure();
      return outcome;
    }
    solutes[k] = {form.solutes[k], *c};
  }
  if ((outcome.message = CheckSolution(solutes, *T, true, texts))) return outcome;
  return Show(solutes, *T, texts, us, kMixtureTemperatureEdit);
}

std::optional<text::Message> CheckSolution(std::span<const Solute> solutes, long double T, bool mixture,
                                           const text::TextStore& texts) {
  const char* temperatureEdit = mixture ? kMixtureTemperatureEdit : kAqueousTemperatureEdit;
  if (std::optional<text::Message> message = CheckTemperature(T, texts, temperatureEdit)) return message;
  int filled = 0;
  long double sum = 0;
  for (std::size_t k = 0; k < solutes.size(); ++k) {
    if (solutes[k].record == nullptr) continue;
    const long double c = solutes[k].concentration;
    if (c < 0 || c >= kWholeSolution) {
      return Refusal(texts, "msgKonzentration",
                     mixture && k < kMixtureSlots ? kMixtureConcentrationEdits[k] : kAqueousConcentrationEdit);
    }
    sum += c;
    ++filled;
  }
  if (mixture && filled < 2) return Refusal(texts, "msgZuWenigStoffe", "");
  if (mixture && !(sum < kWholeSolution)) return Refusal(texts, "msgSumme", kMixtureConcentrationEdits[0]);
  return std::nullopt;
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
