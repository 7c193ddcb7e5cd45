#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "fluids/TDaDruDialog.h"
#include "fluids/TGaswarnungDlg.h"
#include "fluids/TMedienDialog.h"
#include "fluids/TStoffwerteGaseNeu.h"
#include "gui/MainWindowFixture.h"

namespace velmora::gui {
namespace {

// The gas and liquids databases opened from the main window's menu and driven while shown.
class DatabaseDialogs : public MainWindowFixture {
 protected:
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
  static void Pick(QDialog& d, const char* list, int index) { d.findChild<QComboBox*>(list)->setCurrentIndex(index); }
  static void Click(QDialog& d, const char* button) { d.findChild<QPushButton*>(button)->click(); }
  static QString Label(QDialog& d, const char* name) { return d.findChild<QLabel*>(name)->text(); }
  static void Choose(QDialog& d, const QString& name) {
    auto* list = d.findChild<QListWidget*>("ListBox1");
    list->setCurrentItem(list->findItems(name, Qt::MatchExactly).value(0));
  }
  void SwitchToUs() {
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      dialog->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);  // US
      dialog->findChild<QPushButton*>("BitBtn1")->click();
    });
    Find<QAction>("Einstellungen2")->trigger();
    ASSERT_TRUE(window->Settings().display.us);
  }
  QString Text(const char* edit) { return Find<QLineEdit>(edit)->text(); }
  int Index(const char* list) { return Find<QComboBox>(list)->currentIndex(); }
};

TEST_F(DatabaseDialogs, GasTableValuesAreHandedOverAsAGas) {
  Open("StoffdatensonstigeGase1", [](QDialog& d) {
    EXPECT_TRUE(d.windowFlags() & Qt::WindowStaysOnTopHint);
    Choose(d, "Nitrogen");
    EXPECT_EQ(Label(d, "CasWert"), "CAS-Nr. 7727-37-9");
    EXPECT_EQ(Label(d, "KritTempWert"), "-147 °C  (-233 °F)");
    EXPECT_EQ(d.findChild<QLineEdit*>("MolmasseEdit")->text(), "28,013");
    Pick(d, "TemperaturListe", 5);  // 20 °C
    EXPECT_EQ(Label(d, "DichteWert"), "1,16");
    EXPECT_EQ(Label(d, "ViskositaetWert"), "17,6");
    Click(d, "UebernehmenBtn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Nitrogen (1,013 bar, 20 °C)");
  EXPECT_TRUE(Find<QRadioButton>("Radio_gas")->isChecked());
  EXPECT_EQ(Text("Eingabe_Dichte"), "1,16");
  EXPECT_EQ(Text("Eingabe_Viskositaet"), "17,6");
  EXPECT_EQ(Text("Edit_EingangsdruckN"), "1,013");
  EXPECT_EQ(Text("Edit_EingangstemperaturN"), "20");
  EXPECT_EQ(Text("Edit_AusgangstemperaturN"), "20");
  EXPECT_EQ(Index("ComboBox7N"), 0);
  EXPECT_EQ(Index("ComboBox2"), 0);
  EXPECT_EQ(Index("ComboBox3"), 0);
}

// US display: lb./cu.ft. and cP; the pressure unit (psia) and the temperature unit (degF) go over by
// their positions.
TEST_F(DatabaseDialogs, GasInterpolatedInUsUnits) {
  SwitchToUs();
  Open("StoffdatensonstigeGase1", [](QDialog& d) {
    Choose(d, "Nitrogen");
    Set(d, "DruckEdit", "14,7");
    Pick(d, "DruckCombo", 11);  // psia
    Set(d, "TemperaturEdit", "95");
    Pick(d, "TemperaturCombo", 2);  // degF: 35 °C
    Click(d, "InterpolierenBtn");
    EXPECT_EQ(Label(d, "DichteInterpTitel"), "Dichte in lb./cu.ft.:");
    EXPECT_EQ(Label(d, "ViskositaetInterpWert"), "0,0183");
    EXPECT_TRUE(Label(d, "DichteWert").isEmpty());  // the pressure changed: the table values went
    Set(d, "TemperaturEdit", "96");
    EXPECT_TRUE(Label(d, "DichteInterpWert").isEmpty());
    EXPECT_FALSE(d.findChild<QPushButton*>("Uebernehmen2Btn")->isEnabled());
    Set(d, "TemperaturEdit", "95");
    Click(d, "InterpolierenBtn");
    Click(d, "Uebernehmen2Btn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Nitrogen (14,7 psia, 95 degF)");
  EXPECT_TRUE(Find<QRadioButton>("Radio_gas")->isChecked());
  EXPECT_EQ(Text("Eingabe_Viskositaet"), "0,0183");
  EXPECT_EQ(Text("Edit_EingangsdruckN"), "14,7");
  EXPECT_EQ(Index("ComboBox6N"), 11);
  EXPECT_EQ(Text("Edit_EingangstemperaturN"), "95");
  EXPECT_EQ(Index("ComboBox7N"), 2);
  EXPECT_EQ(Index("ComboBox8N"), 2);
  EXPECT_EQ(Index("ComboBox2"), 8);
  EXPECT_EQ(Index("ComboBox3"), 5);
}

TEST_F(DatabaseDialogs, LiquidGasStateAndRefusedInputs) {
  Open("StoffdatensonstigeGase1", [](QDialog& d) {
    Choose(d, "Propane");
    Set(d, "DruckEdit", "5");
    Click(d, "BerechnenBtn");
    EXPECT_TRUE(d.findChild<QLabel*>("FluessigLabel")->isVisibleTo(&d));
    EXPECT_TRUE(Label(d, "DichteWert").isEmpty());
    EXPECT_FALSE(d.findChild<QPushButton*>("UebernehmenBtn")->isEnabled());
    Set(d, "TemperaturEdit", "-25");  // the first tabulated temperature
    Click(d, "InterpolierenBtn");
    Set(d, "DruckEdit", "");
    Click(d, "BerechnenBtn");
  });
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, testing_support::Texts('D').FormText("StoffwerteGaseNeu", "msgOutOfRange"));
  EXPECT_EQ(shown[0].icon, text::MessageIcon::None);
  EXPECT_EQ(shown[0].focus, "TemperaturEdit");
  EXPECT_EQ(shown[1].text, "Ungültige Eingabe:\n\"Druck (absolut):\"!");
}

TEST_F(DatabaseDialogs, LiquidRowInMetricAndInterpolatedInUs) {
  Open("StoffdatensonstigeMedien1", [](QDialog& d) {
    EXPECT_EQ(d.findChild<QListWidget*>("ListBox1")->count(), 46);
    Pick(d, "TemperaturListe", 1);
    EXPECT_EQ(Label(d, "FahrenheitWert"), "(= 68 °F)");
    EXPECT_EQ(Label(d, "DichteWert"), "998,2");
    Click(d, "UebernehmenBtn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Water (20 °C)");
  EXPECT_TRUE(Find<QRadioButton>("Radio_fluessig")->isChecked());
  EXPECT_EQ(Text("Eingabe_Dichte"), "998,2");
  EXPECT_EQ(Text("Eingabe_Viskositaet"), "1002");
  EXPECT_EQ(Text("Edit_EingangsdruckN"), "1");  // a liquid leaves the gas data
  SwitchToUs();
  Open("StoffdatensonstigeMedien1", [](QDialog& d) {
    EXPECT_EQ(Label(d, "DichteWert"), "62,3");
    Set(d, "TemperaturEdit", "15");
    Click(d, "InterpolierenBtn");
    EXPECT_EQ(Label(d, "DichteInterpWert"), "62,4");
    EXPECT_EQ(Label(d, "ViskositaetInterpWert"), "1,154");
    Click(d, "Uebernehmen2Btn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Water (15 °C)");
  EXPECT_EQ(Text("Eingabe_Viskositaet"), "1,154");
  EXPECT_EQ(Index("ComboBox2"), 8);
  EXPECT_EQ(Index("ComboBox3"), 5);
}

// Without its table a window says so once and stays usable with an empty list.
TEST(DatabaseFiles, MissingTablesLeaveEmptyLists) {
  std::vector<text::Message> shown;
  SetMessageInterceptor([&](const text::Message& message, MessageButtons) {
    shown.push_back(message);
    return MessageAnswer::Ok;
  });
  QTemporaryDir empty;
  const text::TextStore& texts = testing_support::Texts('D');
  TStoffwerteGaseNeu gases(texts, empty.path());
  TMedienDialog liquids(texts, empty.path());
  TDaDruDialog vapourPressures(texts, empty.path());
  vapourPressures.show();
  gases.findChild<QPushButton*>("BerechnenBtn")->click();
  gases.findChild<QPushButton*>("UebernehmenBtn")->click();
  EXPECT_EQ(gases.findChild<QListWidget*>("ListBox1")->count(), 0);
  EXPECT_EQ(vapourPressures.findChild<QListWidget*>("ListBox1")->count(), 0);
  ASSERT_EQ(shown.size(), 3u);
  const std::string missing = texts.FormText("StoffwerteGaseNeu", "msgFileMissing");
  EXPECT_EQ(shown[0].text, missing + "\nGASE.STW");
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Exclamation);
  EXPECT_EQ(shown[1].text, missing + "\nMEDIEN.STW");
  EXPECT_EQ(shown[2].text, missing + " DADRU.DAD");
  SetMessageInterceptor({});
}

// The vapour-pressure database: whole degrees with 273.15 K, the held arrow's acceleration, the
// hand-overs, and the pump quick design's choice.
TEST(VapourPressureDialog, TemperatureStepsAndHandOvers) {
  TDaDruDialog dialog(testing_support::Texts('D'), VELMORA_TEST_PROGRAM_DIR);
  dialog.show();
  auto* list = dialog.findChild<QListWidget*>("ListBox1");
  ASSERT_EQ(list->count(), 46);
  EXPECT_EQ(dialog.Temperature(), 2);  // water from 275 K: 275 − 273
  dialog.SetTemperature(100);
  EXPECT_EQ(dialog.findChild<QLabel*>("DampfdruckWert")->text(), "1,013");
  EXPECT_EQ(dialog.findChild<QLabel*>("DichteWert")->text(), "952");
  dialog.SetTemperature(1000);
  EXPECT_EQ(dialog.Temperature(), 370);  // 647 − 274 = 373, down to 370

  auto* up = dialog.findChild<QToolButton*>("UpDown1Up");
  dialog.findChild<QTimer*>("UpDownTimer")->setInterval(1);  // the 300 ms ticks, hurried
  up->setAutoRepeat(false);  // the held arrow's ticks alone, however slowly the machine runs
  dialog.SetTemperature(20);
  QTest::mousePress(up, Qt::LeftButton);
  for (int wait = 0; wait < 2000 && dialog.Step() < 20; ++wait) QTest::qWait(1);
  EXPECT_EQ(dialog.Step(), 20);  // 1, 2, 5, 10, 20 and no further
  QTest::mouseRelease(up, Qt::LeftButton);
  EXPECT_EQ(dialog.Step(), 1);
  EXPECT_EQ(dialog.Temperature(), 21);

  std::vector<fluids::VapourPressureTakeOver> handed;
  QObject::connect(&dialog, &TDaDruDialog::ValuesHandedOver,
                   [&](const fluids::VapourPressureTakeOver& takeOver) { handed.push_back(takeOver); });
  dialog.findChild<QPushButton*>("BeideBtn")->click();
  ASSERT_EQ(handed.size(), 1u);
  EXPECT_EQ(handed[0].target, fluids::VapourPressureTakeOver::Target::Npsh);
  EXPECT_EQ(handed[0].vapourPressure, "0,025");
  EXPECT_EQ(handed[0].density, "999");
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(list->count(), 0);  // emptied on hide

  dialog.SetPumpContext(TDaDruDialog::PumpContext{"Ammonia (-40 °C)", "-40"});
  dialog.show();
  EXPECT_EQ(list->currentItem()->text(), "Ammonia");
  EXPECT_EQ(dialog.Temperature(), -40);
  EXPECT_FALSE(dialog.findChild<QPushButton*>("BeideBtn")->isEnabled());
  EXPECT_FALSE(dialog.findChild<QPushButton*>("NurDichteBtn")->isEnabled());
  dialog.findChild<QPushButton*>("NurDampfdruckBtn")->click();
  ASSERT_EQ(handed.size(), 2u);
  EXPECT_EQ(handed[1].target, fluids::VapourPressureTakeOver::Target::PumpDesign);
  EXPECT_EQ(handed[1].temperature, "-40");
  EXPECT_FALSE(handed[1].density.has_value());
}

TEST(GasNotes, ReadOnlyWithoutContextMenu) {
  TGaswarnungDlg notes(testing_support::Texts('F'));
  auto* memo = notes.findChild<QPlainTextEdit*>("Memo1");
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->contextMenuPolicy(), Qt::NoContextMenu);
  EXPECT_EQ(memo->toPlainText().count('\n'), 5);  // six paragraphs
}

// The English edition shows decimal points.
TEST(GasDatabaseEnglish, DecimalPoint) {
  TStoffwerteGaseNeu dialog(testing_support::Texts('E'), VELMORA_TEST_PROGRAM_DIR);
  dialog.findChild<QComboBox*>("TemperaturListe")->setCurrentIndex(5);  // air, 20 °C
  EXPECT_EQ(dialog.findChild<QLabel*>("DichteWert")->text(), "1.20");
  EXPECT_EQ(dialog.findChild<QLabel*>("SchmelzpunktWert")->text(), "-213.40 °C  (= -352 °F)");
}

}  // namespace
}  // namespace velmora::gui
