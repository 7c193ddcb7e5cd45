#include "fluids/LiquidDialog.h"

#include "fluids/PropertyForm.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"
#include "units/UnitLists.h"

namespace velmora::fluids {
namespace {

std::string Text(const text::TextStore& texts, std::string_view key) { return texts.FormText(kLiquidBlock, key); }

// "-97,50 °C  (= -143,5 °F)": the stored text and its Fahrenheit equivalent with one decimal.
std::string StoredCelsius(const std::string& stored, long double celsius, text::Edition edition) {
  return WithEditionSeparator(stored, edition) + " °C  (= " + Shown(FahrenheitOfCelsius(celsius), 1, edition) + " °F)";
}

LiquidDisplay ShowUs(long double density, long double viscosity, text::Edition edition) {
  return {Shown(UsDensity(density), 1, edition), Shown(UsViscosity(viscosity), 3, edition)};
}

}  // namespace

LiquidIdentity ShowLiquid(const LiquidRecord& liquid, const text::TextStore& texts) {
  const text::Edition edition = texts.edition();
  LiquidIdentity identity{liquid.name,
                          liquid.formula,
                          StoredCelsius(liquid.meltingPointText, liquid.meltingPoint, edition),
                          StoredCelsius(liquid.boilingPointText, liquid.boilingPoint, edition),
                          {}};
  for (const LiquidRow& row : liquid.rows) {
    identity.temperatures.push_back(WithEditionSeparator(row.temperatureText, edition));
  }
  return identity;
}

LiquidRowDisplay ShowLiquidRow(const LiquidRecord& liquid, int row, const text::TextStore& texts, bool us) {
  if (row < 0 || static_cast<std::size_t>(row) >= liquid.rows.size()) return {};
  const LiquidRow& values = liquid.rows[static_cast<std::size_t>(row)];
  const text::Edition edition = texts.edition();
  LiquidRowDisplay display;
  display.fahrenheit =
      "(= " + units::FormatNumber(units::RoundHalfAway(FahrenheitOfCelsius(values.temperature)), 0, edition) + " °F)";
  display.values = us ? ShowUs(values.density, values.viscosity, edition)
                      : LiquidDisplay{WithEditionSeparator(values.densityText, edition),
                                      WithEditionSeparator(values.viscosityText, edition)};
  return display;
}

LiquidCaptions LiquidResultCaptions(const text::TextStore& texts, bool us) {
  return {ResultCaption(texts, Text(texts, "Dichte"), ResultUnits::Density(us)),
          ResultCaption(texts, Text(texts, "Viskositaet"), ResultUnits::Viscosity(us))};
}

std::optional<LiquidOutcome> InterpolateLiquidDialog(const LiquidRecord& liquid, const LiquidForm& form,
                                                     const text::TextStore& texts, bool us) {
  if (form.temperature.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  InputReader reader(texts);
  const std::optional<long double> T = reader.Temperature(
      {form.temperature, Text(texts, "TemperaturLabel"), kLiquidTemperatureEdit}, form.temperatureUnit);
  LiquidOutcome outcome;
  if (reader.Failure()) {
    outcome.message = reader.Failure();
    return outcome;
  }
  if (!T) return outcome;
  const std::optional<LiquidValues> values = InterpolateLiquid(liquid, *T - units::kZeroCelsiusInKelvin);
  if (!values) {
    outcome.message = RangeMessage(texts, Text(texts, "msgOutOfRange"), RangeBox::Plain, kLiquidTemperatureEdit);
    return outcome;
  }
  const text::Edition edition = texts.edition();
  outcome.values = us ? ShowUs(values->density, values->viscosity, edition)
                      : LiquidDisplay{Shown(values->density, 0, edition), Shown(values->viscosity, 0, edition)};
  return outcome;
}

MediumTakeOver LiquidRowTakeOver(const LiquidRecord& liquid, const LiquidForm& form, const LiquidDisplay& values,
                                 bool us) {
  MediumTakeOver takeOver;
  takeOver.description =
      StateDescription(liquid.name, liquid.rows.at(static_cast<std::size_t>(form.row)).temperatureText, "°C");
  takeOver.density = values.density;
  takeOver.viscosity = values.viscosity;
  takeOver.SetUnits(us);
  return takeOver;
}

MediumTakeOver LiquidInterpolatedTakeOver(const LiquidRecord& liquid, const LiquidForm& form,
                                          const LiquidDisplay& values, bool us) {
  MediumTakeOver takeOver;
  takeOver.description =
      StateDescription(liquid.name, form.temperature, units::UnitName(units::TemperatureUnits(), form.temperatureUnit));
  takeOver.density = values.density;
  takeOver.viscosity = values.viscosity;
  takeOver.SetUnits(us);
  return takeOver;
}

}  // namespace velmora::fluids
