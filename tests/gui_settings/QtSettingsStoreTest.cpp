#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <string>

#include "TestTexts.h"
#include "settings/QtSettingsStore.h"
#include "settings/ReadSettings.h"
#include "settings/SettingsSamples.h"
#include "settings/WriteSettings.h"

namespace velmora::gui {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

struct PathCase {
  const char* name;
  std::string baseKey;
  QString expected;
};

class SettingsFilePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(SettingsFilePathTest, FollowsTheBaseKey) {
  EXPECT_EQ(SettingsFilePath("/home/u/.config", GetParam().baseKey), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    BaseKeys, SettingsFilePathTest,
    ::testing::Values(
        PathCase{"ProgramKey", R"(Software\Velmora\Velmora6\)", "/home/u/.config/Velmora/Velmora6.ini"},
        PathCase{"WithoutTrailingBackslash", R"(Software\Velmora\Velmora6)", "/home/u/.config/Velmora/Velmora6.ini"},
        PathCase{"LowerCaseSoftwareAndSlashes", "software/Acme/Tools/Calc/", "/home/u/.config/Acme/Tools/Calc.ini"},
        PathCase{"OnePart", "Velmora6", "/home/u/.config/Velmora6.ini"},
        PathCase{"RelativePartsDropped", R"(Software\..\..\Velmora\.\V6\)", "/home/u/.config/Velmora/V6.ini"},
        PathCase{"Empty", "", "/home/u/.config/Velmora.ini"}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

TEST(UserSettingsFile, LiesInTheUsersConfigurationFolder) {
  // Global text 114 is the base key of this build.
  const QString path = UserSettingsFile(German().GlobalText(114));
  EXPECT_EQ(path, QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Velmora/Velmora6.ini");
}

class QtSettingsStoreTest : public ::testing::Test {
 protected:
  QString File(const char* name = "Velmora/Velmora6.ini") const { return folder_.filePath(name); }
  QString Contents(const QString& path) const {
    QFile file(path);
    file.open(QFile::ReadOnly);
    return QString::fromUtf8(file.readAll());
  }

  QTemporaryDir folder_;
};

TEST_F(QtSettingsStoreTest, SettingsSurviveInAnIniFile) {
  settings::StoredSettings written =
      settings::ReadSettings(settings::samples::StoreOf(settings::samples::EarlierRun()), 'D', German());
  written.recentFilesStored = false;
  {
    QtSettingsStore store(File());
    ASSERT_TRUE(settings::WriteSettings(store, written));
  }
  const QString text = Contents(File());
  // One INI group per section, one line per value (QSettings sorts both by name).
  EXPECT_TRUE(text.contains("[Allgemein]\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("\nmetrisch=I\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("\nArt=Luft 20 °C\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("[Rohr]")) << text.toStdString();
  EXPECT_TRUE(text.contains("RNormspaltenbreite0=160")) << text.toStdString();

  const QtSettingsStore store(File());
  settings::samples::ExpectSameSettings(settings::ReadSettings(store, 'D', German()), written);
}

TEST_F(QtSettingsStoreTest, ReadsNothingForMissingValuesAndSections) {
  QtSettingsStore store(File());
  EXPECT_FALSE(store.Read("Allgemein", "metrisch").has_value());
  EXPECT_FALSE(store.HasSection("RecentFiles"));
  store.Write("RecentFiles", "fMaxEntries", "6");
  EXPECT_TRUE(store.HasSection("RecentFiles"));
  EXPECT_FALSE(store.HasSection("Allgemein"));
  EXPECT_FALSE(store.Read("RecentFiles", "fPathFormat").has_value());
}

TEST_F(QtSettingsStoreTest, TextsComeBackAsWritten) {
  const std::string texts[] = {"1,0", "Luft 20 °C; Druck=2 bar", "@M", "", " Wasser ", "a\\b\"c", "Öl [heiß]"};
  {
    QtSettingsStore store(File());
    for (std::size_t i = 0; i < std::size(texts); ++i) store.Write("Medium", "T" + std::to_string(i), texts[i]);
    ASSERT_TRUE(store.Flush());
  }
  const QtSettingsStore store(File());
  for (std::size_t i = 0; i < std::size(texts); ++i) {
    EXPECT_EQ(store.Read("Medium", "T" + std::to_string(i)), texts[i]) << texts[i];
  }
}

TEST_F(QtSettingsStoreTest, HandEditedValueWithACommaReadsWhole) {
  QFile file(File("hand.ini"));
  ASSERT_TRUE(file.open(QFile::WriteOnly));
  file.write("[Medium]\nMenge=1,5\n");
  file.close();
  const QtSettingsStore store(File("hand.ini"));
  EXPECT_EQ(store.Read("Medium", "Menge"), "1,5");
}

TEST_F(QtSettingsStoreTest, UnwritableFolderIsReported) {
  // A file where the settings folder should be: nothing can be created below it.
  QFile blocker(File("Velmora"));
  ASSERT_TRUE(blocker.open(QFile::WriteOnly));
  blocker.close();
  QtSettingsStore store(File("Velmora/Velmora6.ini"));
  settings::StoredSettings settings = settings::ReadSettings(store, 'D', German());
  settings.windows = settings::WindowPlacements{};
  EXPECT_FALSE(settings::WriteSettings(store, settings));
}

TEST_F(QtSettingsStoreTest, DamagedFileIsOverwritten) {
  QFile file(File("damaged.ini"));
  ASSERT_TRUE(file.open(QFile::WriteOnly));
  file.write("[Allgemein\nmetrisch=\"I\n\x01\x02");
  file.close();
  QtSettingsStore store(File("damaged.ini"));
  settings::StoredSettings settings = settings::ReadSettings(store, 'D', German());
  EXPECT_FALSE(settings.display.us);
  settings.windows = settings::WindowPlacements{};
  EXPECT_TRUE(settings::WriteSettings(store, settings));
  const QtSettingsStore reread(File("damaged.ini"));
  EXPECT_EQ(reread.Read("Allgemein", "Nachkomma"), "3");
}

}  // namespace
}  // namespace velmora::gui
