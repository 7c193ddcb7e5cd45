#include "results/ResultsGridModel.h"

#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

int ResultsGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : results::kRowCount; }

int ResultsGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.ColumnCount();
}

QVariant ResultsGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  return ToQString(table_.Cell(index.column(), index.row()));
}

QVariant ResultsGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  // The grid has no headings of its own; the header only serves to drag and size columns.
  if (role == Qt::DisplayRole) return QString();
  return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ResultsGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void ResultsGridModel::BeginAppend() {
  appendAt_ = table_.ColumnCount();  // the new empty column's index once the table has grown
  beginInsertColumns(QModelIndex(), appendAt_, appendAt_);
}

void ResultsGridModel::EndAppend() {
  endInsertColumns();
  // The former empty column now holds the element.
  const int filled = appendAt_ - 1;
  emit dataChanged(index(0, filled), index(results::kRowCount - 1, filled));
}

void ResultsGridModel::LabelsChanged() { emit dataChanged(index(0, 0), index(results::kRowCount - 1, 0)); }

}  // namespace velmora::gui
