#pragma once

#include <array>

#include "hydraulics/ElementResult.h"
#include "hydraulics/MainInput.h"

namespace velmora::results {

// The numbers of one element column in the units the table shows: metric, or US when the
// program displays US units (the US figures come from the calculation's US conversion).
struct ColumnValues {
  long double flow = 0;                 // m³/h | gal/min
  long double density = 0;              // kg/m³ | lb./cu.ft.
  long double viscosity = 0;            // 10-6 kg/ms | cP
  std::array<long double, 5> inputs{};  // in the slot's unit: mm | in., m | ft., m² | sq.yd.; others as typed
  long double roughness = 0;            // mm | in.
  long double velocity = 0;             // m/s | ft./s
  long double velocity2 = 0;            // m/s | ft./s
  long double reynolds = 0;
  long double reynolds2 = 0;
  long double lambda = 0;
  long double zeta = 0;
  long double zeta2 = 0;
  long double branchLoss = 0;  // mbar | lbw./sq.ft.
  long double lossSmall = 0;   // mbar | lbw./sq.ft.
  long double lossLarge = 0;   // bar | psi
};

// The metric figures of a calculated element: the inputs and results as calculated, the pressure
// loss also in mbar.
ColumnValues MetricValues(const hydraulics::MainInput& input, const hydraulics::ElementResult& result);

}  // namespace velmora::results
