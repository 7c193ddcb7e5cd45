#include "settings/StoredSettings.h"

#include "text/GlobalTexts.h"

namespace velmora::settings {
std::array<int, 2> DefaultStandardColumnWidths(text::Edition edition) { return {edition == 'E' ? 150 : 145, 150}; }

void ApplyDefaults(StoredSettings& settings, text::Edition edition, const text::TextStore& texts) {
  settings.display.decimals = 3;
  settings.display.captionShowsPath = true;
  settings.upgradeCheck = false;
  settings.userDatabaseUnits = kUserDatabaseMetric;
  settings.standardColumnWidths = DefaultStandardColumnWidths(edition);

  // The stored inputs take the designer defaults; the element and its dimension texts stay.
  const mainform::MainForm defaults = mainform::MainForm::Defaults(edition);
  mainform::MainForm& form = settings.form;
  form.medium = texts.GlobalText(text::global::kDefaultMedium);
  form.flowKind = defaults.flowKind;
  form.flow = defaults.flow;
  form.flowUnit = defaults.flowUnit;
  form.density = defaults.density;
  form.densityUnit = defaults.densityUnit;
  form.viscosityKind = defaults.viscosityKind;
  form.viscosity = defaults.viscosity;
  form.viscosityUnit = defaults.viscosityUnit;
  form.gas = defaults.gas;
  form.inletPressure = defaults.inletPressure;
  form.inletPressureUnit = defaults.inletPressureUnit;
  form.inletTemperature = defaults.inletTemperature;
  form.inletTemperatureUnit = defaults.inletTemperatureUnit;
  form.outletTemperature = defaults.outletTemperature;
  form.outletTemperatureUnit = defaults.outletTemperatureUnit;
  form.dimensionUnits = {0, 0, 0, 0, 0};
  form.roughness = defaults.roughness;
  form.roughnessUnit = defaults.roughnessUnit;
}

StoredSettings DefaultSettings(text::Edition edition, const text::TextStore& texts, const mainform::MainForm& form) {
  StoredSettings settings;
  settings.form = form;
  ApplyDefaults(settings, edition, texts);
  return settings;
}

}  // namespace velmora::settings
