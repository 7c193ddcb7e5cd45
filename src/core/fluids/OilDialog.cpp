#include "fluids/OilDialog.h"

#include <cmath>

#include "fluids/PropertyForm.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"
#include "units/UnitLists.h"

namespace velmora::fluids {
namespace {

// The temperature range of the fits, °C.
constexpr long double kOilLowest = 0;
constexpr long double kOilHighest = 300;

std::string Text(const text::TextStore& texts, std::string_view key) { return texts.FormText(kOilBlock, key); }

}  // namespace

std::string OilTypeText(const OilRecord& oil, const text::TextStore& texts) {
  switch (oil.type) {
    case 1: return Text(texts, "Typ1");
    case 2: return Text(texts, "Typ2");
    default: return Text(texts, "Typ3");
  }
}

OilCaptions OilResultCaptions(const text::TextStore& texts, bool us) {
  return {ResultCaption(texts, Text(texts, "Dichte"), ResultUnits::Density(us)),
          ResultCaption(texts, Text(texts, "Viskositaet"), ResultUnits::Viscosity(us))};
}

OilOutcome CalculateOilDialog(const OilRecord& oil, const OilForm& form, const text::TextStore& texts, bool us) {
  OilOutcome outcome;
  InputReader reader(texts);
  const std::optional<long double> T =
      reader.Temperature({form.temperature, Text(texts, "TemperaturLabel"), kOilTemperatureEdit}, form.temperatureUnit);
  if (reader.Failure() || !T) {
    outcome.message = reader.Failure();
    return outcome;
  }
  const long double t = units::RoundHalfAway(*T - units::kZeroCelsiusInKelvin);
  if ((outcome.message = OilRangeMessage(t, texts))) return outcome;
  const OilValues values = OilProperties(oil, t);
  if (!std::isfinite(values.density) || !std::isfinite(values.viscosity)) {
    outcome.message = RangeMessage(texts, Text(texts, "msgOutOfRange"), RangeBox::Plain, kOilTemperatureEdit);
    return outcome;
  }
  const text::Edition edition = texts.edition();
  OilShown shown;
  if (values.density < 0) {
    shown.density = Text(texts, "KeineDaten");
  } else {
    shown.density = us ? Shown(UsDensity(values.density), 1, edition) : Shown(values.density, 0, edition);
  }
  if (!(values.viscosity > 0)) {
    shown.viscosity = Text(texts, "KeineAngabe");
  } else {
    shown.viscosity = us ? Shown(UsViscosity(values.viscosity), 4, edition) : Shown(values.viscosity, 0, edition);
  }
  outcome.values = shown;
  return outcome;
}

std::optional<text::Message> OilRangeMessage(long double t, const text::TextStore& texts) {
  if (t >= kOilLowest && t <= kOilHighest) return std::nullopt;
  return RangeMessage(texts, Text(texts, t < kOilLowest ? "msgUnterBereich" : "msgUeberBereich"), RangeBox::Plain,
                      kOilTemperatureEdit);
}

MediumTakeOver OilTakeOver(const OilRecord& oil, const OilForm& form, const OilShown& values, bool us) {
  return LiquidTakeOver(
      StateDescription(oil.name, form.temperature, units::UnitName(units::TemperatureUnits(), form.temperatureUnit)),
      values.density, values.viscosity, us);
}

}  // namespace velmora::fluids
