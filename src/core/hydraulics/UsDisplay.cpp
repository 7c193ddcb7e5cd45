#include "hydraulics/UsDisplay.h"

#include "hydraulics/InputSlots.h"

namespace velmora::hydraulics {

namespace {

constexpr long double kBarrel = 0.158987L;          // m³ per US petroleum barrel (42 gal)
constexpr long double kPoundPerCuFt = 16.0184655L;  // kg/m³
constexpr long double kInch = 25.4L;                // mm
constexpr long double kFoot = 0.3048L;              // m
constexpr long double kSquareYard = 0.8361274L;     // m²
constexpr long double kPsi = 0.068947581976L;       // bar
constexpr long double kLbwSqFt = 0.000478802653L;   // bar

long double ToUsDimension(long double value, DimensionUnit unit) {
  switch (unit) {
    case DimensionUnit::Millimetre: return value / kInch;
    case DimensionUnit::Metre: return value / kFoot;
    case DimensionUnit::SquareMetre: return value / kSquareYard;
    case DimensionUnit::None: break;
  }
  return value;
}

}  // namespace

UsDisplayValues ToUsDisplay(const MainInput& input, const ElementResult& result,
                            const std::array<DimensionUnit, 5>& units) {
  UsDisplayValues us;
  us.VolumeFlow = input.VolumeFlow / kBarrel * 42.0L / 60.0L;
  us.Density = input.Density / kPoundPerCuFt;
  us.Viscosity = input.Viscosity / 1000.0L;
  for (std::size_t i = 0; i < units.size(); ++i) {
    us.Inputs[i] = ToUsDimension(SlotValue(input, static_cast<int>(i) + 1), units[i]);
  }
  us.Roughness = input.Input6 > 0 ? input.Input6 / kInch : input.Input6;
  us.Velocity = result.Velocity / kFoot;
  us.Velocity2 = result.Velocity2 > 0 ? result.Velocity2 / kFoot : result.Velocity2;
  us.PressureLossPsi = result.PressureLoss / kPsi;
  us.PressureLossLbwSqFt = result.PressureLoss / kLbwSqFt;
  us.BranchPressureLoss = result.BranchPressureLoss / kLbwSqFt / 1000.0L;
  return us;
}

}  // namespace velmora::hydraulics
