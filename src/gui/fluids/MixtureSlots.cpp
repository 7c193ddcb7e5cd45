#include "fluids/MixtureSlots.h"

#include <QLineEdit>

#include "toolkit/Controls.h"

namespace velmora::gui {

QLineEdit* MixtureSlots::MakeEdit(QWidget* parent, std::size_t slot) {
  constexpr std::array<const char*, kCount> kNames{"StoffEdit1", "StoffEdit2", "StoffEdit3", "StoffEdit4"};
  edits_[slot] = gui::MakeEdit(parent, kNames[slot]);
  edits_[slot]->setReadOnly(true);
  return edits_[slot];
}

bool MixtureSlots::Add(int row, const QString& name) {
  for (std::size_t k = 0; k < kCount; ++k) {
    if (rows_[k] >= 0) continue;
    rows_[k] = row;
    edits_[k]->setText(name);
    return true;
  }
  return false;
}

void MixtureSlots::Remove(std::size_t slot) {
  rows_[slot] = -1;
  edits_[slot]->clear();
}

}  // namespace velmora::gui
