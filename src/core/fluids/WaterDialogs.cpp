#include "fluids/WaterDialogs.h"

#include "fluids/PropertyForm.h"
#include "units/UnitFactors.h"
#include "units/UnitLists.h"

namespace velmora::fluids {
namespace {

std::string Text(const text::TextStore& texts, std::string_view block, std::string_view key) {
  return texts.FormText(block, key);
}

// Density, specific volume and viscosity of one phase as the water dialogs show them.
PhaseDisplay ShowPhase(const WaterProperties& properties, bool us, text::Edition edition, bool densityBySize) {
  PhaseDisplay shown;
  const int densityDecimals = densityBySize ? DecimalsBySize(properties.density, 6) : (properties.density >= 1 ? 3 : 6);
  const int volumeDecimals = DecimalsBySize(properties.specificVolume, 6);
  if (us) {
    shown.density = Shown(UsDensity(properties.density), densityDecimals + 1, edition);
    shown.specificVolume = Shown(UsSpecificVolume(properties.specificVolume), volumeDecimals - 1, edition);
    shown.viscosity = Shown(UsViscosity(properties.viscosity), 5, edition);
  } else {
    shown.density = Shown(properties.density, densityDecimals, edition);
    shown.specificVolume = Shown(properties.specificVolume, volumeDecimals, edition);
    shown.viscosity = Shown(properties.viscosity, 2, edition);
  }
  return shown;
}

std::string_view PressureUnitName(int unit) { return units::UnitName(units::PressureUnits(), unit); }
std::string_view TemperatureUnitName(int unit) { return units::UnitName(units::TemperatureUnits(), unit); }

}  // namespace

WaterForm WaterForm::Defaults(text::Edition edition) { return {edition == 'E' ? "1.013" : "1,013", 0, "20", 0}; }

ResultCaptions WaterResultCaptions(const text::TextStore& texts, bool us) {
  return {ResultCaption(texts, Text(texts, kWaterBlock, "Dichte"), ResultUnits::Density(us)),
          ResultCaption(texts, Text(texts, kWaterBlock, "Volumen"), ResultUnits::SpecificVolume(us)),
          ResultCaption(texts, Text(texts, kWaterBlock, "Viskositaet"), ResultUnits::Viscosity(us))};
}

text::Message WaterRefusalMessage(const text::TextStore& texts, WaterRefusal refusal) {
  const RangeBox box = refusal == WaterRefusal::NumericFault ? RangeBox::Information : RangeBox::Plain;
  return RangeMessage(texts, Text(texts, kWaterBlock, "msgOutOfRange"), box, kPressureEdit);
}

WaterDialogOutcome CalculateWaterDialog(const WaterForm& form, const text::TextStore& texts, bool us) {
  InputReader reader(texts);
  const auto p =
      reader.Pressure({form.pressure, Text(texts, kWaterBlock, "DruckLabel"), kPressureEdit}, form.pressureUnit);
  const auto T = reader.Temperature({form.temperature, Text(texts, kWaterBlock, "TemperaturLabel"), kTemperatureEdit},
                                    form.temperatureUnit);
  if (reader.Failure()) return {std::nullopt, reader.Failure()};
  if (!p || !T) return {};  // a unit entry that does not exist: nothing to show
  const WaterStateOutcome outcome = CalculateWaterState(*T, *p);
  if (!outcome.state) return {std::nullopt, WaterRefusalMessage(texts, outcome.refusal)};
  const WaterState& state = *outcome.state;
  const PhaseDisplay shown = ShowPhase(state.properties, us, texts.edition(), false);
  WaterDisplay display{Text(texts, kWaterBlock, state.gas ? "Gas" : "Fluessig"),
                       shown.density,
                       shown.specificVolume,
                       shown.viscosity,
                       state.gas,
                       state.region};
  return {display, std::nullopt};
}

MediumTakeOver WaterTakeOver(const WaterForm& form, const WaterDisplay& display, const text::TextStore& texts,
                             bool us) {
  return StateTakeOver(Text(texts, kWaterBlock, "Medium"),
                       GasTakeOver{form.pressure, form.pressureUnit, form.temperature, form.temperatureUnit},
                       display.gas, display.density, display.viscosity, us);
}

SaturatedWaterForm SaturatedWaterForm::Defaults(text::Edition edition) {
  return {SaturationGiven::Temperature, "100", 0, edition == 'E' ? "1.013" : "1,013", 0};
}

std::string ComputedCaption(const text::TextStore& texts, SaturationGiven given, bool us) {
  if (given == SaturationGiven::Temperature) {
    return ResultCaption(texts, Text(texts, kSaturatedWaterBlock, "Saettigungsdruck"), ResultUnits::Pressure(us));
  }
  return ResultCaption(texts, Text(texts, kSaturatedWaterBlock, "Saettigungstemperatur"), ResultUnits::Temperature(us));
}

ResultCaptions SaturatedWaterResultCaptions(const text::TextStore& texts, bool us) {
  return {ResultCaption(texts, Text(texts, kSaturatedWaterBlock, "Dichte"), ResultUnits::Density(us)),
          ResultCaption(texts, Text(texts, kSaturatedWaterBlock, "Volumen"), ResultUnits::SpecificVolume(us)),
          ResultCaption(texts, Text(texts, kSaturatedWaterBlock, "Viskositaet"), ResultUnits::Viscosity(us))};
}

SaturatedWaterDialogOutcome CalculateSaturatedWaterDialog(const SaturatedWaterForm& form, const text::TextStore& texts,
                                                          bool us) {
  InputReader reader(texts);
  const bool byTemperature = form.given == SaturationGiven::Temperature;
  const char* const edit = byTemperature ? kTemperatureEdit : kPressureEdit;
  const std::optional<long double> value =
      byTemperature
          ? reader.Temperature({form.temperature, Text(texts, kSaturatedWaterBlock, "TemperaturLabel"), edit},
                               form.temperatureUnit)
          : reader.Pressure({form.pressure, Text(texts, kSaturatedWaterBlock, "DruckLabel"), edit}, form.pressureUnit);
  if (reader.Failure()) return {std::nullopt, reader.Failure()};
  if (!value) return {};
  const SaturatedWaterOutcome outcome = CalculateSaturatedWater(form.given, *value);
  if (!outcome.state) return {std::nullopt, SaturatedWaterRefusalMessage(texts, form.given)};
  const SaturatedWater& state = *outcome.state;
  const text::Edition edition = texts.edition();
  SaturatedWaterDisplay display;
  if (byTemperature) {
    display.computed = Shown(us ? UsPressure(state.pressure) : state.pressure, 5, edition);
  } else {
    display.computed =
        Shown(us ? FahrenheitOfKelvin(state.temperature) : state.temperature - units::kZeroCelsiusInKelvin, 1, edition);
  }
  display.liquid = ShowPhase(state.liquid, us, edition, true);
  display.vapour = ShowPhase(state.vapour, us, edition, true);
  return {display, std::nullopt};
}

text::Message SaturatedWaterRefusalMessage(const text::TextStore& texts, SaturationGiven given) {
  return RangeMessage(texts, Text(texts, kSaturatedWaterBlock, "msgOutOfRange"), RangeBox::Information,
                      given == SaturationGiven::Temperature ? kTemperatureEdit : kPressureEdit);
}

MediumTakeOver SaturatedWaterTakeOver(const SaturatedWaterForm& form, const SaturatedWaterDisplay& display,
                                      const text::TextStore& texts, bool us, bool vapour) {
  const bool byTemperature = form.given == SaturationGiven::Temperature;
  MediumTakeOver takeOver;
  takeOver.description = byTemperature ? StateDescription(Text(texts, kSaturatedWaterBlock, "Medium"), form.temperature,
                                                          TemperatureUnitName(form.temperatureUnit))
                                       : StateDescription(Text(texts, kSaturatedWaterBlock, "Medium"), form.pressure,
                                                          PressureUnitName(form.pressureUnit));
  const PhaseDisplay& phase = vapour ? display.vapour : display.liquid;
  takeOver.gas = vapour;
  takeOver.density = phase.density;
  takeOver.viscosity = phase.viscosity;
  takeOver.SetUnits(us);
  if (vapour) {
    takeOver.gasData = byTemperature ? GasTakeOver{display.computed, us ? kPressureUnitPsia : kPressureUnitBar,
                                                   form.temperature, form.temperatureUnit}
                                     : GasTakeOver{form.pressure, form.pressureUnit, display.computed,
                                                   us ? kTemperatureUnitFahrenheit : kTemperatureUnitCelsius};
  }
  return takeOver;
}

}  // namespace velmora::fluids
