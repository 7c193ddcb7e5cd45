#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "fluids/TIAPWSDlg.h"
#include "gui/MainWindowFixture.h"

namespace velmora::gui {
namespace {

// A property dialog opened from the main window's menu, driven while it is shown modally.
class PropertyDialogs : public MainWindowFixture {
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
  static void Set(QDialog& dialog, const char* edit, const QString& text) {
    dialog.findChild<QLineEdit*>(edit)->setText(text);
  }
  static void Click(QDialog& dialog, const char* button) { dialog.findChild<QPushButton*>(button)->click(); }
  static QString Label(QDialog& dialog, const char* name) { return dialog.findChild<QLabel*>(name)->text(); }
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

TEST_F(PropertyDialogs, SteamIsHandedOverAsAGasWithItsState) {
  QString density;
  Open("StoffdatenWasser1", [&](QDialog& d) {
    Set(d, "TemperaturEdit", "150");
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "ZustandWert"), "gasförmig");
    EXPECT_EQ(Label(d, "DichteTitel"), "Dichte in kg/m³:");
    density = Label(d, "DichteWert");
    EXPECT_EQ(density, "0,523106");  // below 1 kg/m³ with 6 decimals
    Click(d, "UebernehmenBtn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Wasser (1,013 bar, 150 °C)");
  EXPECT_TRUE(Find<QRadioButton>("Radio_gas")->isChecked());
  EXPECT_EQ(Text("Eingabe_Dichte"), density);
  EXPECT_EQ(Text("Eingabe_Viskositaet"), "14,18");
  EXPECT_EQ(Text("Edit_EingangsdruckN"), "1,013");
  EXPECT_EQ(Text("Edit_EingangstemperaturN"), "150");
  EXPECT_EQ(Text("Edit_AusgangstemperaturN"), "150");
  EXPECT_EQ(Index("ComboBox2"), 0);
  EXPECT_EQ(Index("ComboBox5"), 0);
  EXPECT_EQ(Index("ComboBox3"), 0);
  // The main window's focus, once the dialog has closed.
  EXPECT_EQ(window->focusWidget()->objectName(), "Eingabe_Medium");
}

TEST_F(PropertyDialogs, ChangedInputsEmptyTheResultsAndTakeOverDoesNothing) {
  Type("Eingabe_Medium", "Öl");
  Open("StoffdatenWasser1", [&](QDialog& d) {
    Click(d, "BerechnenBtn");
    ASSERT_FALSE(Label(d, "DichteWert").isEmpty());
    d.findChild<QComboBox*>("TemperaturCombo")->setCurrentIndex(1);  // K
    EXPECT_TRUE(Label(d, "DichteWert").isEmpty());
    EXPECT_FALSE(d.findChild<QPushButton*>("UebernehmenBtn")->isEnabled());
    Click(d, "UebernehmenBtn");
    EXPECT_TRUE(d.isVisible());
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Öl");
}

TEST_F(PropertyDialogs, RefusedStatesShowTheirBoxAndFocus) {
  Open("StoffdatenWasser1", [&](QDialog& d) {
    Set(d, "DruckEdit", "500");
    Set(d, "TemperaturEdit", "850");
    Click(d, "BerechnenBtn");
    Set(d, "DruckEdit", "1,0,1");
    Click(d, "BerechnenBtn");
    EXPECT_TRUE(Label(d, "DichteWert").isEmpty());
  });
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].text, "Der Zustand liegt außerhalb des Gültigkeitsbereichs der Berechnung.");
  EXPECT_EQ(shown[0].icon, text::MessageIcon::None);
  EXPECT_EQ(shown[0].focus, "DruckEdit");
  EXPECT_EQ(shown[1].text, "Ungültige Eingabe:\n\"Druck (absolut):\"!");
  EXPECT_EQ(shown[1].caption, "Fehler");
  EXPECT_EQ(shown[1].icon, text::MessageIcon::Error);
}

// Given the pressure in psia (US display), the vapour takes the entered pressure with its unit and
// the computed temperature in degF.
TEST_F(PropertyDialogs, SaturatedSteamByPressureInUsUnits) {
  SwitchToUs();
  Open("StoffdatenWasserSttigungszustand1", [&](QDialog& d) {
    d.findChild<QRadioButton*>("GegebenDruck")->setChecked(true);
    EXPECT_FALSE(d.findChild<QLineEdit*>("TemperaturEdit")->isEnabled());
    Set(d, "DruckEdit", "14,7");
    d.findChild<QComboBox*>("DruckCombo")->setCurrentIndex(11);  // psia
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "BerechnetTitel"), "Sättigungstemperatur in °F:");
    EXPECT_EQ(Label(d, "BerechnetWert"), "212,0");
    EXPECT_EQ(Label(d, "DichteTitel"), "Dichte in lb./cu.ft.:");
    Click(d, "DampfBtn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Wasser (14,7 psia)");
  EXPECT_TRUE(Find<QRadioButton>("Radio_gas")->isChecked());
  EXPECT_EQ(Text("Edit_EingangsdruckN"), "14,7");
  EXPECT_EQ(Index("ComboBox6N"), 11);
  EXPECT_EQ(Text("Edit_EingangstemperaturN"), "212,0");
  EXPECT_EQ(Index("ComboBox7N"), 2);  // degF
  EXPECT_EQ(Index("ComboBox8N"), 2);
  EXPECT_EQ(Index("ComboBox2"), 8);  // lb./cu.ft.
  EXPECT_EQ(Index("ComboBox3"), 5);  // cP
}

TEST_F(PropertyDialogs, SaturatedWaterLiquidLeavesTheGasDataAlone) {
  Open("StoffdatenWasserSttigungszustand1", [&](QDialog& d) {
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "BerechnetWert"), "1,01418");
    EXPECT_EQ(Label(d, "DichteFluessigWert"), "958,354");
    Click(d, "FluessigkeitBtn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Wasser (100 °C)");
  EXPECT_TRUE(Find<QRadioButton>("Radio_fluessig")->isChecked());
  EXPECT_EQ(Text("Eingabe_Dichte"), "958,354");
  EXPECT_EQ(Text("Edit_EingangsdruckN"), "1");  // the designer default stays
}

TEST_F(PropertyDialogs, DryAirInUsUnitsAndSolidAir) {
  SwitchToUs();
  Open("StoffdatenLuft1", [&](QDialog& d) {
    Set(d, "DruckEdit", "5000");
    Set(d, "TemperaturEdit", "70");
    d.findChild<QComboBox*>("TemperaturCombo")->setCurrentIndex(1);  // K
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "ZustandWert"), "fest");
    EXPECT_TRUE(Label(d, "DichteWert").isEmpty());
    EXPECT_FALSE(d.findChild<QPushButton*>("UebernehmenBtn")->isEnabled());
    Set(d, "DruckEdit", "1,0");
    Set(d, "TemperaturEdit", "293,15");
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "ZustandWert"), "gasförmig");
    EXPECT_EQ(Label(d, "ViskositaetTitel"), "Dyn. Viskosität in cP:");
    EXPECT_EQ(Label(d, "DichteWert"), "0,07420");  // 1.18854 kg/m³ in lb./cu.ft., 4 + 1 decimals
    EXPECT_EQ(Label(d, "ViskositaetWert"), "0,018205");
    Click(d, "UebernehmenBtn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Luft (1,0 bar, 293,15 K)");
  EXPECT_TRUE(Find<QRadioButton>("Radio_gas")->isChecked());
  EXPECT_EQ(Text("Eingabe_Dichte"), "0,07420");
  EXPECT_EQ(Index("ComboBox2"), 8);
  EXPECT_EQ(Index("ComboBox3"), 5);
  EXPECT_EQ(Index("ComboBox6N"), 0);  // the dialog's pressure unit
  EXPECT_EQ(Index("ComboBox7N"), 1);
}

TEST_F(PropertyDialogs, HumidAirAbovePressureShowsDashes) {
  Open("StoffdatenfeuchteLuft1", [&](QDialog& d) {
    Set(d, "DruckEdit", "1");
    Set(d, "TemperaturEdit", "150");
    Set(d, "FeuchteEdit", "10");
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "SaettigungsgehaltWert"), "-");
    EXPECT_EQ(Label(d, "SaettigungsgradWert"), "-");
    Set(d, "TemperaturEdit", "20");
    Set(d, "DruckEdit", "1,013");
    Set(d, "FeuchteEdit", "50");
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "FeuchtegehaltWert"), "0,0073");
    EXPECT_EQ(Label(d, "TaupunktWert"), "9,3");
    Click(d, "UebernehmenBtn");
  });
  EXPECT_EQ(Text("Eingabe_Medium"), "Feuchte Luft (1,013 bar, 20 °C, Relative Feuchte in %: 50,0)");
  EXPECT_TRUE(Find<QRadioButton>("Radio_gas")->isChecked());
  EXPECT_EQ(Text("Edit_EingangstemperaturN"), "20");
}

TEST_F(PropertyDialogs, SaturatedAirVapourTakesTheDewPressure) {
  Open("StoffdatenLuftSttigungszustand1", [&](QDialog& d) {
    Set(d, "TemperaturEdit", "132,5");
    Click(d, "BerechnenBtn");
    EXPECT_TRUE(Label(d, "TaudruckWert").isEmpty());
    Set(d, "TemperaturEdit", "80");
    Click(d, "BerechnenBtn");
    EXPECT_EQ(Label(d, "TaudruckWert"), "0,8232");
    Click(d, "DampfBtn");
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Information);
  EXPECT_EQ(Text("Eingabe_Medium"), "Luft (80 K)");
  EXPECT_EQ(Text("Edit_EingangsdruckN"), "0,8232");
  EXPECT_EQ(Index("ComboBox6N"), 0);  // bar
  EXPECT_EQ(Text("Edit_EingangstemperaturN"), "80");
  EXPECT_EQ(Index("ComboBox7N"), 1);  // K
}

// The English edition shows a decimal point; the calculation reads either separator.
TEST(PropertyDialogEnglish, DecimalPoint) {
  TIAPWSDlg dialog(testing_support::Texts('E'));
  dialog.findChild<QLineEdit*>("DruckEdit")->setText("1,013");
  dialog.findChild<QPushButton*>("BerechnenBtn")->click();
  EXPECT_EQ(dialog.findChild<QLabel*>("DichteWert")->text(), "998.206");
  EXPECT_EQ(dialog.findChild<QLabel*>("ZustandWert")->text(), "liquid");
}

}  // namespace
}  // namespace velmora::gui
