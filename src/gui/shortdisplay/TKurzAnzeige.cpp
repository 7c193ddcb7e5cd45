#include "shortdisplay/TKurzAnzeige.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "help/HelpTopics.h"
#include "printing/ShortDisplayList.h"
#include "results/ResultsGrid.h"
#include "results/TAusgabe_Fenster.h"
#include "shortdisplay/ShortDisplayPrint.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"
#include "units/Numbers.h"

namespace velmora::gui {
namespace {

using printing::kShortDisplayBlock;

// The designer's column widths and row height, in pixels at 96 dpi.
constexpr std::array<int, 4> kColumnWidths = {29, 146, 170, 54};
constexpr int kRowHeight = 15;
constexpr int kStandardDpi = 96;
// What stored column widths may be; a damaged value must not hide or swamp a column.
constexpr int kMinColumnWidth = 10, kMaxColumnWidth = 2000;

QString Text(const text::TextStore& texts, const char* key) {
  return ToQString(texts.FormText(kShortDisplayBlock, key));
}

}  // namespace

TKurzAnzeige::TKurzAnzeige(const text::TextStore& texts, results::ResultsTable& table, TAusgabe_Fenster& results,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), texts_(texts), table_(table), results_(results) {
  setObjectName(QString::fromUtf8(kShortDisplayBlock.data(), static_cast<qsizetype>(kShortDisplayBlock.size())));
  grid_ = new QTableWidget(0, 4, this);
  grid_->setObjectName("StringGrid1");
  grid_->verticalHeader()->hide();
  grid_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  grid_->horizontalHeader()->setHighlightSections(false);
  grid_->horizontalHeader()->setStretchLastSection(false);
  SetColumnWidths(kColumnWidths);
  UpdateRowHeight();

  totals_ = new QLabel(this);
  totals_->setObjectName("Label1");
  up_ = new QPushButton(this);
  up_->setObjectName("Button1");
  down_ = new QPushButton(this);
  down_->setObjectName("Button2");
  delete_ = new QPushButton(this);
  delete_->setObjectName("Button3");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(up_);
  buttons->addWidget(down_);
  buttons->addStretch();
  buttons->addWidget(delete_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grid_, 1);
  layout->addWidget(totals_);
  InstallHelp(*this, texts, help::topic::kShortDisplay, buttons);
  layout->addLayout(buttons);

  connect(up_, &QPushButton::clicked, this, &TKurzAnzeige::MoveLineUp);
  connect(down_, &QPushButton::clicked, this, &TKurzAnzeige::MoveLineDown);
  connect(delete_, &QPushButton::clicked, this, &TKurzAnzeige::DeleteLine);
  connect(grid_, &QTableWidget::itemChanged, this, &TKurzAnzeige::DescriptionEdited);
  connect(&results_, &TAusgabe_Fenster::TableChanged, this, &TKurzAnzeige::RefreshShortDisplay);
  ApplyTexts();
  RefreshShortDisplay();
  // Wide enough for the designer's columns without scrolling.
  int width = 0;
  for (const int column : kColumnWidths) width += column;
  resize(width + 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width() +
             layout->contentsMargins().left() + layout->contentsMargins().right(),
         300);
}

void TKurzAnzeige::ApplyTexts() {
  setWindowTitle(Text(texts_, "Caption"));
  up_->setText(Text(texts_, "Button1"));
  down_->setText(Text(texts_, "Button2"));
  delete_->setText(Text(texts_, "Button3"));
  RefreshShortDisplay();
}

void TKurzAnzeige::RefreshShortDisplay() {
  const printing::ShortDisplayList list =
      printing::MakeShortDisplayList(table_, results_.Status(), results_.DisplayOptions().us, texts_);
  const int current = CurrentLine();
  refreshing_ = true;
  QStringList header;
  for (const std::string& text : list.header) header << ToQString(text);
  grid_->setHorizontalHeaderLabels(header);
  grid_->setRowCount(static_cast<int>(list.lines.size()));
  for (int row = 0; row < grid_->rowCount(); ++row) {
    for (int column = 0; column < 4; ++column) {
      const std::string& text = list.lines[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
      auto* item = new QTableWidgetItem(ToQString(text));
      // Only the description can be edited.
      if (column != printing::kDescriptionColumn) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
      if (column == printing::kLossColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid_->setItem(row, column, item);
    }
  }
  totals_->setText(ToQString(list.totals));
  refreshing_ = false;
  SetCurrentLine(std::min(std::max(current, 1), grid_->rowCount()));
}

int TKurzAnzeige::CurrentLine() const {
  const int row = grid_->currentRow();
  return row >= 0 && row < grid_->rowCount() ? row + 1 : 0;
}

void TKurzAnzeige::SetCurrentLine(int line) {
  if (line < 1 || line > grid_->rowCount()) return;
  const int column = std::max(grid_->currentColumn(), 0);
  grid_->setCurrentCell(line - 1, column);
}

void TKurzAnzeige::DescriptionEdited(QTableWidgetItem* item) {
  if (refreshing_ || item == nullptr || item->column() != printing::kDescriptionColumn) return;
  const int column = item->row() + 1;  // line k shows element column k
  const std::string description = ToStdString(item->text());
  if (!table_.IsElementColumn(column) || table_.Cell(column, results::row::Description) == description) return;
  table_.SetCell(column, results::row::Description, description);
  results_.Grid()->viewport()->update();  // the results grid reads its cells from the table
  emit Edited();
}

void TKurzAnzeige::MoveLineUp() {
  const int line = CurrentLine();
  if (line < 2) return;
  results_.MoveColumn(line, line - 1);  // the results window reports the change: the list follows
  SetCurrentLine(line - 1);
}

void TKurzAnzeige::MoveLineDown() {
  const int line = CurrentLine();
  if (line < 1 || line >= table_.ElementCount()) return;
  results_.MoveColumn(line, line + 1);
  SetCurrentLine(line + 1);
}

void TKurzAnzeige::DeleteLine() {
  const int line = CurrentLine();
  if (line < 1) return;
  results_.SelectColumn(line);
  results_.DeleteSelectedColumn();
}

bool TKurzAnzeige::Print(const QString& project) {
  if (grid_->rowCount() == 0) return false;
  ShortDisplayPrintout printout;
  printout.list = printing::MakeShortDisplayList(table_, results_.Status(), results_.DisplayOptions().us, texts_);
  printout.columnWidths = ColumnWidths();
  printout.font = grid_->font();
  printout.title = Text(texts_, "PrintWord") + " " + project;
  printout.headings[0] = QApplication::applicationName() + " - " + Text(texts_, "Caption");
  const QString title = ToQString(table_.ProjectTitle());
  printout.headings[1] = Text(texts_, "ProjectLabel") + " " + (title.isEmpty() ? project : title);
  return PrintWithDialog(this, ShortDisplayDocument(printout));
}

std::array<int, 4> TKurzAnzeige::ColumnWidths() const {
  std::array<int, 4> widths{};
  for (int column = 0; column < 4; ++column) widths[static_cast<std::size_t>(column)] = grid_->columnWidth(column);
  return widths;
}

void TKurzAnzeige::SetColumnWidths(const std::array<int, 4>& widths) {
  for (int column = 0; column < 4; ++column) {
    grid_->setColumnWidth(column,
                          std::clamp(widths[static_cast<std::size_t>(column)], kMinColumnWidth, kMaxColumnWidth));
  }
}

void TKurzAnzeige::UpdateRowHeight() {
  // Above 96 dpi the rows grow with the font: 2.5 × its size; never lower than the text needs.
  int height = kRowHeight;
  if (logicalDpiY() > kStandardDpi) {
    height = units::RoundToInt(2.5L * grid_->font().pointSizeF()).value_or(kRowHeight);
  }
  height = std::max(height, grid_->fontMetrics().height() + 2);
  grid_->verticalHeader()->setMinimumSectionSize(1);
  grid_->verticalHeader()->setDefaultSectionSize(height);
}

void TKurzAnzeige::showEvent(QShowEvent* event) {
  UpdateRowHeight();
  ApplyTexts();
  QWidget::showEvent(event);
}

void TKurzAnzeige::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted()) emit Closed();
}

}  // namespace velmora::gui
