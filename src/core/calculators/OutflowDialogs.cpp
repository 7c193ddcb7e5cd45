#include "calculators/OutflowDialogs.h"

#include <cmath>

#include "text/GlobalTexts.h"
#include "units/UnitFactors.h"

namespace velmora::calculators {
namespace {

using units::kFootInMetre;

const std::string& Text(const text::TextStore& texts, std::string_view block, std::string_view key) {
  return texts.FormText(block, key);
}

constexpr units::ValueLimits kNotNegative{false, false, true, 0, 0};
constexpr int kCoefficientDecimals = 2;

text::Message PlainRange(const text::TextStore& texts, std::string_view block, std::string_view key) {
  return fluids::RangeMessage(texts, Text(texts, block, key), fluids::RangeBox::Plain, "Edit5");
}

// A coefficient as shown and as taken over: 2 decimals.
void ShowCoefficient(CoefficientOutcome& outcome, long double mu, text::Edition edition) {
  outcome.mu = mu;
  outcome.shown = ResultText(mu, kCoefficientDecimals, edition);
  outcome.takeOver = outcome.shown;
}

}  // namespace

OutflowLabels OutflowCaptions(const text::TextStore& texts, int outflowCase) {
  constexpr std::string_view b = kOutflowBlock;
  OutflowLabels labels;
  labels.edit8 = Text(texts, b, "MuLabel");
  if (outflowCase == 5) {
    labels.edit1 = Text(texts, b, "HeightWord") + " H1:";
    labels.edit2 = Text(texts, b, "HeightWord") + " H2:";
    labels.edit3 = Text(texts, b, "WidthLabel");
    return labels;
  }
  labels.edit1 = Text(texts, b, "AreaLabel");
  labels.edit2 = Text(texts, b, "HeightLabel");
  if (outflowCase == 3 || outflowCase == 4) {
    labels.edit3 = Text(texts, b, "OverpressureLabel");
    labels.edit7 = Text(texts, b, "DensityLabel");
  }
  return labels;
}

ResultCaptions OutflowResultCaptions(const text::TextStore& texts, bool us) {
  const std::string& in = texts.GlobalText(text::global::kInWord);
  return {Text(texts, kOutflowBlock, "FlowWord") + " " + in + (us ? " ft^3/s:" : " m^3/s:"),
          Text(texts, kOutflowBlock, "VelocityPrefix") + " " + in + (us ? " ft/s:" : " m/s:")};
}

OutflowOutcome CalculateOutflowDialog(const OutflowForm& form, const text::TextStore& texts, const Display& display) {
  OutflowOutcome outcome;
  const int outflowCase = form.Case();
  const OutflowLabels labels = OutflowCaptions(texts, outflowCase);
  FieldReader read(texts, outcome);
  OutflowInput input;
  input.outflowCase = outflowCase;
  std::optional<long double> mu;
  if (outflowCase == 5) {
    const std::optional<long double> upper = read.Checked({form.edit1, labels.edit1, "Edit1"}, kNotNegative);
    const TypedInput lowerField{form.edit2, labels.edit2, "Edit2"};
    const std::optional<long double> lower = read.Number(lowerField);
    if (upper && lower && !(*lower > *upper)) {
      read.Refuse(units::LimitMessage(texts, lowerField.label, lowerField.control, false,
                                      ResultText(*upper, 3, texts.edition())));
    }
    const std::optional<long double> width = read.Checked({form.edit3, labels.edit3, "Edit3"});
    mu = read.Checked({form.edit8, labels.edit8, "Edit8"});
    if (!read.Ok()) return outcome;
    input.upperDepth = InBase(MetreUnits(), form.unit1, *upper);
    input.lowerDepth = InBase(MetreUnits(), form.unit1, *lower);
    input.width = InBase(MetreUnits(), form.unit1, *width);
  } else {
    const bool pressurised = outflowCase == 3 || outflowCase == 4;
    const std::optional<long double> area = read.Checked({form.edit1, labels.edit1, "Edit1"});
    const std::optional<long double> height =
        read.Checked({form.edit2, labels.edit2, "Edit2"}, pressurised ? kNotNegative : units::kPositive);
    std::optional<long double> pressure = 0.0L;
    std::optional<long double> density = 1.0L;
    if (pressurised) {
      pressure = read.Checked({form.edit3, labels.edit3, "Edit3"}, kNotNegative);
      density = read.Checked({form.edit7, labels.edit7, "Edit7"});
    }
    mu = read.Checked({form.edit8, labels.edit8, "Edit8"});
    if (!read.Ok()) return outcome;
    input.area = InBase(AreaUnits(), form.unit1, *area);
    input.height = InBase(MetreUnits(), form.unit2, *height);
    input.overpressure = InBase(PressureUnits(), form.unit3, *pressure);
    input.density = InBase(units::DensityUnits(), form.unit7, *density);
  }
  input.mu = *mu;
  const OutflowResult result = Outflow(input);
  if (!std::isfinite(result.flow) || !std::isfinite(result.velocity)) {
    Fail(outcome, texts, Text(texts, kOutflowBlock, "msgNoResult"));
    return outcome;
  }
  outcome.result = result;
  const long double cubicFoot = kFootInMetre * kFootInMetre * kFootInMetre;
  outcome.flow = ResultText(display.us ? result.flow / cubicFoot : result.flow, display.decimals, texts.edition());
  outcome.velocity =
      ResultText(display.us ? result.velocity / kFootInMetre : result.velocity, display.decimals, texts.edition());
  return outcome;
}

OutflowLabels SmallOpeningCaptions(const text::TextStore& texts, int kind) {
  constexpr std::string_view b = kSmallOpeningBlock;
  OutflowLabels labels;
  if (kind == static_cast<int>(SmallOpening::ConicalExtension)) {
    labels.edit5 = Text(texts, b, "AngleWord") + " " + texts.GlobalText(text::global::kInWord) + " " +
                   texts.GlobalText(text::global::kDegreeWord) + ":";
  } else if (kind == static_cast<int>(SmallOpening::ExtensionWithNozzle)) {
    labels.edit5 = Text(texts, b, "DiameterWord") + " D:";
    labels.edit6 = Text(texts, b, "DiameterWord") + " d:";
  }
  return labels;
}

CoefficientOutcome CalculateSmallOpeningDialog(const SmallOpeningForm& form, const text::TextStore& texts) {
  CoefficientOutcome outcome;
  const auto kind = static_cast<SmallOpening>(form.kind >= 0 && form.kind <= 4 ? form.kind : 0);
  if (!ComputedCoefficient(kind)) {
    ShowCoefficient(outcome, FixedCoefficient(kind), texts.edition());
    return outcome;
  }
  const OutflowLabels labels = SmallOpeningCaptions(texts, form.kind);
  FieldReader read(texts, outcome);
  std::optional<long double> mu;
  if (kind == SmallOpening::ConicalExtension) {
    const std::optional<long double> angle = read.Number({form.edit5, labels.edit5, "Edit5"});
    if (!angle) return outcome;
    mu = ConicalExtensionMu(*angle);
    if (!mu) read.Refuse(PlainRange(texts, kSmallOpeningBlock, "msgAngleRange"));
  } else {
    const std::optional<long double> pipe = read.Checked({form.edit5, labels.edit5, "Edit5"});
    const std::optional<long double> nozzle = read.Checked({form.edit6, labels.edit6, "Edit6"});
    if (!read.Ok()) return outcome;
    // Both in the same unit: the ratio needs no conversion.
    mu = NozzleExtensionMu(*nozzle * *nozzle / (*pipe * *pipe));
    if (!mu) read.Refuse(PlainRange(texts, kSmallOpeningBlock, "msgRatioRange"));
  }
  if (mu) ShowCoefficient(outcome, *mu, texts.edition());
  return outcome;
}

OutflowLabels LargeOpeningCaptions(const text::TextStore& texts, int opening) {
  constexpr std::string_view b = kLargeOpeningBlock;
  OutflowLabels labels;
  if (opening == 1) {
    labels.edit5 = Text(texts, b, "DiameterWord") + " D:";
    labels.edit6 = Text(texts, b, "DiameterWord") + " d:";
  } else {
    labels.edit5 = Text(texts, b, "HeightWord") + " h:";
    labels.edit6 = Text(texts, b, "WidthWord") + " b:";
  }
  return labels;
}

CoefficientOutcome CalculateLargeOpeningDialog(const LargeOpeningForm& form, const text::TextStore& texts) {
  CoefficientOutcome outcome;
  const text::Edition edition = texts.edition();
  if (form.opening != 1 && form.edge == 1) {
    // Rounded large side openings: μ between 0.7 and 0.8; a take-over writes the lower value.
    const std::string low = ResultText(0.7L, 1, edition);
    outcome.mu = 0.7L;
    outcome.shown = low + " " + Text(texts, kLargeOpeningBlock, "RangeWord") + " " + ResultText(0.8L, 1, edition);
    outcome.takeOver = low;
    return outcome;
  }
  const OutflowLabels labels = LargeOpeningCaptions(texts, form.opening);
  FieldReader read(texts, outcome);
  const std::optional<long double> first = read.Checked({form.edit5, labels.edit5, "Edit5"});
  const std::optional<long double> second = read.Checked({form.edit6, labels.edit6, "Edit6"});
  if (!read.Ok()) return outcome;
  // Both in the same unit: the ratios need no conversion.
  const std::optional<long double> mu =
      form.opening == 1 ? LargeBottomOpeningMu(*second / *first) : LargeSideOpeningMu(*first / *second);
  if (!mu) {
    read.Refuse(PlainRange(texts, kLargeOpeningBlock, form.opening == 1 ? "msgRatioRange" : "msgHeightWidthRange"));
    return outcome;
  }
  ShowCoefficient(outcome, *mu, edition);
  return outcome;
}

OutflowLabels DrainingTimeCaptions(const text::TextStore& texts, int shape) {
  constexpr std::string_view b = kDrainingTimeBlock;
  OutflowLabels labels;
  labels.edit1 = Text(texts, b, "DiameterWord") + " D:";
  labels.edit2 = Text(texts, b, "DiameterWord") + " d:";
  if (shape == 0) labels.edit3 = Text(texts, b, "LiquidHeightLabel");
  if (shape == 1) labels.edit3 = Text(texts, b, "LengthLabel");
  if (shape == 3) labels.edit3 = Text(texts, b, "HeightLabel");
  labels.edit8 = Text(texts, b, "MuLabel");
  return labels;
}

DrainingTimeOutcome CalculateDrainingTimeDialog(const DrainingTimeForm& form, const text::TextStore& texts) {
  DrainingTimeOutcome outcome;
  const int shape = form.shape >= 0 && form.shape <= 3 ? form.shape : 0;
  const OutflowLabels labels = DrainingTimeCaptions(texts, shape);
  FieldReader read(texts, outcome);
  const std::optional<long double> vessel = read.Checked({form.edit1, labels.edit1, "Edit1"});
  const std::optional<long double> opening = read.Checked({form.edit2, labels.edit2, "Edit2"});
  std::optional<long double> third = 0.0L;
  if (shape != static_cast<int>(VesselShape::Sphere)) third = read.Checked({form.edit3, labels.edit3, "Edit3"});
  const std::optional<long double> mu = read.Checked({form.edit8, labels.edit8, "Edit8"});
  if (!read.Ok()) return outcome;
  // Metres throughout: D and H or L from "m"/"ft.", d from "mm"/"in.".
  const long double D = InBase(MetreUnits(), form.unit, *vessel);
  const long double d = InBase(MillimetreUnits(), form.unit, *opening) / 1000;
  const long double H = InBase(MetreUnits(), form.unit, *third);
  const long double t = DrainingTime(static_cast<VesselShape>(shape), D, d, H, *mu);
  if (!std::isfinite(t)) {
    Fail(outcome, texts, Text(texts, kDrainingTimeBlock, "msgNoResult"));
    return outcome;
  }
  outcome.seconds = t;
  const text::Edition edition = texts.edition();
  outcome.shown = ResultText(t, 0, edition) + " s";
  if (t > 60) {
    outcome.shown += " = " + ResultText(t / 60, 1, edition) + " " + Text(texts, kDrainingTimeBlock, "MinutesUnit");
  }
  return outcome;
}

}  // namespace velmora::calculators
