#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fluids/PropertyForm.h"
#include "text/Message.h"
#include "text/TextStore.h"
#include "units/UnitLists.h"
#include "units/ValueCheck.h"

// What the calculator dialogs share: reading and checking their typed fields, the unit lists they
// offer, the display settings that change their results and the end of a calculate command.
namespace velmora::calculators {

using fluids::TypedInput;

// The settings that change a calculator's results: US display units and the decimals shown.
struct Display {
  bool us = false;
  int decimals = 3;
};

// How a calculate command ended: the messages to show in order (warnings, then a refusal or the
// failure), the control a refusal focuses, the failure text.
struct Outcome {
  text::Messages messages;
  std::string refused;  // objectName of the field that was refused; empty when none was
  std::string failure;  // the failure message; empty when the calculation went through
  bool Stopped() const { return !refused.empty() || !failure.empty(); }
};

// The invalid-input message of a field (global text 183, a line break, the label in double quotes
// and "!"; error box, focus on the field): also for values the field cannot take.
text::Message InvalidInput(const text::TextStore& texts, const TypedInput& input);

// Reads the typed fields of one calculate command in order. The first field that is no number,
// or whose value breaks its limits, stops the reading: its messages go into the outcome, which
// names the field as refused; every later read yields nothing.
class FieldReader {
 public:
  FieldReader(const text::TextStore& texts, Outcome& outcome) : texts_(texts), reader_(texts), outcome_(outcome) {}

  // A number without limits.
  std::optional<long double> Number(const TypedInput& input);
  // A number within limits (the value checks of the program: not negative, zero only when allowed).
  std::optional<long double> Checked(const TypedInput& input, const units::ValueLimits& limits = units::kPositive);
  // Checks a value read before; false (the field refused) when it breaks its limits.
  bool Check(const TypedInput& input, const std::optional<long double>& value,
             const units::ValueLimits& limits = units::kPositive);
  // Refuses a field with a message of the caller's (a range of its own).
  void Refuse(const text::Message& message);
  // Refuses a field with the invalid-input message.
  void RefuseInvalid(const TypedInput& input) { Refuse(InvalidInput(texts_, input)); }
  // Refuses a field that lies above `maximum` with the program's maximum message.
  void RefuseAbove(const TypedInput& input, long double maximum);
  bool Ok() const { return outcome_.refused.empty(); }

 private:
  const text::TextStore& texts_;
  fluids::InputReader reader_;
  Outcome& outcome_;
};

// The failure of a calculation: an information box with the text, the calculation stops.
void Fail(Outcome& outcome, const text::TextStore& texts, std::string text);
// A warning (information box) shown before the result.
void Warn(Outcome& outcome, const text::TextStore& texts, std::string text);

// A result as the calculators show it: fixed-point with the decimals of the settings and the
// edition's separator (the width of the integer digits pads nothing).
std::string ResultText(long double value, int decimals, text::Edition edition);

// Unit lists of the calculators. Lengths "mm"/"in." (to mm) and "m"/"ft." (to m); areas "m^2",
// "cm^2", "ft^2", "in^2" (to m²); pressures "bar" … "in.wtr." (11 entries, to bar); flows without
// the standard-volume units, volume (kind 0, 13 entries) or mass (kind 1, to m³/h by the density).
std::span<const units::Unit> MillimetreUnits();
std::span<const units::Unit> MetreUnits();
std::span<const units::Unit> AreaUnits();
std::span<const units::Unit> PressureUnits();
std::span<const units::Unit> FlowUnits(int kind);

// Entry `index` of a list converted to its base unit (an index outside the list counts as the
// first entry, a list without a choice).
long double InBase(std::span<const units::Unit> list, int index, long double value, long double density = 1);

// A pressure difference in bar from a value of the named pressure unit: scale factors only, so that
// the gauge unit "psig" converts 2 psig of loss into 0.138 bar, not into the absolute 1.151 bar.
// An unknown unit counts as bar.
long double PressureDifferenceToBar(std::string_view unit, long double value);

// A label caption: the word, a blank, the word for "in" and the unit text ("B in Meter:").
std::string InCaption(const text::TextStore& texts, std::string_view word, std::string_view unit);

// The texts of a form block in the edition's language.
inline const std::string& Word(const text::TextStore& texts, std::string_view block, std::string_view key) {
  return texts.FormText(block, key);
}

}  // namespace velmora::calculators
