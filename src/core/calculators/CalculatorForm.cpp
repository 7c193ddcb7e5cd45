#include "calculators/CalculatorForm.h"

#include <array>

#include "text/GlobalTexts.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::calculators {
namespace {

using units::Unit;

constexpr long double kSquareFoot = units::kFootInMetre * units::kFootInMetre;         // m²
constexpr long double kSquareInch = units::kInchInMm * units::kInchInMm / 1000000.0L;  // m²

constexpr std::array<Unit, 4> kArea = {{{"m^2", 1}, {"cm^2", 1e-4L}, {"ft^2", kSquareFoot}, {"in^2", kSquareInch}}};

// The calculators' pressure list: names the pressure conversion knows; the factor is unused.
constexpr std::array<Unit, 11> kPressure = {{{"bar", 1},
                                             {"mbar", 1},
                                             {"Torr", 1},
                                             {"ata", 1},
                                             {"atm", 1},
                                             {"at", 1},
                                             {"m WS", 1},
                                             {"lbw./sq.ft.", 1},
                                             {"psi", 1},
                                             {"ft.wtr.", 1},
                                             {"in.wtr.", 1}}};

std::vector<Unit> WithoutStandardUnits(std::span<const Unit> list) {
  std::vector<Unit> units;
  for (const Unit& unit : list) {
    if (!unit.standard) units.push_back(unit);
  }
  return units;
}

}  // namespace

std::optional<long double> FieldReader::Number(const TypedInput& input) {
  if (!Ok()) return std::nullopt;
  const std::optional<long double> value = reader_.Number(input);
  if (!value) {
    outcome_.messages.push_back(*reader_.Failure());
    outcome_.refused = input.control;
  }
  return value;
}

std::optional<long double> FieldReader::Checked(const TypedInput& input, const units::ValueLimits& limits) {
  const std::optional<long double> value = Number(input);
  if (!Check(input, value, limits)) return std::nullopt;
  return value;
}

bool FieldReader::Check(const TypedInput& input, const std::optional<long double>& value,
                        const units::ValueLimits& limits) {
  if (!Ok() || !value) return false;
  text::Messages messages = units::CheckValue(texts_, limits, input.label, input.control, *value);
  if (messages.empty()) return true;
  for (text::Message& message : messages) outcome_.messages.push_back(std::move(message));
  outcome_.refused = input.control;
  return false;
}

void FieldReader::Refuse(const text::Message& message) {
  if (!Ok()) return;
  outcome_.messages.push_back(message);
  outcome_.refused = message.focus;
}

void FieldReader::RefuseAbove(const TypedInput& input, long double maximum) {
  Refuse(
      units::LimitMessage(texts_, input.label, input.control, true, units::FormatNumber(maximum, 3, texts_.edition())));
}

text::Message InvalidInput(const text::TextStore& texts, const TypedInput& input) {
  return {texts.GlobalText(text::global::kInvalidInput) + "\n\"" + input.label + "\"!",
          texts.GlobalText(text::global::kErrorCaption), text::MessageIcon::Error, input.control};
}

void Fail(Outcome& outcome, const text::TextStore& texts, std::string text) {
  outcome.failure = text;
  outcome.messages.push_back(fluids::RangeMessage(texts, std::move(text), fluids::RangeBox::Information, {}));
}

void Warn(Outcome& outcome, const text::TextStore& texts, std::string text) {
  outcome.messages.push_back(fluids::RangeMessage(texts, std::move(text), fluids::RangeBox::Information, {}));
}

std::string ResultText(long double value, int decimals, text::Edition edition) {
  return units::FormatNumber(value, decimals, edition);
}

std::span<const Unit> MillimetreUnits() { return units::LengthUnits(units::LengthList::Millimetre); }
std::span<const Unit> MetreUnits() { return units::LengthUnits(units::LengthList::Metre); }
std::span<const Unit> AreaUnits() { return kArea; }
std::span<const Unit> PressureUnits() { return kPressure; }

std::span<const Unit> FlowUnits(int kind) {
  static const std::vector<Unit> volume = WithoutStandardUnits(units::FlowUnits(0));
  static const std::vector<Unit> mass = WithoutStandardUnits(units::FlowUnits(1));
  return kind == 1 ? std::span<const Unit>(mass) : std::span<const Unit>(volume);
}

long double InBase(std::span<const Unit> list, int index, long double value, long double density) {
  if (units::UnitAt(list, index) == nullptr) index = 0;
  if (list.data() == kPressure.data()) {
    return *units::PressureToBar(units::UnitName(list, index), value);
  }
  return *units::ToBase(list, index, value, density);
}

std::string InCaption(const text::TextStore& texts, std::string_view word, std::string_view unit) {
  std::string caption(word);
  caption += ' ';
  caption += texts.GlobalText(text::global::kInWord);
  caption += ' ';
  caption += unit;
  caption += ':';
  return caption;
}

}  // namespace velmora::calculators
