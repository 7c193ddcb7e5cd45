#include "units/UnitLists.h"

#include <array>

#include "units/UnitFactors.h"

namespace velmora::units {
namespace {

// Factors to the base units. Those that other parts of the program share come from
// UnitFactors.h; the rounded US figures that only these lists use stand in the lists themselves
// (lb./s 0.4535924 kg, oz./s 0.0283495 kg, Lb.s/sq.ft. 47.8802653 Pa·s, sq.ft./s 92903 mm²/s, ...).
constexpr long double kCubicFoot = kFootInMetre * kFootInMetre * kFootInMetre;  // m³

constexpr std::array<Unit, 16> kVolumeFlow = {{
    {"m³/h", 1},
    {"m³/min", 60},
    {"m³/s", 3600},
    {"Nm³/h", 1, DensityScale::None, true},
    {"Nm³/min", 60, DensityScale::None, true},
    {"Nm³/s", 3600, DensityScale::None, true},
    {"l/min", 6.0L / 100},
    {"l/s", 36.0L / 10},
    {"cu.ft./hr", kCubicFoot},
    {"cu.ft./min", kCubicFoot * 60},
    {"cu.ft./s", kCubicFoot * 60 * 60},
    {"petr.bl./hr", kBarrelInCubicMetre},
    {"petr.bl./day", kBarrelInCubicMetre / 24},
    {"gal/hr", kBarrelInCubicMetre / kGallonsPerBarrel},
    {"gal/min", kBarrelInCubicMetre / kGallonsPerBarrel * 60},
    {"gal/s", kBarrelInCubicMetre / kGallonsPerBarrel * 60 * 60},
}};

constexpr std::array<Unit, 8> kMassFlow = {{
    {"kg/h", 1, DensityScale::Divide},
    {"kg/min", 60, DensityScale::Divide},
    {"kg/s", 3600, DensityScale::Divide},
    {"lb./hr", 0.000126L * 3600, DensityScale::Divide},
    {"lb./min", 0.0075599L * 3600, DensityScale::Divide},
    {"lb./s", 0.4535924L * 3600, DensityScale::Divide},
    {"oz./min", 0.0004725L * 3600, DensityScale::Divide},
    {"oz./s", 0.0283495L * 3600, DensityScale::Divide},
}};

constexpr std::array<Unit, 11> kDensity = {{
    {"kg/m³", 1},
    {"kg/l", 1000},
    {"g/l", 1},
    {"gr./cu.ft.", 0.0022884L},
    {"gr./gal.", 0.017118L},
    {"oz./cu.ft.", 1.0011541L},
    {"oz./cu.in.", 1729.9942713L},
    {"oz./gal.", 7.4891077L},
    {"lb./cu.ft.", kPoundPerCubicFootInKgPerCubicMetre},
    {"lb./cu.in.", 27679.9083411L},
    {"lb./gal.", 119.8257233L},
}};

constexpr std::array<Unit, 9> kDynamicViscosity = {{
    {"10-6 kg/ms", 1},
    {"10-6 g/cm s", 1.0L / 10},
    {"10-6 Pa s", 1},
    {"mPa s", 1000},
    {"10-6 Ns/m²", 1},
    {"cP", kCentipoiseInMicroPascalSecond},
    {"lb.av./ft.hr", 0.0004134L * 1e6L},
    {"lb.av./ft.s", 1.4881641L * 1e6L},
    {"Lb.s/sq.ft.", 47.8802653L * 1e6L},
}};

constexpr std::array<Unit, 6> kKinematicViscosity = {{
    {"10-6 m²/s", 1, DensityScale::Multiply},
    {"cm²/s", 100, DensityScale::Multiply},
    {"mm²/s", 1, DensityScale::Multiply},
    {"cSt", 1, DensityScale::Multiply},
    {"sq.ft./hr", 25.8L, DensityScale::Multiply},
    {"sq.ft./s", 92903, DensityScale::Multiply},
}};

// Factors to bar; "psig" is handled apart because it is an offset scale.
constexpr std::array<Unit, 15> kPressure = {{
    {"bar", 1},
    {"mbar", 1.0L / 1000},
    {"Pa", 1.0L / 100000},
    {"MPa", 10},
    {"ata", 0.980665L},
    {"atm", kAtmosphereInBar},
    {"at", 0.980665L},
    {"m WS", 0.0980665L},
    {"mm WS", 0.0980665L / 1000},
    {"Torr", 0.001333223684L},
    {"lbw./sq.ft.", kLbwPerSquareFootInBar},
    {"psia", kPsiInBar},
    {"psig", kPsiInBar},
    {"ft.wtr.", 0.0298906692L},
    {"in.wtr.", 0.002490889L},
}};

constexpr std::array<Unit, 4> kTemperature = {{{"°C", 1}, {"K", 1}, {"degF", 1}, {"°R", 1}}};

constexpr std::array<Unit, 2> kMillimetre = {{{"mm", 1}, {"in.", kInchInMm}}};
constexpr std::array<Unit, 2> kMetre = {{{"m", 1}, {"ft.", kFootInMetre}}};
constexpr std::array<Unit, 2> kArea = {{{"m²", 1}, {"sq.yd.", kSquareYardInSquareMetre}}};

}  // namespace

std::span<const Unit> FlowUnits(int kind) {
  if (kind == 1) return kMassFlow;
  return kVolumeFlow;
}
std::span<const Unit> DensityUnits() { return kDensity; }
std::span<const Unit> ViscosityUnits(int kind) {
  if (kind == 1) return kKinematicViscosity;
  return kDynamicViscosity;
}
std::span<const Unit> PressureUnits() { return kPressure; }
std::span<const Unit> TemperatureUnits() { return kTemperature; }

std::span<const Unit> LengthUnits(LengthList list) {
  switch (list) {
    case LengthList::Metre: return kMetre;
    case LengthList::Area: return kArea;
    case LengthList::Millimetre: break;
  }
  return kMillimetre;
}

std::optional<long double> PressureToBar(std::string_view unit, long double value) {
  if (unit == "psig") return (value + kAtmosphereInPsi) * kPsiInBar;
  if (unit == "psi") return value * kPsiInBar;
  for (const Unit& entry : kPressure) {
    if (entry.name == unit) return value * entry.factor;
  }
  return std::nullopt;
}

std::optional<long double> TemperatureToKelvin(std::string_view unit, long double value) {
  if (unit == "°C") return value + kZeroCelsiusInKelvin;
  if (unit == "K") return value;
  // The Fahrenheit factors are rounded: 32 degF is 273.15792 K.
  if (unit == "degF") return value * kFahrenheitDegreeInKelvin + kZeroFahrenheitInKelvin;
  if (unit == "°R") return value * kReaumurDegreeInKelvin + kZeroCelsiusInKelvin;
  return std::nullopt;
}

long double StandardToOperating(long double standardFlow, long double inletPressureBar, long double inletTemperatureK) {
  return standardFlow * kAtmosphereInBar * inletTemperatureK / (inletPressureBar * kZeroCelsiusInKelvin);
}

const Unit* UnitAt(std::span<const Unit> list, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return nullptr;
  return &list[static_cast<std::size_t>(index)];
}

std::string_view UnitName(std::span<const Unit> list, int index) {
  const Unit* unit = UnitAt(list, index);
  return unit != nullptr ? unit->name : std::string_view();
}

std::optional<long double> ToBase(std::span<const Unit> list, int index, long double value, long double density) {
  const Unit* unit = UnitAt(list, index);
  if (unit == nullptr) return std::nullopt;
  switch (unit->density) {
    case DensityScale::Divide: return value * unit->factor / density;
    case DensityScale::Multiply: return value * unit->factor * density;
    case DensityScale::None: break;
  }
  return value * unit->factor;
}

}  // namespace velmora::units
