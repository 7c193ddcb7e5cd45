#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/Message.h"
#include "text/TextStore.h"

// The calculate sequence every property dialog shares: read each typed number, convert pressure
// to bar and temperature to kelvin by the chosen unit entry, check the dialog's ranges, compute,
// and show each result as fixed-point text with the edition's decimal separator.
namespace velmora::fluids {

// One typed input: its text, the caption of its label (named by the invalid-entry message) and the
// control that gets the focus after a message.
struct TypedInput {
  std::string text;
  std::string label;
  std::string control;
  bool required = false;  // an empty text is no number (instead of 0)
};

// Reads typed inputs one after another; the first that is no number stops the sequence with the
// invalid-entry message (global text 183, a line break, the label in double quotes and "!", error
// caption and icon, focus on the edit). "1,013" and "1.013" read alike; an empty text reads 0.
class InputReader {
 public:
  explicit InputReader(const text::TextStore& texts) : texts_(texts) {}

  std::optional<long double> Number(const TypedInput& input);
  // In bar, by entry `unit` of the pressure list.
  std::optional<long double> Pressure(const TypedInput& input, int unit);
  // In K, by entry `unit` of the temperature list.
  std::optional<long double> Temperature(const TypedInput& input, int unit);

  // The message of the first failure; nothing while every input was read.
  const std::optional<text::Message>& Failure() const { return failure_; }

 private:
  const text::TextStore& texts_;
  std::optional<text::Message> failure_;
};

// How a range message is shown.
enum class RangeBox {
  Plain,        // no caption, no icon
  Information,  // caption global text 75, information icon
  Error,        // caption global text 184, error icon
};

text::Message RangeMessage(const text::TextStore& texts, std::string text, RangeBox box, std::string focus);

// Decimals of a value that spans orders of magnitude: `smallest` up to 1, one fewer above 1, two
// fewer above 10, three fewer above 100.
int DecimalsBySize(long double value, int smallest);

// A result as displayed: fixed-point, `decimals` digits, the edition's separator.
std::string Shown(long double value, int decimals, text::Edition edition);

// The US display units of the dialogs, from their metric results.
long double UsDensity(long double kgPerCubicMetre);         // lb./cu.ft.
long double UsSpecificVolume(long double cubicMetrePerKg);  // cu.ft./lb.
long double UsViscosity(long double microPascalSecond);     // cP
long double UsPressure(long double bar);                    // psia
long double FahrenheitOfKelvin(long double kelvin);         // °F = (T − 255.37)·9/5
long double FahrenheitOfCelsius(long double celsius);       // °F = t·1.8 + 32

// The unit texts that close a result caption.
struct ResultUnits {
  static constexpr std::string_view Density(bool us) { return us ? " lb./cu.ft.:" : " kg/m³:"; }
  static constexpr std::string_view SpecificVolume(bool us) { return us ? " cu.ft./lb.:" : " m³/kg:"; }
  static constexpr std::string_view Viscosity(bool us) { return us ? " cP:" : " 10^-6 kg/ms:"; }
  static constexpr std::string_view Pressure(bool us) { return us ? " psia:" : " bar:"; }
  static constexpr std::string_view Temperature(bool us) { return us ? " °F:" : " °C:"; }
};

// A result caption: the language's word for the quantity, a blank, the word for "in" (global text
// 74) and the unit text, e.g. "Dichte in kg/m³:".
std::string ResultCaption(const text::TextStore& texts, std::string_view word, std::string_view unitText);

}  // namespace velmora::fluids
