#include "results/ResultsGrid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>

#include "results/PlainCellDelegate.h"

namespace velmora::gui {
namespace {

// The face of the grid's fixed parts (the sizing strip above the columns); grid lines are drawn a
// shade darker.
const QColor kFixedColour(240, 240, 240);

}  // namespace

ResultsGrid::ResultsGrid(QWidget* parent) : QTableView(parent), frozen_(new QTableView(this)) {
  setEditTriggers(NoEditTriggers);
  setSelectionMode(SingleSelection);
  setSelectionBehavior(SelectItems);
  setShowGrid(true);
  setHorizontalScrollMode(ScrollPerPixel);
  setWordWrap(false);
  setItemDelegate(new PlainCellDelegate(this));
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setMinimumSectionSize(1);
  horizontalHeader()->setSectionsMovable(true);
  horizontalHeader()->setHighlightSections(false);
  connect(horizontalHeader(), &QHeaderView::sectionMoved, this, &ResultsGrid::SectionMoved);

  frozen_->setObjectName("TitleColumn");
  frozen_->setFocusPolicy(Qt::NoFocus);
  frozen_->setEditTriggers(NoEditTriggers);
  frozen_->setSelectionMode(NoSelection);
  frozen_->setItemDelegate(new PlainCellDelegate(frozen_));
  frozen_->verticalHeader()->hide();
  frozen_->verticalHeader()->setMinimumSectionSize(1);
  frozen_->horizontalHeader()->setMinimumSectionSize(1);
  frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  frozen_->setWordWrap(false);
  viewport()->stackUnder(frozen_);
  ApplyPalette();

  // The title column keeps its rows level with the grid; sizing it sizes the grid's column 0.
  connect(verticalScrollBar(), &QAbstractSlider::valueChanged, frozen_->verticalScrollBar(),
          &QAbstractSlider::setValue);
  connect(frozen_->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
          &QAbstractSlider::setValue);
  connect(frozen_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
    if (logical != 0) return;
    titleWidth_ = size;
    setColumnWidth(0, size);
    UpdateFrozenGeometry();
  });
  connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
    if (logical == 0 && frozen_->columnWidth(0) != size) frozen_->setColumnWidth(0, size);
    UpdateFrozenGeometry();
  });
  frozen_->show();
}

void ResultsGrid::setModel(QAbstractItemModel* model) {
  QTableView::setModel(model);
  frozen_->setModel(model);
  frozen_->setSelectionModel(selectionModel());
  const auto refresh = [this] {
    HideFrozenColumns();
    setColumnWidth(0, titleWidth_);
    frozen_->setColumnWidth(0, titleWidth_);
    UpdateFrozenGeometry();
  };
  connect(model, &QAbstractItemModel::modelReset, this, refresh);
  connect(model, &QAbstractItemModel::columnsInserted, this, [this](const QModelIndex&, int first, int last) {
    for (int c = std::max(first, 1); c <= last; ++c) frozen_->setColumnHidden(c, true);
  });
  refresh();
}

void ResultsGrid::HideFrozenColumns() {
  if (model() == nullptr) return;
  for (int c = 1; c < model()->columnCount(); ++c) frozen_->setColumnHidden(c, true);
}

void ResultsGrid::SetTitleColumnWidth(int width) {
  titleWidth_ = width;
  setColumnWidth(0, width);
  frozen_->setColumnWidth(0, width);
  UpdateFrozenGeometry();
}

int ResultsGrid::TitleColumnWidth() const { return titleWidth_; }

void ResultsGrid::SetDefaultColumnWidth(int width) {
  defaultWidth_ = width;
  horizontalHeader()->setDefaultSectionSize(width);
  frozen_->horizontalHeader()->setDefaultSectionSize(width);
  if (model() != nullptr) {
    for (int c = 1; c < model()->columnCount(); ++c) setColumnWidth(c, width);
  }
}

int ResultsGrid::DefaultColumnWidth() const { return defaultWidth_; }

void ResultsGrid::SetRowHeight(int height) {
  verticalHeader()->setDefaultSectionSize(height);
  frozen_->verticalHeader()->setDefaultSectionSize(height);
  horizontalHeader()->setFixedHeight(height);
  frozen_->horizontalHeader()->setFixedHeight(height);
  UpdateFrozenGeometry();
}

int ResultsGrid::RowHeight() const { return verticalHeader()->defaultSectionSize(); }

void ResultsGrid::SetGridFont(const QFont& font) {
  setFont(font);
  frozen_->setFont(font);
}

void ResultsGrid::SetFontColour(const QColor& colour) {
  fontColour_ = colour;
  ApplyPalette();
}

void ResultsGrid::ApplyPalette() {
  // A light palette of its own (white cells, light grey fixed parts and lines from it), so that a
  // dark desktop theme neither darkens the cells nor lightens their text.
  QPalette palette(kFixedColour, kFixedColour);  // button and window face
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::AlternateBase, Qt::white);
  palette.setColor(QPalette::Text, fontColour_);
  setPalette(palette);
  frozen_->setPalette(palette);
}

void ResultsGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  UpdateFrozenGeometry();
}

QModelIndex ResultsGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
  QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
  // The cursor never enters the title column.
  if (current.isValid() && current.column() == 0 && model() != nullptr && model()->columnCount() > 1) {
    current = model()->index(current.row(), 1);
  }
  if (cursorAction == MoveLeft && current.column() > 0 && visualRect(current).topLeft().x() < frozen_->columnWidth(0)) {
    const int newValue = horizontalScrollBar()->value() + visualRect(current).topLeft().x() - frozen_->columnWidth(0);
    horizontalScrollBar()->setValue(newValue);
  }
  return current;
}

void ResultsGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
  if (index.column() > 0) QTableView::scrollTo(index, hint);
}

void ResultsGrid::UpdateFrozenGeometry() {
  frozen_->setGeometry(frameWidth(), frameWidth(), columnWidth(0), viewport()->height() + horizontalHeader()->height());
}

void ResultsGrid::SectionMoved(int, int oldVisual, int newVisual) {
  // Put the sections back in order at once; the owner moves the table's columns instead.
  {
    const QSignalBlocker blocker(horizontalHeader());
    horizontalHeader()->moveSection(newVisual, oldVisual);
  }
  if (oldVisual == 0 || newVisual == 0) return;  // the title column stays in front
  emit ColumnDragged(oldVisual, newVisual);
}

}  // namespace velmora::gui
