#pragma once

#include <QString>
#include <array>
#include <cstddef>

class QLineEdit;
class QWidget;

namespace velmora::gui {

// The four places of a mixture in the aqueous-solution and estimation windows: which row of the
// window's list each holds (−1 empty), shown by name in a read-only edit.
class MixtureSlots {
 public:
  static constexpr std::size_t kCount = 4;

  // The read-only edit of a place (StoffEdit1 … StoffEdit4).
  QLineEdit* MakeEdit(QWidget* parent, std::size_t slot);
  // Puts a list row into the first empty place; false when every place is taken.
  bool Add(int row, const QString& name);
  void Remove(std::size_t slot);
  int Row(std::size_t slot) const { return rows_[slot]; }

 private:
  std::array<int, kCount> rows_{-1, -1, -1, -1};
  std::array<QLineEdit*, kCount> edits_{};
};

}  // namespace velmora::gui
