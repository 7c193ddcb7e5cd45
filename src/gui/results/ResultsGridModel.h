#pragma once

#include <QAbstractTableModel>

#include "results/ResultsTable.h"

namespace velmora::gui {

// Shows a results table in a grid: grid column c is table column c (0 the titles, the last one
// empty), 26 rows, read only.
class ResultsGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit ResultsGridModel(const results::ResultsTable& table, QObject* parent = nullptr)
      : QAbstractTableModel(parent), table_(table) {}

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // A column was written into the empty last column and a new empty one added after it.
  void BeginAppend();
  void EndAppend();
  // Anything else changed (columns deleted, moved, converted, the table replaced).
  void BeginReset() { beginResetModel(); }
  void EndReset() { endResetModel(); }
  // The texts of the title column changed.
  void LabelsChanged();

 private:
  const results::ResultsTable& table_;
  int appendAt_ = 0;
};

}  // namespace velmora::gui
