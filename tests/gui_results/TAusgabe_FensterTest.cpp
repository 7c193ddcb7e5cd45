#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
#include <cmath>
#include <memory>
#include <tuple>

#include "TestTexts.h"
#include "hydraulics/ElementCalculation.h"
#include "mainform/CalculateCommand.h"
#include "results/ResultsGrid.h"
#include "results/TAusgabe_Fenster.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

using mainform::MainForm;

const text::TextStore& German() { return testing_support::Texts('D'); }

// One calculated element as the main window hands it over.
struct Calculated {
  MainForm form;
  hydraulics::MainInput input;
  hydraulics::ElementOutcome outcome;
};

Calculated Calculate(MainForm form) {
  const mainform::CalculateChecks checks = mainform::CheckCalculateInputs(form, German());
  EXPECT_TRUE(checks.input.has_value()) << (checks.messages.empty() ? "" : checks.messages.front().text);
  Calculated c{form, checks.input.value_or(hydraulics::MainInput{}), {}};
  c.outcome = hydraulics::CalculateElement(c.input);
  return c;
}

// The designer defaults: a circular pipe, D = 100 mm, L = 1 m, 1 m³/h of water.
MainForm Pipe(const std::string& description = "Saugleitung") {
  MainForm form = MainForm::Defaults('D');
  form.description = description;
  return form;
}

class ResultsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageInterceptor([this](const text::Message& message, MessageButtons) {
      messages_.push_back(message);
      return MessageAnswer::Ok;
    });
    window_ = std::make_unique<TAusgabe_Fenster>(German(), table_);
  }
  void TearDown() override {
    window_.reset();
    SetMessageInterceptor(nullptr);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "a window was left behind";
  }

  bool Append(const MainForm& form) {
    const Calculated c = Calculate(form);
    return window_->AppendElement(c.form, c.input, c.outcome.result, c.outcome.Laminar);
  }
  QString Cell(int column, int row) const {
    const QAbstractItemModel* model = window_->Grid()->model();
    return model->data(model->index(row, column)).toString();
  }
  QToolButton* Button(const char* name) const { return window_->findChild<QToolButton*>(name); }
  QString Totals() const { return window_->findChild<QLabel*>("StatusPanel1")->text(); }

  results::ResultsTable table_;  // the project's table, which the window shows
  std::unique_ptr<TAusgabe_Fenster> window_;
  std::vector<text::Message> messages_;
};

TEST_F(ResultsWindowTest, ControlsHaveTheirNamesAndHints) {
  const std::pair<const char*, const char*> buttons[] = {
      {"ToolButtonDelete", "Gewählte Spalte entfernen"},
      {"ToolButtonSave", "Projekt speichern"},
      {"ToolButtonCopy", "Tabelle kopieren"},
      {"ToolButtonToInputs", "Spalte kopieren in Eingabefelder"},
      {"ToolButtonChangeColumn", "Tabellenspalte ändern"},
      {"ToolButtonChangeTable", "Tabelle ändern..."},
      {"ToolButtonPrint", "Tabelle drucken"},
      {"ToolButtonNew", "Neues Projekt"},
      {"ToolButtonOpen", "Projekt öffnen"},
      {"ToolButtonColumnWidth", "Spaltenbreite ändern"},
      {"ToolButtonZoomIn", "Ansicht größer"},
      {"ToolButtonZoomOut", "Ansicht kleiner"},
      {"ToolButtonFont", "Schriftart ändern"},
  };
  for (const auto& [name, hint] : buttons) {
    ASSERT_NE(Button(name), nullptr) << name;
    EXPECT_EQ(Button(name)->toolTip(), QString::fromUtf8(hint)) << name;
  }
  EXPECT_NE(window_->findChild<ResultsGrid*>("StringGrid1"), nullptr);
  EXPECT_NE(window_->findChild<QStatusBar*>("StatusBar1"), nullptr);
  EXPECT_NE(window_->findChild<QMenu*>("PopupMenu1"), nullptr);
  EXPECT_NE(window_->findChild<QLineEdit*>("Edit1"), nullptr);
  EXPECT_EQ(window_->findChild<QLabel*>("StatusPanel0")->text(), "Gesamtdruckverlust:");
  EXPECT_EQ(window_->findChild<QLabel*>("StatusPanel0")->width(), 140);
}

TEST_F(ResultsWindowTest, EmptyTable) {
  EXPECT_EQ(window_->ElementCount(), 0);
  EXPECT_EQ(window_->Grid()->model()->columnCount(), 2);
  EXPECT_EQ(window_->Grid()->model()->rowCount(), 26);
  EXPECT_EQ(Totals(), "0,00 bar");
  EXPECT_EQ(window_->SelectedColumn(), 1);
  EXPECT_EQ(Cell(0, 2), "Volumenstrom in m³/h:");
  EXPECT_EQ(window_->Grid()->RowHeight(), 16);
  EXPECT_EQ(window_->Grid()->columnWidth(1), window_->Grid()->DefaultColumnWidth());
  EXPECT_EQ(window_->Grid()->font().family(), "Arial");
  for (const char* name :
       {"ToolButtonDelete", "ToolButtonSave", "ToolButtonCopy", "ToolButtonToInputs", "ToolButtonChangeColumn",
        "ToolButtonChangeTable", "ToolButtonPrint", "ToolButtonColumnWidth"}) {
    EXPECT_FALSE(Button(name)->isEnabled()) << name;
  }
  for (const char* name :
       {"ToolButtonNew", "ToolButtonOpen", "ToolButtonZoomIn", "ToolButtonZoomOut", "ToolButtonFont"}) {
    EXPECT_TRUE(Button(name)->isEnabled()) << name;
  }
}

// 1 m³/h of water in a pipe of 100 mm: v = 1·4·10000/(100·π·100·36) = 0.0354 m/s,
// Re = 0.0353678·998.2·100·1000/1002 = 3523 (by hand).
TEST_F(ResultsWindowTest, AppendedColumnsShowTheCalculation) {
  ASSERT_TRUE(Append(Pipe("Saugleitung")));
  ASSERT_TRUE(Append(Pipe("Druckleitung")));
  EXPECT_EQ(window_->ElementCount(), 2);
  EXPECT_EQ(window_->Grid()->model()->columnCount(), 4);
  EXPECT_EQ(Cell(2, 0), "2");
  EXPECT_EQ(Cell(1, 1), "Wasser/flü.");
  EXPECT_EQ(Cell(2, 6), "Druckleitung");
  EXPECT_EQ(Cell(1, 7), "Kreisrohr/1");
  EXPECT_EQ(Cell(1, 8), "Elementdurchm. D in mm: 100,000");
  EXPECT_EQ(Cell(1, 14), "0,035");
  EXPECT_EQ(Cell(1, 15), "3523");
  EXPECT_EQ(Cell(1, 18), "turbulent");
  EXPECT_EQ(Cell(3, 24), "");
  EXPECT_EQ(window_->SelectedColumn(), 2);
  EXPECT_TRUE(messages_.empty());

  const auto status = results::UpdateTotals(window_->Table(), German(), {});
  EXPECT_EQ(Totals().toStdString(), status.totals);
  for (const char* name : {"ToolButtonDelete", "ToolButtonSave", "ToolButtonCopy", "ToolButtonToInputs"}) {
    EXPECT_TRUE(Button(name)->isEnabled()) << name;
  }
  // Their windows are not part of this one: they stay disabled until declared available.
  for (const char* name :
       {"ToolButtonChangeColumn", "ToolButtonChangeTable", "ToolButtonPrint", "ToolButtonColumnWidth"}) {
    EXPECT_FALSE(Button(name)->isEnabled()) << name;
  }
}

TEST_F(ResultsWindowTest, BoundaryRegionNoteComesFirst) {
  // 0.0625 m³/h in a pipe of 10 mm: v = 0.2210 m/s, Re = 2202 (by hand).
  MainForm form = Pipe();
  form.dimensions[0] = "10";
  form.flow = "0,0625";
  ASSERT_TRUE(Append(form));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].caption, "Hinweis");
  EXPECT_EQ(messages_[0].icon, text::MessageIcon::Information);
  EXPECT_EQ(window_->ElementCount(), 1);
}

// Air at 1 bar through 1 m of a 10 mm pipe at 100 m³/h: a loss far above half the inlet pressure.
TEST_F(ResultsWindowTest, GasLimitShowsItsMessageAndAppendsNothing) {
  MainForm form = Pipe();
  form.gas = true;
  form.dimensions[0] = "10";
  form.flow = "100";
  form.density = "1,2";
  form.viscosity = "18";
  form.inletTemperature = "20";
  form.outletTemperature = "20";
  const Calculated c = Calculate(form);
  ASSERT_TRUE(c.outcome.GasLimit);
  EXPECT_FALSE(window_->AppendOutcome(c.form, c.input, c.outcome));
  EXPECT_EQ(window_->ElementCount(), 0);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].caption, "Gasberechnung nicht möglich");
}

TEST_F(ResultsWindowTest, RangeNoteBeforeTheOrificeIsAppended) {
  MainForm form = Pipe();
  form.elementGroup = 9;
  form.elementKind = 2;  // sharp-edged orifice: its law holds from Re = 100 000
  form.dimensions = {"100", "50", "", "", ""};
  const Calculated c = Calculate(form);
  ASSERT_TRUE(c.outcome.RangeNote);
  EXPECT_TRUE(window_->AppendOutcome(c.form, c.input, c.outcome));
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].caption, "Hinweis");
  EXPECT_EQ(Cell(1, 16), "0,141");  // v₂ = 1·4·10000/(50·π·50·36) = 0.1415 m/s
}

TEST_F(ResultsWindowTest, DeletingTheOnlyElementDisablesTheColumnButtons) {
  ASSERT_TRUE(Append(Pipe()));
  window_->SelectColumn(1);
  Button("ToolButtonDelete")->click();
  EXPECT_EQ(window_->ElementCount(), 0);
  EXPECT_EQ(Totals(), "0,000 mbar oder 0,000 bar");
  for (const char* name : {"ToolButtonDelete", "ToolButtonSave", "ToolButtonCopy", "ToolButtonToInputs"}) {
    EXPECT_FALSE(Button(name)->isEnabled()) << name;
  }
}

TEST_F(ResultsWindowTest, DeleteLeavesTheEmptyLastColumnAlone) {
  ASSERT_TRUE(Append(Pipe()));
  window_->SelectColumn(2);
  window_->DeleteSelectedColumn();
  EXPECT_EQ(window_->ElementCount(), 1);
}

TEST_F(ResultsWindowTest, DraggingAColumnMovesTheElement) {
  for (const char* name : {"A", "B", "C"}) ASSERT_TRUE(Append(Pipe(name)));
  QHeaderView* header = window_->Grid()->horizontalHeader();
  header->moveSection(1, 3);  // drag A behind C
  EXPECT_EQ(Cell(1, 6) + Cell(2, 6) + Cell(3, 6), "BCA");
  EXPECT_EQ(Cell(3, 0), "3");
  EXPECT_EQ(header->logicalIndex(1), 1);  // the grid's sections are back in order
  header->moveSection(4, 1);              // the empty column goes back to the end
  EXPECT_EQ(Cell(1, 6) + Cell(2, 6) + Cell(3, 6) + Cell(4, 6), "BCA");
  header->moveSection(0, 2);  // the title column stays in front
  EXPECT_EQ(Cell(0, 6), "Bezeichnung:");
}

TEST_F(ResultsWindowTest, CopyTableGoesToTheClipboard) {
  ASSERT_TRUE(Append(Pipe("A")));
  ASSERT_TRUE(Append(Pipe("B")));
  Button("ToolButtonCopy")->click();
  const QString text = QApplication::clipboard()->text();
  EXPECT_EQ(text, window_->ClipboardText());
  EXPECT_EQ(text.count("\r\n"), 26);
  EXPECT_TRUE(text.startsWith("Element-Nr.:\t1\t2\r\n"));
  EXPECT_TRUE(text.endsWith(QString("Gesamtdruckverlust:") + Totals()));
}

TEST_F(ResultsWindowTest, SwitchingToUsConvertsAndRelabels) {
  ASSERT_TRUE(Append(Pipe()));
  QString metricLoss = Cell(1, 24);
  window_->SetDisplayOptions({.decimals = 3, .us = true});
  EXPECT_EQ(Cell(0, 2), "Volumenstrom in gal/min:");
  EXPECT_EQ(Cell(1, 2), "4,403");
  EXPECT_EQ(Cell(1, 8), "Elementdurchm. D in in.: 3,937");
  EXPECT_TRUE(Totals().endsWith(" psi"));
  window_->SetDisplayOptions({.decimals = 3, .us = false});
  EXPECT_EQ(Cell(0, 2), "Volumenstrom in m³/h:");
  EXPECT_EQ(Cell(1, 2), "1,000");
  EXPECT_EQ(Cell(1, 8), "Elementdurchm. D in mm: 100,000");
  EXPECT_TRUE(Totals().endsWith(" bar"));
  EXPECT_NEAR(Cell(1, 24).replace(',', '.').toDouble(), metricLoss.replace(',', '.').toDouble(), 0.002);
}

// The default pipe in US display: D = 100/25.4 = 3.937 in., L = 1/0.3048 = 3.281 ft.,
// 1 m³/h = 4.403 gal/min; the psi row is the lbw./sq.ft. row divided by 144.
TEST_F(ResultsWindowTest, AppendInUsDisplay) {
  window_->SetDisplayOptions({.decimals = 3, .us = true});
  EXPECT_EQ(Totals(), "0,00 psi");
  ASSERT_TRUE(Append(Pipe()));
  EXPECT_EQ(Cell(1, 2), "4,403");
  EXPECT_EQ(Cell(1, 8), "Elementdurchm. D in in.: 3,937");
  EXPECT_EQ(Cell(1, 9), "Länge L in ft.: 3,281");
  EXPECT_EQ(Cell(0, 25), "Druckverlust in psi:");
  const Calculated c = Calculate(Pipe());
  const double psi = static_cast<double>(c.outcome.result.PressureLoss / 0.068947581976L);
  EXPECT_EQ(Cell(1, 25), QString::number(psi, 'f', 3).replace('.', ','));
  EXPECT_TRUE(Totals().endsWith(" psi"));
}

TEST_F(ResultsWindowTest, CopyColumnToInputsHandsTheFormOver) {
  MainForm form = Pipe("Bypass");
  form.count = "3";
  ASSERT_TRUE(Append(form));
  std::optional<MainForm> handed;
  QObject::connect(window_.get(), &TAusgabe_Fenster::CopyToInputsRequested,
                   [&](const MainForm& restored) { handed = restored; });
  window_->SelectColumn(1);
  Button("ToolButtonToInputs")->click();
  ASSERT_TRUE(handed.has_value());
  EXPECT_EQ(handed->description, "Bypass");
  EXPECT_EQ(handed->count, "3");
  EXPECT_EQ(handed->dimensions[0], "100,000");
  window_->SelectColumn(2);  // the empty last column
  EXPECT_FALSE(Button("ToolButtonToInputs")->isEnabled());
}

TEST_F(ResultsWindowTest, FeaturesOfOtherWindowsAreEnabledWhenAvailable) {
  ASSERT_TRUE(Append(Pipe()));
  int requested = 0;
  QObject::connect(window_.get(), &TAusgabe_Fenster::ChangeColumnRequested, [&](int column) { requested = column; });
  window_->SetFeatureAvailable(TAusgabe_Fenster::Feature::ChangeColumn, true);
  EXPECT_TRUE(Button("ToolButtonChangeColumn")->isEnabled());
  window_->SelectColumn(1);
  Button("ToolButtonChangeColumn")->click();
  EXPECT_EQ(requested, 1);
}

TEST_F(ResultsWindowTest, ZoomScalesFontRowHeightAndColumnWidth) {
  ResultsGrid* grid = window_->Grid();
  const int title = grid->TitleColumnWidth();
  const int column = grid->DefaultColumnWidth();
  window_->ZoomIn();
  EXPECT_EQ(grid->RowHeight(), 19);  // 16·1.2 = 19.2
  EXPECT_EQ(grid->DefaultColumnWidth(), std::lround(column * 1.2));
  EXPECT_EQ(grid->TitleColumnWidth(), std::lround(title * 1.2));
  EXPECT_EQ(grid->font().pointSize(), 10);  // 8·1.2 = 9.6
  window_->SetDisplayOptions({.decimals = 6});
  EXPECT_EQ(grid->DefaultColumnWidth(), std::lround(column * 1.2));  // zoomed widths stay
  window_->ZoomOut();
  EXPECT_EQ(grid->RowHeight(), 16);  // 19/1.2 = 15.8
  EXPECT_EQ(grid->DefaultColumnWidth(), column);
  EXPECT_EQ(grid->TitleColumnWidth(), title);
  EXPECT_EQ(grid->font().pointSize(), 8);  // 10/1.2 = 8.3
}

// Regression: the fixed 150 pixels cut the input rows ("Elementdurchm. D in mm: 100,000" showed
// without its number) and row labels. The default widths follow the font so that the labels and
// the inputs of usual elements fit, in every edition and both unit systems.
TEST_F(ResultsWindowTest, DefaultWidthsFitUsualContent) {
  struct Usual {
    int group, kind;
    long double inputs[3];
  };
  const Usual usual[] = {
      {1, 1, {100, 1000}},        // pipe: D in mm, L in m
      {1, 6, {0.05L, 0.8L, 25}},  // other cross-section: A in m², U and L in m
      {4, 1, {150, 300, 90}},     // bend: D, R, angle
      {9, 1, {250, 125}},         // standard orifice: D1, bore D2
      {12, 1, {100, 2.5L}},       // known ζ: reference diameter
      {6, 2, {80}},               // lyre bend with its choice
  };
  for (const text::Edition edition : text::kEditions) {
    for (const bool us : {false, true}) {
      window_.reset();
      table_ = {};
      window_ = std::make_unique<TAusgabe_Fenster>(testing_support::Texts(edition), table_);
      window_->SetDisplayOptions({.decimals = 3, .us = us});
      for (const Usual& u : usual) {
        MainForm form = MainForm::Defaults(edition);
        std::tie(form.elementGroup, form.elementKind) = std::tie(u.group, u.kind);
        hydraulics::MainInput input;
        std::tie(input.ElementGroup, input.ElementKind) = std::tie(u.group, u.kind);
        std::tie(input.Input1, input.Input2, input.Input3) = std::tie(u.inputs[0], u.inputs[1], u.inputs[2]);
        ASSERT_TRUE(window_->AppendElement(form, input, {}, false));
      }
      const ResultsGrid* grid = window_->Grid();
      const auto fits = [&](int column, int row) {
        return grid->fontMetrics().horizontalAdvance(Cell(column, row)) + 2 < grid->columnWidth(column);
      };
      for (int row = 0; row < 26; ++row) EXPECT_TRUE(fits(0, row)) << edition << us << Cell(0, row).toStdString();
      for (int column = 1; column <= window_->ElementCount(); ++column) {
        for (int row = 1; row <= 13; ++row) {
          EXPECT_TRUE(fits(column, row)) << edition << us << Cell(column, row).toStdString();
        }
      }
      if (edition == 'D' && !us) EXPECT_EQ(Cell(1, 8), "Elementdurchm. D in mm: 100,000");
    }
  }
}

// Widths a project stored or the user dragged stay when the decimals or the font change.
TEST_F(ResultsWindowTest, ChosenWidthsStay) {
  ASSERT_TRUE(Append(Pipe()));
  ResultsGrid* grid = window_->Grid();
  const int derived = grid->DefaultColumnWidth();
  window_->SetDisplayOptions({.decimals = 6});
  EXPECT_GT(grid->DefaultColumnWidth(), derived);  // three more digits, still derived
  grid->setColumnWidth(1, 90);                     // dragged
  window_->SetDisplayOptions({.decimals = 1});
  QFont font("Arial");
  font.setPointSize(14);
  window_->ApplyGridFont(font);
  EXPECT_EQ(grid->columnWidth(1), 90);
  project::ProjectAppearance stored;
  stored.columnWidths = {170, 130};
  window_->ApplyLook(stored);
  window_->SetDisplayOptions({.decimals = 4});
  EXPECT_EQ(grid->TitleColumnWidth(), 170);
  EXPECT_EQ(grid->columnWidth(1), 130);
}

TEST_F(ResultsWindowTest, FontChoiceSetsTheRowHeight) {
  QFont font("Arial");
  font.setPointSize(11);
  window_->ApplyGridFont(font);
  EXPECT_EQ(window_->Grid()->RowHeight(), window_->logicalDpiY() > 96 ? 28 : 22);
}

// The look a project keeps goes into the grid and comes back out unchanged; values a damaged file
// might hold are brought into range, a system colour becomes the default black.
TEST_F(ResultsWindowTest, LookOfAProject) {
  ASSERT_TRUE(Append(Pipe("A")));
  ASSERT_TRUE(Append(Pipe("B")));
  project::ProjectAppearance stored;
  stored.columnWidths = {210, 140, 90};
  stored.rowHeight = 22;
  stored.fontName = "Courier New";
  stored.fontColour = project::PlatformColour({255, 0, 0});
  stored.fontSize = 11;
  stored.bold = true;
  stored.underline = true;
  project::ProjectAppearance hostile = stored;
  hostile.columnWidths = {5, 5000, -1};
  hostile.rowHeight = 1;
  hostile.fontSize = 400;
  hostile.fontColour = -16777208;  // the window text colour as older files store it
  project::ProjectAppearance inRange = hostile;
  inRange.columnWidths = {20, 2000, 20};
  inRange.rowHeight = 8;
  inRange.fontSize = 72;
  inRange.fontColour = 0;
  for (const auto& [given, expected] : {std::pair(stored, stored), std::pair(hostile, inRange)}) {
    window_->ApplyLook(given);
    project::ProjectAppearance back;
    back.footerLine = "bleibt";
    window_->StoreLook(back);
    EXPECT_EQ(back.footerLine, "bleibt");
    back.footerLine = expected.footerLine;
    EXPECT_EQ(back, expected);
  }
  EXPECT_EQ(window_->Grid()->columnWidth(1), 2000);
  EXPECT_EQ(window_->Grid()->TitleView()->columnWidth(0), 20);
}

// Regression: the grid took the desktop theme's text colour, which a project then stored (white
// on white elsewhere). Under a dark theme the grid keeps black text on white and stores black.
TEST_F(ResultsWindowTest, OwnColoursUnderADarkTheme) {
  const struct RestoredPalette {
    QPalette desktop = QApplication::palette();
    ~RestoredPalette() { QApplication::setPalette(desktop); }
  } restored;
  QPalette dark(QColor(Qt::white), QColor(30, 30, 30));
  dark.setColor(QPalette::Base, QColor(20, 20, 20));
  dark.setColor(QPalette::Text, Qt::white);
  QApplication::setPalette(dark);
  window_.reset();
  window_ = std::make_unique<TAusgabe_Fenster>(German(), table_);
  ASSERT_TRUE(Append(Pipe()));
  for (const QTableView* view : {static_cast<QTableView*>(window_->Grid()), window_->Grid()->TitleView()}) {
    EXPECT_EQ(view->palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(view->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(view->palette().color(QPalette::Button), QColor(240, 240, 240));  // the sizing strip
  }
  project::ProjectAppearance look;
  look.fontColour = -1;
  window_->StoreLook(look);
  EXPECT_EQ(look.fontColour, 0);
  window_->resize(800, 600);
  const QImage shot = window_->Grid()->viewport()->grab().toImage();
  const int row = window_->Grid()->rowViewportPosition(8) + window_->Grid()->RowHeight() - 2;
  EXPECT_EQ(QColor(shot.pixel(window_->Grid()->columnViewportPosition(1) + 1, row)), QColor(Qt::white));
}

TEST_F(ResultsWindowTest, NewProjectEmptiesTheTable) {
  ASSERT_TRUE(Append(Pipe()));
  window_->findChild<QLineEdit*>("Edit1")->setText("Nord");
  table_.ClearTable();
  window_->ShowReplacedTable(window_->DisplayOptions());
  EXPECT_EQ(window_->ElementCount(), 0);
  EXPECT_EQ(window_->findChild<QLineEdit*>("Edit1")->text(), "");
  EXPECT_EQ(Totals(), "0,00 bar");
  EXPECT_FALSE(Button("ToolButtonSave")->isEnabled());
}

TEST_F(ResultsWindowTest, ClosingSignalsTheMainWindow) {
  bool closed = false;
  QObject::connect(window_.get(), &TAusgabe_Fenster::Closed, [&] { closed = true; });
  window_->show();
  window_->close();
  EXPECT_TRUE(closed);
}

}  // namespace
}  // namespace velmora::gui
