#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SettingsSamples.h"
#include "TestTexts.h"
#include "settings/ReadSettings.h"
#include "settings/WriteSettings.h"

namespace velmora::settings {
namespace {

using mainform::MainForm;

const text::TextStore& German() { return testing_support::Texts('D'); }

// Settings far from every default: a gas through a rectangular bend, shown in US units.
StoredSettings NonDefault() {
  StoredSettings s = DefaultSettings('D', German(), MainForm::Defaults('D'));
  s.display = {6, true, false};
  s.upgradeCheck = true;
  s.userDatabaseUnits = kUserDatabaseUs;
  s.standardColumnWidths = {131, 142};
  s.windows = WindowPlacements{{5, 6}, {7, 408, 1024, 600}, {800, 10, 300, 200}, {70, 71, 72, 73}};
  MainForm& f = s.form;
  f.elementGroup = 4;
  f.elementKind = 4;
  f.dimensions = {"300", "200", "450", "90", "0,5"};
  f.dimensionUnits = {1, 1, 1, 0, 0};
  f.roughness = "0,004";
  f.roughnessUnit = 1;
  f.medium = "Erdgas; 0 °C";
  f.flowKind = 1;
  f.flow = "1.200,5";  // texts are stored as typed, even unreadable ones
  f.flowUnit = 7;
  f.density = "0,78";
  f.densityUnit = 10;
  f.viscosityKind = 1;
  f.viscosity = "";
  f.viscosityUnit = 3;
  f.gas = true;
  f.inletPressure = "14,7";
  f.inletPressureUnit = 12;
  f.inletTemperature = "68";
  f.inletTemperatureUnit = 2;
  f.outletTemperature = "40";
  f.outletTemperatureUnit = 3;
  return s;
}

TEST(WriteSettings, RoundTripRestoresEveryStoredValue) {
  MemorySettingsStore store;
  const StoredSettings written = NonDefault();
  ASSERT_TRUE(WriteSettings(store, written));
  samples::ExpectSameSettings(ReadSettings(store, 'D', German()), written);
}

TEST(WriteSettings, RoundTripOfAnEarlierRunWritesTheSameTexts) {
  const MemorySettingsStore earlier = samples::StoreOf(samples::EarlierRun());
  MemorySettingsStore rewritten;
  ASSERT_TRUE(WriteSettings(rewritten, ReadSettings(earlier, 'D', German())));
  for (const samples::StoredValue& v : samples::EarlierRun()) {
    EXPECT_EQ(rewritten.Read(v.section, v.name), v.value) << v.section << "/" << v.name;
  }
  EXPECT_EQ(rewritten.ValueCount(), samples::EarlierRun().size());
}

TEST(WriteSettings, WritesEverySectionInOrderWithFixedTexts) {
  MemorySettingsStore store;
  ASSERT_TRUE(WriteSettings(store, NonDefault()));
  // 8 general values, 14 window values, 10 of the medium, 6 gas data, 14 of the element.
  ASSERT_EQ(store.Writes().size(), 52u);
  std::vector<std::string> order;
  for (const auto& [section, name] : store.Writes()) {
    if (order.empty() || order.back() != section) order.push_back(section);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"Allgemein", "Fenster", "Medium", "Gasdaten", "Rohr"}));
  EXPECT_EQ(store.Read("Allgemein", "metrisch"), "I");
  EXPECT_EQ(store.Read("Allgemein", "upgradepruefung"), "j");
  EXPECT_EQ(store.Read("Allgemein", "Nachkomma"), "6");
  EXPECT_EQ(store.Read("Allgemein", "Tabellenkopf"), "Datei");
  EXPECT_EQ(store.Read("Medium", "fluessig"), "1");
  EXPECT_EQ(store.Read("Medium", "Menge"), "1.200,5");
  EXPECT_EQ(store.Read("Gasdaten", "E_Druck_Einheit"), "12");
  EXPECT_EQ(store.Read("Rohr", "Va5"), "0,5");
}

TEST(WriteSettings, DefaultsWriteMetricPathAndLiquid) {
  MemorySettingsStore store;
  StoredSettings defaults = DefaultSettings('D', German(), MainForm::Defaults('D'));
  defaults.windows = WindowPlacements{};
  ASSERT_TRUE(WriteSettings(store, defaults));
  EXPECT_EQ(store.Read("Allgemein", "metrisch"), "M");
  EXPECT_EQ(store.Read("Allgemein", "espeichern"), "0");
  EXPECT_EQ(store.Read("Allgemein", "upgradepruefung"), "n");
  EXPECT_EQ(store.Read("Allgemein", "Nachkomma"), "3");
  EXPECT_EQ(store.Read("Allgemein", "Tabellenkopf"), "Pfad");
  EXPECT_EQ(store.Read("Allgemein", "RNormspaltenbreite0"), "145");
  EXPECT_EQ(store.Read("Medium", "Art"), "Wasser");
  EXPECT_EQ(store.Read("Medium", "fluessig"), "0");
}

// "espeichern" = "1": the next start shows the defaults, yet the inputs are written at close.
TEST(WriteSettings, RestoreNoStillWritesTheInputs) {
  MemorySettingsStore store;
  StoredSettings settings = NonDefault();
  settings.restore = kRestoreNo;
  ASSERT_TRUE(WriteSettings(store, settings));
  EXPECT_EQ(store.Read("Allgemein", "espeichern"), "1");
  EXPECT_EQ(store.Read("Medium", "Art"), "Erdgas; 0 °C");

  const StoredSettings next = ReadSettings(store, 'D', German());
  EXPECT_EQ(next.restore, kRestoreNo);
  EXPECT_EQ(next.form.medium, "Wasser");
  EXPECT_FALSE(next.form.gas);
  // Closing again writes the defaults the user now sees.
  ASSERT_TRUE(WriteSettings(store, next));
  EXPECT_EQ(store.Read("Medium", "Art"), "Wasser");
}

// The first start after a close: everything written, everything restored.
TEST(WriteSettings, FirstStartThenCloseThenRestore) {
  MemorySettingsStore store;
  StoredSettings first = ReadSettings(store, 'D', German());
  first.form.flow = "12";
  first.windows = WindowPlacements{{20, 20}, {20, 300, 900, 540}, {10, 10, 400, 300}, {100, 80, 80, 80}};
  ASSERT_TRUE(WriteSettings(store, first));
  const StoredSettings second = ReadSettings(store, 'D', German());
  EXPECT_EQ(second.form.flow, "12");
  EXPECT_EQ(second.windows, first.windows);
}

TEST(WriteSettings, WithoutWindowPlacesTheWindowValuesAreLeftAlone) {
  MemorySettingsStore store = samples::StoreOf(samples::EarlierRun());
  StoredSettings settings = NonDefault();
  settings.windows.reset();
  ASSERT_TRUE(WriteSettings(store, settings));
  EXPECT_EQ(store.Writes().size(), samples::EarlierRun().size() + 38u);
  EXPECT_EQ(store.Read("Fenster", "HF_Left"), "12");
}

TEST(WriteSettings, RefusedWritesAreReported) {
  MemorySettingsStore store;
  store.SetFailWrites(true);
  EXPECT_FALSE(WriteSettings(store, NonDefault()));
}

}  // namespace
}  // namespace velmora::settings
