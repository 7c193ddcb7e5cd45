#pragma once

#include <optional>
#include <string>

#include "curve/PumpCurve.h"
#include "curve/SystemCurve.h"
#include "hydraulics/MainInput.h"
#include "mainform/MainForm.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The rules and messages around the curve computation: when the command may open the range
// dialog, how the dialog's fields are read, and what the user is told about the outcome.
namespace velmora::curve {

// The curve command of the main window: for a gas the note that the curve is for liquids only,
// for a table without elements the request to calculate first (error caption and icon); nothing
// when the range dialog may open.
std::optional<text::Message> RefuseCurveCommand(const mainform::MainForm& form, bool tableHasElements,
                                                const text::TextStore& texts);

// The operating data of the main window in base units (density, viscosity, gas data), read and
// checked as the calculate command reads and checks them; or the messages it would show.
struct OperatingData {
  std::optional<hydraulics::MainInput> input;
  text::Messages messages;
};
OperatingData CurveOperatingData(const mainform::MainForm& form, const text::TextStore& texts);

// The texts of the range dialog.
struct RangeFields {
  std::string from;    // Edit_Von
  std::string to;      // Edit_Bis
  std::string points;  // Edit_Anzahl
  int flowUnit = 0;    // ComboBox1
};

// The largest number of points a curve may have.
inline constexpr int kMostPoints = 9999;

struct RangeCheck {
  std::optional<CurveRequest> request;  // from, to, flow unit and points filled in
  text::Messages messages;              // the first failed field's messages (focus on its edit)
};

// Reads from, to and the number of points in this order: a text that is not a number is the
// main window's invalid-input message naming the field's label; a negative start, or more than
// kMostPoints points, the value check's message; fewer than 2 points are 10; to ≤ from is the
// empty-range message.
RangeCheck CheckCurveRange(const RangeFields& fields, const text::TextStore& texts);

// What the user is told after a computation: the failure (empty range, no elements, an
// unreadable column, the gas limit, a calculation error: with the element's number and the
// flow; a zero curve in bar or psi), or for a curve the note that the flow regime changes in the
// range. Empty for a curve without notes.
text::Messages CurveMessages(const SystemCurve& curve, const CurveRequest& request, const text::TextStore& texts);

// Why a pump curve is refused; nothing for PumpProblem::None.
std::optional<text::Message> PumpMessage(PumpProblem problem, const PumpPoints& read, const text::TextStore& texts);

}  // namespace velmora::curve
