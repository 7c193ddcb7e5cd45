#pragma once

#include <optional>

#include "hydraulics/MainInput.h"
#include "mainform/MainForm.h"
#include "text/Message.h"
#include "text/TextStore.h"

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

// Reads, converts and checks every input of one calculation, stopping at the first failed step.
CalculateChecks CheckCalculateInputs(const MainForm& form, const text::TextStore& texts,
                                     const CalculateOptions& options = {});

// The values of the form in base units (no checks): density, flow, viscosity, gas data, branch flow.
// Fails (nothing) when a value or unit cannot be read.
std::optional<hydraulics::MainInput> ConvertMainInputs(const MainForm& form);

}  // namespace velmora::mainform
