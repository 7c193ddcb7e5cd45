#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "curve/CurveAxis.h"
#include "curve/PumpCurve.h"
#include "curve/SystemCurve.h"
#include "mainform/MainForm.h"
#include "text/TextStore.h"

// The texts of the curve: its language-text blocks, the copied values, the CSV file and the
// medium lines of the curve window and its print.
namespace velmora::curve {

// The form-text blocks of the range dialog and of the curve window.
inline constexpr std::string_view kRangeDialogBlock = "Anlagenkennlinie_Dlg";
inline constexpr std::string_view kCurveWindowBlock = "Kurve";

// A number with 18 significant digits and a decimal point, whatever the locale ("0.1", "1e-07").
std::string FullPrecision(long double value);

// "Werte kopieren": a heading (flow word, in-word, flow unit, TAB, loss word, in-word, axis unit,
// CR LF), then per point the flow (3 decimals, scientific above 9999), TAB and the loss in the
// axis unit (3 decimals, scientific above 9999 or below 0.01), CR LF; the edition's decimal sign.
std::string CopyValuesText(const SystemCurve& curve, const PressureUnit& unit, std::string_view flowUnit,
                           const text::TextStore& texts);

// One block of a CSV file: a heading row and rows of numbers (nothing: an empty cell).
struct CsvSection {
  std::vector<std::string> heading;
  std::vector<std::vector<std::optional<long double>>> rows;
};

// Comma-separated values, numbers in full precision with a decimal point, sections one after the
// other with an empty line between them, each line ended by LF. Headings holding a comma or a
// quote are quoted.
std::string WriteCsv(std::span<const CsvSection> sections);

// The points of the curve: flow and loss (times `lossScale`, 1000 for mbar).
CsvSection PointsSection(const SystemCurve& curve, long double lossScale, std::string flowHeading,
                         std::string lossHeading);
// The operating point: flow, loss (times `lossScale`) and head; three empty cells when the pump
// curve does not meet the system curve.
CsvSection OperatingPointSection(const std::optional<OperatingPoint>& point, long double lossScale,
                                 std::vector<std::string> heading);

// "<word> in <unit>", as the copied values and the CSV headings name a column.
std::string QuantityInUnit(std::string_view word, std::string_view unit, const text::TextStore& texts);
// "<word> (<unit>)", the title of an axis.
std::string AxisTitle(std::string_view word, std::string_view unit);

// The medium of the main window as the curve window shows it: "Fördermedium:" and the medium,
// "Aggregatzustand:" and the phase word, the density line (density word, in-word, unit, ": ",
// value) and the viscosity line (viscosity kind, in-word, unit, ": ", value).
std::vector<std::string> MediumLines(const mainform::MainForm& form, const text::TextStore& texts);

// "Betriebspunkt: Q = 12,345 m³/h, Δp = 1,234 bar, H = 12,580 m" (loss in the axis unit), or the
// note that the curves do not meet in the range.
std::string OperatingPointText(const std::optional<OperatingPoint>& point, std::string_view flowUnit,
                               const PressureUnit& unit, const text::TextStore& texts);

}  // namespace velmora::curve
