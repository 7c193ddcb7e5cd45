#include "results/PlainCellDelegate.h"

#include <QPainter>

namespace velmora::gui {

void PlainCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  painter->fillRect(option.rect, option.palette.base());
  painter->setPen(option.palette.color(QPalette::Text));
  painter->setFont(option.font);
  const QRect text = option.rect.adjusted(kTextMargin, kTextMargin, 0, 0);
  painter->setClipRect(option.rect);
  painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
  painter->restore();
}

}  // namespace velmora::gui
