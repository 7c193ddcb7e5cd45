// The help of the program's windows: the index command opens the start page, every window with a
// help page opens its page by F1 and its help button, also while a modal dialog is open.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QShortcut>

#include "MainWindowFixture.h"
#include "help/HelpBook.h"
#include "help/HelpCommands.h"
#include "help/THilfeFenster.h"
#include "toolkit/Help.h"

namespace velmora::gui {
namespace {

class HelpWiring : public MainWindowFixture {
 protected:
  THilfeFenster* Manual() const { return window->Help()->HelpWindow(); }
};

TEST_F(HelpWiring, TheIndexCommandOpensTheStartPageNamedByGlobalText71) {
  Find<QAction>("Index1")->trigger();
  ASSERT_NE(Manual(), nullptr);
  EXPECT_TRUE(Manual()->isVisible());
  EXPECT_EQ(Manual()->CurrentPage().toStdString(), testing_support::Texts('D').GlobalText(71));
  window->close();
  EXPECT_FALSE(Manual() != nullptr && Manual()->isVisible()) << "closing the program closes the manual";
}

TEST_F(HelpWiring, EveryWindowWithHelpOpensAnExistingPage) {
  const help::HelpBook book = help::HelpBook::Load((std::string(VELMORA_TEST_PROGRAM_DIR) + "/help").c_str());
  int windows = 0;
  for (QWidget* widget : QApplication::allWidgets()) {
    const QString page = HelpPageOf(*widget);
    if (page.isEmpty()) continue;
    ++windows;
    EXPECT_TRUE(book.Resolves(page.toStdString())) << widget->objectName().toStdString() << ": " << page.toStdString();
  }
  EXPECT_GE(windows,
            6);  // the windows made at start: results, selection, gas notes, settings, short display, page setup
}

TEST_F(HelpWiring, F1AndTheHelpButtonOfADialogOpenItsPageOverTheModalDialog) {
  auto* settings = window->findChild<QDialog*>("EinstellungenDlg");
  ASSERT_NE(settings, nullptr);
  settings->setModal(true);
  settings->show();
  QApplication::processEvents();
  settings->findChild<QPushButton*>("HelpBtn")->click();
  ASSERT_NE(Manual(), nullptr);
  EXPECT_EQ(Manual()->CurrentPage().toStdString(), "settings.html");
  EXPECT_EQ(Manual()->parentWidget(), settings) << "a modal dialog lets only its own windows be used";
  settings->hide();

  auto* selection = window->findChild<QDialog*>("BtnBottomDlg");
  selection->show();
  // F1 is the dialog's own shortcut (the offscreen platform delivers no key to shortcuts).
  QShortcut* f1 = selection->findChild<QShortcut*>();
  ASSERT_NE(f1, nullptr);
  EXPECT_EQ(f1->key(), QKeySequence(Qt::Key_F1));
  emit f1->activated();
  EXPECT_EQ(Manual()->CurrentPage().toStdString(), "elements.html");
  EXPECT_EQ(Manual()->parentWidget(), window.get());
  selection->hide();
}

}  // namespace
}  // namespace velmora::gui
