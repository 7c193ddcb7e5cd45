#pragma once

namespace velmora::hydraulics {

// The checked inputs of one element calculation, in the calculation's base units.
struct MainInput {
  long double Input1 = 0;  // dimensions: mm for lengths shown in mm/in., m for m/ft., m² for areas
  long double Input2 = 0;
  long double Input3 = 0;
  long double Input4 = 0;
  long double Input5 = 0;
  long double Input6 = 0;      // wall roughness k in mm
  int Count = 1;               // number of identical elements
  long double VolumeFlow = 0;  // m³/h, operating state
  long double BranchFlow = 0;  // m³/h, branch pieces 5/5 and 5/6 only
  long double Density = 0;     // kg/m³
  long double Viscosity = 0;   // dynamic, 10⁻⁶ kg/(m·s)
  bool Gas = false;
  long double InletPressure = 0;      // bar absolute, gas only
  long double InletTemperature = 0;   // K, gas only
  long double OutletTemperature = 0;  // K, gas only
  int ElementGroup = 1;               // 1..13
  int ElementKind = 1;                // 1..9
  int Option = 0;                     // the element's two-way choice, item 0 or 1
  bool inputValid = true;
};

}  // namespace velmora::hydraulics
