#include "SettingsSamples.h"

#include <gtest/gtest.h>

namespace velmora::settings::samples {

const std::vector<StoredValue>& EarlierRun() {
  static const std::vector<StoredValue> values = {
      {"Allgemein", "metrisch", "I"},
      {"Allgemein", "espeichern", "0"},
      {"Allgemein", "upgradepruefung", "j"},
      {"Allgemein", "Nachkomma", "5"},
      {"Allgemein", "Ben_Daba_Einheit", "1"},
      {"Allgemein", "Tabellenkopf", "Pfad"},
      {"Allgemein", "RNormspaltenbreite0", "160"},
      {"Allgemein", "RNormspaltenbreite1", "170"},
      {"Fenster", "HF_Left", "12"},
      {"Fenster", "HF_Top", "34"},
      {"Fenster", "AF_Left", "40"},
      {"Fenster", "AF_Top", "300"},
      {"Fenster", "AF_Width", "900"},
      {"Fenster", "AF_Height", "500"},
      {"Fenster", "KA_Left", "700"},
      {"Fenster", "KA_Top", "-20"},
      {"Fenster", "KA_Width", "320"},
      {"Fenster", "KA_Height", "240"},
      {"Fenster", "KA_Grid1", "80"},
      {"Fenster", "KA_Grid2", "60"},
      {"Fenster", "KA_Grid3", "61"},
      {"Fenster", "KA_Grid4", "90"},
      {"Medium", "Art", "Luft 20 °C"},
      {"Medium", "Vol_Mastrom", "1"},
      {"Medium", "Menge", "250"},
      {"Medium", "Menge_Einheit", "2"},
      {"Medium", "Dichte", "1,205"},
      {"Medium", "Dichte_Einheit", "2"},
      {"Medium", "Dyn_KinVisko", "1"},
      {"Medium", "Visko", "15,1"},
      {"Medium", "Visko_Einheit", "5"},
      {"Medium", "fluessig", "1"},
      {"Gasdaten", "E_Druck", "1013"},
      {"Gasdaten", "E_Druck_Einheit", "1"},
      {"Gasdaten", "E_Temp", "20"},
      {"Gasdaten", "E_Temp_Einheit", "0"},
      {"Gasdaten", "A_Temp", "288,15"},
      {"Gasdaten", "A_Temp_Einheit", "1"},
      {"Rohr", "Gruppe", "4"},
      {"Rohr", "UGruppe", "1"},
      {"Rohr", "Va1", "2"},
      {"Rohr", "Va2", "75"},
      {"Rohr", "Va3", "90"},
      {"Rohr", "Va4", ""},
      {"Rohr", "Va5", "1"},
      {"Rohr", "Va1_Einheit", "1"},
      {"Rohr", "Va2_Einheit", "0"},
      {"Rohr", "Va3_Einheit", "0"},
      {"Rohr", "Va4_Einheit", "0"},
      {"Rohr", "Va5_Einheit", "0"},
      {"Rohr", "VaRauh", "0,05"},
      {"Rohr", "VaRauh_Einheit", "1"},
  };
  return values;
}

MemorySettingsStore StoreOf(const std::vector<StoredValue>& values) {
  MemorySettingsStore store;
  for (const StoredValue& v : values) store.Write(v.section, v.name, v.value);
  return store;
}

void ExpectSameSettings(const StoredSettings& actual, const StoredSettings& expected) {
  EXPECT_EQ(actual.display.decimals, expected.display.decimals);
  EXPECT_EQ(actual.display.us, expected.display.us);
  EXPECT_EQ(actual.display.captionShowsPath, expected.display.captionShowsPath);
  EXPECT_EQ(actual.restore, expected.restore);
  EXPECT_EQ(actual.upgradeCheck, expected.upgradeCheck);
  EXPECT_EQ(actual.userDatabaseUnits, expected.userDatabaseUnits);
  EXPECT_EQ(actual.standardColumnWidths, expected.standardColumnWidths);
  EXPECT_EQ(actual.windows, expected.windows);
  EXPECT_EQ(actual.recentFilesStored, expected.recentFilesStored);
  const mainform::MainForm& a = actual.form;
  const mainform::MainForm& e = expected.form;
  EXPECT_EQ(a.elementGroup, e.elementGroup);
  EXPECT_EQ(a.elementKind, e.elementKind);
  EXPECT_EQ(a.description, e.description);
  EXPECT_EQ(a.count, e.count);
  EXPECT_EQ(a.dimensions, e.dimensions);
  EXPECT_EQ(a.dimensionUnits, e.dimensionUnits);
  EXPECT_EQ(a.roughness, e.roughness);
  EXPECT_EQ(a.roughnessUnit, e.roughnessUnit);
  EXPECT_EQ(a.option, e.option);
  EXPECT_EQ(a.branchFlow, e.branchFlow);
  EXPECT_EQ(a.medium, e.medium);
  EXPECT_EQ(a.flowKind, e.flowKind);
  EXPECT_EQ(a.flow, e.flow);
  EXPECT_EQ(a.flowUnit, e.flowUnit);
  EXPECT_EQ(a.density, e.density);
  EXPECT_EQ(a.densityUnit, e.densityUnit);
  EXPECT_EQ(a.viscosityKind, e.viscosityKind);
  EXPECT_EQ(a.viscosity, e.viscosity);
  EXPECT_EQ(a.viscosityUnit, e.viscosityUnit);
  EXPECT_EQ(a.gas, e.gas);
  EXPECT_EQ(a.inletPressure, e.inletPressure);
  EXPECT_EQ(a.inletPressureUnit, e.inletPressureUnit);
  EXPECT_EQ(a.inletTemperature, e.inletTemperature);
  EXPECT_EQ(a.inletTemperatureUnit, e.inletTemperatureUnit);
  EXPECT_EQ(a.outletTemperature, e.outletTemperature);
  EXPECT_EQ(a.outletTemperatureUnit, e.outletTemperatureUnit);
}

}  // namespace velmora::settings::samples
