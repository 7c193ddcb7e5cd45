#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "MainWindowFixture.h"
#include "catalogue/ElementLayout.h"
#include "elements/TBtnBottomDlg.h"

namespace velmora::gui {
namespace {

class ElementSelection : public MainWindowFixture {
 protected:
  TBtnBottomDlg* Dialog() { return window->SelectionDialog(); }
};

TEST_F(ElementSelection, SixtyFiveButtonsWithPicturesAndHints) {
  int buttons = 0;
  for (const auto& layout : catalogue::ElementLayouts()) {
    QToolButton* button =
        Dialog()->Button(QString::fromUtf8(layout.button.data(), static_cast<qsizetype>(layout.button.size())));
    ASSERT_NE(button, nullptr) << layout.button;
    EXPECT_FALSE(button->icon().isNull()) << layout.button;
    EXPECT_FALSE(button->toolTip().isEmpty()) << layout.button;
    ++buttons;
  }
  EXPECT_EQ(buttons, 65);
  EXPECT_EQ(Dialog()->Button("SB14")->toolTip(),
            ToQString(testing_support::Texts('D').FormText("BtnBottomDlg", "SB14")));
}

TEST_F(ElementSelection, OkStoresThePressedElementOfTheVisiblePage) {
  Dialog()->Present(1, 1);
  Dialog()->Button("SB14")->click();
  Dialog()->findChild<QPushButton*>("OKBtn")->click();
  EXPECT_EQ(Dialog()->ChosenGroup(), 4);
  EXPECT_EQ(Dialog()->ChosenKind(), 1);
}

TEST_F(ElementSelection, OnlyOneButtonIsDown) {
  Dialog()->Present(1, 1);
  Dialog()->Button("SB20")->click();
  EXPECT_FALSE(Dialog()->Button("SB01")->isChecked());
  EXPECT_TRUE(Dialog()->Button("SB20")->isChecked());
}

TEST_F(ElementSelection, PresentShowsThePageOfTheElement) {
  Dialog()->Present(13, 2);
  EXPECT_EQ(Dialog()->findChild<QTabWidget*>("PageControl1")->currentIndex(), 1);
  EXPECT_TRUE(Dialog()->Button("SB62")->isChecked());
  Dialog()->Present(9, 6);
  EXPECT_EQ(Dialog()->findChild<QTabWidget*>("PageControl1")->currentIndex(), 0);
  EXPECT_TRUE(Dialog()->Button("SB44B")->isChecked());
}

TEST_F(ElementSelection, AButtonPressedOnTheHiddenPageDoesNotChoose) {
  Dialog()->Present(13, 1);
  Dialog()->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(0);
  Dialog()->findChild<QPushButton*>("OKBtn")->click();
  EXPECT_EQ(Dialog()->ChosenGroup(), 0);
}

TEST_F(ElementSelection, DoubleClickChoosesAndCloses) {
  Dialog()->Present(1, 1);
  Dialog()->show();
  QToolButton* button = Dialog()->Button("SB46");
  QTest::mouseDClick(button, Qt::LeftButton);
  EXPECT_EQ(Dialog()->ChosenGroup(), 10);
  EXPECT_EQ(Dialog()->ChosenKind(), 1);
  EXPECT_FALSE(Dialog()->isVisible());
}

TEST_F(ElementSelection, ChoosingThroughTheDialogRebuildsThePanel) {
  QTimer::singleShot(0, [this] {
    Dialog()->Button("SB35")->click();
    Dialog()->findChild<QPushButton*>("OKBtn")->click();
  });
  Find<QToolButton>("ToolButton1")->click();
  EXPECT_EQ(Find<QLineEdit>("Va2_Edit")->text(), "30");
  EXPECT_TRUE(
      Find<QLabel>("Statisch_Element_Name1")->text().endsWith(ToQString(testing_support::Texts('D').KindName(7, 5))));
}

}  // namespace
}  // namespace velmora::gui
