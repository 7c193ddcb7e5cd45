#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calculators/CalculatorForm.h"
#include "mainform/MainForm.h"
#include "results/ResultsTable.h"

// The NPSH dialog (TNPSHDialog) and the small converters: pump head (TFoerderhoehe_Dlg), velocity
// to flow (Tgeschw_v), flow to velocity (Tv_geschw), kv and Cv to ζ (Tkv_in_Zeta_Dlg,
// TCv_in_ZetaDlg), standard to operating cubic metres (TNorm_in_Betrieb_Dlg).
namespace velmora::calculators {

inline constexpr std::string_view kNpshBlock = "NPSHDlg";
inline constexpr std::string_view kPumpHeadBlock = "Foerderhoehe_Dlg";
inline constexpr std::string_view kVelocityToFlowBlock = "geschw_v";
inline constexpr std::string_view kFlowToVelocityBlock = "v_geschw";
inline constexpr std::string_view kKvBlock = "kv_in_Zeta_Dlg";
inline constexpr std::string_view kCvBlock = "Cv_in_ZetaDlg";
inline constexpr std::string_view kStandardBlock = "Norm_in_Betrieb_Dlg";
inline constexpr std::string_view kUnitInfoBlock = "EhuInfo";

// The laws.

// Available NPSH of a suction pressure p_s and a vapour pressure p_v (bar abs) for density ρ:
// (p_s − p_v)·10.2/ρ·1000 m, 10.2 m per bar at 1000 kg/m³ (10⁵/9.80665 = 10197 mm, rounded).
long double NpshOf(long double suctionBar, long double vapourBar, long double rho);
// Head to overcome a pressure loss: H = Δp/ρ/9.81·100000 m (Δp in bar, g = 9.81 m/s²).
long double PumpHead(long double lossBar, long double rho);
// Volume flow of velocity v (m/s) in a pipe of d (mm): Q = d²·π·v·0.0036/4 m³/h.
long double FlowOfVelocity(long double v, long double d);
// Velocity of a volume flow Q (m³/h) in a pipe of d (mm): v = Q·10000/36·4/π/d² m/s.
long double VelocityOfFlow(long double Q, long double d);
// ζ of a valve of flow coefficient kv (m³/h at 1 bar of water) in a pipe of d (mm): ζ = 16·(d/10)⁴/kv²
// = 0.0016·d⁴/kv², from Δp = ρ/2·ζ·v² and the definition Q = kv·√(Δp/1 bar) for water.
long double ZetaOfKv(long double kv, long double d);
// kv of a Cv (US gal/min at 1 psi): kv = 0.86·Cv (0.865 exactly, rounded).
long double KvOfCv(long double cv);
// Operating volume of a standard volume (0 °C, 1.01325 bar) at T (K) and p (bar abs), ideal gas:
// V = V_N·T·1.01325/p/273.15.
long double OperatingOfStandard(long double standard, long double kelvin, long double bar);

// m³/h to US gal/min: ÷ 0.158987 · 42 ÷ 60.
long double GallonsPerMinute(long double cubicMetresPerHour);

// The dialogs.

struct NpshForm {
  std::string suction;  // Edit1, ComboBox1 (15 pressure units)
  int suctionUnit = 0;
  std::string vapour;  // Edit2, ComboBox3
  int vapourUnit = 0;
  std::string density;  // Edit3, ComboBox2 (density units)
  int densityUnit = 0;
};

// Two result labels (metres and feet, Label6 and Label7 and their likes).
struct TwoResults : Outcome {
  std::optional<long double> value;  // in the first unit
  std::string first;
  std::string second;
};

// NPSH: the three numbers read (an empty field reads 0); with ρ ≤ 0 nothing is shown; a negative
// value is shown as 0. "10,0 m" and "(= 32,7 ft.)".
TwoResults CalculateNpshDialog(const NpshForm& form, const text::TextStore& texts);

struct PumpHeadForm {
  std::string loss;  // Edit_Druck, ComboBox1 (15 pressure units: a difference, scale factors only)
  int lossUnit = 0;
  std::string density;  // Edit_Dichte, ComboBox2
  int densityUnit = 0;
};
// H only for ρ > 0: "10,2 m" and "(= 33,4 ft.)".
TwoResults CalculatePumpHeadDialog(const PumpHeadForm& form, const text::TextStore& texts);

// What the pump head takes from the results table when shown: the total pressure loss as text,
// in bar (metric) or psi (US), with 4 decimals; "0" for an empty table.
std::string TablePressureLoss(const results::ResultsTable& table, bool us, text::Edition edition);
// The velocity of the last element column (row 14) with 2 decimals; empty when it is 0 or unreadable.
std::string TableLastVelocity(const results::ResultsTable& table, text::Edition edition);

struct VelocityFlowForm {
  std::string value;     // velocity (Edit_Geschwindigkeit, "m/s"/"ft./s") or flow (Edit_Volumenstrom)
  int valueUnit = 0;     // ComboBox1
  std::string diameter;  // Edit_Rohrdurchmesser
  int diameterUnit = 0;  // ComboVar1: "mm", "in."
};
// Velocity to flow: "12,34 m³/h" and "(= 54,32 gal/min)"; the first text is also what the take-over
// writes into the main window's flow field.
TwoResults CalculateVelocityToFlowDialog(const VelocityFlowForm& form, const text::TextStore& texts);
// Flow to velocity, only for d > 0: "1,23 m/s" and "(= 4,03 ft./s)".
TwoResults CalculateFlowToVelocityDialog(const VelocityFlowForm& form, const text::TextStore& texts);
// The velocity-to-flow take-over: the flow text, volume flow in "m³/h".
void ApplyFlowTakeOver(mainform::MainForm& main, const std::string& flow);

struct ValveZetaForm {
  std::string coefficient;       // Edit1: kv in m³/h or Cv in US gal/min
  std::string diameter = "100";  // Va1_Edit
  int diameterUnit = 0;          // ComboVar1: "mm", "in."
};
// Both numbers must not be 0; ζ with the settings' decimals (Label4).
struct ValveZetaOutcome : Outcome {
  std::optional<long double> zeta;
  std::string shown;
};
ValveZetaOutcome CalculateValveZetaDialog(const ValveZetaForm& form, bool cv, const text::TextStore& texts,
                                          const Display& display);
// The take-over: element 12/1, the diameter with its unit into Va1_Edit/ComboVar1, ζ into Va2_Edit.
void ApplyZetaTakeOver(mainform::MainForm& main, const ValveZetaForm& form, const std::string& zeta);

struct StandardFlowForm {
  std::string standard;  // Edit_Norm, ComboBox1: "Nm³/s", "Nm³/min", "Nm³/h"
  int standardUnit = 2;
  std::string temperature;  // Edit_Temp, ComboBox2 (temperature units)
  int temperatureUnit = 0;
  std::string pressure;  // Edit_Druck, ComboBox3 (15 pressure units), absolute
  int pressureUnit = 0;
};
std::span<const units::Unit> StandardFlowUnits();
// A standard flow of 0 and a pressure of 0 bar or less (after the conversion, so that -14.7 psig is
// refused too) are refused; for T > 0: "54,370 m³/h" and "(= 239,386 gal/min)".
TwoResults CalculateStandardToOperatingDialog(const StandardFlowForm& form, const text::TextStore& texts,
                                              const Display& display);
// The form's temperature, pressure and their units from the main window's gas inlet fields.
void CopyGasInlet(const mainform::MainForm& main, StandardFlowForm& form);
// The take-over: gas, inlet temperature and pressure with their units, volume flow V in the
// operating unit matching the standard one ("m³/s", "m³/min", "m³/h").
void ApplyOperatingTakeOver(mainform::MainForm& main, const StandardFlowForm& form, const std::string& flow);

}  // namespace velmora::calculators
