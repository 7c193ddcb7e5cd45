#include "fluids/PropertyForm.h"

#include "text/GlobalTexts.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"
#include "units/UnitLists.h"

namespace velmora::fluids {
namespace {

// 255.37 K at 0 °F, the figure of the dialogs' Fahrenheit display (459.67·5/9 = 255.372).
constexpr long double kZeroFahrenheitDisplay = 255.37L;

}  // namespace

std::optional<long double> InputReader::Number(const TypedInput& input) {
  if (failure_) return std::nullopt;
  std::optional<long double> value = units::ParseNumber(input.text);
  if (input.required && input.text.find_first_not_of(' ') == std::string::npos) value.reset();
  if (!value) {
    failure_ = text::Message{texts_.GlobalText(text::global::kInvalidInput) + "\n\"" + input.label + "\"!",
                             texts_.GlobalText(text::global::kErrorCaption), text::MessageIcon::Error, input.control};
  }
  return value;
}

std::optional<long double> InputReader::Pressure(const TypedInput& input, int unit) {
  const std::optional<long double> value = Number(input);
  if (!value) return std::nullopt;
  return units::PressureToBar(units::UnitName(units::PressureUnits(), unit < 0 ? 0 : unit), *value);
}

std::optional<long double> InputReader::Temperature(const TypedInput& input, int unit) {
  const std::optional<long double> value = Number(input);
  if (!value) return std::nullopt;
  return units::TemperatureToKelvin(units::UnitName(units::TemperatureUnits(), unit < 0 ? 0 : unit), *value);
}

text::Message RangeMessage(const text::TextStore& texts, std::string message, RangeBox box, std::string focus) {
  switch (box) {
    case RangeBox::Information:
      return {std::move(message), texts.GlobalText(text::global::kInformationCaption), text::MessageIcon::Information,
              std::move(focus)};
    case RangeBox::Error:
      return {std::move(message), texts.GlobalText(text::global::kErrorCaption), text::MessageIcon::Error,
              std::move(focus)};
    case RangeBox::Plain: break;
  }
  return {std::move(message), {}, text::MessageIcon::None, std::move(focus)};
}

int DecimalsBySize(long double value, int smallest) {
  if (value > 100) return smallest - 3;
  if (value > 10) return smallest - 2;
  if (value > 1) return smallest - 1;
  return smallest;
}

std::string Shown(long double value, int decimals, text::Edition edition) {
  return units::FormatNumber(value, decimals, edition);
}

long double UsDensity(long double kgPerCubicMetre) {
  return kgPerCubicMetre / units::kPoundPerCubicFootInKgPerCubicMetre;
}
long double UsSpecificVolume(long double cubicMetrePerKg) {
  return cubicMetrePerKg * units::kPoundPerCubicFootInKgPerCubicMetre;
}
long double UsViscosity(long double microPascalSecond) {
  return microPascalSecond / units::kCentipoiseInMicroPascalSecond;
}
long double UsPressure(long double bar) { return bar / units::kPsiInBar; }
long double FahrenheitOfKelvin(long double kelvin) { return (kelvin - kZeroFahrenheitDisplay) * 9 / 5; }
long double FahrenheitOfCelsius(long double celsius) { return celsius * 1.8L + 32; }

std::string ResultCaption(const text::TextStore& texts, std::string_view word, std::string_view unitText) {
  std::string caption(word);
  caption += ' ';
  caption += texts.GlobalText(text::global::kInWord);
  caption += unitText;
  return caption;
}

}  // namespace velmora::fluids
