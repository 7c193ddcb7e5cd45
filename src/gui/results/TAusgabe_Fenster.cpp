#include "results/TAusgabe_Fenster.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "help/HelpTopics.h"
#include "results/ColumnBuilder.h"
#include "results/CopyToInputs.h"
#include "results/DisplayValues.h"
#include "results/Notes.h"
#include "results/PlainCellDelegate.h"
#include "results/ResultsGrid.h"
#include "results/ResultsGridModel.h"
#include "results/RowLabels.h"
#include "results/TableTexts.h"
#include "results/ToolIcons.h"
#include "results/UnitConversion.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"
#include "units/Numbers.h"

namespace velmora::gui {
namespace {

// The input value the element columns are made wide for: four integer digits with the decimals.
constexpr long double kUsualInputValue = 1000.0L;
constexpr int kDefaultRowHeight = 16;
constexpr int kDefaultFontSize = 8;
constexpr const char* kGridFontFamily = "Arial";
constexpr long double kZoomFactor = 1.2L;
constexpr int kStandardDpi = 96;
constexpr int kStatusLabelWidth = 140;
constexpr int kStatusLabelWidthHighDpi = 180;
// What a stored look may set; a damaged or hostile file must not make the grid unusable.
constexpr int kMinColumnWidth = 20, kMaxColumnWidth = 2000;
constexpr int kMinRowHeight = 8, kMaxRowHeight = 200;
constexpr int kMinFontSize = 4, kMaxFontSize = 72;

// Buttons that act on element columns; disabled while the table is empty.
constexpr const char* kDelete = "ToolButtonDelete";
constexpr const char* kSave = "ToolButtonSave";
constexpr const char* kCopy = "ToolButtonCopy";
constexpr const char* kToInputs = "ToolButtonToInputs";
constexpr const char* kChangeColumn = "ToolButtonChangeColumn";
constexpr const char* kChangeTable = "ToolButtonChangeTable";
constexpr const char* kPrint = "ToolButtonPrint";
constexpr const char* kColumnWidth = "ToolButtonColumnWidth";

int Scaled(int value, long double factor) { return units::RoundToInt(value * factor).value_or(value); }

}  // namespace

TAusgabe_Fenster::TAusgabe_Fenster(const text::TextStore& texts, results::ResultsTable& table, QWidget* parent)
    : QMainWindow(parent, Qt::Window), texts_(texts), table_(table) {
  setObjectName("Ausgabe_Fenster");
  for (Feature f : {Feature::Print, Feature::ChangeColumn, Feature::ChangeTable, Feature::ColumnWidth}) {
    available_[f] = false;
  }

  auto* toolBar = new QToolBar(this);
  toolBar->setObjectName("ToolBar1");
  toolBar->setMovable(false);
  addToolBar(Qt::TopToolBarArea, toolBar);
  const auto add = [&](const char* name, const char* hint, ToolIcon icon, std::function<void()> action) {
    toolBar->addWidget(AddButton(name, hint, icon, std::move(action)));
  };
  add(kDelete, "tbDelete", ToolIcon::DeleteColumn, [this] { DeleteSelectedColumn(); });
  add(kSave, "tbSave", ToolIcon::SaveProject, [this] { emit SaveProjectRequested(); });
  add(kCopy, "tbCopy", ToolIcon::CopyTable, [this] { CopyTableToClipboard(); });
  add(kToInputs, "tbToInputs", ToolIcon::ColumnToInputs, [this] { CopyColumnToInputs(); });
  add(kChangeColumn, "tbChangeColumn", ToolIcon::ChangeColumn, [this] {
    if (table_.IsElementColumn(SelectedColumn())) emit ChangeColumnRequested(SelectedColumn());
  });
  add(kChangeTable, "tbChangeTable", ToolIcon::ChangeTable, [this] { emit ChangeTableRequested(); });
  add(kPrint, "tbPrint", ToolIcon::Print, [this] { emit PrintRequested(); });
  toolBar->addSeparator();
  add("ToolButtonNew", "tbNew", ToolIcon::NewProject, [this] { emit NewProjectRequested(); });
  add("ToolButtonOpen", "tbOpen", ToolIcon::OpenProject, [this] { emit OpenProjectRequested(); });
  toolBar->addSeparator();
  add(kColumnWidth, "tbColumnWidth", ToolIcon::ColumnWidth, [this] { emit ColumnWidthRequested(); });
  add("ToolButtonZoomIn", "tbZoomIn", ToolIcon::ZoomIn, [this] { ZoomIn(); });
  add("ToolButtonZoomOut", "tbZoomOut", ToolIcon::ZoomOut, [this] { ZoomOut(); });
  add("ToolButtonFont", "tbFont", ToolIcon::Font, [this] { ChooseFont(); });
  toolBar->addSeparator();
  projectLabel_ = new QLabel(toolBar);
  projectLabel_->setObjectName("Label1");
  toolBar->addWidget(projectLabel_);
  projectEdit_ = new QLineEdit(toolBar);
  projectEdit_->setObjectName("Edit1");
  projectEdit_->setMinimumWidth(200);
  toolBar->addWidget(projectEdit_);
  connect(projectEdit_, &QLineEdit::textEdited, this,
          [this](const QString& title) { table_.SetProjectTitle(ToStdString(title)); });

  model_ = new ResultsGridModel(table_, this);
  grid_ = new ResultsGrid(this);
  grid_->setObjectName("StringGrid1");
  grid_->setModel(model_);
  setCentralWidget(grid_);
  connect(grid_, &ResultsGrid::ColumnDragged, this, &TAusgabe_Fenster::MoveColumn);
  connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { UpdateButtons(); });
  connect(grid_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
    if (Available(Feature::ChangeColumn) && table_.IsElementColumn(index.column())) {
      emit ChangeColumnRequested(index.column());
    }
  });
  BuildPopupMenu();

  auto* bar = new QStatusBar(this);
  bar->setObjectName("StatusBar1");
  statusLabel_ = new QLabel(bar);
  statusLabel_->setObjectName("StatusPanel0");
  statusTotals_ = new QLabel(bar);
  statusTotals_->setObjectName("StatusPanel1");
  bar->addWidget(statusLabel_);
  bar->addWidget(statusTotals_, 1);
  setStatusBar(bar);

  QFont font = grid_->font();
  font.setFamily(kGridFontFamily);
  font.setPointSize(kDefaultFontSize);
  grid_->SetGridFont(font);
  fontSize_ = kDefaultFontSize;
  derived_ = DeriveWidths();
  ApplyView(kDefaultFontSize, kDefaultRowHeight, derived_);
  status_ = results::InitialStatus(texts_, options_);
  ApplyTexts();
  grid_->setCurrentIndex(model_->index(0, 1));
  UpdateButtons();
  resize(700, 520);
  InstallHelp(*this, texts, help::topic::kResults);
}

TAusgabe_Fenster::~TAusgabe_Fenster() = default;

QToolButton* TAusgabe_Fenster::AddButton(const char* name, const char* hintKey, ToolIcon icon,
                                         std::function<void()> action) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setIcon(MakeToolIcon(icon, style()));
  button->setAutoRaise(true);
  connect(button, &QToolButton::clicked, this, [action = std::move(action)] { action(); });
  buttons_[name] = button;
  hints_[name] = hintKey;
  return button;
}

void TAusgabe_Fenster::BuildPopupMenu() {
  popup_ = new QMenu(this);
  popup_->setObjectName("PopupMenu1");
  popupPrint_ = popup_->addAction(QString());
  popupPrint_->setObjectName("PopupPrint");
  connect(popupPrint_, &QAction::triggered, this, [this] { emit PrintRequested(); });
  popupChangeTable_ = popup_->addAction(QString());
  popupChangeTable_->setObjectName("PopupChangeTable");
  connect(popupChangeTable_, &QAction::triggered, this, [this] { emit ChangeTableRequested(); });
  popupChangeColumn_ = popup_->addAction(QString());
  popupChangeColumn_->setObjectName("PopupChangeColumn");
  connect(popupChangeColumn_, &QAction::triggered, this, [this] {
    if (table_.IsElementColumn(SelectedColumn())) emit ChangeColumnRequested(SelectedColumn());
  });
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { popup_->popup(grid_->viewport()->mapToGlobal(at)); });
}

void TAusgabe_Fenster::ApplyTexts() {
  setWindowTitle(windowTitle().isEmpty() ? ToQString(results::WindowText(texts_, "Caption")) : windowTitle());
  for (const auto& [name, button] : buttons_) button->setToolTip(ToQString(results::WindowText(texts_, hints_[name])));
  popupPrint_->setText(ToQString(results::WindowText(texts_, "pmPrint")));
  popupChangeTable_->setText(ToQString(results::WindowText(texts_, "pmChangeTable")));
  popupChangeColumn_->setText(ToQString(results::WindowText(texts_, "pmChangeColumn")));
  projectLabel_->setText(ToQString(results::WindowText(texts_, "Label1")));
  statusLabel_->setFixedWidth(HighDpi() ? kStatusLabelWidthHighDpi : kStatusLabelWidth);
  Relabel();
  status_.label = results::WindowText(texts_, "TotalLabel");
  statusLabel_->setText(ToQString(status_.label));
  statusTotals_->setText(ToQString(status_.totals));
}

bool TAusgabe_Fenster::HighDpi() const { return logicalDpiY() > kStandardDpi; }

bool TAusgabe_Fenster::Available(Feature feature) const {
  const auto found = available_.find(feature);
  return found != available_.end() && found->second;
}

void TAusgabe_Fenster::SetFeatureAvailable(Feature feature, bool available) {
  available_[feature] = available;
  UpdateButtons();
}

void TAusgabe_Fenster::Relabel() {
  table_.SetLabels(results::RowLabels(texts_, options_.us));
  model_->LabelsChanged();
}

void TAusgabe_Fenster::RefreshTotals() {
  status_ = results::UpdateTotals(table_, texts_, options_);
  statusLabel_->setText(ToQString(status_.label));
  statusTotals_->setText(ToQString(status_.totals));
}

void TAusgabe_Fenster::ShowTotals() {
  if (table_.ElementCount() > 0) {
    RefreshTotals();
    return;
  }
  status_ = results::InitialStatus(texts_, options_);
  statusTotals_->setText(ToQString(status_.totals));
}

void TAusgabe_Fenster::UpdateButtons() {
  const bool elements = table_.ElementCount() > 0;
  const bool elementSelected = table_.IsElementColumn(SelectedColumn());
  buttons_[kDelete]->setEnabled(elements);
  buttons_[kSave]->setEnabled(elements);
  buttons_[kCopy]->setEnabled(elements);
  buttons_[kToInputs]->setEnabled(elementSelected);
  buttons_[kChangeColumn]->setEnabled(elements && Available(Feature::ChangeColumn));
  buttons_[kChangeTable]->setEnabled(elements && Available(Feature::ChangeTable));
  buttons_[kPrint]->setEnabled(elements && Available(Feature::Print));
  buttons_[kColumnWidth]->setEnabled(Available(Feature::ColumnWidth));
  popupPrint_->setEnabled(elements && Available(Feature::Print));
  popupChangeTable_->setEnabled(elements && Available(Feature::ChangeTable));
  popupChangeColumn_->setEnabled(elements && Available(Feature::ChangeColumn));
}

bool TAusgabe_Fenster::AppendElement(const mainform::MainForm& form, const hydraulics::MainInput& input,
                                     const hydraulics::ElementResult& result, bool laminar) {
  if (!results::KnownElement(form.elementGroup, form.elementKind)) return false;
  if (const auto note = results::BoundaryRegionNote(result.Reynolds, texts_)) ShowMessage(this, *note);
  const results::ColumnValues values = results::DisplayValues(input, result, options_.us);
  model_->BeginAppend();
  const int column = results::AppendColumn(table_, form, values, laminar, texts_, options_);
  model_->EndAppend();
  RefreshTotals();
  SelectColumn(column);
  grid_->scrollTo(model_->index(0, table_.ColumnCount() - 1));
  UpdateButtons();
  emit TableChanged();
  return true;
}

bool TAusgabe_Fenster::AppendOutcome(const mainform::MainForm& form, const hydraulics::MainInput& input,
                                     const hydraulics::ElementOutcome& outcome) {
  ShowMessages(this, results::CalculationNotes(outcome, form.elementGroup, form.elementKind, texts_));
  if (outcome.GasLimit || outcome.Error) return false;
  return AppendElement(form, input, outcome.result, outcome.Laminar);
}

void TAusgabe_Fenster::ShowReplacedTable(const results::DisplayOptions& options) {
  const bool otherDecimals = options.decimals != options_.decimals;
  options_ = options;
  if (otherDecimals) RederiveWidths();
  model_->BeginReset();
  table_.Renumber();
  model_->EndReset();
  projectEdit_->setText(ToQString(table_.ProjectTitle()));
  Relabel();
  ShowTotals();
  SelectColumn(1);
  UpdateButtons();
  emit TableChanged();
}

int TAusgabe_Fenster::ElementCount() const { return table_.ElementCount(); }

int TAusgabe_Fenster::SelectedColumn() const {
  const QModelIndex current = grid_->currentIndex();
  return current.isValid() ? current.column() : 1;
}

void TAusgabe_Fenster::SelectColumn(int column) {
  if (column < 1 || column >= table_.ColumnCount()) return;
  const int row = grid_->currentIndex().isValid() ? grid_->currentIndex().row() : 0;
  grid_->setCurrentIndex(model_->index(row, column));
  UpdateButtons();
}

void TAusgabe_Fenster::SetDisplayOptions(const results::DisplayOptions& options) {
  const bool switchUnits = options.us != options_.us;
  const bool otherDecimals = options.decimals != options_.decimals;
  options_ = options;
  if (otherDecimals) RederiveWidths();
  if (switchUnits) {
    model_->BeginReset();
    results::ConvertTableUnits(table_, options_.us, options_.decimals, texts_);
    model_->EndReset();
    Relabel();
    ShowTotals();
    emit TableChanged();
  }
}

QString TAusgabe_Fenster::ClipboardText() const { return ToQString(results::CopyTableToClipboard(table_, status_)); }

void TAusgabe_Fenster::DeleteSelectedColumn() {
  const int column = SelectedColumn();
  model_->BeginReset();
  const bool deleted = table_.DeleteSelectedColumn(column);
  model_->EndReset();
  if (!deleted) return;
  RefreshTotals();
  SelectColumn(std::min(column, table_.ColumnCount() - 1));
  UpdateButtons();
  emit ColumnsEdited();
  emit TableChanged();
}

void TAusgabe_Fenster::CopyTableToClipboard() { QApplication::clipboard()->setText(ClipboardText()); }

void TAusgabe_Fenster::CopyColumnToInputs() {
  const mainform::MainForm current = inputsSource_ ? inputsSource_() : mainform::MainForm::Defaults(texts_.edition());
  const auto form = results::CopyColumnToInputs(table_, SelectedColumn(), current, texts_, options_);
  if (form) emit CopyToInputsRequested(*form);
}

void TAusgabe_Fenster::MoveColumn(int from, int to) {
  model_->BeginReset();
  const bool moved = table_.MoveColumn(from, to);
  model_->EndReset();
  if (!moved) return;
  SelectColumn(std::min(to, table_.LastElementColumn()));
  emit ColumnsEdited();
  emit TableChanged();
}

void TAusgabe_Fenster::ApplyView(int fontSize, int rowHeight, ColumnWidths widths) {
  fontSize_ = fontSize;
  QFont font = grid_->font();
  font.setFamily(kGridFontFamily);
  font.setPointSize(fontSize);
  grid_->SetGridFont(font);
  grid_->SetRowHeight(rowHeight);
  grid_->SetDefaultColumnWidth(widths.column);
  grid_->SetTitleColumnWidth(widths.title);
}

void TAusgabe_Fenster::ZoomIn() { Zoom(kZoomFactor); }

void TAusgabe_Fenster::ZoomOut() { Zoom(1.0L / kZoomFactor); }

void TAusgabe_Fenster::Zoom(long double factor) {
  ApplyView(Scaled(fontSize_, factor), Scaled(grid_->RowHeight(), factor),
            {Scaled(grid_->TitleColumnWidth(), factor), Scaled(grid_->DefaultColumnWidth(), factor)});
}

TAusgabe_Fenster::ColumnWidths TAusgabe_Fenster::DeriveWidths() const {
  // The text starts 2 pixels from the left edge; the same room and the grid line on the right.
  const QFontMetrics metrics = grid_->fontMetrics();
  const auto widest = [&](const auto& texts) {
    int width = 0;
    for (const std::string& text : texts) width = std::max(width, metrics.horizontalAdvance(ToQString(text)));
    return width + 2 * PlainCellDelegate::kTextMargin + 1;
  };
  const int labels = std::max(widest(results::RowLabels(texts_, false)), widest(results::RowLabels(texts_, true)));
  return {labels, widest(results::CatalogueColumnTexts(kUsualInputValue, options_.decimals, texts_))};
}

bool TAusgabe_Fenster::ShowsDerivedWidths() const {
  if (grid_->TitleColumnWidth() != derived_.title || grid_->DefaultColumnWidth() != derived_.column) return false;
  for (int column = 1; column < table_.ColumnCount(); ++column) {
    if (grid_->columnWidth(column) != derived_.column) return false;
  }
  return true;
}

void TAusgabe_Fenster::RederiveWidths() {
  const bool shown = ShowsDerivedWidths();
  derived_ = DeriveWidths();
  if (!shown) return;
  grid_->SetDefaultColumnWidth(derived_.column);
  grid_->SetTitleColumnWidth(derived_.title);
}

void TAusgabe_Fenster::ChooseFont() {
  bool ok = false;
  const QFont font = QFontDialog::getFont(&ok, grid_->font(), this);
  if (ok) ApplyGridFont(font);
}

void TAusgabe_Fenster::ApplyGridFont(const QFont& font) {
  grid_->SetGridFont(font);
  fontSize_ = font.pointSize() > 0 ? font.pointSize() : fontSize_;
  // Twice the font size leaves room above and below the text (2.5 times on dense screens).
  const long double factor = HighDpi() ? 2.5L : 2.0L;
  grid_->SetRowHeight(Scaled(fontSize_, factor));
  RederiveWidths();
}

void TAusgabe_Fenster::StoreLook(project::ProjectAppearance& appearance) const {
  appearance.columnWidths.clear();
  for (int column = 0; column <= table_.ElementCount(); ++column) {
    appearance.columnWidths.push_back(column == 0 ? grid_->TitleColumnWidth() : grid_->columnWidth(column));
  }
  appearance.rowHeight = grid_->RowHeight();
  const QFont font = grid_->font();
  appearance.fontName = ToStdString(font.family());
  appearance.fontSize = fontSize_;
  appearance.bold = font.bold();
  appearance.italic = font.italic();
  appearance.underline = font.underline();
  appearance.strikeOut = font.strikeOut();
  // The grid's own colour, never the desktop theme's text colour.
  const QColor colour = grid_->FontColour();
  appearance.fontColour = project::PlatformColour({colour.red(), colour.green(), colour.blue()});
}

void TAusgabe_Fenster::ApplyLook(const project::ProjectAppearance& appearance) {
  const int fontSize = std::clamp(appearance.fontSize, kMinFontSize, kMaxFontSize);
  QFont font(ToQString(appearance.fontName), fontSize);
  font.setBold(appearance.bold);
  font.setItalic(appearance.italic);
  font.setUnderline(appearance.underline);
  font.setStrikeOut(appearance.strikeOut);
  grid_->SetGridFont(font);
  fontSize_ = fontSize;
  grid_->SetRowHeight(std::clamp(appearance.rowHeight, kMinRowHeight, kMaxRowHeight));
  for (std::size_t column = 0; column < appearance.columnWidths.size(); ++column) {
    const int width = std::clamp(appearance.columnWidths[column], kMinColumnWidth, kMaxColumnWidth);
    if (column == 0) {
      grid_->SetTitleColumnWidth(width);
    } else if (static_cast<int>(column) <= table_.ElementCount()) {
      grid_->setColumnWidth(static_cast<int>(column), width);
    }
  }
  const project::Rgb rgb = project::RgbOf(appearance.fontColour);
  grid_->SetFontColour(QColor(rgb.red, rgb.green, rgb.blue));
}

void TAusgabe_Fenster::showEvent(QShowEvent* event) {
  ApplyTexts();
  if (HighDpi()) grid_->SetRowHeight(Scaled(fontSize_, 2.5L));
  QMainWindow::showEvent(event);
}

void TAusgabe_Fenster::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) emit Closed();
}

}  // namespace velmora::gui
