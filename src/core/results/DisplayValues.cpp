#include "results/DisplayValues.h"

#include "catalogue/ElementLayout.h"
#include "results/UsDisplay.h"

namespace velmora::results {
namespace {

DimensionUnit UnitList(catalogue::SlotUnit unit) {
  switch (unit) {
    case catalogue::SlotUnit::MmList: return DimensionUnit::Millimetre;
    case catalogue::SlotUnit::MList: return DimensionUnit::Metre;
    case catalogue::SlotUnit::AreaList: return DimensionUnit::SquareMetre;
    default: break;
  }
  return DimensionUnit::None;
}

}  // namespace

ColumnValues DisplayValues(const hydraulics::MainInput& input, const hydraulics::ElementResult& result, bool us) {
  ColumnValues values = MetricValues(input, result);
  if (!us) return values;
  std::array<DimensionUnit, 5> lists{};
  if (const catalogue::ElementLayout* layout = catalogue::FindLayout(input.ElementGroup, input.ElementKind)) {
    for (std::size_t slot = 0; slot < lists.size(); ++slot) lists[slot] = UnitList(layout->slotLayouts[slot].unit);
  }
  const UsDisplayValues converted = ToUsDisplay(input, result, lists);
  values.flow = converted.VolumeFlow;
  values.density = converted.Density;
  values.viscosity = converted.Viscosity;
  values.inputs = converted.Inputs;
  values.roughness = converted.Roughness;
  values.velocity = converted.Velocity;
  values.velocity2 = converted.Velocity2;
  values.branchLoss = converted.BranchPressureLoss;
  values.lossSmall = converted.PressureLossLbwSqFt;
  values.lossLarge = converted.PressureLossPsi;
  return values;
}

}  // namespace velmora::results
