#pragma once

namespace velmora::hydraulics {

// The calculated quantities of one element.
struct ElementResult {
  long double Velocity = 0;           // m/s
  long double Velocity2 = 0;          // m/s: second section, branch, bore or openings; 0 if none
  long double HydraulicDiameter = 0;  // mm
  long double Reynolds = 0;
  long double Reynolds2 = 0;
  long double Lambda = 0;  // friction factor; 0 for elements without one
  long double Zeta = 0;
  long double Zeta2 = 0;               // branch of a tee
  long double PressureLoss = 0;        // bar, times Count
  long double BranchPressureLoss = 0;  // mbar
};

}  // namespace velmora::hydraulics
