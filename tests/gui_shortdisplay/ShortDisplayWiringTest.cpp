// The short display in the main window: its menu entries, the unsaved project after an edit, its
// place and column widths kept with the settings.
#include <QMenu>
#include <QTableWidget>

#include "gui/MainWindowFixture.h"
#include "printing/Printing.h"
#include "results/TAusgabe_Fenster.h"
#include "shortdisplay/TKurzAnzeige.h"
#include "toolkit/FileDialogs.h"

namespace velmora::gui {
namespace {

using ShortDisplayWiring = MainWindowFixture;

TEST_F(ShortDisplayWiring, TheMenuShowsAndPrintsItAndClosingItUnticksTheEntry) {
  QAction* show = Find<QAction>("Kurzanzeigeanzeigen1");
  ASSERT_TRUE(show->isCheckable());
  EXPECT_FALSE(show->isChecked());
  EXPECT_FALSE(window->ShortDisplay()->isVisible());
  show->trigger();
  EXPECT_TRUE(window->ShortDisplay()->isVisible());
  window->ShortDisplay()->close();
  EXPECT_FALSE(show->isChecked());

  emit Find<QMenu>("Tabelle1")->aboutToShow();
  EXPECT_FALSE(Find<QAction>("Kurzanzeigedrucken1")->isEnabled()) << "an empty list";
  Type("Edit1", "Saugleitung");
  PressCalculate();
  auto* list = window->ShortDisplay()->findChild<QTableWidget*>("StringGrid1");
  ASSERT_EQ(list->rowCount(), 1) << "refreshed by the calculation";
  EXPECT_EQ(list->item(0, 2)->text(), "Saugleitung");
  emit Find<QMenu>("Tabelle1")->aboutToShow();
  ASSERT_TRUE(Find<QAction>("Kurzanzeigedrucken1")->isEnabled());
  int printed = 0;
  SetPrintInterceptor([&](const PrintDocument& document) {
    EXPECT_EQ(document.orientation, QPageLayout::Portrait);
    return ++printed, true;
  });
  Find<QAction>("Kurzanzeigedrucken1")->trigger();
  SetPrintInterceptor({});
  EXPECT_EQ(printed, 1);
}

TEST_F(ShortDisplayWiring, AnEditedDescriptionIsAChangeOfTheProject) {
  QTemporaryDir folder;
  SetFileDialogInterceptor([&](const FileDialogRequest&) { return folder.filePath("kurz.vlm"); });
  PressCalculate();
  ASSERT_TRUE(window->SaveProjectAs());
  SetFileDialogInterceptor({});
  ASSERT_TRUE(window->ProjectSaved());
  window->ShortDisplay()->findChild<QTableWidget*>("StringGrid1")->item(0, 2)->setText("Druckleitung");
  EXPECT_FALSE(window->ProjectSaved());
  EXPECT_EQ(window->Project().Table().Cell(1, 6), "Druckleitung");
}

TEST_F(ShortDisplayWiring, PlaceAndColumnWidthsComeBackAtTheNextStart) {
  window->ShortDisplay()->setGeometry(300, 200, 520, 340);
  window->ShortDisplay()->SetColumnWidths({40, 120, 230, 70});
  window->close();  // writes the settings

  TMyWindow next(testing_support::Texts('D'), VELMORA_TEST_PROGRAM_DIR);
  next.SetSettingsFile(settingsFolder.filePath("Velmora6.ini"));
  next.PrepareFirstShow({});
  EXPECT_EQ(next.ShortDisplay()->ColumnWidths(), (std::array<int, 4>{40, 120, 230, 70}));
  EXPECT_EQ(next.ShortDisplay()->size(), QSize(520, 340));
  ASSERT_TRUE(next.Settings().windows);
  EXPECT_EQ(next.Settings().windows->shortDisplay.width, 520);
  EXPECT_EQ(next.Settings().windows->shortDisplayColumns[2], 230);
}

}  // namespace
}  // namespace velmora::gui
