#pragma once

#include <array>
#include <optional>
#include <string>

#include "hydraulics/MainInput.h"
#include "mainform/MainForm.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The checks of the calculate command on numbers already read: one sequence shared by the main
// window (which reads them from its edits) and velmora-calc (which is given them in base units).
namespace velmora::mainform {

// Captions of the controls that the messages of the calculate command name.
struct FieldCaptions {
  std::string count;              // LabelAnz
  std::string roughness;          // Label4
  std::string flow;               // Volumenstrom_Titel (the flow kind chosen in ComboBox4)
  std::string density;            // Dichte_Titel
  std::string viscosity;          // Visko_Titel (the viscosity kind chosen in ComboBox5)
  std::string branchFlow;         // Label6
  std::string inletPressure;      // Label4N
  std::string inletTemperature;   // Label5N
  std::string outletTemperature;  // Label6N

  // The captions as the main window shows them for this form.
  static FieldCaptions For(const MainForm& form, const text::TextStore& texts);
};

struct CalculateOptions {
  bool pumpDesignVisible = false;  // the pump design supplies its own branch flows
};

// The outcome of the checks of the calculate command: either a checked input, or the messages to
// show in order (the last one's field gets the focus). showGasNotes asks for the gas notes window
// first (a gas calculated with more than one identical element).
struct CalculateChecks {
  std::optional<hydraulics::MainInput> input;
  text::Messages messages;
  bool showGasNotes = false;
};

// The numbers of one calculation as the checks see them. Each "as read" number is nothing when its
// text could not be read; only the slots the element shows, the roughness of an element with a
// roughness field, the branch flow of 5/5 and 5/6 and the gas data of a gas are looked at.
struct CalculationValues {
  // Everything in base units (Count is taken from `count`); only used once every number was read.
  hydraulics::MainInput input;
  bool converted = true;  // false: a unit could not be applied, the command stops without a message

  std::array<std::optional<long double>, 5> dimensions;  // as read
  std::optional<long double> count;                      // as read, before rounding
  std::optional<long double> roughness;                  // as read
  std::optional<long double> flow;                       // as read, in its unit
  std::optional<long double> density;                    // as read
  std::optional<long double> viscosity;                  // as read
  std::optional<long double> branchFlow;                 // as read, in the flow's unit
  std::optional<long double> inletPressure;              // as read; a blank edit counts as unread
  std::optional<long double> inletTemperature;
  std::optional<long double> outletTemperature;
  bool standardFlowUnit = false;  // the flow is given in standard cubic metres

  // The numbers of an input given in base units, every one of them read.
  static CalculationValues InBaseUnits(const hydraulics::MainInput& input);
};

// The checks of the calculate command in the main window's order, each step stopping the command
// when it failed: the dimensions read, the count read and within 1 … 999 after rounding half away
// from zero, roughness, flow, density and viscosity read, no standard cubic metres for a liquid,
// the branch flow of 5/5 and 5/6 above 0 and below the main flow (both in the flow's unit), the gas
// data read; then the element's plausibility checks (catalogue::CheckElement) and at last the signs
// of flow, density, viscosity and, for a gas, of inlet pressure and both temperatures.
CalculateChecks CheckCalculation(const CalculationValues& values, const text::TextStore& texts,
                                 const FieldCaptions& captions, const CalculateOptions& options = {});

// The same checks for inputs given in base units (m³/h, kg/m³, 10⁻⁶ kg/(m·s), bar, K): the messages
// the main window shows for the same values typed in those units, empty when the input may be
// calculated. Holds the texts by reference.
class MainInputChecks {
 public:
  explicit MainInputChecks(const text::TextStore& texts);

  text::Messages operator()(const hydraulics::MainInput& input) const;

 private:
  const text::TextStore* texts_;
  FieldCaptions captions_;
};

}  // namespace velmora::mainform
