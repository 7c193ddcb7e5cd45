// The help of the program's windows: the index command opens the start page, every window with a
// help page opens its page by F1 and its help button, also while a modal dialog is open.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <functional>
#include <memory>

#include "MainWindowFixture.h"
#include "calculators/ConverterDialogs.h"
#include "calculators/TInhaltDlg.h"
#include "calculators/TNennwDialogs.h"
#include "calculators/TPSchnellAusgabe.h"
#include "calculators/TPSchnellAuslegung.h"
#include "coefficients/TRauDatenbank.h"
#include "coefficients/TZetaDatenbank.h"
#include "fluids/TBen_Daba_Dlg.h"
#include "fluids/TBen_Daba_Dlg2.h"
#include "fluids/TDaDruDialog.h"
#include "fluids/TKuehlsolen.h"
#include "fluids/TMedienDialog.h"
#include "fluids/TStoffdaten_berechnenDlg.h"
#include "fluids/TStoffwerteGaseNeu.h"
#include "fluids/TWaermetraegerDlg.h"
#include "fluids/TWaessrigeLsgDlg.h"
#include "fluids/UserMedia.h"
#include "help/HelpBook.h"
#include "help/HelpCommands.h"
#include "help/HelpTopics.h"
#include "help/THilfeFenster.h"
#include "parts/TInfoBoegen.h"
#include "parts/TInfoReduz.h"
#include "parts/TInfoRohr.h"
#include "parts/TInfoRohrRechte.h"
#include "parts/TInfoTStue.h"
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

// The unit-conversion window of the German edition explains the program's own unit lists: its link
// leads to the manual's page of them, never out of the program.
TEST_F(HelpWiring, TheUnitConversionLinkOpensTheManualsPageOfUnits) {
  const help::HelpBook book = help::HelpBook::Load((std::string(VELMORA_TEST_PROGRAM_DIR) + "/help").c_str());
  TEhuInfo info(testing_support::Texts('D'), window.get());
  auto* link = info.findChild<QLabel*>("Label2");
  ASSERT_NE(link, nullptr);
  EXPECT_TRUE(link->text().contains("href=\"units.html\"")) << link->text().toStdString();
  EXPECT_FALSE(link->text().contains("://")) << link->text().toStdString();
  EXPECT_TRUE(book.Resolves(HelpPageOf(info).toStdString()));
  emit link->linkActivated("units.html");
  ASSERT_NE(Manual(), nullptr);
  EXPECT_EQ(Manual()->CurrentPage().toStdString(), "units.html");
}

// The property, parts, database and calculator windows that are made when first asked for: each
// opens its own page (and section) of the manual by its help button and by F1.
TEST_F(HelpWiring, EveryPropertyPartsAndCalculatorWindowOpensItsOwnPage) {
  using namespace help::topic;
  const text::TextStore& texts = testing_support::Texts('D');
  const QString folder = VELMORA_TEST_PROGRAM_DIR;
  QWidget* parent = window.get();
  UserMedia media(settingsFolder.filePath("USER.DAT").toStdString(), settingsFolder.filePath("USER.DAT").toStdString());
  const int metric = 0;
  using Make = std::function<std::unique_ptr<QWidget>()>;
  const struct {
    Make make;
    const char* page;
  } kWindows[] = {
      {[&] { return std::make_unique<TStoffwerteGaseNeu>(texts, folder, parent); }, kGasDatabase},
      {[&] { return std::make_unique<TMedienDialog>(texts, folder, parent); }, kLiquidDatabase},
      {[&] { return std::make_unique<TDaDruDialog>(texts, folder, parent); }, kVapourPressureDatabase},
      {[&] { return std::make_unique<TKuehlsolen>(texts, parent); }, kBrines},
      {[&] { return std::make_unique<TWaermetraegerDlg>(texts, folder, parent); }, kHeatTransferOils},
      {[&] { return std::make_unique<TWaessrigeLsgDlg>(texts, folder, parent); }, kAqueousSolutions},
      {[&] { return std::make_unique<TStoffdaten_berechnenDlg>(texts, folder, parent); }, kEstimateProperties},
      {[&] { return std::make_unique<TBen_Daba_Dlg2>(texts, &media, &metric, parent); }, kUserMediaChoice},
      {[&] { return std::make_unique<TBen_Daba_Dlg>(texts, &media, &metric, parent); }, kUserMediaEdit},
      {[&] { return std::make_unique<TInfoRohr>(texts, folder, parent); }, kCircularPipes},
      {[&] { return std::make_unique<TInfoRohrRechte>(texts, folder, parent); }, kRectangularPipes},
      {[&] { return std::make_unique<TInfoBoegen>(texts, folder, parent); }, kBends},
      {[&] { return std::make_unique<TInfoReduz>(texts, folder, parent); }, kReducers},
      {[&] { return std::make_unique<TInfoTStue>(texts, folder, parent); }, kTees},
      {[&] { return std::make_unique<TZetaDatenbank>(texts, folder, parent); }, kZetaDatabase},
      {[&] { return std::make_unique<TRauDatenbank>(texts, parent); }, kRoughnessDatabase},
      {[&] { return std::make_unique<TPSchnellAuslegung>(texts, folder, parent); }, kPumpDesign},
      {[&] { return std::make_unique<TPSchnellAusgabe>(texts, parent); }, kPumpDesignResults},
      {[&] { return std::make_unique<TNPSHDialog>(texts, parent); }, kNpsh},
      {[&] { return std::make_unique<TNennw_Fl_Dlg>(texts, parent); }, kEconomicDiameterLiquids},
      {[&] { return std::make_unique<TNennw_Ga_Dlg>(texts, parent); }, kEconomicDiameterGases},
      {[&] { return std::make_unique<TFoerderhoehe_Dlg>(texts, parent); }, kPumpHead},
      {[&] { return std::make_unique<Tgeschw_v>(texts, parent); }, kVelocityToFlow},
      {[&] { return std::make_unique<Tv_geschw>(texts, parent); }, kFlowToVelocity},
      {[&] { return std::make_unique<TNorm_in_Betrieb_Dlg>(texts, parent); }, kStandardToOperating},
      {[&] { return std::make_unique<Tkv_in_Zeta_Dlg>(texts, parent); }, kKvToZeta},
      {[&] { return std::make_unique<TCv_in_ZetaDlg>(texts, parent); }, kCvToZeta},
      {[&] { return std::make_unique<TInhaltDlg>(texts, parent); }, kPipelineContent},
  };
  const help::HelpBook book = help::HelpBook::Load((std::string(VELMORA_TEST_PROGRAM_DIR) + "/help").c_str());
  for (const auto& entry : kWindows) {
    const std::unique_ptr<QWidget> shown = entry.make();
    const std::string name = shown->objectName().toStdString();
    EXPECT_EQ(HelpPageOf(*shown).toStdString(), entry.page) << name;
    EXPECT_TRUE(book.Resolves(entry.page)) << entry.page;

    auto* button = shown->findChild<QPushButton*>("HelpBtn");
    ASSERT_NE(button, nullptr) << name;
    button->click();
    ASSERT_NE(Manual(), nullptr);
    EXPECT_EQ(Manual()->CurrentPage().toStdString(), entry.page) << name << " (help button)";

    Manual()->ShowPage(QString::fromUtf8(kStart));
    QShortcut* f1 = nullptr;
    for (QShortcut* shortcut : shown->findChildren<QShortcut*>(Qt::FindDirectChildrenOnly)) {
      if (shortcut->key() == QKeySequence(Qt::Key_F1)) f1 = shortcut;
    }
    ASSERT_NE(f1, nullptr) << name;
    emit f1->activated();
    EXPECT_EQ(Manual()->CurrentPage().toStdString(), entry.page) << name << " (F1)";
  }
}

}  // namespace
}  // namespace velmora::gui
