#include "results/ColumnValues.h"

namespace velmora::results {

ColumnValues MetricValues(const hydraulics::MainInput& input, const hydraulics::ElementResult& result) {
  ColumnValues values;
  values.flow = input.VolumeFlow;
  values.density = input.Density;
  values.viscosity = input.Viscosity;
  values.inputs = {input.Input1, input.Input2, input.Input3, input.Input4, input.Input5};
  values.roughness = input.Input6;
  values.velocity = result.Velocity;
  values.velocity2 = result.Velocity2;
  values.reynolds = result.Reynolds;
  values.reynolds2 = result.Reynolds2;
  values.lambda = result.Lambda;
  values.zeta = result.Zeta;
  values.zeta2 = result.Zeta2;
  values.branchLoss = result.BranchPressureLoss;
  values.lossSmall = result.PressureLoss * 1000.0L;  // bar to mbar
  values.lossLarge = result.PressureLoss;
  return values;
}

}  // namespace velmora::results
