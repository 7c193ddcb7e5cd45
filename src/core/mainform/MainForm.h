#pragma once

#include <array>
#include <string>

#include "text/Edition.h"

namespace velmora::mainform {

// The inputs of the main window as the user typed and chose them: texts of the edits and indices
// of the lists. The window mirrors this model; dialogs that fill the main window write into it.
struct MainForm {
  // Element panel
  int elementGroup = 1;
  int elementKind = 1;
  std::string description;                                              // Edit1
  std::string count = "1";                                              // VaAnz_Edit
  std::array<std::string, 5> dimensions = {"100", "1,0", "", "", "1"};  // Va1_Edit .. Va5_Edit
  std::array<int, 5> dimensionUnits = {0, 0, 0, 0, 0};                  // ComboVar1 .. ComboVar5
  std::string roughness = "0,1";                                        // Edit2
  int roughnessUnit = 0;                                                // ComboBox6: "mm", "in."
  int option = 0;                                                       // RadioGroup1
  std::string branchFlow;                                               // Edit3, in the main flow's unit

  // Medium panel
  std::string medium = "Wasser";   // Eingabe_Medium
  int flowKind = 0;                // ComboBox4: volume or mass flow
  std::string flow = "1,0";        // Eingabe_Volumenstrom
  int flowUnit = 0;                // ComboBox1
  std::string density = "998,2";   // Eingabe_Dichte
  int densityUnit = 0;             // ComboBox2
  int viscosityKind = 0;           // ComboBox5: dynamic or kinematic
  std::string viscosity = "1002";  // Eingabe_Viskositaet
  int viscosityUnit = 0;           // ComboBox3
  bool gas = false;                // Radio_gas checked

  // Gas data
  std::string inletPressure = "1";        // Edit_EingangsdruckN
  int inletPressureUnit = 0;              // ComboBox6N
  std::string inletTemperature = "300";   // Edit_EingangstemperaturN
  int inletTemperatureUnit = 0;           // ComboBox7N
  std::string outletTemperature = "250";  // Edit_AusgangstemperaturN
  int outletTemperatureUnit = 0;          // ComboBox8N

  // The count field holds three characters: at most 999 identical elements.
  static constexpr int kMaxCount = 999;

  // The designer defaults with the edition's decimal separator.
  static MainForm Defaults(text::Edition edition);
};

}  // namespace velmora::mainform
