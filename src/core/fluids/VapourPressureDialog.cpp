#include "fluids/VapourPressureDialog.h"

#include <cmath>

#include "fluids/PropertyForm.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::fluids {
namespace {

std::string Text(const text::TextStore& texts, std::string_view key) {
  return texts.FormText(kVapourPressureBlock, key);
}

}  // namespace

VapourPressureIdentity ShowSubstance(const VapourPressureRecord& substance, text::Edition edition) {
  return {substance.name, substance.formula, WithEditionSeparator(substance.molarMassText, edition),
          WithEditionSeparator(substance.meltingPointText, edition) + " °C",
          WithEditionSeparator(substance.boilingPointText, edition) + " °C"};
}

VapourPressureCaptions VapourPressureResultCaptions(const text::TextStore& texts) {
  return {ResultCaption(texts, Text(texts, "Dampfdruck"), ResultUnits::Pressure(false)),
          ResultCaption(texts, Text(texts, "Dichte"), ResultUnits::Density(false))};
}

VapourPressureDisplay ShowVapourPressure(const VapourPressureRecord& substance, int t, const text::TextStore& texts) {
  const text::Edition edition = texts.edition();
  const long double celsius = t;
  VapourPressureDisplay display;
  display.temperature = std::to_string(t);
  display.fahrenheit =
      "(= " + units::FormatNumber(units::RoundHalfAway(FahrenheitOfCelsius(celsius)), 0, edition) + " °F)";
  const long double T = celsius + units::kZeroCelsiusInKelvin;
  const std::optional<long double> p = VapourPressure(substance, T);
  const std::optional<long double> rho = RackettDensity(substance, T);
  const std::string outOfRange = Text(texts, "msgOutOfRange");
  display.vapourPressure = p ? Shown(*p, 3, edition) : outOfRange;
  display.density = rho ? Shown(*rho, 0, edition) : outOfRange;
  display.valid = p && rho;
  return display;
}

std::string PumpMediumName(std::string_view medium) {
  std::string_view name = medium.substr(0, medium.find('('));
  if (name.size() != medium.size() && !name.empty() && name.back() == ' ') name.remove_suffix(1);
  return std::string(name);
}

std::optional<int> WholeDegrees(std::string_view text) {
  const std::optional<long double> value = units::ParseNumber(text);
  if (!value || text.find_first_not_of(' ') == std::string_view::npos) return std::nullopt;
  if (*value != std::trunc(*value)) return std::nullopt;
  return units::RoundToInt(*value);
}

}  // namespace velmora::fluids
