#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <map>

#include "MainWindowFixture.h"
#include "catalogue/CheckElement.h"
#include "catalogue/ElementLayout.h"
#include "results/TAusgabe_Fenster.h"

namespace velmora::gui {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, StartsWithTitleCaptionsAndTheDefaultPipe) {
  EXPECT_EQ(window->windowTitle(), "Velmora 6.260");
  EXPECT_EQ(Find<QMenu>("Datei1")->title(), ToQString(German().FormText("MyWindow", "Datei1")));
  EXPECT_EQ(Find<QLabel>("Va1_Static")->text(), ToQString(catalogue::SlotLabel(German(), 1, 1, 1)));
  EXPECT_TRUE(Find<QLabel>("Va2_Static")->isVisible());
  EXPECT_FALSE(Find<QLabel>("Va3_Static")->isVisible());
  EXPECT_EQ(Find<QLineEdit>("Va1_Edit")->text(), "100");
  EXPECT_EQ(Find<QLineEdit>("Va2_Edit")->text(), "1,0");
  EXPECT_EQ(Find<QLineEdit>("Edit2")->text(), "0,1");
  EXPECT_EQ(Find<QLineEdit>("Eingabe_Dichte")->text(), "998,2");
  EXPECT_EQ(Find<QLineEdit>("Eingabe_Viskositaet")->text(), "1002");
  EXPECT_EQ(Find<QComboBox>("ComboBox3")->currentText(), "10-6 kg/ms");
  EXPECT_TRUE(Find<QRadioButton>("Radio_fluessig")->isChecked());
  EXPECT_FALSE(Find<QWidget>("Panel1")->isVisible());
  EXPECT_FALSE(window->ProjectPath().has_value());
  EXPECT_EQ(window->ResultsWindow()->windowTitle(), ToQString(German().GlobalText(143)));
  EXPECT_TRUE(window->ResultsWindow()->isVisible());
  const QString heading = Find<QLabel>("Statisch_Element_Name1")->text();
  EXPECT_EQ(heading, ToQString(German().GroupName(1) + " - " + German().KindName(1, 1)));
  EXPECT_FALSE(Find<QLabel>("Image1")->pixmap().isNull()) << "the element picture is shown";
}

TEST_F(MainWindow, InvalidDiameterNamesTheFieldAndTakesTheFocus) {
  Type("Va1_Edit", "abc");
  PressCalculate();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, German().GlobalText(183) + "\n\"" + catalogue::SlotLabel(German(), 1, 1, 1) + "\"!");
  EXPECT_EQ(shown[0].caption, German().GlobalText(184));
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Error);
  EXPECT_EQ(window->focusWidget()->objectName(), "Va1_Edit");
  EXPECT_EQ(window->ResultsWindow()->ElementCount(), 0);
}

TEST_F(MainWindow, EmptyFlowIsRefusedByTheSignCheck) {
  Type("Eingabe_Volumenstrom", "");
  PressCalculate();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].text.starts_with(German().GlobalText(177)));
  EXPECT_EQ(window->focusWidget()->objectName(), "Eingabe_Volumenstrom");
}

TEST_F(MainWindow, DefaultsCalculateIntoANewColumn) {
  PressCalculate();
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(window->ResultsWindow()->ElementCount(), 1);
  EXPECT_FALSE(window->ProjectSaved());
  PressCalculate();
  EXPECT_EQ(window->ResultsWindow()->ElementCount(), 2);
}

TEST_F(MainWindow, GasDataFollowsThePhase) {
  EXPECT_FALSE(Find<QLineEdit>("Edit_EingangsdruckN")->isEnabled());
  EXPECT_EQ(Find<QLabel>("Label4N")->palette().color(QPalette::WindowText), QColor(128, 128, 128));
  Find<QRadioButton>("Radio_gas")->click();
  EXPECT_TRUE(Find<QLineEdit>("Edit_EingangsdruckN")->isEnabled());
  EXPECT_TRUE(Find<QComboBox>("ComboBox8N")->isEnabled());
  EXPECT_EQ(Find<QLabel>("Label4N")->palette().color(QPalette::WindowText), QColor(Qt::black));
  Find<QRadioButton>("Radio_fluessig")->click();
  EXPECT_FALSE(Find<QComboBox>("ComboBox7N")->isEnabled());
}

TEST_F(MainWindow, SwitchingFromPipeToBendKeepsTheDiameter) {
  Type("Va1_Edit", "80");
  window->SelectElement(4, 1);
  EXPECT_EQ(Find<QLineEdit>("Va1_Edit")->text(), "80");
  EXPECT_EQ(Find<QLineEdit>("Va2_Edit")->text(), "100");
  EXPECT_EQ(Find<QLineEdit>("Va3_Edit")->text(), "90");
  EXPECT_EQ(Find<QLabel>("LabelVar3")->text(), ToQString(German().GlobalText(70)));
  EXPECT_TRUE(Find<QLineEdit>("Edit2")->isEnabled());
  window->SelectElement(2, 2);
  EXPECT_FALSE(Find<QLineEdit>("Edit2")->isEnabled());
}

TEST_F(MainWindow, SecondSectionOfARectangularDuctCopiesTheFirst) {
  window->SelectElement(1, 2);
  Type("Va1_Edit", "300");
  Type("Va2_Edit", "200");
  window->SelectElement(13, 3);
  EXPECT_EQ(Find<QLineEdit>("Va3_Edit")->text(), "300");
  EXPECT_EQ(Find<QLineEdit>("Va4_Edit")->text(), "200");
}

TEST_F(MainWindow, ChoiceAndBranchFlowExpandTheWindow) {
  window->SelectElement(2, 1);
  EXPECT_TRUE(window->Expanded());
  EXPECT_TRUE(Find<QGroupBox>("RadioGroup1")->isVisible());
  EXPECT_TRUE(Find<QRadioButton>("RadioGroup1_0")->isChecked());
  EXPECT_FALSE(Find<QLineEdit>("Edit3")->isVisible());
  window->SelectElement(5, 5);
  EXPECT_TRUE(Find<QLineEdit>("Edit3")->isVisible());
  EXPECT_FALSE(Find<QGroupBox>("RadioGroup1")->isVisible());
  EXPECT_EQ(Find<QLabel>("Label7")->text(), "m³/h");
  window->SelectElement(9, 7);
  EXPECT_EQ(Find<QRadioButton>("RadioGroup1_1")->text(), "15 " + ToQString(German().GlobalText(70)));
  window->SelectElement(1, 1);
  EXPECT_FALSE(window->Expanded());
  EXPECT_FALSE(Find<QWidget>("Panel1")->isVisible());
  EXPECT_LT(window->CompactHeight(), window->ExpandedHeight());
}

TEST_F(MainWindow, FlowKindRebuildsTheUnitsAndTheBranchUnit) {
  Choose("ComboBox1", 7);
  EXPECT_EQ(Find<QLabel>("Label7")->text(), "l/s");
  Choose("ComboBox4", 1);
  EXPECT_EQ(Find<QComboBox>("ComboBox1")->count(), 8);
  EXPECT_EQ(Find<QComboBox>("ComboBox1")->currentText(), "kg/h");
  EXPECT_EQ(Find<QLabel>("Label7")->text(), "kg/h");
  Choose("ComboBox5", 1);
  EXPECT_EQ(Find<QComboBox>("ComboBox3")->count(), 6);
  EXPECT_EQ(Find<QComboBox>("ComboBox3")->currentIndex(), 0);
}

TEST_F(MainWindow, GasWithSeveralElementsShowsTheGasNotesFirst) {
  Find<QRadioButton>("Radio_gas")->click();
  Type("VaAnz_Edit", "2");
  Type("Eingabe_Dichte", "1,2");
  Type("Eingabe_Viskositaet", "18");
  Type("Edit_EingangstemperaturN", "20");
  Type("Edit_AusgangstemperaturN", "20");
  bool notesShown = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      notesShown = modal->objectName() == "GaswarnungDlg";
      modal->close();
    }
  });
  PressCalculate();
  EXPECT_TRUE(notesShown);
  EXPECT_EQ(window->ResultsWindow()->ElementCount(), 1);
}

TEST_F(MainWindow, ElementInformationTexts) {
  window->SelectElement(4, 1);
  ASSERT_TRUE(Find<QToolButton>("ToolButton15")->isEnabled());
  Find<QToolButton>("ToolButton15")->click();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, German().FormText("MyWindow", "info37"));
  EXPECT_EQ(shown[0].caption, German().GlobalText(75));
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Information);
  Find<QToolButton>("SpeedButton7")->click();
  EXPECT_EQ(shown[1].text, German().FormText("MyWindow", "info1") + "\n" + German().FormText("MyWindow", "info2"));
}

TEST_F(MainWindow, PipelineContentWaitsForATable) {
  QMenu* calculate = Find<QMenu>("Berechnen1");
  emit calculate->aboutToShow();
  EXPECT_FALSE(Find<QAction>("RohrInhaltFllzeit1")->isEnabled());
  PressCalculate();
  emit calculate->aboutToShow();
  EXPECT_TRUE(Find<QAction>("RohrInhaltFllzeit1")->isEnabled());
  EXPECT_TRUE(Find<QAction>("Berechnen2")->isEnabled());
  EXPECT_EQ(Find<QAction>("Berechnen2")->shortcut(), QKeySequence(Qt::Key_F3));
}

TEST_F(MainWindow, DesktopShortcutsForTheFileCommandsAndNoKeyTwice) {
  EXPECT_EQ(Find<QAction>("Neu1")->shortcut(), QKeySequence(QKeySequence::New));
  EXPECT_EQ(Find<QAction>("ffnen1")->shortcut(), QKeySequence(QKeySequence::Open));
  EXPECT_EQ(Find<QAction>("Speichern1")->shortcut(), QKeySequence(QKeySequence::Save));
  EXPECT_EQ(Find<QAction>("Speichernunter1")->shortcut(), QKeySequence("Ctrl+Shift+S"));
  std::map<QString, QString> owners;
  for (const QAction* action : window->findChildren<QAction*>()) {
    for (const QKeySequence& key : action->shortcuts()) {
      const auto [at, inserted] = owners.emplace(key.toString(), action->objectName());
      EXPECT_TRUE(inserted) << key.toString().toStdString() << " is taken by " << at->second.toStdString() << " and "
                            << action->objectName().toStdString();
    }
  }
}

TEST_F(MainWindow, ClosingTheTableWindowUnticksItsMenuItem) {
  ASSERT_TRUE(Find<QAction>("abelleanzeigen1")->isChecked());
  window->ResultsWindow()->close();
  QApplication::processEvents();
  EXPECT_FALSE(Find<QAction>("abelleanzeigen1")->isChecked());
}

class DutchWindow : public MainWindowFixture {
  text::Edition Edition() const override { return 'H'; }
};

TEST_F(DutchWindow, EditCommandsHaveNoShortcutsAndTheConverterIsHidden) {
  EXPECT_TRUE(Find<QAction>("Kopieren1")->shortcut().isEmpty());
  EXPECT_FALSE(Find<QAction>("Einheitenumrechnen1")->isVisible());
  EXPECT_EQ(Find<QLineEdit>("Va2_Edit")->text(), "1,0");
}

class EnglishWindow : public MainWindowFixture {
  text::Edition Edition() const override { return 'E'; }
};

TEST_F(EnglishWindow, DefaultsUseADecimalPoint) {
  EXPECT_EQ(Find<QLineEdit>("Va2_Edit")->text(), "1.0");
  EXPECT_EQ(Find<QLineEdit>("Eingabe_Dichte")->text(), "998.2");
  EXPECT_EQ(Find<QAction>("Kopieren1")->shortcut(), QKeySequence(QKeySequence::Copy));
  PressCalculate();
  EXPECT_TRUE(shown.empty());
}

TEST(EveryEdition, WindowsFindEveryTextTheyAskFor) {
  for (const text::Edition edition : text::kEditions) {
    const text::TextStore& texts = testing_support::Texts(edition);
    {
      TMyWindow window(texts, VELMORA_TEST_PROGRAM_DIR);
      window.PrepareFirstShow({});
      for (const auto& layout : catalogue::ElementLayouts()) window.SelectElement(layout.group, layout.kind);
    }
    EXPECT_TRUE(texts.MissingTexts().empty()) << edition << ": " << *texts.MissingTexts().begin();
  }
}

}  // namespace
}  // namespace velmora::gui

namespace velmora::gui {
namespace {

TEST(CommandLine, AMissingProjectLeavesTheProjectUntitled) {
  std::vector<text::Message> shown;
  SetMessageInterceptor([&](const text::Message& message, MessageButtons) {
    shown.push_back(message);
    return MessageAnswer::Ok;
  });
  QTemporaryDir settings;
  TMyWindow window(testing_support::Texts('D'), VELMORA_TEST_PROGRAM_DIR);
  window.SetSettingsFile(settings.filePath("Velmora6.ini"));
  window.PrepareFirstShow({"My", "project.vlm"}, settings.path());
  EXPECT_FALSE(window.ProjectPath().has_value());
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, testing_support::Texts('D').FormText("MyWindow", "msgProjectOpenFailed"));
  SetMessageInterceptor({});
}

}  // namespace
}  // namespace velmora::gui
