// The printed results table as a PDF, read back with poppler's pdftotext; the page setup dialog
// driven through its controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include "PdfText.h"
#include "TestTexts.h"
#include "printing/PageSetup.h"
#include "printing/TSeiteEinrichtenDlg.h"
#include "printing/TablePrinting.h"
#include "results/RowLabels.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

const text::TextStore& German() { return testing_support::Texts('D'); }

results::ResultsTable FortyColumns() {
  results::ResultsTable table;
  table.SetLabels(results::RowLabels(German(), false));
  table.SetProjectTitle("Kühlwasser Halle 2");
  for (int c = 1; c <= 40; ++c) {
    results::ResultColumn column;
    column.rows[results::row::Medium] = "Wasser/flü.";
    column.rows[results::row::Flow] = "12,000";
    column.rows[results::row::Description] = "Abschnitt " + std::to_string(c);
    column.rows[results::row::Kind] = "Kreisrohr/1";
    column.rows[results::row::Input1] = "Elementdurchm. D in mm: 100,000";
    column.rows[results::row::Reynolds] = "42398";
    column.rows[results::row::LossSmall] = "3,000";
    column.rows[results::row::LossLarge] = "0,003";
    table.AppendColumn(column);
  }
  return table;
}

TablePrintSource Source(const results::ResultsTable& table) {
  return {&table, "Gesamtdruckverlust: 120,000 mbar oder 0,120 bar", "/projekte/halle2.vlm", QFont("Arial", 8), 96};
}

TEST(TablePrinting, FortyColumnsFittedToThreePagesWide) {
  const results::ResultsTable table = FortyColumns();
  project::ProjectAppearance appearance;
  appearance.fitToPages = true;
  appearance.scaleToFont = false;
  appearance.pagesWide = 3;
  appearance.footerLine = "Geprüft: M. Keller";
  appearance.showPathInFooter = true;
  const auto setup = printing::ReadPageSetup(appearance, German()).setup;
  ASSERT_TRUE(setup);
  QTemporaryDir folder;
  const QString pdf = folder.filePath("tabelle.pdf");
  ASSERT_TRUE(PrintToPdf(pdf, TableDocument(Source(table), *setup, appearance, German())));

  EXPECT_EQ(PdfInfo(pdf, "Pages"), "3");
  EXPECT_TRUE(PdfInfo(pdf, "Page size").startsWith("842 x 595")) << "A4 landscape";
  for (int page = 1; page <= 3; ++page) {
    const QString text = PageText(pdf, page);
    EXPECT_TRUE(text.contains("Kühlwasser Halle 2")) << page;
    EXPECT_TRUE(text.contains("Reynoldszahl:")) << "the row titles on page " << page;
    EXPECT_TRUE(text.contains("Geprüft: M. Keller")) << page;
    EXPECT_TRUE(text.contains("/projekte/halle2.vlm")) << page;
    EXPECT_TRUE(text.contains(QString("Seite %1 von 3").arg(page))) << page;
    EXPECT_EQ(text.contains("Gesamtdruckverlust: 120,000 mbar oder 0,120 bar"), page == 3) << page;
  }
  EXPECT_TRUE(PageText(pdf, 1).contains("Abschnitt 1 "));
  EXPECT_TRUE(PageText(pdf, 3).contains("Abschnitt 40"));
}

// The page setup dialog, driven while it is shown; messages are recorded.
class PageSetupDialog : public testing::Test {
 protected:
  void SetUp() override {
    SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
      messages.push_back(message);
      return MessageAnswer::Ok;
    });
    SetPrintInterceptor([this](const PrintDocument& document) {
      ++printed;
      return PrintToPdf(folder.filePath("seite.pdf"), document);
    });
    SetPreviewInterceptor([this](const PrintDocument&) { ++previewed; });
  }
  void TearDown() override {
    SetMessageInterceptor({});
    SetPrintInterceptor({});
    SetPreviewInterceptor({});
  }
  // Runs the dialog; `drive` works its controls while it is shown.
  bool Run(std::function<void(TSeiteEinrichtenDlg&)> drive) {
    QTimer::singleShot(0, [this, drive] {
      drive(dialog);
      dialog.reject();  // a test that failed halfway must not hang
    });
    return dialog.Run(appearance, Source(table));
  }
  template <typename T>
  T* Control(const char* name) {
    T* control = dialog.findChild<T*>(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  void Click(const char* button) { Control<QPushButton>(button)->click(); }

  QTemporaryDir folder;
  results::ResultsTable table = FortyColumns();
  project::ProjectAppearance appearance;
  TSeiteEinrichtenDlg dialog{German()};
  std::vector<text::Message> messages;
  int printed = 0;
  int previewed = 0;
};

TEST_F(PageSetupDialog, PrintTakesTheChoicesIntoTheProject) {
  const bool changed = Run([this](TSeiteEinrichtenDlg&) {
    EXPECT_EQ(Control<QLineEdit>("Edit3")->text(), "Kühlwasser Halle 2") << "the header line";
    EXPECT_FALSE(Control<QSpinBox>("Edit2")->isEnabled());
    Control<QRadioButton>("RadioButton2")->click();
    EXPECT_TRUE(Control<QSpinBox>("Edit2")->isEnabled());
    EXPECT_FALSE(Control<QSpinBox>("Edit1")->isEnabled());
    Control<QSpinBox>("Edit2")->setValue(2);
    Control<QCheckBox>("CheckBox3")->setChecked(true);
    Control<QComboBox>("ComboBox2")->setCurrentText("Letter");
    Control<QComboBox>("ComboBox1")->setCurrentIndex(1);  // in.: 20 mm are 0,79 in
    EXPECT_EQ(Control<QLineEdit>("Edit4")->text(), "0,79");
    Control<QLineEdit>("Edit4")->setText("1");
    Control<QLineEdit>("Edit5")->setText("1");
    Control<QLineEdit>("Edit6")->setText("0,5");
    Control<QLineEdit>("Edit7")->setText("0.5");
    Control<QLineEdit>("Edit8")->setText("Revision B");
    Control<QCheckBox>("CheckBox1")->setChecked(true);
    Click("PrintBtn");
  });
  EXPECT_TRUE(changed);
  EXPECT_EQ(printed, 1);
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(appearance.fitToPages);
  EXPECT_FALSE(appearance.scaleToFont);
  EXPECT_EQ(appearance.pagesWide, 2);
  EXPECT_TRUE(appearance.wrapText);
  EXPECT_EQ(appearance.paperEntry, "Letter");
  EXPECT_EQ(appearance.margins, (std::array<std::string, 4>{"1", "1", "0,5", "0.5"}));
  EXPECT_EQ(appearance.marginUnit, 1);
  EXPECT_EQ(appearance.footerLine, "Revision B");
  EXPECT_TRUE(appearance.showPathInFooter);

  const QString pdf = folder.filePath("seite.pdf");
  EXPECT_EQ(PdfInfo(pdf, "Pages"), "2");
  EXPECT_TRUE(PdfInfo(pdf, "Page size").startsWith("792 x 612")) << "Letter landscape";
  EXPECT_TRUE(PageText(pdf, 2).contains("Revision B"));
}

TEST_F(PageSetupDialog, WrongMarginsAreNamedAndCancelKeepsTheProjectsChoices) {
  const project::ProjectAppearance before = appearance;
  const bool changed = Run([this](TSeiteEinrichtenDlg&) {
    Control<QLineEdit>("Edit6")->setText("x");
    Click("PrintBtn");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Ungültige Eingabe:\n\"Links:\"!");
    EXPECT_EQ(messages[0].focus, "Edit6");
    // 150 mm left and right leave no room across an A4 paper lying landscape (297 mm).
    Control<QLineEdit>("Edit6")->setText("150");
    Control<QLineEdit>("Edit7")->setText("150");
    Click("PreviewBtn");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, German().FormText(printing::kPageSetupBlock, "msgNoRoom"));
    EXPECT_TRUE(dialog.isVisible());
    Click("CancelBtn");
  });
  EXPECT_FALSE(changed);
  EXPECT_EQ(printed + previewed, 0);
  EXPECT_EQ(appearance, before);
}

TEST_F(PageSetupDialog, PreviewKeepsTheDialogOpen) {
  appearance.paperEntry = "A3";
  appearance.scaleFontSize = 12;
  const bool changed = Run([this](TSeiteEinrichtenDlg&) {
    EXPECT_EQ(Control<QComboBox>("ComboBox2")->currentText(), "A3");
    EXPECT_EQ(Control<QSpinBox>("Edit1")->value(), 12);
    Click("PreviewBtn");
    EXPECT_EQ(previewed, 1);
    EXPECT_TRUE(dialog.isVisible());
    Click("CancelBtn");
  });
  EXPECT_FALSE(changed) << "the same choices as before";
  EXPECT_EQ(printed, 0);
}

}  // namespace
}  // namespace velmora::gui
