#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <functional>

#include "fluids/UserDatabase.h"
#include "gui/MainWindowFixture.h"

namespace velmora::gui {
namespace {

namespace fs = std::filesystem;

// The brine, oil, solution, estimation and user-database windows opened from the medium menu and
// driven while shown; USER.DAT lives in a folder of the test's own.
class MediaDialogs : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    window->SetUserMediaFolder(userFolder.path());
  }
  void Open(const char* command, std::function<void(QDialog&)> drive) {
    bool driven = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      drive(*dialog);
      driven = true;
      if (dialog->isVisible()) dialog->reject();
    });
    Find<QAction>(command)->trigger();
    EXPECT_TRUE(driven);
  }
  static void Set(QDialog& d, const char* edit, const QString& text) { d.findChild<QLineEdit*>(edit)->setText(text); }
  static void Click(QDialog& d, const char* button) { d.findChild<QPushButton*>(button)->click(); }
  static QString Label(QDialog& d, const char* name) { return d.findChild<QLabel*>(name)->text(); }
  static void Choose(QDialog& d, const QString& name) {
    auto* list = d.findChild<QListWidget*>("ListBox1");
    list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
  }
  void UseUsDatabaseUnits() {
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->findChild<QComboBox*>("ComboBox3")->setCurrentIndex(1);  // user database: US
      dialog->findChild<QPushButton*>("BitBtn1")->click();
    });
    Find<QAction>("Einstellungen2")->trigger();
  }
  QString Text(const char* edit) { return Find<QLineEdit>(edit)->text(); }
  int Index(const char* list) { return Find<QComboBox>(list)->currentIndex(); }
  fs::path UserFile() const { return fs::path(userFolder.path().toStdString()) / fluids::kUserFileName; }

  QTemporaryDir userFolder;
};

TEST_F(MediaDialogs, EveryMediumCommandIsEnabled) {
  for (const char* command : {"Stoffdatenabschtzen1", "WssrigeLsungenberechnen1", "Kuehlsolenberechnen",
                              "Wrmetrgerleberechnen1", "BenutzerdefinierteDatenbank1", "Stoffdatenbankbearbeiten1"}) {
    EXPECT_TRUE(Find<QAction>(command)->isEnabled()) << command;
  }
  for (const char* tool : {"ToolButton12", "ToolButton13", "ToolButton14"}) {
    EXPECT_TRUE(Find<QToolButton>(tool)->isEnabled()) << tool;
  }
}

TEST_F(MediaDialogs, BrineIsHandedOverAsALiquid) {
  Open("Kuehlsolenberechnen", [&](QDialog& d) {
    EXPECT_EQ(d.findChild<QListWidget*>("ListBox1")->count(), 10);
    EXPECT_EQ(Label(d, "BereichKonzentrationWert"), "0,0 .. 56,0 %");
    Set(d, "TemperaturEdit", "6,3333");
    Set(d, "KonzentrationEdit", "38,1615");
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "DichteWert"), "1056");
    EXPECT_EQ(Label(d, "ViskositaetWert"), "4276");
    EXPECT_EQ(Label(d, "SchmelzpunktTitel"), "Schmelzpunkt in °C:");
    Set(d, "TemperaturEdit", "6,3333 ");  // any change empties the results
    EXPECT_TRUE(Label(d, "DichteWert").isEmpty());
    EXPECT_FALSE(d.findChild<QPushButton*>("UebernehmenBtn")->isEnabled());
    Click(d, "BerechnenBtn");
    Click(d, "UebernehmenBtn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Ethylenglykol / Wasser (6,3333  °C, 38,1615 %)");
  EXPECT_TRUE(Find<QRadioButton>("Radio_fluessig")->isChecked());
  EXPECT_EQ(Text("Eingabe_Dichte"), "1056");
  EXPECT_EQ(Text("Eingabe_Viskositaet"), "4276");
  // Frozen: the freezing point named, the temperature edit focused, no values.
  Open("Kuehlsolenberechnen", [&](QDialog& d) {
    Choose(d, "Natriumchlorid / Wasser");
    Set(d, "TemperaturEdit", "-20");
    Set(d, "KonzentrationEdit", "20");
    Click(d, "BerechnenBtn");
    EXPECT_TRUE(Label(d, "DichteWert").isEmpty());
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].focus, "TemperaturEdit");
  EXPECT_NE(shown[0].text.find("-16,5 °C"), std::string::npos);
}

TEST_F(MediaDialogs, OilAndSolutionAreHandedOverAsLiquids) {
  Open("Wrmetrgerleberechnen1", [&](QDialog& d) {
    EXPECT_EQ(d.findChild<QListWidget*>("ListBox1")->count(), 11);
    Set(d, "TemperaturEdit", "100");
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "DichteWert"), "955");
    EXPECT_EQ(Label(d, "ViskositaetWert"), "3550");
    Click(d, "UebernehmenBtn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Synthetic aromatic HTF (modified terphenyl type) (100 °C)");
  EXPECT_EQ(Text("Eingabe_Viskositaet"), "3550");
  Open("WssrigeLsungenberechnen1", [&](QDialog& d) {
    Choose(d, "Sodium chloride");
    EXPECT_EQ(Label(d, "FormelWert"), "NaCl");
    // The mixture: the chosen solute into the first empty slot, twice; 5 + 5 % is 10 %.
    Click(d, "InMischungBtn");
    Click(d, "InMischungBtn");
    Set(d, "KonzEdit1", "5");
    Set(d, "KonzEdit2", "5");
    Set(d, "MischTemperaturEdit", "20");
    Click(d, "MischungBerechnenBtn");
    const QString mixture = Label(d, "MischDichteWert");
    Set(d, "TemperaturEdit", "20");
    Set(d, "KonzentrationEdit", "10");
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "DichteWert"), "1071");
    Click(d, "MischungBerechnenBtn");
    EXPECT_EQ(Label(d, "MischDichteWert"), "1071");
    Click(d, "EntfernenBtn2");  // one slot left: refused
    EXPECT_TRUE(d.findChild<QLineEdit*>("StoffEdit2")->text().isEmpty());
    Click(d, "MischungBerechnenBtn");
    EXPECT_TRUE(Label(d, "MischDichteWert").isEmpty());
    Click(d, "BerechnenBtn");
    Click(d, "UebernehmenBtn");
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Eine Mischung braucht mindestens zwei Stoffe.");
  EXPECT_EQ(Text("Eingabe_Medium"), "Sodium chloride (20 °C, 10 Massen-%)");
  EXPECT_EQ(Text("Eingabe_Dichte"), "1071");
}

TEST_F(MediaDialogs, EstimatedGasIsHandedOverWithItsState) {
  Open("Stoffdatenabschtzen1", [&](QDialog& d) {
    d.findChild<QLineEdit*>("SuchEdit")->setText("prop");
    emit d.findChild<QLineEdit*>("SuchEdit")->textEdited("prop");
    EXPECT_EQ(Label(d, "NameWert"), "Propane");
    EXPECT_EQ(Label(d, "CasWert"), "74-98-6 / R290");
    Set(d, "DruckEdit", "10");
    Set(d, "TemperaturEdit", "100");
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "ZustandWert"), "gasförmig");
    EXPECT_EQ(Label(d, "DichteWert"), "15,49");
    Click(d, "UebernehmenBtn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Propane (10 bar, 100 °C)");
  EXPECT_TRUE(Find<QRadioButton>("Radio_gas")->isChecked());
  EXPECT_EQ(Text("Eingabe_Dichte"), "15,49");
  EXPECT_EQ(Text("Edit_EingangsdruckN"), "10");
  EXPECT_EQ(Text("Edit_AusgangstemperaturN"), "100");
  // A mixture whose fractions do not add up: refused, nothing shown.
  Open("Stoffdatenabschtzen1", [&](QDialog& d) {
    Choose(d, "Benzene");
    Click(d, "InMischungBtn");
    Choose(d, "Toluene");
    Click(d, "InMischungBtn");
    Set(d, "AnteilEdit1", "60");
    Set(d, "AnteilEdit2", "39,9");
    Set(d, "MischTemperaturEdit", "25");
    Click(d, "MischungBerechnenBtn");
    EXPECT_TRUE(Label(d, "MischDichteWert").isEmpty());
    Set(d, "AnteilEdit2", "40");
    Click(d, "MischungBerechnenBtn");
    EXPECT_EQ(Label(d, "MischZustandWert"), "flüssig");
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "Die Anteile der Mischung müssen zusammen 100 % ergeben.");
}

// First use without USER.DAT: the warning, an empty list on which nothing is written back; a new
// record is saved and taken over from the choosing window; in US database units the main window
// gets the units the values are stored in.
TEST_F(MediaDialogs, UserDatabaseFromAnEmptyStart) {
  Open("Stoffdatenbankbearbeiten1", [&](QDialog& d) {
    EXPECT_EQ(Label(d, "PositionLabel"), "Datensatz 0 von 0");
    EXPECT_FALSE(d.findChild<QLineEdit*>("NameEdit")->isEnabled());
    Click(d, "VorBtn");
    Click(d, "LoeschenBtn");
    Click(d, "NeuBtn");
    EXPECT_EQ(Label(d, "PositionLabel"), "Datensatz 1 von 1");
    EXPECT_TRUE(d.findChild<QRadioButton*>("RadioFluessig")->isChecked());
    Set(d, "NameEdit", "Prozessgas");
    d.findChild<QRadioButton*>("RadioGas")->setChecked(true);
    Set(d, "TemperaturEdit", "68");
    Set(d, "DruckEdit", "14,7");
    Set(d, "DichteEdit", "0,075");
    Set(d, "ViskositaetEdit", "0,018");
    d.findChild<QPlainTextEdit*>("BemerkungMemo")->setPlainText("Zeile 1\nZeile 2");
    Click(d, "SpeichernBtn");
    EXPECT_FALSE(d.isVisible());
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Exclamation);
  EXPECT_EQ(fs::file_size(UserFile()), fluids::kUserRecordSize);
  EXPECT_EQ(fluids::ReadUserFile(UserFile()).records.front().remarks, "Zeile 1\r\nZeile 2");
  UseUsDatabaseUnits();
  Open("BenutzerdefinierteDatenbank1", [&](QDialog& d) {
    EXPECT_EQ(Label(d, "DruckTitel"), "Druck psi:");
    EXPECT_EQ(Label(d, "DichteWert"), "0,075");
    Click(d, "UebernehmenBtn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Prozessgas");
  EXPECT_TRUE(Find<QRadioButton>("Radio_gas")->isChecked());
  EXPECT_EQ(Index("ComboBox2"), 8);    // lb./cu.ft.
  EXPECT_EQ(Index("ComboBox5"), 0);    // dynamic
  EXPECT_EQ(Index("ComboBox3"), 5);    // cP
  EXPECT_EQ(Index("ComboBox6N"), 11);  // psia
  EXPECT_EQ(Index("ComboBox7N"), 2);   // degF
  EXPECT_EQ(Text("Edit_EingangsdruckN"), "14,7");
}

// A damaged file is reported, its readable records kept, and only overwritten after asking; a
// write-protected file is not replaced and stays as it was.
TEST_F(MediaDialogs, DamagedAndWriteProtectedUserFiles) {
  fluids::UserRecord record;
  record.name = "Öl";
  record.density = "870";
  const std::string bytes = fluids::EncodeUserRecord(record) + "cut";
  std::ofstream(UserFile(), std::ios::binary) << bytes;
  SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
    shown.push_back(message);
    return MessageAnswer::No;  // do not overwrite
  });
  Open("Stoffdatenbankbearbeiten1", [&](QDialog& d) {
    EXPECT_EQ(d.findChild<QLineEdit*>("NameEdit")->text(), "Öl");
    Click(d, "SpeichernBtn");
    EXPECT_TRUE(d.isVisible());  // declined: the window stays
  });
  // Read, the question, and read again when the window closes without saving.
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Information);
  EXPECT_EQ(shown[1].icon, text::MessageIcon::Question);
  EXPECT_EQ(shown[2], shown[0]);
  std::ifstream in(UserFile(), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes);
  // Saved once agreed; then write-protected: the save fails with its message, the file unchanged.
  SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
    shown.push_back(message);
    return MessageAnswer::Yes;
  });
  Open("Stoffdatenbankbearbeiten1", [&](QDialog& d) { Click(d, "SpeichernBtn"); });
  EXPECT_EQ(fs::file_size(UserFile()), fluids::kUserRecordSize);
  fs::permissions(UserFile(), fs::perms::owner_read);
  shown.clear();
  Open("Stoffdatenbankbearbeiten1", [&](QDialog& d) {
    Click(d, "NeuBtn");
    Click(d, "SpeichernBtn");
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Error);
  EXPECT_EQ(fs::file_size(UserFile()), fluids::kUserRecordSize);
  fs::permissions(UserFile(), fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace velmora::gui
