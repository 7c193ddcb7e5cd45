// The short display beside a results window: the list mirrors the table, and its edits, moves and
// deletions act on the table.
#include "shortdisplay/TKurzAnzeige.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <memory>

#include "TestTexts.h"
#include "gui_printing/PdfText.h"
#include "hydraulics/CalculateElement.h"
#include "mainform/CalculateCommand.h"
#include "printing/Printing.h"
#include "results/ResultsGrid.h"
#include "results/TAusgabe_Fenster.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

class ShortDisplay : public testing::Test {
 protected:
  void SetUp() override {
    SetMessageInterceptor([](const text::Message&, MessageButtons) { return MessageAnswer::Ok; });
    results = std::make_unique<TAusgabe_Fenster>(German(), table);
    display = std::make_unique<TKurzAnzeige>(German(), table, *results);
    QObject::connect(results.get(), &TAusgabe_Fenster::ColumnsEdited, [this] { ++columnsEdited; });
    QObject::connect(display.get(), &TKurzAnzeige::Edited, [this] { ++edited; });
  }
  void TearDown() override {
    display.reset();
    results.reset();
    SetMessageInterceptor({});
    SetPrintInterceptor({});
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "a window was left behind";
  }

  // A pipe of 100 mm and `length` m with 1 m³/h of water, as the main window hands it over.
  void Append(const std::string& description, const char* length) {
    mainform::MainForm form = mainform::MainForm::Defaults('D');
    form.description = description;
    form.dimensions[1] = length;
    const mainform::CalculateChecks checks = mainform::CheckCalculateInputs(form, German());
    ASSERT_TRUE(checks.input);
    const hydraulics::ElementOutcome outcome = hydraulics::CalculateElement(*checks.input);
    ASSERT_TRUE(results->AppendElement(form, *checks.input, outcome.result, outcome.Laminar));
  }
  void AppendThree() {
    Append("Saugleitung", "1");
    Append("Druckleitung", "10");
    Append("Steigleitung", "100");
  }
  QTableWidget* Grid() const { return display->findChild<QTableWidget*>("StringGrid1"); }
  QString Line(int line, int column) const { return Grid()->item(line - 1, column)->text(); }
  QString Header(int column) const { return Grid()->horizontalHeaderItem(column)->text(); }
  QString Totals() const { return display->findChild<QLabel*>("Label1")->text(); }
  void Press(const char* button) { display->findChild<QPushButton*>(button)->click(); }
  std::string Descriptions() const {
    std::string all;
    for (int column = 1; column <= table.ElementCount(); ++column) all += table.Cell(column, 6) + ";";
    return all;
  }

  results::ResultsTable table;
  std::unique_ptr<TAusgabe_Fenster> results;
  std::unique_ptr<TKurzAnzeige> display;
  int columnsEdited = 0;
  int edited = 0;
};

TEST_F(ShortDisplay, AnEmptyTableShowsTheHeaderOnly) {
  EXPECT_EQ(display->windowTitle(), "Berechnungs-Kurzanzeige");
  EXPECT_EQ(Grid()->rowCount(), 0);
  EXPECT_EQ(Grid()->columnCount(), 4);
  EXPECT_EQ(Header(0), "Nr.");
  EXPECT_EQ(Header(1), "Element/Anzahl");
  EXPECT_EQ(Header(2), "Bezeichnung");
  EXPECT_EQ(Header(3), "dp/bar");
  EXPECT_EQ(Totals(), "Gesamtdruckverlust: 0,00 bar");
  EXPECT_EQ(display->ColumnWidths(), (std::array<int, 4>{29, 146, 170, 54}));
  EXPECT_EQ(display->findChild<QPushButton*>("Button1")->text(), "Zeile nach &oben");
  for (const char* button : {"Button1", "Button2", "Button3"}) Press(button);  // nothing to act on
  EXPECT_EQ(table.ElementCount(), 0);
  EXPECT_EQ(columnsEdited, 0);
  EXPECT_FALSE(display->Print("Unbenannt")) << "nothing to print";
}

TEST_F(ShortDisplay, LinesMirrorTheTableInItsUnits) {
  AppendThree();
  ASSERT_EQ(Grid()->rowCount(), 3);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(Line(k, 0), QString::number(k));
    EXPECT_EQ(Line(k, 1).toStdString(), table.Cell(k, 7));
    EXPECT_EQ(Line(k, 2).toStdString(), table.Cell(k, 6));
    EXPECT_EQ(Line(k, 3).toStdString(), table.Cell(k, 25));
  }
  EXPECT_EQ(Line(2, 1), "Kreisrohr/1");
  EXPECT_EQ(Line(3, 2), "Steigleitung");
  EXPECT_EQ(Totals().toStdString(), results->Status().label + " " + results->Status().totals);

  results->SetDisplayOptions({.decimals = 3, .us = true});
  EXPECT_EQ(Header(3), "dp/psi");
  EXPECT_EQ(Line(3, 3).toStdString(), table.Cell(3, 25)) << "the loss in psi";
  EXPECT_TRUE(Totals().endsWith(" psi"));
}

TEST_F(ShortDisplay, DescriptionsAreEditedHereAndMirroredFromTheTable) {
  AppendThree();
  for (int column = 0; column < 4; ++column) {
    EXPECT_EQ((Grid()->item(0, column)->flags() & Qt::ItemIsEditable) != 0, column == 2) << "only the description";
  }
  Grid()->item(1, 2)->setText("Druckleitung DN 100");  // what the cell editor commits
  EXPECT_EQ(table.Cell(2, 6), "Druckleitung DN 100");
  const QAbstractItemModel* grid = results->Grid()->model();
  EXPECT_EQ(grid->data(grid->index(6, 2)).toString(), "Druckleitung DN 100");
  EXPECT_EQ(edited, 1);

  // Another window changes row 6 and reports the changed table.
  table.SetCell(3, 6, "Bypass");
  emit results->TableChanged();
  EXPECT_EQ(Line(3, 2), "Bypass");
  EXPECT_EQ(edited, 1) << "mirrored, not edited here";
}

TEST_F(ShortDisplay, MovingALineMovesItsColumnAndTheSelectionFollows) {
  AppendThree();
  display->SetCurrentLine(1);
  Press("Button1");  // the first line cannot go up
  display->SetCurrentLine(3);
  Press("Button2");  // the last line cannot go down
  EXPECT_EQ(Descriptions(), "Saugleitung;Druckleitung;Steigleitung;");
  EXPECT_EQ(columnsEdited, 0);

  display->SetCurrentLine(2);
  Press("Button1");
  EXPECT_EQ(Descriptions(), "Druckleitung;Saugleitung;Steigleitung;");
  EXPECT_EQ(table.Cell(1, 0), "1") << "renumbered";
  EXPECT_EQ(table.Cell(2, 0), "2");
  EXPECT_EQ(display->CurrentLine(), 1);
  EXPECT_EQ(Line(1, 2), "Druckleitung");
  EXPECT_EQ(Line(1, 0), "1");

  Press("Button2");
  Press("Button2");
  EXPECT_EQ(Descriptions(), "Saugleitung;Steigleitung;Druckleitung;");
  EXPECT_EQ(display->CurrentLine(), 3);
  EXPECT_EQ(Line(3, 2), "Druckleitung");
  EXPECT_EQ(columnsEdited, 3);
}

TEST_F(ShortDisplay, DeletingALineDeletesItsColumn) {
  AppendThree();
  display->SetCurrentLine(2);
  Press("Button3");
  EXPECT_EQ(Descriptions(), "Saugleitung;Steigleitung;");
  ASSERT_EQ(Grid()->rowCount(), 2);
  EXPECT_EQ(Line(2, 0), "2");
  EXPECT_EQ(Line(2, 2), "Steigleitung");
  EXPECT_EQ(Totals().toStdString(), results->Status().label + " " + results->Status().totals);
  EXPECT_EQ(columnsEdited, 1);
}

TEST_F(ShortDisplay, PrintsOnPortraitPages) {
  AppendThree();
  table.SetProjectTitle("Halle 2");
  QTemporaryDir folder;
  const QString pdf = folder.filePath("kurz.pdf");
  QString job;
  SetPrintInterceptor([&](const PrintDocument& document) {
    job = document.title;
    return PrintToPdf(pdf, document);
  });
  ASSERT_TRUE(display->Print("/projekte/halle2.vlm"));
  EXPECT_EQ(job, "Kurzanzeige /projekte/halle2.vlm");
  EXPECT_EQ(PdfInfo(pdf, "Pages"), "1");
  const QStringList size = PdfInfo(pdf, "Page size").split(' ');
  ASSERT_GE(size.size(), 3);
  EXPECT_LT(size[0].toDouble(), size[2].toDouble()) << "portrait";
  const QString text = PageText(pdf, 1);
  EXPECT_TRUE(text.contains("Berechnungs-Kurzanzeige"));
  EXPECT_TRUE(text.contains("Projekt: Halle 2"));
  EXPECT_TRUE(text.contains("Element/Anzahl"));
  EXPECT_TRUE(text.contains("Steigleitung"));
  EXPECT_TRUE(text.contains(QString::fromStdString(results->Status().totals)));
  // The totals end the list: below the last line.
  EXPECT_GT(text.indexOf("Gesamtdruckverlust"), text.indexOf("Steigleitung"));
}

}  // namespace
}  // namespace velmora::gui
