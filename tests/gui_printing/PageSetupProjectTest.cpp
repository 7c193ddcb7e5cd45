// The page setup through the main window: the table's print command, the choices kept with the
// project and read back from its file.
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include "gui/MainWindowFixture.h"
#include "printing/Printing.h"
#include "printing/TSeiteEinrichtenDlg.h"
#include "results/TAusgabe_Fenster.h"
#include "toolkit/FileDialogs.h"

namespace velmora::gui {
namespace {

class PageSetupProject : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    SetPrintInterceptor([this](const PrintDocument&) { return ++printed, true; });
    SetFileDialogInterceptor([this](const FileDialogRequest&) { return folder.filePath("druck.vlm"); });
  }
  void TearDown() override {
    SetPrintInterceptor({});
    SetFileDialogInterceptor({});
    MainWindowFixture::TearDown();
  }
  // Runs the page setup from the table menu; `drive` works the dialog while it is shown.
  void PrintFromMenu(std::function<void(TSeiteEinrichtenDlg&)> drive) {
    QTimer::singleShot(0, [this, drive] {
      drive(*window->PageSetupDialog());
      window->PageSetupDialog()->reject();  // a test that failed halfway must not hang
    });
    Find<QAction>("Tabelledrucken2")->trigger();
  }

  QTemporaryDir folder;
  int printed = 0;
};

TEST_F(PageSetupProject, ChoicesSurviveSavingAndOpeningTheProject) {
  emit Find<QMenu>("Tabelle1")->aboutToShow();
  EXPECT_FALSE(Find<QAction>("Tabelledrucken2")->isEnabled()) << "nothing to print";
  PressCalculate();
  emit Find<QMenu>("Tabelle1")->aboutToShow();
  EXPECT_TRUE(Find<QAction>("Tabelledrucken2")->isEnabled());
  ASSERT_TRUE(window->SaveProjectAs());

  PrintFromMenu([](TSeiteEinrichtenDlg& dialog) {
    dialog.findChild<QRadioButton*>("RadioButton2")->click();
    dialog.findChild<QSpinBox*>("Edit2")->setValue(4);
    dialog.findChild<QComboBox*>("ComboBox2")->setCurrentText("A3");
    dialog.findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);
    dialog.findChild<QLineEdit*>("Edit5")->setText("1,5");
    dialog.findChild<QLineEdit*>("Edit8")->setText("Anlage 3");
    dialog.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
    dialog.findChild<QPushButton*>("PrintBtn")->click();
  });
  EXPECT_EQ(printed, 1);
  EXPECT_FALSE(window->ProjectSaved()) << "a changed page setup is a change of the project";
  ASSERT_TRUE(window->SaveProject());
  window.reset();  // lets the file go

  // Another session opens the file: the results window's print button shows the stored choices.
  TMyWindow next(testing_support::Texts('D'), VELMORA_TEST_PROGRAM_DIR);
  next.SetSettingsFile(settingsFolder.filePath("Velmora6.ini"));
  next.PrepareFirstShow({});
  ASSERT_TRUE(next.OpenProjectFile(folder.filePath("druck.vlm")));
  QTimer::singleShot(0, [&next] {
    TSeiteEinrichtenDlg& dialog = *next.PageSetupDialog();
    EXPECT_TRUE(dialog.findChild<QRadioButton*>("RadioButton2")->isChecked());
    EXPECT_EQ(dialog.findChild<QSpinBox*>("Edit2")->value(), 4);
    EXPECT_EQ(dialog.findChild<QComboBox*>("ComboBox2")->currentText(), "A3");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit5")->text(), "1,5");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit4")->text(), "0,79");
    EXPECT_EQ(dialog.findChild<QComboBox*>("ComboBox1")->currentIndex(), 1);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit8")->text(), "Anlage 3");
    EXPECT_TRUE(dialog.findChild<QCheckBox*>("CheckBox1")->isChecked());
    dialog.findChild<QPushButton*>("CancelBtn")->click();
    dialog.reject();  // a test that failed halfway must not hang
  });
  next.ResultsWindow()->findChild<QToolButton*>("ToolButtonPrint")->click();
  EXPECT_EQ(printed, 1);
  EXPECT_TRUE(next.ProjectSaved()) << "cancelled: nothing changed";
}

}  // namespace
}  // namespace velmora::gui
