// The coefficient databases in the program: the main window's zeta menu item and tool button, its
// roughness button, and the column dialog's database buttons open them; the take-over lands in
// the window that is open, in metric and in US display.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "gui/MainWindowFixture.h"
#include "results/TAusgabe_Fenster.h"
#include "tablechange/TableChangeCommands.h"

namespace velmora::gui {
namespace {

class DatabaseWiring : public MainWindowFixture {
 protected:
  // Answers the modal dialog the next command opens.
  static void WhenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      answer(dialog);
    });
  }
  static QListWidget* List(QWidget* dialog, const char* name) { return dialog->findChild<QListWidget*>(name); }
  static void Click(QWidget* dialog, const char* button) { dialog->findChild<QPushButton*>(button)->click(); }
  static QString Text(QWidget* dialog, const char* edit) { return dialog->findChild<QLineEdit*>(edit)->text(); }
  // In the zeta database: manufacturer, fitting row and size row, then OK.
  static void ChooseZeta(QWidget* dialog, const QString& manufacturer, int fitting, int size, bool describe = true) {
    QListWidget* files = List(dialog, "FileListBox1");
    const auto found = files->findItems(manufacturer, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << manufacturer.toStdString();
    files->setCurrentItem(found[0]);
    List(dialog, "ListBox1")->setCurrentRow(fitting);
    List(dialog, "ListBox2")->setCurrentRow(size);
    dialog->findChild<QCheckBox*>("CheckBox1")->setChecked(describe);
    Click(dialog, "OKBtn");
  }
  // In the roughness database: entry `entry` (1 … 42), then OK.
  static void ChooseRoughness(QWidget* dialog, int entry) {
    List(dialog, "ListBox1")->setCurrentRow(entry - 1);
    Click(dialog, "OKBtn");
  }
  void SwitchToUs() {
    WhenModal([](QWidget* dialog) {
      dialog->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);  // US
      Click(dialog, "BitBtn1");
    });
    Find<QAction>("Einstellungen2")->trigger();
    ASSERT_TRUE(window->Settings().display.us);
  }
  void CalculateElement(int group, int kind, const std::vector<QString>& dimensions) {
    window->SelectElement(group, kind);
    const char* const edits[] = {"Va1_Edit", "Va2_Edit", "Va3_Edit"};
    for (std::size_t i = 0; i < dimensions.size(); ++i) Type(edits[i], dimensions[i]);
    PressCalculate();
  }
};

TEST_F(DatabaseWiring, ZetaTakeOverBecomesAKnownZetaElement) {
  EXPECT_TRUE(Find<QAction>("ZetaDatenbank1")->isEnabled());
  EXPECT_TRUE(Find<QToolButton>("ToolButton2")->isEnabled());
  Choose("ComboVar1", 1);  // "in.": the nominal diameter must still read as mm
  Type("Edit1", "Strang 1");
  WhenModal([](QWidget* dialog) { ChooseZeta(dialog, "Generic globe valves", 0, 5); });
  Find<QAction>("ZetaDatenbank1")->trigger();
  const mainform::MainForm form = window->ReadForm();
  EXPECT_EQ(form.elementGroup, 12);
  EXPECT_EQ(form.elementKind, 1);
  EXPECT_EQ(Find<QLineEdit>("Va1_Edit")->text(), "50");
  EXPECT_EQ(Find<QComboBox>("ComboVar1")->currentIndex(), 0);
  EXPECT_EQ(Find<QLineEdit>("Va2_Edit")->text(), "6,41");  // Crane: 340 fT, DN 50
  EXPECT_EQ(Find<QLineEdit>("Edit1")->text(),
            "Generic globe valves Globe valve, standard pattern, full seat (Crane 340 fT)");
  PressCalculate();
  EXPECT_EQ(window->ResultsWindow()->ElementCount(), 1);

  // From a rectangular known-zeta element, without the description, through the tool button.
  window->SelectElement(12, 2);
  WhenModal([](QWidget* dialog) { ChooseZeta(dialog, "Generic ball and gate valves", 1, 0, false); });
  Find<QToolButton>("ToolButton2")->click();
  EXPECT_EQ(window->ReadForm().elementKind, 1);
  EXPECT_EQ(Find<QLineEdit>("Va1_Edit")->text(), "15");
  EXPECT_EQ(Find<QLineEdit>("Va2_Edit")->text(), "0,20");
  EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), "");

  // Closing without OK changes nothing.
  WhenModal([](QWidget* dialog) { Click(dialog, "BitBtn1"); });
  Find<QAction>("ZetaDatenbank1")->trigger();
  EXPECT_EQ(Find<QLineEdit>("Va2_Edit")->text(), "0,20");
}

TEST_F(DatabaseWiring, RoughnessButtonFollowsTheFieldAndTakesOverInMillimetres) {
  auto* button = Find<QToolButton>("SpeedButton1");
  window->SelectElement(2, 2);
  EXPECT_FALSE(button->isEnabled());
  window->SelectElement(1, 1);
  EXPECT_TRUE(button->isEnabled());

  Choose("ComboBox6", 1);
  WhenModal([](QWidget* dialog) { ChooseRoughness(dialog, 42); });
  button->click();
  EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "9,0");
  EXPECT_EQ(Find<QComboBox>("ComboBox6")->currentIndex(), 0);

  WhenModal([](QWidget* dialog) { Click(dialog, "CancelBtn"); });
  button->click();
  EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "9,0");

  // In US display the main window still takes millimetres, with its unit list on "mm"; a double
  // click takes over and closes.
  SwitchToUs();
  Choose("ComboBox6", 1);
  WhenModal([](QWidget* dialog) {
    QListWidget* list = List(dialog, "ListBox1");
    EXPECT_EQ(list->currentRow(), 41);  // the line chosen before
    EXPECT_TRUE(list->item(0)->text().startsWith("Präzisionsstahlrohr, kalt gezogen"));
    emit list->itemDoubleClicked(list->item(0));
  });
  button->click();
  EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "0,0015");
  EXPECT_EQ(Find<QComboBox>("ComboBox6")->currentIndex(), 0);
}

TEST_F(DatabaseWiring, ColumnDialogTakesOverZetaAndRoughness) {
  Type("Eingabe_Volumenstrom", "36");
  CalculateElement(1, 1, {"100", "10"});
  CalculateElement(12, 1, {"50", "6,41"});
  CalculateElement(12, 2, {"200", "100", "2"});
  ASSERT_EQ(window->ResultsWindow()->ElementCount(), 3);

  WhenModal([](QWidget* column) {
    EXPECT_TRUE(column->findChild<QPushButton*>("BitBtnRau")->isVisible());
    WhenModal([](QWidget* dialog) { ChooseRoughness(dialog, 1); });
    Click(column, "BitBtnRau");
    EXPECT_EQ(Text(column, "Edit_Rauhigkeit"), "0,0015");

    column->findChild<QSpinBox*>("Edit1")->setValue(2);  // 12/1: the zeta is element 2
    EXPECT_TRUE(column->findChild<QPushButton*>("BitBtnZeta")->isVisible());
    WhenModal([](QWidget* dialog) { ChooseZeta(dialog, "Generic globe valves", 0, 6); });
    Click(column, "BitBtnZeta");
    EXPECT_EQ(Text(column, "Edit_Element1"), "50,000");
    EXPECT_EQ(Text(column, "Edit_Element2"), "6,15");
    EXPECT_EQ(Text(column, "Edit6"), "Generic globe valves Globe valve, standard pattern, full seat (Crane 340 fT)");

    column->findChild<QSpinBox*>("Edit1")->setValue(3);  // 12/2: the zeta is element 3
    EXPECT_FALSE(column->findChild<QPushButton*>("BitBtnZeta")->isVisible());
    EXPECT_TRUE(column->findChild<QPushButton*>("BitBtnZeta2")->isVisible());
    WhenModal([](QWidget* dialog) { ChooseZeta(dialog, "Generic butterfly valves", 0, 0, false); });
    Click(column, "BitBtnZeta2");
    EXPECT_EQ(Text(column, "Edit_Element3"), "0,85");
    EXPECT_EQ(Text(column, "Edit6"), "");
    Click(column, "BitBtn3");
  });
  window->TableChange()->ChangeColumn(1);
  // The main window's inputs stay as they were.
  EXPECT_EQ(window->ReadForm().elementKind, 2);
  EXPECT_EQ(Find<QLineEdit>("Va3_Edit")->text(), "2");

  // In US display the column dialog shows inches: 0,0015 mm is 0,0001 in.
  SwitchToUs();
  WhenModal([](QWidget* column) {
    WhenModal([](QWidget* dialog) { ChooseRoughness(dialog, 1); });
    Click(column, "BitBtnRau");
    EXPECT_EQ(Text(column, "Edit_Rauhigkeit"), "0,0001");
    WhenModal([](QWidget* dialog) { ChooseRoughness(dialog, 42); });
    Click(column, "BitBtnRau");
    EXPECT_EQ(Text(column, "Edit_Rauhigkeit"), "0,3543");
    Click(column, "BitBtn3");
  });
  window->TableChange()->ChangeColumn(1);
}

}  // namespace
}  // namespace velmora::gui
