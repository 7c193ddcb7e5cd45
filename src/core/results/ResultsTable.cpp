#include "results/ResultsTable.h"

#include <algorithm>

namespace velmora::results {
namespace {
const std::string kEmpty;
}

const std::string& ResultsTable::Cell(int column, int row) const {
  if (row < 0 || row >= kRowCount) return kEmpty;
  const auto r = static_cast<std::size_t>(row);
  if (column == 0) return labels_[r];
  if (IsElementColumn(column)) return Column(column).rows[r];
  return kEmpty;
}

void ResultsTable::SetCell(int column, int row, std::string text) {
  if (!IsElementColumn(column) || row < 0 || row >= kRowCount) return;
  Column(column).rows[static_cast<std::size_t>(row)] = std::move(text);
}

int ResultsTable::AppendColumn(ResultColumn column) {
  elements_.push_back(std::move(column));
  elements_.back().rows[row::Number] = std::to_string(elements_.size());
  return ElementCount();
}

bool ResultsTable::DeleteSelectedColumn(int column) {
  if (!IsElementColumn(column)) return false;
  elements_.erase(elements_.begin() + (column - 1));
  Renumber();
  return true;
}

bool ResultsTable::MoveColumn(int from, int to) {
  const int last = ColumnCount() - 1;  // the empty column
  if (from < 1 || from > last || to < 1 || to > last || from == to) return false;
  // Moving the empty column, or dropping an element behind it, leaves the empty column at the end.
  if (from == last) return false;
  if (to == last) to = last - 1;
  if (from == to) return false;
  const auto begin = elements_.begin();
  if (from < to) {
    std::rotate(begin + (from - 1), begin + from, begin + to);
  } else {
    std::rotate(begin + (to - 1), begin + (from - 1), begin + from);
  }
  Renumber();
  return true;
}

void ResultsTable::ClearTable() {
  elements_.clear();
  projectTitle_.clear();
}

void ResultsTable::Renumber() {
  for (std::size_t i = 0; i < elements_.size(); ++i) elements_[i].rows[row::Number] = std::to_string(i + 1);
}

}  // namespace velmora::results
