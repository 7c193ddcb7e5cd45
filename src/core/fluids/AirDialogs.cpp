#include "fluids/AirDialogs.h"

#include "fluids/PropertyForm.h"
#include "units/UnitLists.h"

namespace velmora::fluids {
namespace {

std::string Text(const text::TextStore& texts, std::string_view block, std::string_view key) {
  return texts.FormText(block, key);
}

ResultCaptions Captions(const text::TextStore& texts, std::string_view block, bool us) {
  return {ResultCaption(texts, Text(texts, block, "Dichte"), ResultUnits::Density(us)),
          ResultCaption(texts, Text(texts, block, "Volumen"), ResultUnits::SpecificVolume(us)),
          ResultCaption(texts, Text(texts, block, "Viskositaet"), ResultUnits::Viscosity(us))};
}

std::string_view TemperatureUnitName(int unit) { return units::UnitName(units::TemperatureUnits(), unit); }

std::string StateWord(const text::TextStore& texts, AirPhase phase) {
  switch (phase) {
    case AirPhase::Liquid: return Text(texts, kDryAirBlock, "Fluessig");
    case AirPhase::Solid: return Text(texts, kDryAirBlock, "Fest");
    case AirPhase::Gas: break;
  }
  return Text(texts, kDryAirBlock, "Gas");
}

}  // namespace

text::Message AirRefusalMessage(const text::TextStore& texts, std::string_view block, AirRefusal refusal) {
  switch (refusal) {
    case AirRefusal::Temperature:
      return RangeMessage(texts, Text(texts, block, "msgTemperature"), RangeBox::Error, kTemperatureEdit);
    case AirRefusal::Pressure:
      return RangeMessage(texts, Text(texts, block, "msgPressure"), RangeBox::Error, kPressureEdit);
    case AirRefusal::Humidity:
      return RangeMessage(texts, Text(texts, block, "msgHumidity"), RangeBox::Error, kHumidityEdit);
    case AirRefusal::OutOfRange:
      return RangeMessage(texts, Text(texts, block, "msgOutOfRange"), RangeBox::Information, kTemperatureEdit);
    case AirRefusal::NumericFault:
    case AirRefusal::None: break;
  }
  return RangeMessage(texts, Text(texts, block, "msgOutOfRange"), RangeBox::Information, {});
}

DryAirForm DryAirForm::Defaults(text::Edition edition) { return {edition == 'E' ? "1.0" : "1,0", 0, "20", 0}; }

ResultCaptions DryAirResultCaptions(const text::TextStore& texts, bool us) { return Captions(texts, kDryAirBlock, us); }

DryAirDialogOutcome CalculateDryAirDialog(const DryAirForm& form, const text::TextStore& texts, bool us) {
  InputReader reader(texts);
  const auto p =
      reader.Pressure({form.pressure, Text(texts, kDryAirBlock, "DruckLabel"), kPressureEdit}, form.pressureUnit);
  const auto T = reader.Temperature({form.temperature, Text(texts, kDryAirBlock, "TemperaturLabel"), kTemperatureEdit},
                                    form.temperatureUnit);
  if (reader.Failure()) return {std::nullopt, reader.Failure()};
  if (!p || !T) return {};
  const DryAirOutcome outcome = CalculateDryAir(*T, *p);
  if (outcome.refusal != AirRefusal::None)
    return {std::nullopt, AirRefusalMessage(texts, kDryAirBlock, outcome.refusal)};
  DryAirDisplay display;
  display.state = StateWord(texts, outcome.phase);
  display.gas = outcome.phase == AirPhase::Gas;
  display.solid = outcome.phase == AirPhase::Solid;
  if (outcome.properties) {
    const AirProperties& a = *outcome.properties;
    const text::Edition edition = texts.edition();
    const int densityDecimals = a.density >= 10 ? 3 : 4;
    const int volumeDecimals = DecimalsBySize(a.specificVolume, 4);
    if (us) {
      display.density = Shown(UsDensity(a.density), densityDecimals + 1, edition);
      display.specificVolume = Shown(UsSpecificVolume(a.specificVolume), volumeDecimals - 1, edition);
      display.viscosity = Shown(UsViscosity(a.viscosity), 6, edition);
    } else {
      display.density = Shown(a.density, densityDecimals, edition);
      display.specificVolume = Shown(a.specificVolume, volumeDecimals, edition);
      display.viscosity = Shown(a.viscosity, 3, edition);
    }
  }
  return {display, std::nullopt};
}

MediumTakeOver DryAirTakeOver(const DryAirForm& form, const DryAirDisplay& display, const text::TextStore& texts,
                              bool us) {
  return StateTakeOver(Text(texts, kDryAirBlock, "Medium"),
                       GasTakeOver{form.pressure, form.pressureUnit, form.temperature, form.temperatureUnit},
                       display.gas, display.density, display.viscosity, us);
}

HumidAirForm HumidAirForm::Defaults(text::Edition edition) {
  return {edition == 'E' ? "1.013" : "1,013", 0, "20", 0, HumidityGiven::RelativeHumidity, "50"};
}

HumidAirCaptions HumidAirResultCaptions(const text::TextStore& texts, bool us) {
  return {Captions(texts, kHumidAirBlock, us),
          ResultCaption(texts, Text(texts, kHumidAirBlock, "Taupunkt"), ResultUnits::Temperature(us))};
}

std::string HumidityCaption(const text::TextStore& texts, HumidityGiven given) {
  return Text(texts, kHumidAirBlock, given == HumidityGiven::RelativeHumidity ? "Feuchte0" : "Feuchte1");
}

HumidAirDialogOutcome CalculateHumidAirDialog(const HumidAirForm& form, const text::TextStore& texts, bool us) {
  InputReader reader(texts);
  const auto p =
      reader.Pressure({form.pressure, Text(texts, kHumidAirBlock, "DruckLabel"), kPressureEdit}, form.pressureUnit);
  const auto T = reader.Temperature(
      {form.temperature, Text(texts, kHumidAirBlock, "TemperaturLabel"), kTemperatureEdit}, form.temperatureUnit);
  const auto humidity = reader.Number({form.humidity, HumidityCaption(texts, form.given), kHumidityEdit});
  if (reader.Failure()) return {std::nullopt, reader.Failure()};
  if (!p || !T || !humidity) return {};
  const HumidAirOutcome outcome = CalculateHumidAir(*T, *p, form.given, *humidity);
  if (!outcome.state) return {std::nullopt, AirRefusalMessage(texts, kHumidAirBlock, outcome.refusal)};
  const HumidAir& air = *outcome.state;
  const text::Edition edition = texts.edition();
  HumidAirDisplay display;
  display.relativeHumidity = Shown(air.relativeHumidity, 1, edition);
  display.moistureContent = Shown(air.moistureContent, 4, edition);
  display.saturationContent = air.saturationContent ? Shown(*air.saturationContent, 4, edition) : "-";
  display.degreeOfSaturation = air.degreeOfSaturation ? Shown(*air.degreeOfSaturation, 2, edition) : "-";
  display.moleFraction = Shown(air.moleFraction, 3, edition);
  display.dewPoint = Shown(us ? FahrenheitOfCelsius(air.dewPoint) : air.dewPoint, 1, edition);
  const AirProperties& a = air.properties;
  const int volumeDecimals = DecimalsBySize(a.specificVolume, 5);
  if (us) {
    display.density = Shown(UsDensity(a.density), 7, edition);
    display.specificVolume = Shown(UsSpecificVolume(a.specificVolume), volumeDecimals - 1, edition);
    display.viscosity = Shown(UsViscosity(a.viscosity), 6, edition);
  } else {
    display.density = Shown(a.density, 6, edition);
    display.specificVolume = Shown(a.specificVolume, volumeDecimals, edition);
    display.viscosity = Shown(a.viscosity, 3, edition);
  }
  return {display, std::nullopt};
}

MediumTakeOver HumidAirTakeOver(const HumidAirForm& form, const HumidAirDisplay& display, const text::TextStore& texts,
                                bool us) {
  MediumTakeOver takeOver =
      StateTakeOver(Text(texts, kHumidAirBlock, "Medium"),
                    GasTakeOver{form.pressure, form.pressureUnit, form.temperature, form.temperatureUnit}, true,
                    display.density, display.viscosity, us);
  takeOver.description.pop_back();  // the closing parenthesis comes after the humidity
  takeOver.description += ", " + Text(texts, kHumidAirBlock, "RelativeFeuchte") + " " + display.relativeHumidity + ")";
  return takeOver;
}

SaturatedAirCaptions SaturatedAirResultCaptions(const text::TextStore& texts, bool us) {
  return {Captions(texts, kSaturatedAirBlock, us),
          ResultCaption(texts, Text(texts, kSaturatedAirBlock, "Siededruck"), ResultUnits::Pressure(us)),
          ResultCaption(texts, Text(texts, kSaturatedAirBlock, "Taudruck"), ResultUnits::Pressure(us))};
}

SaturatedAirDialogOutcome CalculateSaturatedAirDialog(const SaturatedAirForm& form, const text::TextStore& texts,
                                                      bool us) {
  InputReader reader(texts);
  const auto T = reader.Temperature(
      {form.temperature, Text(texts, kSaturatedAirBlock, "TemperaturLabel"), kTemperatureEdit}, form.temperatureUnit);
  if (reader.Failure()) return {std::nullopt, reader.Failure()};
  if (!T) return {};
  const SaturatedAirOutcome outcome = CalculateSaturatedAir(*T);
  if (!outcome.state) return {std::nullopt, AirRefusalMessage(texts, kSaturatedAirBlock, outcome.refusal)};
  const SaturatedAir& air = *outcome.state;
  const text::Edition edition = texts.edition();
  const auto phase = [&](const AirProperties& a) {
    const int densityDecimals = DecimalsBySize(a.density, 5);
    const int volumeDecimals = DecimalsBySize(a.specificVolume, 5);
    if (us) {
      return PhaseDisplay{Shown(UsDensity(a.density), densityDecimals + 1, edition),
                          Shown(UsSpecificVolume(a.specificVolume), volumeDecimals - 1, edition),
                          Shown(UsViscosity(a.viscosity), 6, edition)};
    }
    return PhaseDisplay{Shown(a.density, densityDecimals, edition), Shown(a.specificVolume, volumeDecimals, edition),
                        Shown(a.viscosity, 3, edition)};
  };
  SaturatedAirDisplay display;
  display.bubblePressure = Shown(us ? UsPressure(air.bubblePressure) : air.bubblePressure, 4, edition);
  display.dewPressure = Shown(us ? UsPressure(air.dewPressure) : air.dewPressure, 4, edition);
  display.liquid = phase(air.liquid);
  display.vapour = phase(air.vapour);
  return {display, std::nullopt};
}

MediumTakeOver SaturatedAirTakeOver(const SaturatedAirForm& form, const SaturatedAirDisplay& display,
                                    const text::TextStore& texts, bool us, bool vapour) {
  MediumTakeOver takeOver;
  takeOver.description = StateDescription(Text(texts, kSaturatedAirBlock, "Medium"), form.temperature,
                                          TemperatureUnitName(form.temperatureUnit));
  const PhaseDisplay& phase = vapour ? display.vapour : display.liquid;
  takeOver.gas = vapour;
  takeOver.density = phase.density;
  takeOver.viscosity = phase.viscosity;
  takeOver.SetUnits(us);
  if (vapour) {
    takeOver.gasData = GasTakeOver{display.dewPressure, us ? kPressureUnitPsia : kPressureUnitBar, form.temperature,
                                   form.temperatureUnit};
  }
  return takeOver;
}

}  // namespace velmora::fluids
