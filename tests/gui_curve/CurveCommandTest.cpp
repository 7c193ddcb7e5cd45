// The main window's menu item "pressure loss as a function of flow": refused for a gas and for an
// empty table, otherwise the range dialog and then the curve window.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "curve/CurveCommand.h"
#include "curve/TKurve.h"
#include "gui/MainWindowFixture.h"

namespace velmora::gui {
namespace {

class CurveCommandTest : public MainWindowFixture {
 protected:
  QAction& Item() { return *window->findChild<QAction*>("Druckverlustkurve1"); }
};

TEST_F(CurveCommandTest, RefusedWithoutElementsAndForAGas) {
  ASSERT_TRUE(Item().isEnabled());
  Item().trigger();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, testing_support::Texts('D').FormText("MyWindow", "msgCalculateFirst"));
  EXPECT_EQ(shown[0].caption, testing_support::Texts('D').GlobalText(184));
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Error);

  PressCalculate();
  Find<QRadioButton>("Radio_gas")->setChecked(true);
  shown.clear();
  Item().trigger();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, testing_support::Texts('D').FormText("MyWindow", "msgCurveLiquidOnly"));
  EXPECT_EQ(window->Curve()->RangeDialog()->isVisible(), false);
}

TEST_F(CurveCommandTest, RangeDialogThenCurveWindow) {
  Type("Va2_Edit", "50");
  Type("Eingabe_Volumenstrom", "36");
  PressCalculate();
  ASSERT_TRUE(shown.empty());
  // The dialog is modal: it is answered from inside its own event loop.
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("Edit_Bis")->setText("40");
    dialog->findChild<QPushButton*>("BitBtn1")->click();
  });
  Item().trigger();
  TKurve* curve = window->Curve()->CurveWindow();
  EXPECT_TRUE(curve->isVisible());
  ASSERT_TRUE(curve->HasCurve());
  EXPECT_EQ(curve->CurrentDiagram().flowLabels.back(), "40");
  // The table is the project's, untouched.
  EXPECT_EQ(window->Project().Table().ElementCount(), 1);
  curve->close();
  EXPECT_FALSE(curve->HasCurve());
}

}  // namespace
}  // namespace velmora::gui
