#include "fluids/MediumTakeOver.h"

#include "units/UnitLists.h"

namespace velmora::fluids {

void MediumTakeOver::SetUnits(bool us) {
  densityUnit = us ? kDensityUnitUs : kDensityUnitMetric;
  viscosityKind = 0;
  viscosityUnit = us ? kViscosityUnitUs : kViscosityUnitMetric;
}

void WriteTakeOver(const MediumTakeOver& takeOver, mainform::MainForm& form) {
  form.gas = takeOver.gas;
  if (takeOver.gasData) {
    form.inletPressure = takeOver.gasData->pressure;
    form.inletPressureUnit = takeOver.gasData->pressureUnit;
    form.inletTemperature = takeOver.gasData->temperature;
    form.inletTemperatureUnit = takeOver.gasData->temperatureUnit;
    form.outletTemperature = takeOver.gasData->temperature;
    form.outletTemperatureUnit = takeOver.gasData->temperatureUnit;
  }
  form.density = takeOver.density;
  form.viscosity = takeOver.viscosity;
  form.medium = takeOver.description;
  form.densityUnit = takeOver.densityUnit;
  form.viscosityKind = takeOver.viscosityKind;
  form.viscosityUnit = takeOver.viscosityUnit;
}

MediumTakeOver LiquidTakeOver(std::string description, std::string density, std::string viscosity, bool us) {
  MediumTakeOver takeOver;
  takeOver.description = std::move(description);
  takeOver.density = std::move(density);
  takeOver.viscosity = std::move(viscosity);
  takeOver.SetUnits(us);
  return takeOver;
}

std::string StateDescription(const std::string& name, const std::string& first, std::string_view firstUnit,
                             const std::string& second, std::string_view secondUnit) {
  std::string description = name + " (" + first + " ";
  description += firstUnit;
  if (!second.empty()) {
    description += ", " + second + " ";
    description += secondUnit;
  }
  return description + ")";
}

std::string StateDescription(const std::string& name, const GasTakeOver& state) {
  return StateDescription(name, state.pressure, units::UnitName(units::PressureUnits(), state.pressureUnit),
                          state.temperature, units::UnitName(units::TemperatureUnits(), state.temperatureUnit));
}

MediumTakeOver StateTakeOver(const std::string& name, const GasTakeOver& state, bool gas, std::string density,
                             std::string viscosity, bool us) {
  MediumTakeOver takeOver;
  takeOver.description = StateDescription(name, state);
  takeOver.gas = gas;
  takeOver.density = std::move(density);
  takeOver.viscosity = std::move(viscosity);
  takeOver.SetUnits(us);
  if (gas) takeOver.gasData = state;
  return takeOver;
}

}  // namespace velmora::fluids
