// The pump quick design, NPSH, the economic diameter and the converters opened from the main
// window's menu and driven as a user would: results, the data file, the take-overs.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "calculators/PumpDesignFile.h"
#include "gui/MainWindowFixture.h"
#include "toolkit/FileDialogs.h"

namespace velmora::gui {
namespace {

class CalculatorsII : public MainWindowFixture {
 protected:
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
  static void Set(QDialog& d, const char* edit, const QString& text) { d.findChild<QLineEdit*>(edit)->setText(text); }
  static void Click(QDialog& d, const char* button) { d.findChild<QPushButton*>(button)->click(); }
  static QString Label(QDialog& d, const char* name) { return d.findChild<QLabel*>(name)->text(); }

  static void TypePlant(QDialog& d) {
    const std::pair<const char*, const char*> fields[] = {{"Edit_Pumpe", "P1"},
                                                          {"Edit3", "30"},
                                                          {"Edit4", "998,2"},
                                                          {"Edit5", "1002"},
                                                          {"Edit_Dampfdruck", "0,02339"},
                                                          {"Edit_Behaelter_S", "1,01325"},
                                                          {"Edit_Geo_S", "2"},
                                                          {"Edit_Rohrlaenge_S", "5"},
                                                          {"Edit_Durchmesser_S", "100"},
                                                          {"Edit_Schieber_S", "1"},
                                                          {"Edit_Behaelter_D", "3"},
                                                          {"Edit_Geo_D", "20"},
                                                          {"Edit_Rohrlaenge_D", "50"},
                                                          {"Edit_Durchmesser_D", "80"},
                                                          {"Edit_Ventil_D", "1"},
                                                          {"Edit_Rue_Klappe_D", "1"},
                                                          {"Edit_Anzahl1_D", "2"},
                                                          {"Edit_Element1_D", "Filter"},
                                                          {"Edit_Zeta1_D", "0,5"}};
    for (const auto& [name, text] : fields) Set(d, name, text);
  }
};

TEST_F(CalculatorsII, PumpDesignShowsItsResultsAndKeepsItsFile) {
  QTemporaryDir folder;
  Open("PumpenSchnellauslegung1", [&](QDialog& d) {
    // The picture of the plant, whose symbols name the vessel pressures of both sides.
    auto* picture = d.findChild<QLabel*>("ImageAnlage");
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_EQ(Label(d, "LabelBehaelter_S"), "Behälterdruck p1 (abs.):");
    EXPECT_EQ(Label(d, "LabelBehaelter_D"), "Behälterdruck p2 (abs.):");
    TypePlant(d);
    // The result window opens modally: read its grids, copy, close.
    QString head, npsh, clipboard;
    QTimer::singleShot(0, [&] {
      auto* out = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(out, nullptr);
      auto* totals = out->findChild<QTableWidget*>("StringGrid2");
      auto* lines = out->findChild<QTableWidget*>("StringGrid1");
      // Bold headings; the totals' values under the pressure side's.
      EXPECT_TRUE(lines->item(0, 2)->font().bold());
      EXPECT_TRUE(lines->item(2, 0)->font().bold());
      EXPECT_FALSE(lines->item(3, 0)->font().bold());
      EXPECT_EQ(totals->columnWidth(1), lines->columnWidth(2));
      head = totals->item(1, 1)->text();
      npsh = totals->item(2, 1)->text();
      out->findChild<QPushButton*>("BitBtn3")->click();
      clipboard = QApplication::clipboard()->text();
      out->accept();
    });
    Click(d, "OKBtn");
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(head, "41,511");
    EXPECT_EQ(npsh, "12,047");
    EXPECT_TRUE(clipboard.startsWith("Pumpe:\tP1\r\n")) << clipboard.toStdString();
    // Saved, cleared, opened again: every field is back.
    const QString file = folder.filePath("anlage.psa");
    SetFileDialogInterceptor([&](const FileDialogRequest& request) {
      EXPECT_EQ(request.defaultSuffix, "psa");
      return file;
    });
    Click(d, "BitBtnSpeichernUnter");
    EXPECT_TRUE(d.windowTitle().endsWith(file));
    Click(d, "BitBtnLeeren");
    EXPECT_EQ(d.findChild<QLineEdit*>("Edit_Durchmesser_D")->text(), "");
    EXPECT_EQ(d.findChild<QLineEdit*>("Edit_Ventil_D")->text(), "0");
    Click(d, "BitBtnDateiOeffnen");
    EXPECT_EQ(d.findChild<QLineEdit*>("Edit_Durchmesser_D")->text(), "80");
    EXPECT_EQ(d.findChild<QLineEdit*>("Edit_Zeta1_D")->text(), "0,5");
    // A damaged file loads nothing and says why.
    QFile damaged(folder.filePath("kaputt.psa"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("PSA 6.2\r\nM\r\n");
    damaged.close();
    SetFileDialogInterceptor([&](const FileDialogRequest&) { return damaged.fileName(); });
    Click(d, "BitBtnDateiOeffnen");
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_EQ(shown[0].icon, text::MessageIcon::Exclamation);
    EXPECT_EQ(d.findChild<QLineEdit*>("Edit_Durchmesser_D")->text(), "80");
    SetFileDialogInterceptor({});
    // Typing a pressure loss clears the element's ζ.
    d.findChild<QLineEdit*>("Edit_Element1_dP_D")->setFocus();
    QTest::keyClicks(d.findChild<QLineEdit*>("Edit_Element1_dP_D"), "1");
    EXPECT_EQ(d.findChild<QLineEdit*>("Edit_Zeta1_D")->text(), "");
  });
}

// A pump design named on the command line (a double click on a *.psa) opens in its window.
TEST(PumpDesignFile, NamedOnTheCommandLineOpensInThePumpDesign) {
  const text::TextStore& texts = testing_support::Texts('D');
  QTemporaryDir folder;
  calculators::PumpDesignForm form = calculators::PumpDesignForm::Defaults('D');
  form.pressure.diameter = "80";
  ASSERT_FALSE(calculators::SavePumpDesign(folder.filePath("plant.psa").toStdString(), form, false, texts));
  TMyWindow window(texts, VELMORA_TEST_PROGRAM_DIR);
  window.SetSettingsFile(folder.filePath("Velmora6.ini"));
  window.PrepareFirstShow({"plant.psa"}, folder.path());
  EXPECT_FALSE(window.ProjectPath().has_value());
  QString diameter, title;
  QTimer::singleShot(0, [&] {  // runs inside the design's window, opened by the program's own timer
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    diameter = dialog->findChild<QLineEdit*>("Edit_Durchmesser_D")->text();
    title = dialog->windowTitle();
    dialog->reject();
  });
  QApplication::processEvents();  // the design opens once the main window is on screen
  EXPECT_EQ(diameter, "80");
  EXPECT_TRUE(title.endsWith(folder.filePath("plant.psa"))) << title.toStdString();
}

TEST_F(CalculatorsII, ConvertersComputeAndTakeOverIntoTheMainWindow) {
  Open("NPSHWert1", [&](QDialog& d) {
    Set(d, "Edit1", "1");
    Set(d, "Edit2", "0,0234");
    Set(d, "Edit3", "998,2");
    Click(d, "OKBtn");
    EXPECT_EQ(Label(d, "Label6"), "10,0 m");
    EXPECT_EQ(Label(d, "Label7"), "(= 32,7 ft.)");
  });
  Open("kvinZeta1", [&](QDialog& d) {
    Set(d, "Edit1", "10");
    Set(d, "Va1_Edit", "50");
    Click(d, "OKBtn");
    EXPECT_EQ(Label(d, "Label4"), "100,000");
    Click(d, "UebernahmeBtn");
  });
  EXPECT_EQ(Find<QLineEdit>("Va2_Edit")->text(), "100,000");
  EXPECT_EQ(Find<QLineEdit>("Va1_Edit")->text(), "50");
  Open("Nennweite1", [&](QDialog& d) {
    Set(d, "Edit_Volumenstrom", "30");
    Click(d, "Btn_Berechnung");
    EXPECT_TRUE(
        d.findChild<QPlainTextEdit*>("Memo_Ausgabe")->toPlainText().contains("DN 65 ==> Geschwindigkeit 2,51 m/s"));
  });
  Open("NormminBetriebsm1", [&](QDialog& d) {
    Set(d, "Edit_Norm", "100");
    Set(d, "Edit_Temp", "20");
    Set(d, "Edit_Druck", "2");
    Click(d, "OKBtn");
    EXPECT_EQ(Label(d, "Label5"), "54,372 m³/h");
    Click(d, "UebernahmeBtn");
  });
  EXPECT_EQ(Find<QLineEdit>("Eingabe_Volumenstrom")->text(), "54,372");
  EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace velmora::gui
