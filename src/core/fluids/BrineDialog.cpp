#include "fluids/BrineDialog.h"

#include "fluids/Brine.h"
#include "fluids/PropertyForm.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"
#include "units/UnitLists.h"

namespace velmora::fluids {
namespace {

std::string Text(const text::TextStore& texts, std::string_view key) { return texts.FormText(kBrineBlock, key); }

// The fluids' names in the text block, in list order.
constexpr const char* kNameKeys[kBrineCount] = {
    "Ethylenglykol", "Propylenglykol", "Ethylalkohol",   "Methylalkohol",    "Glycerin",
    "Ammoniak",      "Kaliumcarbonat", "Calciumchlorid", "Magnesiumchlorid", "Natriumchlorid"};

int FluidNumber(const BrineForm& form) { return form.fluid >= 0 && form.fluid < kBrineCount ? form.fluid + 1 : 1; }

// Below 1000 one decimal, from 1000 on none.
int MetricDecimals(long double value) { return value < 1000 ? 1 : 0; }

// The freezing point (°C) in entry `unit` of the temperature list: K, °F or Réaumur.
long double InTemperatureUnit(long double celsius, int unit) {
  switch (unit) {
    case 1: return celsius + units::kZeroCelsiusInKelvin;
    case 2: return FahrenheitOfCelsius(celsius);
    case 3: return celsius * 4 / 5;  // Réaumur: 80 °R at 100 °C
    default: return celsius;
  }
}

}  // namespace

std::vector<std::string> BrineNames(const text::TextStore& texts) {
  std::vector<std::string> names;
  for (const char* key : kNameKeys) names.push_back(Text(texts, key) + " / " + Text(texts, "Wasser"));
  return names;
}

BrineRanges ShowBrineRanges(int fluid, const text::TextStore& texts) {
  const text::Edition edition = texts.edition();
  const BrineCoefficients& brine = Brine(fluid >= 0 && fluid < kBrineCount ? fluid + 1 : 1);
  const long double tMax = brine.highestTemperature;
  return {Text(texts, "BereichGefrierpunkt") + " " + units::FormatNumber(tMax, 0, edition) + " °C (" +
              units::FormatNumber(units::RoundHalfAway(FahrenheitOfCelsius(tMax)), 0, edition) + " °F)",
          Shown(brine.lowestConcentration, 1, edition) + " .. " + Shown(brine.highestConcentration, 1, edition) + " %"};
}

BrineCaptions BrineResultCaptions(const text::TextStore& texts, bool us, int temperatureUnit) {
  std::string unit = " ";
  unit += units::UnitName(units::TemperatureUnits(), temperatureUnit < 0 ? 0 : temperatureUnit);
  unit += ':';
  return {ResultCaption(texts, Text(texts, "Dichte"), ResultUnits::Density(us)),
          ResultCaption(texts, Text(texts, "Viskositaet"), ResultUnits::Viscosity(us)),
          ResultCaption(texts, Text(texts, "Schmelzpunkt"), unit)};
}

BrineOutcome CalculateBrineDialog(const BrineForm& form, const text::TextStore& texts, bool us) {
  BrineOutcome outcome;
  InputReader reader(texts);
  const std::optional<long double> T = reader.Temperature(
      {form.temperature, Text(texts, "TemperaturLabel"), kBrineTemperatureEdit}, form.temperatureUnit);
  const std::optional<long double> c =
      reader.Number({form.concentration, Text(texts, "KonzentrationLabel"), kBrineConcentrationEdit});
  if (reader.Failure() || !T || !c) {
    outcome.message = reader.Failure();
    return outcome;
  }
  const long double t = *T - units::kZeroCelsiusInKelvin;
  const BrineState state = CalculateBrine(FluidNumber(form), *c, t);
  const text::Edition edition = texts.edition();
  if (state.refusal != BrineRefusal::None) {
    outcome.message = BrineRefusalMessage(state, texts);
    return outcome;
  }
  const int densityDecimals = MetricDecimals(state.density);
  const int viscosityDecimals = MetricDecimals(state.viscosity);
  BrineValues values;
  values.density = us ? Shown(UsDensity(state.density), densityDecimals + 1, edition)
                      : Shown(state.density, densityDecimals, edition);
  values.viscosity = us ? Shown(UsViscosity(state.viscosity), viscosityDecimals + 3, edition)
                        : Shown(state.viscosity, viscosityDecimals, edition);
  values.freezingPoint = Shown(InTemperatureUnit(state.freezingPoint, form.temperatureUnit), 1, edition);
  outcome.values = values;
  return outcome;
}

text::Message BrineRefusalMessage(const BrineState& state, const text::TextStore& texts) {
  const text::Edition edition = texts.edition();
  switch (state.refusal) {
    case BrineRefusal::TooWarm:
      return RangeMessage(texts, Text(texts, "msgZuWarm"), RangeBox::Plain, kBrineTemperatureEdit);
    case BrineRefusal::Concentration:
      return RangeMessage(texts, Text(texts, "msgKonzentration"), RangeBox::Error, kBrineConcentrationEdit);
    case BrineRefusal::Frozen:
      return RangeMessage(texts,
                          Text(texts, "msgGefroren") + " " + Shown(state.freezingPoint, 1, edition) + " °C (" +
                              Shown(FahrenheitOfCelsius(state.freezingPoint), 1, edition) + " °F)",
                          RangeBox::Plain, kBrineTemperatureEdit);
    case BrineRefusal::NumericFault:
    case BrineRefusal::None: break;
  }
  return RangeMessage(texts, Text(texts, "msgOutOfRange"), RangeBox::Information, kBrineTemperatureEdit);
}

MediumTakeOver BrineTakeOver(const BrineForm& form, const BrineValues& values, const text::TextStore& texts, bool us) {
  const std::string name = BrineNames(texts)[static_cast<std::size_t>(FluidNumber(form) - 1)];
  const std::string_view unit = units::UnitName(units::TemperatureUnits(), form.temperatureUnit);
  return LiquidTakeOver(StateDescription(name, form.temperature, unit, form.concentration, "%"), values.density,
                        values.viscosity, us);
}

}  // namespace velmora::fluids
