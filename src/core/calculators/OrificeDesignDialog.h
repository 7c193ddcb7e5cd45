#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calculators/CalculatorForm.h"
#include "calculators/OrificeDesign.h"
#include "mainform/MainForm.h"

// The orifice design dialog (TDrosselblendeDlg) from its typed inputs to the texts it shows.
namespace velmora::calculators {

inline constexpr std::string_view kOrificeDesignBlock = "DrosselblendeDlg";

// The inputs as typed and chosen; control names in the comments.
struct OrificeDesignForm {
  int kind = 0;              // RadioGroup1
  std::string medium;        // Eingabe_Medium (shown only)
  int flowKind = 0;          // ComboBox4: volume or mass flow
  std::string flow;          // Eingabe_Volumenstrom
  int flowUnit = 0;          // ComboBox5 (FlowUnits(flowKind))
  std::string density;       // Eingabe_Dichte
  int densityUnit = 0;       // ComboBox6
  int viscosityKind = 0;     // ComboBox7: dynamic or kinematic
  std::string viscosity;     // Eingabe_Viskositaet
  int viscosityUnit = 0;     // ComboBox8
  std::string pipeDiameter;  // Edit1
  int lengthUnit = 0;        // ComboBox1 and ComboBox2 (coupled): "mm", "in."
  std::string edge;          // Edit2: R (kind 1) or L (kind 2)
  std::string pressureLoss;  // Edit3
  int pressureUnit = 0;      // ComboBox3
};

// The medium and flow of the main window, as the dialog copies them when it is shown: a flow unit
// the dialog does not offer (standard cubic metres) leaves the flow empty and no unit chosen.
void CopyMainInputs(const mainform::MainForm& main, OrificeDesignForm& form);

// Label captions of the dialog (those the messages name).
struct OrificeDesignLabels {
  std::string flow;  // the chosen flow kind
  std::string density;
  std::string viscosity;  // the chosen viscosity kind
  std::string pipeDiameter;
  std::string edge;  // radius R or length L by the kind; empty for the sharp-edged kind
  std::string pressureLoss;
};
OrificeDesignLabels OrificeDesignCaptions(const text::TextStore& texts, int kind, int flowKind, int viscosityKind);

struct OrificeDesignOutcome : Outcome {
  std::optional<OrificeDesign> design;  // the calculation, once every input was read
  std::string result;                   // Label3: prefix, bore and unit; empty without a bore
};

// Reads flow, density and viscosity (then checks them: greater than 0), D1, R or L (kinds 1 and
// 2, greater than 0), Δp (greater than 0); designs the orifice. Warnings precede the result; no
// orifice needed and the failure are information boxes without a result.
OrificeDesignOutcome CalculateOrificeDesignDialog(const OrificeDesignForm& form, const text::TextStore& texts,
                                                  const Display& display);

}  // namespace velmora::calculators
