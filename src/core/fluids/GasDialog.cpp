#include "fluids/GasDialog.h"

#include "fluids/GasState.h"
#include "fluids/PropertyForm.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"
#include "units/UnitLists.h"

namespace velmora::fluids {
namespace {

std::string Text(const text::TextStore& texts, std::string_view key) { return texts.FormText(kGasBlock, key); }

std::string Whole(long double value, text::Edition edition) {
  return units::FormatNumber(units::RoundHalfAway(value), 0, edition);
}

// "-210,00 °C  (= -346 °F)": the stored text and its Fahrenheit equivalent.
std::string StoredCelsius(const std::string& stored, long double celsius, text::Edition edition) {
  return WithEditionSeparator(stored, edition) + " °C  (= " + Whole(FahrenheitOfCelsius(celsius), edition) + " °F)";
}

GasValues Show(const GasState& state, bool us, text::Edition edition) {
  if (us) return {Shown(UsDensity(state.density), 3, edition), Shown(UsViscosity(state.viscosity), 4, edition)};
  return {Shown(state.density, 2, edition), Shown(state.viscosity, 1, edition)};
}

text::Message OutOfRange(const text::TextStore& texts, RangeBox box, const char* focus) {
  return RangeMessage(texts, Text(texts, "msgOutOfRange"), box, focus);
}

// The common part of both calculations once the temperature (K) and the low-pressure viscosity
// are known: pressure, boiling point, liquid check, density and viscosity.
GasOutcome Calculate(const GasRecord& gas, const GasForm& form, long double T, long double mu0,
                     const text::TextStore& texts, bool us, bool interpolated) {
  GasOutcome outcome;
  InputReader reader(texts);
  const std::optional<long double> p =
      reader.Pressure({form.pressure, Text(texts, "DruckLabel"), kGasPressureEdit, true}, form.pressureUnit);
  if (reader.Failure()) {
    outcome.message = reader.Failure();
    return outcome;
  }
  if (!p) return outcome;
  const GasState state = CalculateGasState(gas, T, *p, mu0);
  const text::Edition edition = texts.edition();
  if (state.boilingPoint) {
    outcome.boilingPoint = Text(texts, "Ca") + " " + Shown(*state.boilingPoint, 1, edition) + " °C  (" +
                           Whole(FahrenheitOfCelsius(*state.boilingPoint), edition) + " °F)";
  } else if (state.refusal != GasRefusal::PressureTooLow && state.refusal != GasRefusal::PressureTooHigh) {
    outcome.boilingPoint = Text(texts, "Ueberkritisch");
  }
  switch (state.refusal) {
    case GasRefusal::None: outcome.values = Show(state, us, edition); break;
    case GasRefusal::PressureTooLow: break;
    case GasRefusal::PressureTooHigh:
      outcome.message = OutOfRange(texts, RangeBox::Information, kGasPressureEdit);
      break;
    case GasRefusal::Liquid:
      if (interpolated) {
        outcome.message = RangeMessage(texts, Text(texts, "Fluessig"), RangeBox::Information, kGasTemperatureEdit);
      } else {
        outcome.liquid = true;
      }
      break;
    case GasRefusal::OutOfRange:
      outcome.message = OutOfRange(texts, RangeBox::Information, interpolated ? kGasTemperatureEdit : kGasPressureEdit);
      break;
  }
  return outcome;
}

}  // namespace

GasForm GasForm::Defaults(text::Edition edition) { return {edition == 'E' ? "1.013" : "1,013", 0, 0, "", 0}; }

GasIdentity ShowGas(const GasRecord& gas, const text::TextStore& texts) {
  const text::Edition edition = texts.edition();
  GasIdentity identity;
  identity.cas = Text(texts, "CasLabel") + " " + gas.cas;
  identity.name = gas.name;
  identity.formula = gas.formula;
  identity.meltingPoint = StoredCelsius(gas.meltingPointText, gas.meltingPoint, edition);
  identity.boilingPoint = StoredCelsius(gas.boilingPointText, gas.boilingPoint, edition);
  const long double tc = gas.constants.criticalTemperature - units::kZeroCelsiusInKelvin;
  identity.criticalTemperature = Whole(tc, edition) + " °C  (" + Whole(FahrenheitOfCelsius(tc), edition) + " °F)";
  for (const TabulatedViscosity& row : gas.viscosities) {
    identity.temperatures.push_back(WithEditionSeparator(row.temperatureText, edition));
  }
  return identity;
}

GasCaptions GasResultCaptions(const text::TextStore& texts, bool us) {
  return {ResultCaption(texts, Text(texts, "Dichte"), ResultUnits::Density(us)),
          ResultCaption(texts, Text(texts, "Viskositaet"), ResultUnits::Viscosity(us))};
}

GasOutcome CalculateGasTable(const GasRecord& gas, const GasForm& form, const text::TextStore& texts, bool us) {
  if (form.row < 0 || static_cast<std::size_t>(form.row) >= gas.viscosities.size()) return {};
  const TabulatedViscosity& row = gas.viscosities[static_cast<std::size_t>(form.row)];
  return Calculate(gas, form, row.temperature + units::kZeroCelsiusInKelvin, row.viscosity, texts, us, false);
}

std::optional<GasOutcome> InterpolateGas(const GasRecord& gas, const GasForm& form, const text::TextStore& texts,
                                         bool us) {
  if (form.temperature.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  InputReader reader(texts);
  const std::optional<long double> T =
      reader.Temperature({form.temperature, Text(texts, "TemperaturLabel"), kGasTemperatureEdit}, form.temperatureUnit);
  GasOutcome outcome;
  if (reader.Failure()) {
    outcome.message = reader.Failure();
    return outcome;
  }
  if (!T || gas.viscosities.empty()) return outcome;
  const long double t = *T - units::kZeroCelsiusInKelvin;
  if (!(t > gas.viscosities.front().temperature && t < gas.viscosities.back().temperature)) {
    outcome.message = OutOfRange(texts, RangeBox::Plain, kGasTemperatureEdit);
    return outcome;
  }
  return Calculate(gas, form, *T, *ViscosityAt(gas, t), texts, us, true);
}

MediumTakeOver GasTableTakeOver(const GasRecord& gas, const GasForm& form, const GasValues& values, bool us) {
  const std::string& t = gas.viscosities.at(static_cast<std::size_t>(form.row)).temperatureText;
  return StateTakeOver(gas.name, GasTakeOver{form.pressure, form.pressureUnit, t, kTemperatureUnitCelsius}, true,
                       values.density, values.viscosity, us);
}

MediumTakeOver GasInterpolatedTakeOver(const GasRecord& gas, const GasForm& form, const GasValues& values, bool us) {
  return StateTakeOver(gas.name, GasTakeOver{form.pressure, form.pressureUnit, form.temperature, form.temperatureUnit},
                       true, values.density, values.viscosity, us);
}

}  // namespace velmora::fluids
