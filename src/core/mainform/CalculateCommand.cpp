#include "mainform/CalculateCommand.h"

#include "catalogue/ElementLayout.h"
#include "units/Numbers.h"
#include "units/UnitLists.h"

namespace velmora::mainform {
namespace {

using hydraulics::MainInput;

bool IsBranchPiece(const MainForm& form) {
  return form.elementGroup == 5 && (form.elementKind == 5 || form.elementKind == 6);
}

bool IsStandardFlowUnit(const MainForm& form) {
  const units::Unit* unit = units::UnitAt(units::FlowUnits(form.flowKind), form.flowUnit);
  return unit != nullptr && unit->standard;
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

std::optional<long double> ToBaseOrZero(std::span<const units::Unit> list, int index, long double value,
                                        long double density = 1) {
  // A list without a selection counts in its first unit.
  return units::ToBase(list, index < 0 ? 0 : index, value, density);
}

// Reads the operating data that the conversion needs: flow, density, viscosity, the branch flow of
// a branch piece and the gas data of a gas.
void ReadOperatingData(const MainForm& form, CalculationValues& values) {
  values.flow = units::ParseNumber(form.flow);
  values.density = units::ParseNumber(form.density);
  values.viscosity = units::ParseNumber(form.viscosity);
  if (IsBranchPiece(form)) values.branchFlow = units::ParseNumber(form.branchFlow);
  if (form.gas) {
    values.inletPressure = units::ParseNumber(form.inletPressure);
    values.inletTemperature = units::ParseNumber(form.inletTemperature);
    values.outletTemperature = units::ParseNumber(form.outletTemperature);
  }
  values.standardFlowUnit = IsStandardFlowUnit(form);
}

// The operating data as read, in base units; nothing when one of them or its unit cannot be used.
std::optional<MainInput> ConvertOperatingData(const MainForm& form, const CalculationValues& values) {
  MainInput input;
  input.ElementGroup = form.elementGroup;
  input.ElementKind = form.elementKind;
  input.Option = form.option;
  input.Gas = form.gas;

  if (!values.density || !values.flow || !values.viscosity) return std::nullopt;
  const auto rho = ToBaseOrZero(units::DensityUnits(), form.densityUnit, *values.density);
  if (!rho) return std::nullopt;
  input.Density = *rho;
  const auto q = ToBaseOrZero(units::FlowUnits(form.flowKind), form.flowUnit, *values.flow, input.Density);
  const auto eta =
      ToBaseOrZero(units::ViscosityUnits(form.viscosityKind), form.viscosityUnit, *values.viscosity, input.Density);
  if (!q || !eta) return std::nullopt;
  input.VolumeFlow = *q;
  input.Viscosity = *eta;

  if (form.gas) {
    if (!values.inletPressure || !values.inletTemperature || !values.outletTemperature) return std::nullopt;
    const auto bar = units::PressureToBar(
        units::UnitName(units::PressureUnits(), form.inletPressureUnit < 0 ? 0 : form.inletPressureUnit),
        *values.inletPressure);
    const auto k1 = units::TemperatureToKelvin(
        units::UnitName(units::TemperatureUnits(), form.inletTemperatureUnit < 0 ? 0 : form.inletTemperatureUnit),
        *values.inletTemperature);
    const auto k2 = units::TemperatureToKelvin(
        units::UnitName(units::TemperatureUnits(), form.outletTemperatureUnit < 0 ? 0 : form.outletTemperatureUnit),
        *values.outletTemperature);
    if (!bar || !k1 || !k2) return std::nullopt;
    input.InletPressure = *bar;
    input.InletTemperature = *k1;
    input.OutletTemperature = *k2;
    if (values.standardFlowUnit) {
      input.VolumeFlow = units::StandardToOperating(input.VolumeFlow, input.InletPressure, input.InletTemperature);
    }
  }

  if (IsBranchPiece(form)) {
    // The branch flow is typed in the main flow's unit.
    if (!values.branchFlow) return std::nullopt;
    const auto q2 = ToBaseOrZero(units::FlowUnits(form.flowKind), form.flowUnit, *values.branchFlow, input.Density);
    if (!q2) return std::nullopt;
    input.BranchFlow = *q2;
    if (form.gas && values.standardFlowUnit) {
      input.BranchFlow = units::StandardToOperating(input.BranchFlow, input.InletPressure, input.InletTemperature);
    }
  }
  return input;
}

// Converts the dimensions and the roughness as read into the input; false when a unit cannot be used.
bool ConvertDimensions(const MainForm& form, const catalogue::ElementLayout& layout, const CalculationValues& values,
                       MainInput& input) {
  long double* const targets[] = {&input.Input1, &input.Input2, &input.Input3, &input.Input4, &input.Input5};
  for (std::size_t slot = 0; slot < 5; ++slot) {
    const auto& value = values.dimensions[slot];
    if (!value) continue;  // hidden, or unread (the checks stop there)
    const auto list = catalogue::SlotUnits(layout.slotLayouts[slot].unit);
    const auto converted = list.empty() ? value : ToBaseOrZero(list, form.dimensionUnits[slot], *value);
    if (!converted) return false;
    *targets[slot] = *converted;
  }
  if (values.roughness) {
    const auto k =
        ToBaseOrZero(units::LengthUnits(units::LengthList::Millimetre), form.roughnessUnit, *values.roughness);
    if (!k) return false;
    input.Input6 = *k;
  }
  return true;
}

}  // namespace

std::optional<MainInput> ConvertMainInputs(const MainForm& form) {
  CalculationValues values;
  ReadOperatingData(form, values);
  return ConvertOperatingData(form, values);
}

CalculateChecks CheckCalculateInputs(const MainForm& form, const text::TextStore& texts,
                                     const CalculateOptions& options) {
  const catalogue::ElementLayout* layout = catalogue::FindLayout(form.elementGroup, form.elementKind);
  if (layout == nullptr) return {};

  // Every text is read once here; the checks and the conversion share the readings.
  CalculationValues values;
  for (std::size_t slot = 0; slot < 5; ++slot) {
    if (layout->UsesSlot(static_cast<int>(slot))) values.dimensions[slot] = units::ParseNumber(form.dimensions[slot]);
  }
  values.count = units::ParseNumber(form.count);
  if (layout->roughness) values.roughness = units::ParseNumber(form.roughness);
  ReadOperatingData(form, values);

  values.input.ElementGroup = form.elementGroup;
  values.input.ElementKind = form.elementKind;
  values.input.Option = form.option;
  values.input.Gas = form.gas;
  if (std::optional<MainInput> input = ConvertOperatingData(form, values);
      input && ConvertDimensions(form, *layout, values, *input)) {
    values.input = *input;
  } else {
    values.converted = false;
  }
  // An empty gas edit would read as 0 and is reported as an invalid field instead.
  if (form.gas) {
    if (IsBlank(form.inletPressure)) values.inletPressure.reset();
    if (IsBlank(form.inletTemperature)) values.inletTemperature.reset();
    if (IsBlank(form.outletTemperature)) values.outletTemperature.reset();
  }
  return CheckCalculation(values, texts, FieldCaptions::For(form, texts), options);
}

}  // namespace velmora::mainform
