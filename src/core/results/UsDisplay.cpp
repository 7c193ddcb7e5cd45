#include "results/UsDisplay.h"

#include "hydraulics/InputSlots.h"
#include "units/UnitFactors.h"

namespace velmora::results {

namespace {

long double ToUsDimension(long double value, DimensionUnit unit) {
  switch (unit) {
    case DimensionUnit::Millimetre: return value / units::kInchInMm;
    case DimensionUnit::Metre: return value / units::kFootInMetre;
    case DimensionUnit::SquareMetre: return value / units::kSquareYardInSquareMetre;
    case DimensionUnit::None: break;
  }
  return value;
}

}  // namespace

UsDisplayValues ToUsDisplay(const hydraulics::MainInput& input, const hydraulics::ElementResult& result,
                            const std::array<DimensionUnit, 5>& lists) {
  UsDisplayValues us;
  // m³/h to gal/min: barrels per hour, times 42 gal per barrel, over 60 min per hour.
  us.VolumeFlow = input.VolumeFlow / units::kBarrelInCubicMetre * units::kGallonsPerBarrel / 60.0L;
  us.Density = input.Density / units::kPoundPerCubicFootInKgPerCubicMetre;
  us.Viscosity = input.Viscosity / units::kCentipoiseInMicroPascalSecond;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    us.Inputs[i] = ToUsDimension(hydraulics::SlotValue(input, static_cast<int>(i) + 1), lists[i]);
  }
  us.Roughness = input.Input6 > 0 ? input.Input6 / units::kInchInMm : input.Input6;
  us.Velocity = result.Velocity / units::kFootInMetre;
  us.Velocity2 = result.Velocity2 > 0 ? result.Velocity2 / units::kFootInMetre : result.Velocity2;
  us.PressureLossPsi = result.PressureLoss / units::kPsiInBar;
  us.PressureLossLbwSqFt = result.PressureLoss / units::kLbwPerSquareFootInBar;
  // The branch loss is in mbar: 1000 mbar per bar.
  us.BranchPressureLoss = result.BranchPressureLoss / units::kLbwPerSquareFootInBar / 1000.0L;
  return us;
}

}  // namespace velmora::results
