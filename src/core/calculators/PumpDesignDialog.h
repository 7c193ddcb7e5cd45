#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/CalculatorForm.h"
#include "calculators/PumpDesign.h"
#include "mainform/MainForm.h"

// The pump quick design (TPSchnellAuslegung) and its result window (TPSchnellAusgabe) from the
// typed inputs to the texts they show.
namespace velmora::calculators {

inline constexpr std::string_view kPumpDesignBlock = "PSchnellAuslegung";
inline constexpr std::string_view kPumpResultBlock = "PSchnellAusgabe";
// The picture of the plant (<name>.bmp in the program folder): suction vessel, suction line, pump,
// pressure line and pressure vessel with the symbols of the vessel pressures and heights.
inline constexpr const char* kPumpPlantPicture = "PUMPEN_AUSLEGUNG";

// One further element of a line as typed: Edit_AnzahlN_S, Edit_ElementN_S, Edit_ElementN_dP_S,
// Edit_ZetaN_S (N = 1 … 3; _D on the pressure side).
struct PumpElementForm {
  std::string count = "0";
  std::string name;
  std::string pressureLoss;
  std::string zeta;
  bool operator==(const PumpElementForm&) const = default;
};

// The fittings' counts in the order of the data file: bends, globe valves, lift check valves,
// cocks, gate valves, swing check valves (Edit_Bogen, Edit_Ventil, Edit_Rue_Ventil, Edit_Hahn,
// Edit_Schieber, Edit_Rue_Klappe).
enum class FileFitting { Bend, GlobeValve, LiftCheckValve, Cock, GateValve, SwingCheckValve };

// One line (page) as typed; the controls end in _S (suction) or _D (pressure side).
struct PumpLineForm {
  std::string vesselPressure;  // Edit_Behaelter
  int vesselUnit = 0;          // Combo_Behaelter: the 15 pressure units; also the unit of the elements' Δp
  std::string height;          // Edit_Geo
  int heightUnit = 0;          // Combo_Geo: "m", "ft."
  std::string diameter;        // Edit_Durchmesser
  int diameterUnit = 0;        // Combo_Durchmesser: "mm", "in."
  std::string length;          // Edit_Rohrlaenge
  int lengthUnit = 0;          // Combo_Rohrlaenge: "m", "ft."
  std::array<std::string, kPumpFittings> fittings = {"0", "0", "0", "0", "0", "0"};  // FileFitting order
  std::array<PumpElementForm, kPumpElements> elements{};
  bool operator==(const PumpLineForm&) const = default;
};

struct PumpDesignForm {
  std::string pump;               // Edit_Pumpe
  std::string roughness = "0,1";  // Edit2
  int roughnessUnit = 0;          // ComboBox6: "mm", "in."
  std::string medium;             // Edit1
  int flowKind = 0;               // ComboBox1: volume or mass flow
  std::string flow;               // Edit3
  int flowUnit = 0;               // ComboBox2 (FlowUnits(flowKind))
  std::string density;            // Edit4
  int densityUnit = 0;            // ComboBox3
  int viscosityKind = 0;          // ComboBox4: dynamic or kinematic
  std::string viscosity;          // Edit5
  int viscosityUnit = 0;          // ComboBox5
  std::string temperature;        // Edit_Temp, °C (informative)
  std::string vapourPressure;     // Edit_Dampfdruck
  int vapourPressureUnit = 0;     // Combo_Dampfdruck: the 15 pressure units
  PumpLineForm suction;
  PumpLineForm pressure;
  bool operator==(const PumpDesignForm&) const = default;

  // The designer's inputs: roughness 0,1 mm (0.1 in English), every count 0.
  static PumpDesignForm Defaults(text::Edition edition);
};

// The unit lists of the dialog.
std::span<const units::Unit> PumpFlowUnits(int kind);
std::span<const units::Unit> PumpViscosityUnits(int kind);

// SpeedButton1: medium name, flow kind, value and unit (looked up by its text), density and unit,
// viscosity kind, value and unit of the main window. A flow unit the dialog does not offer
// (standard cubic metres) leaves the flow empty.
void CopyMainMedium(const mainform::MainForm& main, PumpDesignForm& form);

// The captions of the fields the messages name.
struct PumpDesignLabels {
  std::string flow, density, viscosity, temperature, vapourPressure, roughness;
  std::string suctionVessel, pressureVessel, suctionHeight, pressureHeight, length, diameter;
  std::array<std::string, kPumpFittings> fittings;  // FileFitting order
  std::string count;
};
PumpDesignLabels PumpDesignCaptions(const text::TextStore& texts, int flowKind, int viscosityKind);

// The label of an element's pressure-loss field: "in" + " " + the side's vessel-pressure unit.
std::string ElementLossCaption(const text::TextStore& texts, int vesselUnit);

// The result window's grids as texts: StringGrid1 (label, suction, pressure side; 14 rows after the
// heading row) and StringGrid2 (label, value; 4 rows).
struct PumpResultTexts {
  std::array<std::array<std::string, 3>, 15> lines;  // row 0: the headings
  std::array<std::array<std::string, 2>, 4> totals;
};

// The input summary printed and copied above the grids: label, unit and value of medium, flow,
// density, viscosity, temperature and vapour pressure.
struct PumpSummaryLine {
  std::string label, unit, value;
};

struct PumpDesignOutcome : Outcome {
  std::optional<PumpDesignInput> input;  // in base units, once every field was read
  std::optional<PumpDesignResult> result;
  PumpResultTexts shown;
  std::string page;  // "S" or "D": the page brought to the front for the refused field
};

// Reads the medium (flow, density, viscosity: numbers above 0), the temperature (empty or a
// number), the vapour pressure (a number, above 0 bar absolute), then each side: vessel pressure
// (not below 0 bar absolute), diameter (above 0), length and height, the roughness when the line is
// turbulent, the fittings' counts and the elements (counts not negative; ζ, or a pressure loss in
// the side's vessel-pressure unit, converted as a difference). Notes (laminar lines, a high
// viscosity, a negative inlet pressure) precede the result.
PumpDesignOutcome CalculatePumpDesignDialog(const PumpDesignForm& form, const text::TextStore& texts,
                                            const Display& display);

// The result texts in the display units (US: psi, ft, hp) with the display's decimals.
PumpResultTexts PumpResultRows(const PumpDesignForm& form, const PumpDesignResult& result, const text::TextStore& texts,
                               const Display& display);

std::vector<PumpSummaryLine> PumpSummary(const PumpDesignForm& form, const text::TextStore& texts);

// What BitBtn3 puts on the clipboard: the pump's title line, the summary and the rows of both grids,
// one line per item with the cells separated by tabs, CR LF line ends.
std::string PumpResultClipboard(const PumpDesignForm& form, const PumpResultTexts& shown, const text::TextStore& texts);

}  // namespace velmora::calculators
