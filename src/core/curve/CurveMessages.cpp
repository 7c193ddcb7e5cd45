#include "curve/CurveMessages.h"

#include "curve/CurveText.h"
#include "curve/CurveUnits.h"
#include "mainform/CalculateCommand.h"
#include "text/GlobalTexts.h"
#include "units/Numbers.h"
#include "units/ValueCheck.h"

namespace velmora::curve {
namespace {

using text::Message;
using text::MessageIcon;

std::string Dialog(const text::TextStore& texts, std::string_view key) {
  return texts.FormText(kRangeDialogBlock, key);
}

const std::string& Caption(const text::TextStore& texts, int number) { return texts.GlobalText(number); }

// The main window's invalid-input message: text 183, a line break and the label in quotes.
Message InvalidField(const text::TextStore& texts, const std::string& label, const char* field) {
  return {texts.GlobalText(text::global::kInvalidInput) + "\n\"" + label + "\"!",
          Caption(texts, text::global::kErrorCaption), MessageIcon::Error, field};
}

// "(Element-Nr. 3, 12,500 m³/h)": where the computation stopped.
std::string Where(const SystemCurve& curve, const CurveRequest& request, bool withFlow, const text::TextStore& texts) {
  std::string where = "\n(" + Dialog(texts, "wElement") + " " + std::to_string(curve.failedColumn);
  if (withFlow) {
    where += ", " + units::FormatNumber(curve.failedFlow, 3, texts.edition()) + " " +
             std::string(units::UnitName(CurveFlowUnits(), request.flowUnit));
  }
  return where + ")";
}

}  // namespace

std::optional<Message> RefuseCurveCommand(const mainform::MainForm& form, bool tableHasElements,
                                          const text::TextStore& texts) {
  if (form.gas) {
    return Message{texts.FormText(text::kMainWindowBlock, "msgCurveLiquidOnly"),
                   Caption(texts, text::global::kInformationCaption),
                   MessageIcon::Information,
                   {}};
  }
  if (!tableHasElements) {
    return Message{texts.FormText(text::kMainWindowBlock, "msgCalculateFirst"),
                   Caption(texts, text::global::kErrorCaption),
                   MessageIcon::Error,
                   {}};
  }
  return std::nullopt;
}

OperatingData CurveOperatingData(const mainform::MainForm& form, const text::TextStore& texts) {
  // The calculate command's reading and checks of the medium, with an element that needs nothing
  // else: a circular pipe of plain dimensions at 1 m³/h. Only the medium's messages can remain.
  mainform::MainForm medium = form;
  medium.elementGroup = 1;
  medium.elementKind = 1;
  medium.count = "1";
  medium.dimensions = {"100", "1", "", "", ""};
  medium.dimensionUnits = {0, 0, 0, 0, 0};
  medium.roughness = "0";
  medium.roughnessUnit = 0;
  medium.flowKind = 0;
  medium.flow = "1";
  medium.flowUnit = 0;
  mainform::CalculateChecks checks = mainform::CheckCalculateInputs(medium, texts);
  return {checks.input, std::move(checks.messages)};
}

RangeCheck CheckCurveRange(const RangeFields& fields, const text::TextStore& texts) {
  RangeCheck check;
  const auto from = units::ParseNumber(fields.from);
  if (!from) return {std::nullopt, {InvalidField(texts, Dialog(texts, "Label2"), "Edit_Von")}};
  const auto to = units::ParseNumber(fields.to);
  if (!to) return {std::nullopt, {InvalidField(texts, Dialog(texts, "Label3"), "Edit_Bis")}};
  const auto points = units::ParseNumber(fields.points);
  if (!points) return {std::nullopt, {InvalidField(texts, Dialog(texts, "Label4"), "Edit_Anzahl")}};

  check.messages = units::CheckValue(texts, {.allowZero = true}, Dialog(texts, "Label2"), "Edit_Von", *from);
  if (!check.messages.empty()) return check;
  // Fewer than two points are the ten of the dialog's first showing.
  const long double count = *points < 2 ? 10 : units::RoundHalfAway(*points);
  check.messages = units::CheckValue(texts, {.checkMax = true, .max = kMostPoints + 1}, Dialog(texts, "Label4"),
                                     "Edit_Anzahl", count);
  if (!check.messages.empty()) return check;
  if (!(*to > *from)) {
    check.messages = {
        {Dialog(texts, "msgRangeEmpty"), Caption(texts, text::global::kErrorCaption), MessageIcon::Error, "Edit_Bis"}};
    return check;
  }
  CurveRequest request;
  request.from = *from;
  request.to = *to;
  request.flowUnit = fields.flowUnit;
  request.points = static_cast<int>(count);
  check.request = request;
  return check;
}

text::Messages CurveMessages(const SystemCurve& curve, const CurveRequest& request, const text::TextStore& texts) {
  const std::string& error = Caption(texts, text::global::kErrorCaption);
  const std::string& information = Caption(texts, text::global::kInformationCaption);
  switch (curve.failure) {
    case CurveFailure::None:
      if (curve.regimeChange) return {{Dialog(texts, "msgTransition"), information, MessageIcon::Information, {}}};
      return {};
    case CurveFailure::EmptyRange: return {{Dialog(texts, "msgRangeEmpty"), error, MessageIcon::Error, {}}};
    case CurveFailure::NoElements:
      return {{texts.FormText(text::kMainWindowBlock, "msgCalculateFirst"), error, MessageIcon::Error, {}}};
    case CurveFailure::UnreadableColumn:
      return {{Dialog(texts, "msgUnreadableColumn") + Where(curve, request, false, texts),
               Dialog(texts, "capWarning"),
               MessageIcon::Exclamation,
               {}}};
    case CurveFailure::GasLimit:
      return {
          {Dialog(texts, "msgGasLimit") + "\n" + Dialog(texts, "msgGasLimitRange") + Where(curve, request, true, texts),
           error,
           MessageIcon::Error,
           {}}};
    case CurveFailure::CalculationError:
      return {{Dialog(texts, "msgCurveFailed") + Where(curve, request, true, texts),
               Dialog(texts, "capWarning"),
               MessageIcon::Exclamation,
               {}}};
    case CurveFailure::ZeroCurve:
      return {
          {Dialog(texts, request.psi ? "msgZeroCurveUs" : "msgZeroCurve"), information, MessageIcon::Information, {}}};
  }
  return {};
}

std::optional<Message> PumpMessage(PumpProblem problem, const PumpPoints& read, const text::TextStore& texts) {
  const auto window = [&texts](std::string_view key) { return texts.FormText(kCurveWindowBlock, key); };
  const std::string& error = Caption(texts, text::global::kErrorCaption);
  switch (problem) {
    case PumpProblem::None: return std::nullopt;
    case PumpProblem::NotANumber:
      return Message{window("msgPumpNotNumber") + "\n" + std::to_string(read.line) + ": \"" + read.lineText + "\"",
                     error,
                     MessageIcon::Error,
                     {}};
    case PumpProblem::TooFewPoints: return Message{window("msgPumpTooFew"), error, MessageIcon::Error, {}};
    case PumpProblem::Rising: return Message{window("msgPumpRising"), error, MessageIcon::Error, {}};
  }
  return std::nullopt;
}

}  // namespace velmora::curve
