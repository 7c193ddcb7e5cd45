#pragma once

#include <array>

#include "hydraulics/ElementResult.h"
#include "hydraulics/MainInput.h"

// Conversion of a calculated element into the US display units of the results table.
namespace velmora::results {

// The unit list an input shows in the element panel: none, mm/in., m/ft., m²/sq.yd.
enum class DimensionUnit { None, Millimetre, Metre, SquareMetre };

struct UsDisplayValues {
  long double VolumeFlow = 0;           // gal/min
  long double Density = 0;              // lb./cu.ft.
  long double Viscosity = 0;            // cP
  std::array<long double, 5> Inputs{};  // in., ft. or sq.yd.; unchanged without a unit list
  long double Roughness = 0;            // in. (unchanged when not positive)
  long double Velocity = 0;             // ft./s
  long double Velocity2 = 0;            // ft./s (unchanged when not positive)
  long double PressureLossPsi = 0;      // psi
  long double PressureLossLbwSqFt = 0;  // lbw./sq.ft.
  long double BranchPressureLoss = 0;   // lbw./sq.ft.
};

// Converts the inputs and results of one element; `lists` tells the unit list of Input1 … Input5.
UsDisplayValues ToUsDisplay(const hydraulics::MainInput& input, const hydraulics::ElementResult& result,
                            const std::array<DimensionUnit, 5>& lists);

}  // namespace velmora::results
