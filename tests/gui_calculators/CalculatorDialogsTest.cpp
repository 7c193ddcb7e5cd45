// The calculator dialogs opened from the main window's menu and driven as a user would: each
// computes, refuses with its message and focus, and takes over from its database.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "gui/MainWindowFixture.h"
#include "printing/Printing.h"

namespace velmora::gui {
namespace {

class CalculatorDialogs : public MainWindowFixture {
 protected:
  // Opens a calculator from the menu and drives it while it is shown modally.
  void Open(const char* command, const std::function<void(QDialog&)>& drive) {
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
  // Clicks a button that opens a modal database and drives that one.
  static void OpenDatabase(QDialog& dialog, const char* button, const std::function<void(QDialog&)>& drive) {
    QTimer::singleShot(0, [&] {
      auto* database = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(database, &dialog);
      drive(*database);
      if (database->isVisible()) database->reject();
    });
    dialog.findChild<QPushButton*>(button)->click();
  }
  static void Set(QDialog& d, const char* edit, const QString& text) { d.findChild<QLineEdit*>(edit)->setText(text); }
  static void Click(QDialog& d, const char* button) { d.findChild<QPushButton*>(button)->click(); }
  static void Pick(QDialog& d, const char* group, int item) {
    auto* option = d.findChild<QAbstractButton*>(QString("%1_%2").arg(group).arg(item));
    ASSERT_NE(option, nullptr) << group;
    option->click();
  }
  static QString Label(QDialog& d, const char* name) { return d.findChild<QLabel*>(name)->text(); }
  static QString Edited(QDialog& d, const char* name) { return d.findChild<QLineEdit*>(name)->text(); }
};

TEST_F(CalculatorDialogs, OrificeDesignTakesTheMainMediumWarnsAndShowsTheBore) {
  Type("Eingabe_Medium", "Kühlwasser");
  Open("DrosselblendeAuslegung1", [&](QDialog& d) {
    EXPECT_EQ(Edited(d, "Eingabe_Medium"), "Kühlwasser");
    EXPECT_EQ(Edited(d, "Eingabe_Volumenstrom"), "1,0");
    EXPECT_TRUE(d.findChild<QLineEdit*>("Edit2")->isHidden());
    Set(d, "Edit1", "50");
    Set(d, "Edit3", "0,1");
    Click(d, "BitBtn1");
    ASSERT_EQ(shown.size(), 1U);  // Re ≈ 7047: the sharp-edged warning first
    EXPECT_EQ(shown[0].icon, text::MessageIcon::Information);
    EXPECT_TRUE(Label(d, "Label3").startsWith("Bohrungsdurchmesser d = "));
    EXPECT_TRUE(Label(d, "Label3").endsWith(" mm"));
    Set(d, "Edit3", "0,2");
    EXPECT_TRUE(Label(d, "Label3").isEmpty());  // any change clears the result
    // Rounded kind: the radius appears, empty; "in." in one length list is "in." in both.
    Pick(d, "RadioGroup1", 1);
    EXPECT_FALSE(d.findChild<QLineEdit*>("Edit2")->isHidden());
    d.findChild<QComboBox*>("ComboBox2")->setCurrentIndex(1);
    EXPECT_EQ(d.findChild<QComboBox*>("ComboBox1")->currentIndex(), 1);
    shown.clear();
    Click(d, "BitBtn1");
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].focus, "Edit2");
    EXPECT_EQ(d.focusWidget()->objectName(), "Edit2");
  });
}

TEST_F(CalculatorDialogs, OrificeDesignPrintsAndSaysWhenNoOrificeIsNeeded) {
  Choose("ComboBox1", 3);  // "Nm³/h": not offered by the dialog
  QTemporaryDir folder;
  int printed = 0;
  SetPrintInterceptor([&](const PrintDocument& document) {
    ++printed;
    return PrintToPdf(folder.filePath("orifice.pdf"), document);
  });
  Open("DrosselblendeAuslegung1", [&](QDialog& d) {
    EXPECT_TRUE(Edited(d, "Eingabe_Volumenstrom").isEmpty());
    Set(d, "Eingabe_Volumenstrom", "100");
    Set(d, "Edit1", "100");
    Set(d, "Edit3", "0,0001");
    Click(d, "BitBtn1");
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].text, testing_support::Texts('D').FormText("DrosselblendeDlg", "msgNoOrifice"));
    EXPECT_TRUE(Label(d, "Label3").isEmpty());
    Click(d, "BitBtn4");
  });
  SetPrintInterceptor({});
  EXPECT_EQ(printed, 1);
  EXPECT_GT(QFileInfo(folder.filePath("orifice.pdf")).size(), 1000);
}

TEST_F(CalculatorDialogs, OutflowWithCoefficientsFromBothDatabases) {
  Open("KonstanterFlssigkeitsspiegel1", [&](QDialog& d) {
    Set(d, "Edit1", "1");
    Set(d, "Edit2", "1");
    OpenDatabase(d, "BitBtn3", [](QDialog& db) {
      EXPECT_EQ(db.objectName(), "DabaAusflusszahlDlg");
      Pick(db, "RadioGroup2", 2);  // conical extension
      Set(db, "Edit5", "9,9");
      Click(db, "BitBtn3");
      Set(db, "Edit5", "90");
      Click(db, "BitBtn3");
      EXPECT_EQ(Label(db, "Label1"), "0,74");
      Click(db, "BitBtn1");
    });
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].focus, "Edit5");  // the range message of 9.9°
    EXPECT_EQ(Edited(d, "Edit8"), "0,74");
    Set(d, "Edit8", "1");
    Click(d, "BitBtn1");
    EXPECT_EQ(Label(d, "Label8"), "4,429");
    EXPECT_EQ(Label(d, "Label7"), "Volumenstrom in m^3/s:");
    // Large openings: no pressure group, the database of large openings.
    Pick(d, "RadioGroup4", 1);
    EXPECT_TRUE(d.findChild<QWidget*>("RadioGroup1")->isHidden());
    OpenDatabase(d, "BitBtn3", [](QDialog& db) {
      EXPECT_EQ(db.objectName(), "DabaAusflusszahl_grossDlg");
      Pick(db, "RadioGroup2", 1);  // rounded edge
      EXPECT_EQ(Label(db, "Label1"), "0,7 bis 0,8");
      Click(db, "BitBtn1");
    });
    EXPECT_EQ(Edited(d, "Edit8"), "0,7");
  });
}

TEST_F(CalculatorDialogs, DrainingTimeComputesRefusesAndTakesOver) {
  Open("AbnehmenderFlssigkeitsspiegel1", [&](QDialog& d) {
    Set(d, "Edit1", "1");
    Set(d, "Edit2", "100");
    Set(d, "Edit3", "1");
    OpenDatabase(d, "BitBtn3", [](QDialog& db) {
      Pick(db, "RadioGroup2", 0);
      EXPECT_EQ(Label(db, "Label1"), "0,60");
      Click(db, "BitBtn1");
    });
    EXPECT_EQ(Edited(d, "Edit8"), "0,60");
    Click(d, "BitBtn1");
    EXPECT_EQ(Label(d, "Label2"), "75 s = 1,3 Min.");
    d.findChild<QComboBox*>("ComboBox3")->setCurrentIndex(1);  // "in." for d: feet for D and H
    EXPECT_EQ(d.findChild<QComboBox*>("ComboBox2")->currentText(), "ft.");
    EXPECT_EQ(d.findChild<QComboBox*>("ComboBox4")->currentText(), "ft.");
    EXPECT_TRUE(Label(d, "Label2").isEmpty());
    Set(d, "Edit8", "0");
    Click(d, "BitBtn1");
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].focus, "Edit8");
    Pick(d, "RadioGroup1", 2);  // sphere: no third field
    EXPECT_TRUE(d.findChild<QLineEdit*>("Edit3")->isHidden());
  });
}

TEST_F(CalculatorDialogs, OpenChannelWithTheStricklerDatabaseAndTheDisplayUnits) {
  Open("VorhandenesGerinneberechnen1", [&](QDialog& d) {
    Set(d, "Edit1", "2");
    Set(d, "Edit2", "1");
    Pick(d, "RadioGroup2", 2);
    Set(d, "Edit4", "1");
    OpenDatabase(d, "BitBtn1", [](QDialog& db) {
      EXPECT_EQ(db.findChild<QLabel*>("Label14")->text(), "100");
      db.findChild<QComboBox*>("ComboBox2")->setCurrentIndex(1);
      EXPECT_EQ(db.findChild<QLabel*>("Label14")->text(), "90-100");
      db.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(2);  // another kind: its first condition
      EXPECT_EQ(db.findChild<QComboBox*>("ComboBox2")->currentIndex(), 0);
      EXPECT_EQ(db.findChild<QLabel*>("Label14")->text(), "60");
      db.findChild<QComboBox*>("ComboBox2")->setCurrentIndex(1);
      Click(db, "BitBtn1");
    });
    EXPECT_EQ(Edited(d, "Edit7"), "50");
    Click(d, "BitBtn2");
    EXPECT_EQ(Label(d, "Label3"), "3,150");
    EXPECT_EQ(Label(d, "Label8"), "6,300");
    Set(d, "Edit4", "0");
    Click(d, "BitBtn2");
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(d.focusWidget()->objectName(), "Edit4");
  });
  // The display units: the next showing speaks feet per second.
  QTimer::singleShot(0, [] {
    auto* settings = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(settings, nullptr);
    settings->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);
    settings->findChild<QPushButton*>("BitBtn1")->click();
  });
  Find<QAction>("Einstellungen2")->trigger();
  Open("VorhandenesGerinneberechnen1", [&](QDialog& d) {
    EXPECT_EQ(Label(d, "Label2"), "Geschwindigkeit in ft./s:");
    EXPECT_TRUE(Label(d, "Label3").isEmpty());
  });
}

TEST_F(CalculatorDialogs, ChannelDesignOptimalProfiles) {
  Open("Gerinneauslegen1", [&](QDialog& d) {
    Set(d, "Edit1", "1");
    Pick(d, "RadioGroup2", 2);
    Set(d, "Edit4", "0,1");
    Set(d, "Edit7", "60");
    Click(d, "BitBtn2");
    EXPECT_EQ(Label(d, "Label10"), "1,442");
    EXPECT_EQ(Label(d, "Label13"), "0,721");
    Pick(d, "RadioGroup1", 1);
    EXPECT_EQ(Edited(d, "Edit2"), "60");
    Pick(d, "RadioGroup1", 3);
    Click(d, "BitBtn2");
    EXPECT_EQ(Label(d, "Label13"), "45");
    Set(d, "Edit1", "0");
    Click(d, "BitBtn2");
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].focus, "Edit1");
  });
}

// Every edition has every text the calculator dialogs ask for.
class CalculatorTexts : public CalculatorDialogs, public testing::WithParamInterface<text::Edition> {
 protected:
  text::Edition Edition() const override { return GetParam(); }
};

TEST_P(CalculatorTexts, EveryDialogFindsItsTexts) {
  const struct {
    const char* command;
    const char* calculate;
    const char* database;
  } dialogs[] = {{"DrosselblendeAuslegung1", "BitBtn1", nullptr},
                 {"KonstanterFlssigkeitsspiegel1", "BitBtn1", "BitBtn3"},
                 {"AbnehmenderFlssigkeitsspiegel1", "BitBtn1", "BitBtn3"},
                 {"VorhandenesGerinneberechnen1", "BitBtn2", "BitBtn1"},
                 {"Gerinneauslegen1", "BitBtn2", "BitBtn1"}};
  const auto everyChoice = [](QDialog& d, const char* calculate) {
    for (QAbstractButton* option : d.findChildren<QAbstractButton*>()) {
      if (!option->isCheckable()) continue;
      option->click();
      if (calculate != nullptr) Click(d, calculate);  // empty fields: the refusals' captions
    }
    for (QComboBox* list : d.findChildren<QComboBox*>()) {
      for (int entry = 0; entry < list->count(); ++entry) list->setCurrentIndex(entry);
    }
  };
  for (const auto& dialog : dialogs) {
    Open(dialog.command, [&](QDialog& d) {
      everyChoice(d, dialog.calculate);
      if (dialog.database != nullptr) {
        OpenDatabase(d, dialog.database, [&](QDialog& db) {
          everyChoice(db, db.findChild<QPushButton*>("BitBtn3") ? "BitBtn3" : nullptr);
        });
        // The outflow's database of large openings.
        if (auto* large = d.findChild<QAbstractButton*>("RadioGroup4_1")) large->click();
        OpenDatabase(d, dialog.database, [&](QDialog& db) { everyChoice(db, nullptr); });
      }
    });
  }
  EXPECT_FALSE(shown.empty());
  const text::TextStore& texts = testing_support::Texts(GetParam());
  EXPECT_TRUE(texts.MissingTexts().empty()) << *texts.MissingTexts().begin();
}

INSTANTIATE_TEST_SUITE_P(Editions, CalculatorTexts, testing::Values('D', 'E', 'F', 'H'));

}  // namespace
}  // namespace velmora::gui
