#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calculators/CalculatorForm.h"
#include "calculators/DischargeCoefficients.h"
#include "calculators/Outflow.h"

// The outflow dialogs from their typed inputs to the texts they show: outflow at constant level
// (TAusfluss_konstDlg), the discharge coefficients of small (TDabaAusflusszahlDlg) and large
// openings (TDabaAusflusszahl_grossDlg), the draining time at falling level (TAusfluss_veraeDlg).
namespace velmora::calculators {

inline constexpr std::string_view kOutflowBlock = "Ausfluss_konstDlg";
inline constexpr std::string_view kSmallOpeningBlock = "DabaAusflusszahlDlg";
inline constexpr std::string_view kLargeOpeningBlock = "DabaAusflusszahl_grossDlg";
inline constexpr std::string_view kDrainingTimeBlock = "Ausfluss_veraeDlg";

// Outflow at constant level. Case 5 takes H1, H2, b in Edit1 … Edit3 with the coupled "m"/"ft."
// lists ComboBox2 … ComboBox4; the other cases A (ComboBox2: areas), H (ComboBox3: "m"/"ft."),
// pᵢ (ComboBox4: pressures) and ρ (ComboBox6: densities) as their case needs.
struct OutflowForm {
  bool large = false;         // RadioGroup4
  bool bottom = false;        // RadioGroup2
  bool overpressure = false;  // RadioGroup1 (small openings only)
  std::string edit1, edit2, edit3, edit7, edit8;
  int unit1 = 0, unit2 = 0, unit3 = 0, unit7 = 0;  // ComboBox2, ComboBox3, ComboBox4, ComboBox6

  int Case() const { return OutflowCase(large, bottom, overpressure); }
};

// The captions of Edit1, Edit2, Edit3, Edit7 and Edit8 in a case (empty where the case has none).
struct OutflowLabels {
  std::string edit1, edit2, edit3, edit5, edit6, edit7, edit8;
};
OutflowLabels OutflowCaptions(const text::TextStore& texts, int outflowCase);

// The result captions: flow in m^3/s (US ft^3/s), mean velocity in m/s (US ft/s).
struct ResultCaptions {
  std::string first;
  std::string second;
};
ResultCaptions OutflowResultCaptions(const text::TextStore& texts, bool us);

struct OutflowOutcome : Outcome {
  std::optional<OutflowResult> result;  // m³/s, m/s
  std::string flow;                     // Label8
  std::string velocity;                 // Label13
};

// Fields in the order Edit1, Edit2, Edit3, Edit7, Edit8, each refused when it is no number or
// out of range: A, b, ρ, μ greater than 0; H greater than 0 (0 allowed under overpressure);
// pᵢ and H1 not negative; H2 greater than H1.
OutflowOutcome CalculateOutflowDialog(const OutflowForm& form, const text::TextStore& texts, const Display& display);

// Small openings: the kind (RadioGroup2), θ or D in Edit5, d in Edit6 with the coupled "mm"/"in."
// lists.
struct SmallOpeningForm {
  int kind = 0;
  std::string edit5, edit6;
  int unit = 0;
};

struct CoefficientOutcome : Outcome {
  std::optional<long double> mu;
  std::string shown;     // Label1, 2 decimals
  std::string takeOver;  // the text a take-over writes into a μ field
};

// Captions of Edit5 and Edit6 by kind (empty where the kind has no such input).
OutflowLabels SmallOpeningCaptions(const text::TextStore& texts, int kind);
// Fixed kinds show their μ at once; the conical extension reads θ, the extension with a nozzle D
// and d (greater than 0); a value outside the table's range gives its range message (plain box,
// focus on Edit5) and no μ.
CoefficientOutcome CalculateSmallOpeningDialog(const SmallOpeningForm& form, const text::TextStore& texts);

// Large openings: side (opening 0) or bottom (1); side edges sharp (0) or rounded (1); h and b
// or D and d in Edit5 and Edit6 with the coupled "m"/"ft." lists.
struct LargeOpeningForm {
  int opening = 0;
  int edge = 0;
  std::string edit5, edit6;
  int unit = 0;
};

OutflowLabels LargeOpeningCaptions(const text::TextStore& texts, int opening);
// Rounded side openings show the range "0,7 … 0,8" and take over 0,7; h/b above 2 and d/D above
// 0.5 give their range messages (plain box, focus on Edit5).
CoefficientOutcome CalculateLargeOpeningDialog(const LargeOpeningForm& form, const text::TextStore& texts);

// Draining time: the shape (RadioGroup1), D (Edit1, "m"/"ft."), d (Edit2, "mm"/"in."), H or L
// (Edit3, "m"/"ft.", not for the sphere), μ (Edit8); the three lists coupled (unit 0 metric, 1 US).
struct DrainingTimeForm {
  int shape = 0;
  std::string edit1, edit2, edit3, edit8;
  int unit = 0;
};

OutflowLabels DrainingTimeCaptions(const text::TextStore& texts, int shape);

struct DrainingTimeOutcome : Outcome {
  std::optional<long double> seconds;
  std::string shown;  // Label2: "75 s" or "75 s = 1,3 Min."
};

// Every length and μ greater than 0. Up to 60 s the whole seconds, beyond them also the minutes
// with one decimal.
DrainingTimeOutcome CalculateDrainingTimeDialog(const DrainingTimeForm& form, const text::TextStore& texts);

}  // namespace velmora::calculators
