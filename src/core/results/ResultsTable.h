#pragma once

#include <string>
#include <vector>

#include "results/ResultColumn.h"

namespace velmora::results {

// The results table of the project: the title column (column 0), one column per calculated
// element (columns 1 … n) and one empty column (n + 1) that receives the next element. Columns are
// numbered as the grid shows them. The table holds texts only.
class ResultsTable {
 public:
  ResultsTable() = default;

  // Grid columns: titles, elements and the empty last one (2 for an empty table).
  int ColumnCount() const { return ElementCount() + 2; }
  int ElementCount() const { return static_cast<int>(elements_.size()); }
  // Columns 1 … n.
  bool IsElementColumn(int column) const { return column >= 1 && column <= ElementCount(); }
  int LastElementColumn() const { return ElementCount(); }

  // Any cell of the grid: the title column, an element column, or the empty last column (empty
  // texts); outside the grid an empty text.
  const std::string& Cell(int column, int row) const;
  // Changes one cell of an element column (the description edited in the short display, a column
  // recalculated in place). Does nothing outside the element columns.
  void SetCell(int column, int row, std::string text);

  // Element column 1 … n (precondition: IsElementColumn).
  const ResultColumn& Column(int column) const { return elements_[static_cast<std::size_t>(column - 1)]; }
  ResultColumn& Column(int column) { return elements_[static_cast<std::size_t>(column - 1)]; }

  const ColumnTexts& Labels() const { return labels_; }
  void SetLabels(ColumnTexts labels) { labels_ = std::move(labels); }

  // The project title (the results window's project field; first line of the project file).
  const std::string& ProjectTitle() const { return projectTitle_; }
  void SetProjectTitle(std::string title) { projectTitle_ = std::move(title); }

  // Writes a column into the empty last column and adds a new empty column after it; row 0 gets
  // the running number. Returns the column's index.
  int AppendColumn(ResultColumn column);

  // Removes element column `column`; the columns right of it move left and are renumbered.
  // Nothing happens (false) for the title column, the empty last column or an empty table.
  bool DeleteSelectedColumn(int column);

  // Moves grid column `from` to position `to` (both 1 … n + 1, as a drag in the grid does). If the
  // empty last column ends up between element columns it goes back to the end; row 0 is
  // renumbered. False when nothing could move.
  bool MoveColumn(int from, int to);

  // Empties the table: no element columns, an empty project title. The labels stay.
  void ClearTable();

  // Rewrites row 0 of every element column with its position.
  void Renumber();

 private:
  ColumnTexts labels_;
  std::vector<ResultColumn> elements_;
  std::string projectTitle_;
};

}  // namespace velmora::results
