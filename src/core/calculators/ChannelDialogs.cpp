#include "calculators/ChannelDialogs.h"

#include <cmath>

#include "calculators/StricklerTable.h"
#include "text/GlobalTexts.h"
#include "units/UnitFactors.h"

namespace velmora::calculators {
namespace {

using units::kFootInMetre;

constexpr long double kRightAngle = 90;
constexpr long double kCubicFoot = kFootInMetre * kFootInMetre * kFootInMetre;
// The triangle's optimal wall angle, shown beside its depth.
constexpr std::string_view kTriangleAngle = "45";

const std::string& Text(const text::TextStore& texts, std::string_view block, std::string_view key) {
  return texts.FormText(block, key);
}

std::string LengthCaption(const text::TextStore& texts, std::string_view block, std::string_view symbol,
                          int lengthUnit) {
  return InCaption(texts, symbol, Text(texts, block, lengthUnit == 1 ? "UnitFeet" : "UnitMetre"));
}

std::string AngleCaption(const text::TextStore& texts, std::string_view block) {
  return InCaption(texts, Text(texts, block, "AngleWord"), texts.GlobalText(text::global::kDegreeWord));
}

// Reads the slope: |z1 − z2|/L, sin α or percent/100. A slope of 0 is refused: the channel would
// not flow (and the design would divide by it).
std::optional<long double> ReadSlope(FieldReader& read, const text::TextStore& texts, std::string_view block,
                                     const SlopeForm& form, int lengthUnit) {
  const std::vector<std::string> labels = SlopeCaptions(texts, block, form.given, lengthUnit);
  const TypedInput first{form.edit4, labels[0], "Edit4"};
  if (form.given == static_cast<int>(SlopeGiven::Heights)) {
    const std::optional<long double> z1 = read.Number(first);
    const std::optional<long double> z2 = read.Number({form.edit5, labels[1], "Edit5"});
    const TypedInput lengthField{form.edit6, labels[2], "Edit6"};
    const std::optional<long double> length = read.Number(lengthField);
    if (!read.Ok()) return std::nullopt;
    if (!(*length > 0)) {
      read.RefuseInvalid(lengthField);
      return std::nullopt;
    }
    if (*z1 == *z2) {
      read.Refuse(fluids::RangeMessage(texts, Text(texts, block, "msgSlopeZero"), fluids::RangeBox::Error, "Edit5"));
      return std::nullopt;
    }
    // The unit cancels in the quotient.
    return Slope(SlopeGiven::Heights, *z1, *z2, *length);
  }
  const std::optional<long double> value = read.Checked(first);
  if (!value) return std::nullopt;
  if (form.given == static_cast<int>(SlopeGiven::Angle)) {
    if (*value > kRightAngle) {
      read.RefuseAbove(first, kRightAngle);
      return std::nullopt;
    }
    return Slope(SlopeGiven::Angle, *value, 0, 0);
  }
  return Slope(SlopeGiven::Percent, *value, 0, 0);
}

std::optional<long double> ReadStrickler(FieldReader& read, const text::TextStore& texts, std::string_view block,
                                         const std::string& typed) {
  return read.Checked({typed, Text(texts, block, "StricklerLabel"), "Edit7"});
}

}  // namespace

std::vector<std::string> SlopeCaptions(const text::TextStore& texts, std::string_view block, int given,
                                       int lengthUnit) {
  switch (given) {
    case 1: return {AngleCaption(texts, block), {}, {}};
    case 2: return {Text(texts, block, "PercentLabel"), {}, {}};
    default:
      return {LengthCaption(texts, block, "z1", lengthUnit), LengthCaption(texts, block, "z2", lengthUnit),
              LengthCaption(texts, block, "L", lengthUnit)};
  }
}

std::vector<std::string> ShapeCaptions(const text::TextStore& texts, int shape, int lengthUnit) {
  constexpr std::string_view b = kOpenChannelBlock;
  const auto length = [&](std::string_view symbol) { return LengthCaption(texts, b, symbol, lengthUnit); };
  switch (static_cast<ChannelShape>(shape)) {
    case ChannelShape::Rectangle: return {length("B"), length("H"), {}};
    case ChannelShape::Trapezoid: return {length("B"), length("H"), AngleCaption(texts, b)};
    case ChannelShape::Semicircle: return {length("R"), {}, {}};
    case ChannelShape::Triangle: return {length("H"), AngleCaption(texts, b), {}};
    case ChannelShape::AnyShape:
      return {length("U"),
              InCaption(texts, "A", Text(texts, b, lengthUnit == 1 ? "UnitSquareFeet" : "UnitSquareMetre")),
              {}};
  }
  return {{}, {}, {}};
}

ResultPair OpenChannelResultCaptions(const text::TextStore& texts, bool us) {
  const std::string& in = texts.GlobalText(text::global::kInWord);
  return {Text(texts, kOpenChannelBlock, "VelocityWord") + " " + in + (us ? " ft./s:" : " m/s:"),
          Text(texts, kOpenChannelBlock, "FlowWord") + " " + in + (us ? " cfs:" : " m^3/s:")};
}

OpenChannelOutcome CalculateOpenChannelDialog(const OpenChannelForm& form, const text::TextStore& texts,
                                              const Display& display) {
  OpenChannelOutcome outcome;
  FieldReader read(texts, outcome);
  const std::optional<long double> slope = ReadSlope(read, texts, kOpenChannelBlock, form.slope, form.lengthUnit);
  if (!slope) return outcome;

  const int shape = form.shape >= 0 && form.shape <= 4 ? form.shape : 0;
  const auto kind = static_cast<ChannelShape>(shape);
  const std::vector<std::string> labels = ShapeCaptions(texts, shape, form.lengthUnit);
  const TypedInput field1{form.edit1, labels[0], "Edit1"};
  const TypedInput field2{form.edit2, labels[1], "Edit2"};
  const TypedInput field3{form.edit3, labels[2], "Edit3"};
  constexpr units::ValueLimits kBottomWidth{false, false, true, 0, 0};
  long double a = 0, b = 0, c = 0;
  const auto angle = [&](const TypedInput& field) -> std::optional<long double> {
    const std::optional<long double> value = read.Number(field);
    if (value && !WallAngleAllowed(kind, *value)) {
      read.RefuseInvalid(field);
      return std::nullopt;
    }
    return value;
  };
  std::optional<long double> v1, v2, v3 = 0.0L;
  switch (kind) {
    case ChannelShape::Rectangle:
      v1 = read.Checked(field1);
      v2 = read.Checked(field2);
      break;
    case ChannelShape::Trapezoid:
      v1 = read.Checked(field1, kBottomWidth);
      v2 = read.Checked(field2);
      v3 = angle(field3);
      break;
    case ChannelShape::Semicircle:
      v1 = read.Checked(field1);
      v2 = 0.0L;
      break;
    case ChannelShape::Triangle:
      v1 = read.Checked(field1);
      v2 = angle(field2);
      break;
    case ChannelShape::AnyShape:
      v1 = read.Checked(field1);
      v2 = read.Checked(field2);
      break;
  }
  const std::optional<long double> strickler = ReadStrickler(read, texts, kOpenChannelBlock, form.strickler);
  if (!read.Ok()) return outcome;
  a = *v1;
  b = *v2;
  c = *v3;
  ChannelSection section = SectionOf(kind, a, b, c);
  if (form.lengthUnit == 1) {
    section.area *= kFootInMetre * kFootInMetre;
    section.perimeter *= kFootInMetre;
  }
  const ChannelFlow flow = ManningStrickler(section, *slope, *strickler);
  if (!std::isfinite(flow.velocity) || !std::isfinite(flow.flow)) {
    Fail(outcome, texts, Text(texts, kOpenChannelBlock, "msgNoResult"));
    return outcome;
  }
  outcome.flow = flow;
  outcome.slope = *slope;
  const text::Edition edition = texts.edition();
  outcome.velocity = ResultText(display.us ? flow.velocity / kFootInMetre : flow.velocity, display.decimals, edition);
  outcome.flowText = ResultText(display.us ? flow.flow / kCubicFoot : flow.flow, display.decimals, edition);
  return outcome;
}

DesignCaptions ChannelDesignResultCaptions(const text::TextStore& texts, int shape, bool us) {
  constexpr std::string_view b = kChannelDesignBlock;
  const std::string& in = texts.GlobalText(text::global::kInWord);
  DesignCaptions captions;
  captions.velocity = Text(texts, b, "VelocityWord") + " " + in + (us ? " ft/s:" : " m/s:");
  const auto length = [&](std::string_view symbol) { return LengthCaption(texts, b, symbol, us ? 1 : 0); };
  switch (static_cast<OptimalShape>(shape)) {
    case OptimalShape::Rectangle:
    case OptimalShape::Trapezoid:
      captions.first = length("B");
      captions.second = length("H");
      break;
    case OptimalShape::Semicircle: captions.first = length("R"); break;
    case OptimalShape::Triangle:
      captions.first = length("H");
      captions.second = AngleCaption(texts, b);
      break;
  }
  return captions;
}

ChannelDesignOutcome CalculateChannelDesignDialog(const ChannelDesignForm& form, const text::TextStore& texts,
                                                  const Display& display) {
  constexpr std::string_view b = kChannelDesignBlock;
  ChannelDesignOutcome outcome;
  FieldReader read(texts, outcome);
  const std::optional<long double> slope = ReadSlope(read, texts, b, form.slope, form.lengthUnit);
  if (!slope) return outcome;
  const TypedInput flowField{form.flow, Text(texts, b, "FlowWord") + ":", "Edit1"};
  const std::optional<long double> flow = read.Number(flowField);
  if (flow && !(*flow > 0)) read.RefuseInvalid(flowField);
  const std::optional<long double> strickler = ReadStrickler(read, texts, b, form.strickler);
  const int shape = form.shape >= 0 && form.shape <= 3 ? form.shape : 0;
  std::optional<long double> angle = 0.0L;
  if (shape == static_cast<int>(OptimalShape::Trapezoid)) {
    const TypedInput angleField{form.angle, Text(texts, b, "AngleLabel"), "Edit2"};
    angle = read.Number(angleField);
    if (angle && !WallAngleAllowed(ChannelShape::Trapezoid, *angle)) read.RefuseInvalid(angleField);
  }
  if (!read.Ok()) return outcome;
  const long double cubicMetres = form.flowUnit == 1 ? *flow * kCubicFoot : *flow;
  const ChannelDesign design = DesignChannel(static_cast<OptimalShape>(shape), cubicMetres, *slope, *strickler, *angle);
  if (!std::isfinite(design.first) || !std::isfinite(design.depth) || !std::isfinite(design.velocity)) {
    Fail(outcome, texts, Text(texts, b, "msgNoResult"));
    return outcome;
  }
  outcome.design = design;
  outcome.slope = *slope;
  const text::Edition edition = texts.edition();
  const auto shown = [&](long double metres) {
    return ResultText(display.us ? metres / kFootInMetre : metres, display.decimals, edition);
  };
  outcome.velocity = shown(design.velocity);
  outcome.first = shown(design.first);
  if (shape == static_cast<int>(OptimalShape::Rectangle) || shape == static_cast<int>(OptimalShape::Trapezoid)) {
    outcome.second = shown(design.depth);
  } else if (shape == static_cast<int>(OptimalShape::Triangle)) {
    outcome.second = kTriangleAngle;
  }
  return outcome;
}

std::vector<std::string> StricklerKindNames(const text::TextStore& texts) {
  std::vector<std::string> names;
  for (int kind = 1; kind <= kStricklerKinds; ++kind) {
    names.push_back(Text(texts, kStricklerBlock, "Kind" + std::to_string(kind)));
  }
  return names;
}

std::vector<std::string> StricklerConditionNames(const text::TextStore& texts, int kind) {
  std::vector<std::string> names;
  const std::size_t count = StricklerCoefficients(kind).size();
  for (std::size_t c = 1; c <= count; ++c) {
    names.push_back(Text(texts, kStricklerBlock, "Cond" + std::to_string(kind) + "_" + std::to_string(c)));
  }
  return names;
}

}  // namespace velmora::calculators
