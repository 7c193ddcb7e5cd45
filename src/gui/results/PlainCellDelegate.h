#pragma once

#include <QStyledItemDelegate>

namespace velmora::gui {

// Draws every cell alike, selected or not: the grid's background and font colour, the text
// 2 pixels from the left and top edge.
class PlainCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  static constexpr int kTextMargin = 2;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace velmora::gui
