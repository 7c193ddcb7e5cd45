#include "toolkit/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

// Wide enough for the longest usual value and unit ("998,200", "10-6 kg/ms") at the platform font.
constexpr int kEditMinimumWidth = 90;
constexpr int kComboMinimumWidth = 95;

}  // namespace

QLineEdit* MakeEdit(QWidget* parent, const char* name, int maxLength) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMinimumWidth(kEditMinimumWidth);
  if (maxLength > 0) edit->setMaxLength(maxLength);
  return edit;
}

QComboBox* MakeCombo(QWidget* parent, const char* name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setMinimumWidth(kComboMinimumWidth);
  return combo;
}

QLabel* MakeLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  return label;
}

QLabel* MakeValue(QWidget* parent, const char* name, int minimumWidth) {
  QLabel* label = MakeLabel(parent, name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMinimumWidth(minimumWidth);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

void FillUnitList(QComboBox* combo, std::span<const units::Unit> units) {
  const QSignalBlocker block(combo);
  combo->clear();
  for (const units::Unit& unit : units) combo->addItem(ToQString(std::string(unit.name)));
  combo->setCurrentIndex(0);
}

void SelectEntry(QComboBox* combo, int index) {
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

}  // namespace velmora::gui
