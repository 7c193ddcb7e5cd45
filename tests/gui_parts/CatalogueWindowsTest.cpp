// The catalogue windows driven through their lists and buttons, on the table files of this build.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "TestTexts.h"
#include "parts/TInfoReduz.h"
#include "parts/TInfoRohr.h"
#include "parts/TInfoRohrRechte.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

class CatalogueWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
      shown.push_back(message);
      return MessageAnswer::Ok;
    });
  }
  void TearDown() override { SetMessageInterceptor({}); }

  // Opens a catalogue for metric or US display; its take-over lands in `taken`.
  template <typename Dialog>
  std::unique_ptr<Dialog> Open(text::Edition edition, bool us, QString folder = VELMORA_TEST_PROGRAM_DIR) {
    auto dialog = std::make_unique<Dialog>(testing_support::Texts(edition), folder);
    dialog->Present(us, [this](const parts::PartTakeOver& t) { taken = t; });
    return dialog;
  }
  static QListWidget* List(QWidget* dialog, const char* name) { return dialog->findChild<QListWidget*>(name); }
  static QString Label(QWidget* dialog, const char* name) { return dialog->findChild<QLabel*>(name)->text(); }
  static void Choose(QWidget* dialog, const char* list, const QString& entry) {
    const auto found = List(dialog, list)->findItems(entry, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << entry.toStdString();
    List(dialog, list)->setCurrentItem(found.front());
  }
  static void Click(QWidget* dialog, const char* name) { dialog->findChild<QAbstractButton*>(name)->click(); }

  std::vector<text::Message> shown;
  std::optional<parts::PartTakeOver> taken;
};

TEST_F(CatalogueWindow, PipeByNominalPressureShowsNotStandardForAnEmptyColumn) {
  auto dialog = Open<TInfoRohr>('D', false);
  Click(dialog.get(), "RadioGroup1_1");  // plastics
  Choose(dialog.get(), "ListBox1", "PE 100 EN 12201-2, nach Nenndruck");
  EXPECT_EQ(Label(dialog.get(), "Label2"), "Nennweite DN");
  EXPECT_EQ(Label(dialog.get(), "Label3"), "Nenndruck PN");
  Choose(dialog.get(), "ListBox2", "20");
  Choose(dialog.get(), "ListBox3", "PN 6");
  for (const char* label : {"Label7", "Label8", "Label18", "Label22", "Label24"}) {
    EXPECT_EQ(Label(dialog.get(), label), "nicht genormt") << label;
  }
  EXPECT_EQ(Label(dialog.get(), "Label6"), "20");
  EXPECT_FALSE(dialog->findChild<QPushButton*>("BitBtn1")->isEnabled());

  Choose(dialog.get(), "ListBox3", "PN 16");  // 20 x 2,0: Di 16,0 mm
  EXPECT_EQ(Label(dialog.get(), "Label8"), "16,0");
  EXPECT_EQ(Label(dialog.get(), "Label18"), "0,630");
  EXPECT_EQ(Label(dialog.get(), "Label22"), "0,11");  // (0,02² − 0,016²)·950·π/4
  Click(dialog.get(), "BitBtn1");
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->description, "PE 100 EN 12201-2, nach Nenndruck");
  EXPECT_EQ(std::make_pair(taken->group, taken->kind), std::make_pair(1, 1));
  EXPECT_EQ(taken->dimensions, std::vector<std::string>{"16,0"});
  EXPECT_FALSE(taken->inches);
  EXPECT_TRUE(shown.empty());
}

TEST_F(CatalogueWindow, UsDisplayTakesInchesFromTheAsmeSheet) {
  auto dialog = Open<TInfoRohr>('E', true);
  dialog->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
  Choose(dialog.get(), "ListBox4", "ASME B36.10M (steel)");
  Choose(dialog.get(), "ListBox5", "2 (50)");
  Choose(dialog.get(), "ListBox6", "40");
  EXPECT_EQ(Label(dialog.get(), "Label36"), "2.375");
  EXPECT_EQ(Label(dialog.get(), "Label38"), "2.067");
  EXPECT_EQ(Label(dialog.get(), "Label39"), "52.5");
  EXPECT_EQ(Label(dialog.get(), "Label40"), "5.4");  // B36.10M: 5.44 kg/m
  Click(dialog.get(), "BitBtn1");
  ASSERT_TRUE(taken);
  EXPECT_EQ(taken->dimensions, std::vector<std::string>{"2.067"});
  EXPECT_TRUE(taken->inches);
}

TEST_F(CatalogueWindow, StandardsWithoutTableAreListedButCannotBeChosen) {
  auto dialog = Open<TInfoRohr>('H', false);
  QListWidget* standards = List(dialog.get(), "ListBox1");
  ASSERT_EQ(standards->count(), 16);  // the steel tables
  EXPECT_EQ(standards->item(0)->text(), "(niet beschikbaar)");
  EXPECT_FALSE(standards->item(0)->flags() & Qt::ItemIsEnabled);
  EXPECT_EQ(standards->currentRow(), 2);  // the first table there is
  Click(dialog.get(), "RadioGroup3_2");   // the third sheet's non-ferrous metals
  EXPECT_EQ(List(dialog.get(), "ListBox7")->item(0)->text(), "Koperbuis EN 1057");
}

TEST_F(CatalogueWindow, MissingFilesAreNamedAndLeaveTheListsEmpty) {
  QTemporaryDir empty;
  auto dialog = Open<TInfoRohr>('D', false, empty.path());
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].text, "Die Datei rohre.nfk fehlt oder ist nicht lesbar. Ihre Normtabellen sind nicht verfügbar.");
  EXPECT_EQ(shown[0].caption, testing_support::Texts('D').GlobalText(149));
  EXPECT_EQ(shown[0].icon, text::MessageIcon::Exclamation);
  EXPECT_NE(shown[2].text.find("rohreo.nfk"), std::string::npos);
  EXPECT_EQ(List(dialog.get(), "ListBox1")->currentRow(), -1);
  EXPECT_EQ(List(dialog.get(), "ListBox2")->count(), 0);
  EXPECT_FALSE(dialog->findChild<QPushButton*>("BitBtn1")->isEnabled());
  Click(dialog.get(), "BitBtn1");
  EXPECT_FALSE(taken);
  // A second showing reads nothing again and says nothing again.
  dialog->Present(false, {});
  EXPECT_EQ(shown.size(), 3u);
}

TEST_F(CatalogueWindow, RectangularSectionTakesInnerWidthAndHeight) {
  auto dialog = Open<TInfoRohrRechte>('D', false);
  Choose(dialog.get(), "ListBox4", "Hohlprofil EN 10219-2 (kaltgefertigt)");
  Click(dialog.get(), "RadioGroup1_1");
  EXPECT_EQ(Label(dialog.get(), "Label2"), "Breite x\nHöhe");
  Choose(dialog.get(), "ListBox2", "100 x 50");
  Choose(dialog.get(), "ListBox3", "3");
  EXPECT_EQ(Label(dialog.get(), "Label12"), "94,0");
  EXPECT_EQ(Label(dialog.get(), "Label14"), "44,0");
  EXPECT_EQ(Label(dialog.get(), "Label16"), "6,8");
  Click(dialog.get(), "BitBtn1");
  ASSERT_TRUE(taken);
  EXPECT_EQ(std::make_pair(taken->group, taken->kind), std::make_pair(1, 2));
  EXPECT_EQ(taken->dimensions, (std::vector<std::string>{"94,0", "44,0"}));
  EXPECT_EQ(List(dialog.get(), "ListBox4")->item(3)->text(), "Blechkanäle DIN 24190 (nicht verfügbar)");
}

TEST_F(CatalogueWindow, ExpansionOnTheAsmeSheetTakesTheSmallEndFirst) {
  auto dialog = Open<TInfoReduz>('D', false);
  dialog->show();
  dialog->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(1);
  Click(dialog.get(), "RadioGroup2_1");
  Choose(dialog.get(), "ListBox7", "4 (100)");
  Choose(dialog.get(), "ListBox9", "3 (80)");
  EXPECT_EQ(Label(dialog.get(), "Label54"), "6,8");  // arctan(((4,026 − 3,068)/2)/4,00)
  EXPECT_EQ(Label(dialog.get(), "Label55"), "Masse: 1,4");
  Click(dialog.get(), "BitBtn1");
  ASSERT_TRUE(taken);
  EXPECT_EQ(std::make_pair(taken->group, taken->kind), std::make_pair(3, 2));
  EXPECT_EQ(taken->dimensions, (std::vector<std::string>{"77,9", "102,3", "6,8"}));
  EXPECT_FALSE(dialog->isVisible());  // the take-over closes the catalogue
}

TEST_F(CatalogueWindow, AFixedChoiceIsSetAndLocked) {
  auto dialog = Open<TInfoReduz>('D', false);
  dialog->Present(false, {}, 1);
  for (const char* name : {"RadioGroup1_1", "RadioGroup2_1"}) {
    auto* option = dialog->findChild<QAbstractButton*>(name);
    EXPECT_TRUE(option->isChecked()) << name;
    EXPECT_FALSE(option->isEnabled()) << name;
  }
  dialog->Present(false, {});
  EXPECT_TRUE(dialog->findChild<QAbstractButton*>("RadioGroup1_0")->isEnabled());
}

}  // namespace
}  // namespace velmora::gui
