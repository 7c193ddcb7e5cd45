#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "SettingsSamples.h"
#include "TestTexts.h"
#include "settings/ReadSettings.h"

namespace velmora::settings {
namespace {

using mainform::MainForm;
using samples::EarlierRun;
using samples::StoreOf;

StoredSettings Read(const MemorySettingsStore& store, text::Edition edition = 'D') {
  return ReadSettings(store, edition, testing_support::Texts(edition));
}

// The first start: nothing stored, every default of the settings table.
struct FirstStartCase {
  const char* name;
  text::Edition edition;
  std::string medium;  // global text 150 of the edition
  std::string flow;    // "1,0", with a point in 'E'
  std::string roughness;
  int firstColumnWidth;  // 145, 150 in 'E'
};

class FirstStartTest : public ::testing::TestWithParam<FirstStartCase> {};

TEST_P(FirstStartTest, EmptyStoreGivesTheDefaults) {
  const FirstStartCase& c = GetParam();
  const StoredSettings settings = Read(MemorySettingsStore{}, c.edition);
  EXPECT_FALSE(settings.display.us);
  EXPECT_EQ(settings.display.decimals, 3);
  EXPECT_TRUE(settings.display.captionShowsPath);
  EXPECT_EQ(settings.restore, kRestoreYes);
  EXPECT_FALSE(settings.upgradeCheck);
  EXPECT_EQ(settings.userDatabaseUnits, kUserDatabaseMetric);
  EXPECT_EQ(settings.standardColumnWidths, (std::array<int, 2>{c.firstColumnWidth, 150}));
  EXPECT_FALSE(settings.windows.has_value());
  EXPECT_FALSE(settings.recentFilesStored);
  EXPECT_EQ(settings.form.medium, c.medium);
  EXPECT_EQ(settings.form.flow, c.flow);
  EXPECT_EQ(settings.form.density, c.edition == 'E' ? "998.2" : "998,2");
  EXPECT_EQ(settings.form.viscosity, "1002");
  EXPECT_EQ(settings.form.roughness, c.roughness);
  EXPECT_FALSE(settings.form.gas);
  EXPECT_EQ(settings.form.inletPressure, "1");
  EXPECT_EQ(settings.form.inletTemperature, "300");
  EXPECT_EQ(settings.form.outletTemperature, "250");
}

INSTANTIATE_TEST_SUITE_P(Editions, FirstStartTest,
                         ::testing::Values(FirstStartCase{"German", 'D', "Wasser", "1,0", "0,1", 145},
                                           FirstStartCase{"English", 'E', "Water", "1.0", "0.1", 150},
                                           FirstStartCase{"French", 'F', "Eau", "1,0", "0,1", 145},
                                           FirstStartCase{"Dutch", 'H', "Water", "1,0", "0,1", 145}),
                         [](const ::testing::TestParamInfo<FirstStartCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ReadSettings, FirstStartKeepsTheElementAndTheDimensionTextsOfTheForm) {
  MainForm designer = MainForm::Defaults('D');
  designer.elementGroup = 3;
  designer.elementKind = 2;
  designer.dimensions = {"80", "100", "45", "", ""};
  designer.dimensionUnits = {1, 1, 0, 0, 0};
  designer.description = "Diffusor";
  const StoredSettings settings = ReadSettings(MemorySettingsStore{}, 'D', testing_support::Texts('D'), designer);
  EXPECT_EQ(settings.form.elementGroup, 3);
  EXPECT_EQ(settings.form.elementKind, 2);
  EXPECT_EQ(settings.form.dimensions, designer.dimensions);
  EXPECT_EQ(settings.form.description, "Diffusor");
  // The dimension units are reset to their first entry.
  EXPECT_EQ(settings.form.dimensionUnits, (std::array<int, 5>{0, 0, 0, 0, 0}));
}

TEST(ReadSettings, RestoresEveryValueOfAnEarlierRun) {
  MemorySettingsStore store = StoreOf(EarlierRun());
  store.Write("RecentFiles", "fMaxEntries", "6");
  const StoredSettings settings = Read(store);
  EXPECT_TRUE(settings.display.us);
  EXPECT_EQ(settings.display.decimals, 5);
  EXPECT_TRUE(settings.display.captionShowsPath);
  EXPECT_EQ(settings.restore, kRestoreYes);
  EXPECT_TRUE(settings.upgradeCheck);
  EXPECT_EQ(settings.userDatabaseUnits, kUserDatabaseUs);
  EXPECT_EQ(settings.standardColumnWidths, (std::array<int, 2>{160, 170}));
  ASSERT_TRUE(settings.windows.has_value());
  EXPECT_EQ(settings.windows->mainWindow, (WindowPlace{12, 34}));
  EXPECT_EQ(settings.windows->resultsWindow, (WindowBounds{40, 300, 900, 500}));
  EXPECT_EQ(settings.windows->shortDisplay, (WindowBounds{700, -20, 320, 240}));
  EXPECT_EQ(settings.windows->shortDisplayColumns, (std::array<int, 4>{80, 60, 61, 90}));
  EXPECT_TRUE(settings.recentFilesStored);

  const MainForm& f = settings.form;
  EXPECT_EQ(f.medium, "Luft 20 °C");
  EXPECT_EQ(f.flowKind, 1);
  EXPECT_EQ(f.flow, "250");
  EXPECT_EQ(f.flowUnit, 2);
  EXPECT_EQ(f.density, "1,205");
  EXPECT_EQ(f.densityUnit, 2);
  EXPECT_EQ(f.viscosityKind, 1);
  EXPECT_EQ(f.viscosity, "15,1");
  EXPECT_EQ(f.viscosityUnit, 5);
  EXPECT_TRUE(f.gas);
  EXPECT_EQ(f.inletPressure, "1013");
  EXPECT_EQ(f.inletPressureUnit, 1);
  EXPECT_EQ(f.inletTemperature, "20");
  EXPECT_EQ(f.inletTemperatureUnit, 0);
  EXPECT_EQ(f.outletTemperature, "288,15");
  EXPECT_EQ(f.outletTemperatureUnit, 1);
  EXPECT_EQ(f.elementGroup, 4);
  EXPECT_EQ(f.elementKind, 1);
  EXPECT_EQ(f.dimensions, (std::array<std::string, 5>{"2", "75", "90", "", "1"}));
  EXPECT_EQ(f.dimensionUnits, (std::array<int, 5>{1, 0, 0, 0, 0}));
  EXPECT_EQ(f.roughness, "0,05");
  EXPECT_EQ(f.roughnessUnit, 1);
}

// One value of the earlier run changed (or removed, with nullopt) and what the start then shows.
struct EdgeCase {
  const char* name;
  std::string section;
  std::string key;
  std::optional<std::string> value;
  std::function<void(const StoredSettings&)> check;
};

void ExpectAbandoned(const StoredSettings& s) {
  EXPECT_FALSE(s.display.us);  // the earlier run chose US
  EXPECT_EQ(s.display.decimals, 3);
  EXPECT_EQ(s.restore, kRestoreYes);
  EXPECT_FALSE(s.windows.has_value());
  EXPECT_EQ(s.form.medium, "Wasser");
  EXPECT_FALSE(s.form.gas);
  EXPECT_EQ(s.standardColumnWidths, (std::array<int, 2>{145, 150}));
}

void ExpectRestored(const StoredSettings& s) {
  EXPECT_TRUE(s.windows.has_value());
  EXPECT_EQ(s.form.medium, "Luft 20 °C");
}

class EdgeCaseTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(EdgeCaseTest, ReadsAsExpected) {
  const EdgeCase& c = GetParam();
  MemorySettingsStore store = StoreOf(EarlierRun());
  if (c.value) {
    store.Write(c.section, c.key, *c.value);
  } else {
    store.Remove(c.section, c.key);
  }
  c.check(Read(store));
}

const EdgeCase kEdgeCases[] = {
    // "espeichern" = "1": the defaults, but the unit system stays as read.
    {"RestoreNo", "Allgemein", "espeichern", "1",
     [](const StoredSettings& s) {
       EXPECT_EQ(s.restore, kRestoreNo);
       EXPECT_TRUE(s.display.us);
       EXPECT_EQ(s.display.decimals, 3);
       EXPECT_TRUE(s.display.captionShowsPath);
       EXPECT_FALSE(s.upgradeCheck);
       EXPECT_FALSE(s.windows.has_value());
       EXPECT_EQ(s.form.medium, "Wasser");
       EXPECT_EQ(s.form.flow, "1,0");
       EXPECT_FALSE(s.form.gas);
       EXPECT_EQ(s.form.roughness, "0,1");
       EXPECT_EQ(s.form.elementGroup, 1);  // the designer's element stays
     }},
    {"RestoreEmptyCountsAsYes", "Allgemein", "espeichern", "",
     [](const StoredSettings& s) {
       EXPECT_EQ(s.restore, kRestoreYes);
       ExpectRestored(s);
     }},
    {"RestoreMissingCountsAsYes", "Allgemein", "espeichern", std::nullopt, ExpectRestored},
    {"CaptionMissingShowsFileNameOnly", "Allgemein", "Tabellenkopf", std::nullopt,
     [](const StoredSettings& s) {
       EXPECT_FALSE(s.display.captionShowsPath);
       ExpectRestored(s);
     }},
    {"CaptionDatei", "Allgemein", "Tabellenkopf", "Datei",
     [](const StoredSettings& s) { EXPECT_FALSE(s.display.captionShowsPath); }},
    {"CaptionLowerCasePfadIsNotPfad", "Allgemein", "Tabellenkopf", "pfad",
     [](const StoredSettings& s) { EXPECT_FALSE(s.display.captionShowsPath); }},
    {"MetricXIsMetric", "Allgemein", "metrisch", "X",
     [](const StoredSettings& s) {
       EXPECT_FALSE(s.display.us);
       ExpectRestored(s);
     }},
    {"MetricM", "Allgemein", "metrisch", "M", [](const StoredSettings& s) { EXPECT_FALSE(s.display.us); }},
    {"MetricMissingIsMetric", "Allgemein", "metrisch", std::nullopt,
     [](const StoredSettings& s) { EXPECT_FALSE(s.display.us); }},
    {"LiquidZero", "Medium", "fluessig", "0", [](const StoredSettings& s) { EXPECT_FALSE(s.form.gas); }},
    {"LiquidOneIsGas", "Medium", "fluessig", "1", [](const StoredSettings& s) { EXPECT_TRUE(s.form.gas); }},
    {"LiquidOtherIsLiquid", "Medium", "fluessig", "2", [](const StoredSettings& s) { EXPECT_FALSE(s.form.gas); }},
    {"UpgradeCheckMissingIsOff", "Allgemein", "upgradepruefung", std::nullopt,
     [](const StoredSettings& s) {
       EXPECT_FALSE(s.upgradeCheck);
       ExpectRestored(s);
     }},
    {"MediumMissingIsEmpty", "Medium", "Art", std::nullopt,
     [](const StoredSettings& s) {
       EXPECT_EQ(s.form.medium, "");
       EXPECT_TRUE(s.windows.has_value());
     }},
    {"DecimalsZero", "Allgemein", "Nachkomma", "0", [](const StoredSettings& s) { EXPECT_EQ(s.display.decimals, 0); }},
    {"DecimalsSix", "Allgemein", "Nachkomma", "6", [](const StoredSettings& s) { EXPECT_EQ(s.display.decimals, 6); }},
    {"LastVolumeFlowUnit", "Medium", "Menge_Einheit", "7", ExpectRestored},  // mass flow: 8 entries
    // Damage anywhere in the restore abandons all of it.
    {"ColumnWidthMissing", "Allgemein", "RNormspaltenbreite0", std::nullopt, ExpectAbandoned},
    {"DecimalsSeven", "Allgemein", "Nachkomma", "7", ExpectAbandoned},
    {"DecimalsMissing", "Allgemein", "Nachkomma", std::nullopt, ExpectAbandoned},
    {"UserDatabaseUnitsTwo", "Allgemein", "Ben_Daba_Einheit", "2", ExpectAbandoned},
    {"WindowLeftNotAnInteger", "Fenster", "HF_Left", "12,5", ExpectAbandoned},
    {"GridColumnMissing", "Fenster", "KA_Grid4", std::nullopt, ExpectAbandoned},
    {"FlowKindMissing", "Medium", "Vol_Mastrom", std::nullopt, ExpectAbandoned},
    {"FlowUnitBeyondMassList", "Medium", "Menge_Einheit", "8", ExpectAbandoned},
    {"ViscosityUnitBeyondKinematicList", "Medium", "Visko_Einheit", "6", ExpectAbandoned},
    {"PressureUnitNegative", "Gasdaten", "E_Druck_Einheit", "-1", ExpectAbandoned},
    {"TemperatureUnitBeyondList", "Gasdaten", "A_Temp_Einheit", "4", ExpectAbandoned},
    {"GroupUnknown", "Rohr", "Gruppe", "14", ExpectAbandoned},
    {"KindUnknown", "Rohr", "UGruppe", "9", ExpectAbandoned},
    {"DimensionUnitMissing", "Rohr", "Va5_Einheit", std::nullopt, ExpectAbandoned},
    {"RoughnessUnitMissing", "Rohr", "VaRauh_Einheit", std::nullopt, ExpectAbandoned},
};

INSTANTIATE_TEST_SUITE_P(StoredValues, EdgeCaseTest, ::testing::ValuesIn(kEdgeCases),
                         [](const ::testing::TestParamInfo<EdgeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora::settings
