// The table-change commands in the program: the main window's menu items and the results window's
// buttons open the dialogs; a recalculated table marks the project unsaved and shows at once, the
// main window's inputs stay; the column widths reach the table, the settings and the project file.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "gui/MainWindowFixture.h"
#include "results/ResultsGrid.h"
#include "results/TAusgabe_Fenster.h"
#include "settings/QtSettingsStore.h"
#include "toolkit/FileDialogs.h"

namespace velmora::gui {
namespace {

class TableChangeWiring : public MainWindowFixture {
 protected:
  // Answers the modal dialog the next command opens.
  void WhenModal(std::function<void(QWidget*)> answer) {
    QTimer::singleShot(0, [answer = std::move(answer)] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      answer(dialog);
    });
  }
  static void Click(QWidget* dialog, const char* button) { dialog->findChild<QPushButton*>(button)->click(); }
  static void TypeIn(QWidget* dialog, const char* edit, const QString& text) {
    dialog->findChild<QLineEdit*>(edit)->setText(text);
  }
  QString Shown(int row, int column) const {
    const QAbstractItemModel* model = window->ResultsWindow()->Grid()->model();
    return model->index(row, column).data().toString();
  }
  void CalculatePipe() {
    Type("Va1_Edit", "100");
    Type("Va2_Edit", "10");
    Type("Eingabe_Volumenstrom", "36");
    PressCalculate();
    ASSERT_EQ(window->ResultsWindow()->ElementCount(), 1);
  }
  void UpdateTableMenu() { emit Find<QMenu>("Tabelle1")->aboutToShow(); }
};

TEST_F(TableChangeWiring, MenuItemsFollowTheTable) {
  UpdateTableMenu();
  EXPECT_FALSE(Find<QAction>("GewhlteTabellenspaltendern1")->isEnabled());
  EXPECT_FALSE(Find<QAction>("GlobaleTabellennderungen1")->isEnabled());
  EXPECT_TRUE(Find<QAction>("Spaltenbreitendern1")->isEnabled());
  CalculatePipe();
  UpdateTableMenu();
  EXPECT_TRUE(Find<QAction>("GewhlteTabellenspaltendern1")->isEnabled());
  EXPECT_TRUE(Find<QAction>("GlobaleTabellennderungen1")->isEnabled());
  for (const char* button : {"ToolButtonChangeColumn", "ToolButtonChangeTable", "ToolButtonColumnWidth"}) {
    EXPECT_TRUE(window->ResultsWindow()->findChild<QToolButton*>(button)->isEnabled()) << button;
  }
}

TEST_F(TableChangeWiring, ColumnRecalculatedFromADoubleClick) {
  CalculatePipe();
  QTemporaryDir folder;
  SetFileDialogInterceptor([&](const FileDialogRequest&) { return folder.filePath("p.vlm"); });
  ASSERT_TRUE(window->SaveProjectAs());
  SetFileDialogInterceptor({});
  ASSERT_TRUE(window->ProjectSaved());
  const mainform::MainForm inputs = window->ReadForm();
  ASSERT_EQ(Shown(14, 1), "1,273");

  WhenModal([](QWidget* dialog) {
    TypeIn(dialog, "Edit_Element1", "50");
    Click(dialog, "BitBtn2");
    Click(dialog, "BitBtn3");
  });
  ResultsGrid* grid = window->ResultsWindow()->Grid();
  emit grid->doubleClicked(grid->model()->index(3, 1));
  EXPECT_EQ(Shown(14, 1), "5,093");  // 36 m³/h through 50 mm
  EXPECT_FALSE(window->ProjectSaved());
  EXPECT_EQ(window->ReadForm().dimensions, inputs.dimensions);  // the main window keeps its inputs
  EXPECT_EQ(window->ReadForm().flow, inputs.flow);
}

TEST_F(TableChangeWiring, TableChangedFromTheResultsWindow) {
  CalculatePipe();
  WhenModal([](QWidget* dialog) {
    dialog->findChild<QAbstractButton*>("CheckBox3")->click();
    TypeIn(dialog, "Edit4", "50");
    Click(dialog, "BitBtn1");
    Click(dialog, "BitBtn2");
  });
  window->ResultsWindow()->findChild<QToolButton*>("ToolButtonChangeTable")->click();
  EXPECT_EQ(Shown(14, 1), "5,093");
  EXPECT_FALSE(window->ProjectSaved());
}

TEST_F(TableChangeWiring, ColumnWidthsReachTableSettingsAndProject) {
  CalculatePipe();
  WhenModal([](QWidget* dialog) {
    EXPECT_EQ(dialog->focusWidget(), dialog->findChild<QLineEdit*>("Edit2"));
    TypeIn(dialog, "Edit2", "160");
    TypeIn(dialog, "Edit1", "200");
    Click(dialog, "BitBtn1");
  });
  Find<QAction>("Spaltenbreitendern1")->trigger();
  ResultsGrid* grid = window->ResultsWindow()->Grid();
  EXPECT_EQ(grid->TitleColumnWidth(), 160);
  EXPECT_EQ(grid->columnWidth(1), 200);
  EXPECT_EQ(window->Settings().standardColumnWidths, (std::array<int, 2>{160, 200}));
  const QtSettingsStore stored(settingsFolder.filePath("Velmora6.ini"));
  EXPECT_EQ(stored.Read("Allgemein", "RNormspaltenbreite0"), "160");
  EXPECT_EQ(stored.Read("Allgemein", "RNormspaltenbreite1"), "200");

  // The project keeps the widths of its columns (line 17).
  QTemporaryDir folder;
  SetFileDialogInterceptor([&](const FileDialogRequest&) { return folder.filePath("p.vlm"); });
  ASSERT_TRUE(window->SaveProjectAs());
  SetFileDialogInterceptor({});
  QFile file(folder.filePath("p.vlm"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().split('\n').value(17), "160\t200\t\r");

  // "&Standard" in the German edition: 145 and 150.
  WhenModal([](QWidget* dialog) { Click(dialog, "BitBtn2"); });
  window->ResultsWindow()->findChild<QToolButton*>("ToolButtonColumnWidth")->click();
  EXPECT_EQ(grid->TitleColumnWidth(), 145);
  EXPECT_EQ(grid->columnWidth(1), 150);
  EXPECT_EQ(QtSettingsStore(settingsFolder.filePath("Velmora6.ini")).Read("Allgemein", "RNormspaltenbreite0"), "145");
  EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace velmora::gui
