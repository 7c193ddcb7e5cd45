#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

#include "MainWindowFixture.h"
#include "results/ResultsTable.h"
#include "results/TAusgabe_Fenster.h"

namespace velmora::gui {
namespace {

using Settings = MainWindowFixture;

TEST_F(Settings, InputsOfTheLastSessionComeBackAtTheNextStart) {
  window->SelectElement(4, 1);
  Type("Va1_Edit", "80");
  Type("Va2_Edit", "160");
  Type("Eingabe_Dichte", "870");
  Choose("ComboBox2", 1);  // kg/l
  window->close();         // writes the settings

  TMyWindow next(testing_support::Texts('D'), VELMORA_TEST_PROGRAM_DIR);
  next.SetSettingsFile(settingsFolder.filePath("Velmora6.ini"));
  next.PrepareFirstShow({});
  EXPECT_EQ(next.ReadForm().elementGroup, 4);
  EXPECT_EQ(next.ReadForm().elementKind, 1);
  EXPECT_EQ(next.findChild<QLineEdit*>("Va1_Edit")->text(), "80");
  EXPECT_EQ(next.findChild<QLineEdit*>("Va2_Edit")->text(), "160");
  EXPECT_EQ(next.findChild<QLineEdit*>("Eingabe_Dichte")->text(), "870");
  EXPECT_EQ(next.findChild<QComboBox*>("ComboBox2")->currentIndex(), 1);
}

TEST_F(Settings, SwitchingToUsUnitsConvertsTheTable) {
  PressCalculate();
  ASSERT_EQ(window->ResultsWindow()->ElementCount(), 1);
  const std::string metricFlow = window->ResultsWindow()->Table().Cell(1, 2);
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);  // US
    dialog->findChild<QPushButton*>("BitBtn1")->click();
  });
  Find<QAction>("Einstellungen2")->trigger();
  EXPECT_TRUE(window->Settings().display.us);
  // 1 m³/h is 4.403 gal/min.
  EXPECT_EQ(window->ResultsWindow()->Table().Cell(1, 2), "4,403");
  EXPECT_NE(window->ResultsWindow()->Table().Cell(1, 2), metricFlow);
}

}  // namespace
}  // namespace velmora::gui
