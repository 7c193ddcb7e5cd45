#pragma once

#include <QColor>
#include <QTableView>

namespace velmora::gui {

// The results grid: a table view whose column 0 (the row titles) stays in place while the other
// columns scroll, drawn by a second view laid over the first. Columns 1 … n may be dragged to
// another place; the grid reports the drag and puts its sections back in order, the owner moves
// the columns of the table.
class ResultsGrid : public QTableView {
  Q_OBJECT

 public:
  explicit ResultsGrid(QWidget* parent = nullptr);

  void setModel(QAbstractItemModel* model) override;

  // Width of the title column; the default width of the other columns; the row height.
  void SetTitleColumnWidth(int width);
  int TitleColumnWidth() const;
  void SetDefaultColumnWidth(int width);
  int DefaultColumnWidth() const;
  void SetRowHeight(int height);
  int RowHeight() const;
  void SetGridFont(const QFont& font);
  // The colour of the cell texts (black unless chosen). The grid draws its own look whatever the
  // desktop theme: the cell texts on a white background, the fixed parts light grey.
  void SetFontColour(const QColor& colour);
  QColor FontColour() const { return fontColour_; }

  QTableView* TitleView() const { return frozen_; }

  void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

 signals:
  // The user dragged grid column `from` to position `to`.
  void ColumnDragged(int from, int to);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

 private:
  void HideFrozenColumns();
  void UpdateFrozenGeometry();
  void SectionMoved(int logical, int oldVisual, int newVisual);
  void ApplyPalette();

  QTableView* frozen_;
  int titleWidth_ = 150;
  int defaultWidth_ = 150;
  QColor fontColour_ = Qt::black;
};

}  // namespace velmora::gui
