// The catalogues in the program: the Norm-Teile menu items open them over the main window, the
// pipe-information buttons of the table-change dialogs over those dialogs, and the take-over lands
// where it was asked for.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "gui/MainWindowFixture.h"
#include "results/TAusgabe_Fenster.h"
#include "tablechange/TableChangeCommands.h"

namespace velmora::gui {
namespace {

class CatalogueWiring : public MainWindowFixture {
 protected:
  // Answers the next modal window the coming command opens.
  static void WhenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      answer(dialog);
    });
  }
  static void Choose(QWidget* dialog, const char* list, const QString& entry) {
    auto* widget = dialog->findChild<QListWidget*>(list);
    const auto found = widget->findItems(entry, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << list << " " << entry.toStdString();
    widget->setCurrentItem(found.front());
  }
  static void Click(QWidget* dialog, const char* name) { dialog->findChild<QAbstractButton*>(name)->click(); }
  QString Text(const char* edit) const { return Find<QLineEdit>(edit)->text(); }
};

TEST_F(CatalogueWiring, CatalogueItemsAndThePipeButtonAreOn) {
  for (const char* item : {"Rohre1", "Rohrerechteckig1", "Bgen1", "ReduzierungenErweiterungen1", "T1"}) {
    EXPECT_TRUE(Find<QAction>(item)->isEnabled()) << item;
  }
  EXPECT_TRUE(Find<QToolButton>("ToolButton3")->isEnabled());
}

TEST_F(CatalogueWiring, PipeFromTheToolButtonBecomesACircularPipe) {
  window->SelectElement(7, 1);
  WhenModal([](QWidget* dialog) {
    Choose(dialog, "ListBox1", "Gewinderohr EN 10255, mittelschwer (M)");
    Choose(dialog, "ListBox2", "DN 25 (1)");  // 33,7 x 3,2
    Click(dialog, "BitBtn1");
    Click(dialog, "OKBtn");
  });
  Find<QToolButton>("ToolButton3")->click();
  const mainform::MainForm form = window->ReadForm();
  EXPECT_EQ(std::make_pair(form.elementGroup, form.elementKind), std::make_pair(1, 1));
  EXPECT_EQ(Text("Edit1"), "Gewinderohr EN 10255, mittelschwer (M)");
  EXPECT_EQ(Text("Va1_Edit"), "27,3");
  EXPECT_EQ(Find<QComboBox>("ComboVar1")->currentIndex(), 0);
}

TEST_F(CatalogueWiring, CombiningTeeBecomesBranchPieceFiveSix) {
  WhenModal([](QWidget* dialog) {
    Click(dialog, "RadioGroup1_1");
    Choose(dialog, "ListBox2", "50");
    Choose(dialog, "ListBox3", "3 (2,9)");
    Choose(dialog, "ListBox1", "25");
    Choose(dialog, "ListBox6", "3 (2,6)");
    Click(dialog, "BitBtn1");
  });
  Find<QAction>("T1")->trigger();
  const mainform::MainForm form = window->ReadForm();
  EXPECT_EQ(std::make_pair(form.elementGroup, form.elementKind), std::make_pair(5, 6));
  EXPECT_EQ(Text("Edit1"), "T-Stücke DIN 2615-1");
  EXPECT_EQ(Text("Va1_Edit"), "54,5");
  EXPECT_EQ(Text("Va2_Edit"), "28,5");
  EXPECT_EQ(Text("Va3_Edit"), "2,9");  // the edge radius is the run wall
  EXPECT_EQ(Text("Va4_Edit"), "90");
  for (const char* unit : {"ComboVar1", "ComboVar2", "ComboVar3"}) EXPECT_EQ(Find<QComboBox>(unit)->currentIndex(), 0);
}

TEST_F(CatalogueWiring, BendOfShapeBBecomesCircularBendFourOne) {
  Type("Edit1", "Vorlauf");
  WhenModal([](QWidget* dialog) {
    Click(dialog, "RadioGroup1_1");
    Choose(dialog, "ListBox2", "80");
    Choose(dialog, "ListBox3", "3 (3,2)");
    Choose(dialog, "ListBox1", " 3: R ~  1,5 x Da");
    Click(dialog, "BitBtn1");
    Click(dialog, "OKBtn");
  });
  Find<QAction>("Bgen1")->trigger();
  const mainform::MainForm form = window->ReadForm();
  EXPECT_EQ(std::make_pair(form.elementGroup, form.elementKind), std::make_pair(4, 1));
  EXPECT_EQ(Text("Va1_Edit"), "82,5");  // 88,9 − 2·3,2
  EXPECT_EQ(Text("Va2_Edit"), "114");
  EXPECT_EQ(Text("Va3_Edit"), "90");
  PressCalculate();  // the values pass the bend's checks (R/D ≥ 1, 15° ≤ w ≤ 180°)
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(window->ResultsWindow()->ElementCount(), 1);
}

TEST_F(CatalogueWiring, ColumnDialogOpensTheReducersForAnExpansionAndTakesTheirValues) {
  window->SelectElement(3, 2);
  Type("Va1_Edit", "50");
  Type("Va2_Edit", "100");
  Type("Va3_Edit", "10");
  PressCalculate();
  ASSERT_EQ(window->ResultsWindow()->ElementCount(), 1);
  bool answered = false;
  WhenModal([&answered](QWidget* column) {
    // The reducers open over the column dialog with "Erweiterung" chosen and kept.
    WhenModal([column, &answered](QWidget* reducers) {
      answered = true;
      EXPECT_EQ(reducers->objectName(), "InfoReduz");
      auto* expansion = reducers->findChild<QAbstractButton*>("RadioGroup1_1");
      EXPECT_TRUE(expansion->isChecked());
      EXPECT_FALSE(expansion->isEnabled());
      Choose(reducers, "ListBox2", "50");
      Choose(reducers, "ListBox3", "3 (2,9)");
      Choose(reducers, "ListBox1", "40");
      Choose(reducers, "ListBox6", "3 (2,6)");
      Click(reducers, "BitBtn1");
      EXPECT_EQ(column->findChild<QLineEdit*>("Edit_Element1")->text(), "43,1");
      EXPECT_EQ(column->findChild<QLineEdit*>("Edit_Element2")->text(), "54,5");
      EXPECT_EQ(column->findChild<QLineEdit*>("Edit_Element3")->text(), "5,1");
      EXPECT_EQ(column->findChild<QLineEdit*>("Edit6")->text(), "Reduzierstücke DIN 2616-1");
      Click(column, "BitBtn3");
    });
    Click(column, "BitBtnRohr");
  });
  window->TableChange()->ChangeColumn(1);
  EXPECT_TRUE(answered);
  EXPECT_EQ(Text("Va1_Edit"), "50");  // the main window keeps its inputs
}

TEST_F(CatalogueWiring, TableDialogTakesAPipeDiameterWithItsUnit) {
  Type("Va1_Edit", "100");
  PressCalculate();
  bool answered = false;
  WhenModal([&answered](QWidget* table) {
    WhenModal([table, &answered](QWidget* pipes) {
      answered = true;
      Choose(pipes, "ListBox1", "Edelstahlrohr DIN 11850, Reihe 2");
      Choose(pipes, "ListBox2", "65");  // 70 x 2
      Click(pipes, "BitBtn1");
      Click(pipes, "OKBtn");
      EXPECT_EQ(table->findChild<QLineEdit*>("Edit4")->text(), "66,0");
      EXPECT_EQ(table->findChild<QComboBox*>("ComboBox2")->currentIndex(), 0);
      Click(table, "BitBtn2");
    });
    Click(table, "BitBtnRohr1");
  });
  window->TableChange()->ChangeTable();
  EXPECT_TRUE(answered);
}

TEST_F(CatalogueWiring, ColumnOfAnElementWithoutDiameterHasNoPipeButton) {
  window->SelectElement(13, 1);
  Type("Va1_Edit", "10");
  PressCalculate();
  ASSERT_EQ(window->ResultsWindow()->ElementCount(), 1);
  WhenModal([](QWidget* column) {
    EXPECT_FALSE(column->findChild<QPushButton*>("BitBtnRohr")->isEnabled());
    Click(column, "BitBtn3");
  });
  window->TableChange()->ChangeColumn(1);
}

}  // namespace
}  // namespace velmora::gui
