#include "calculators/CalculatorDialog.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kValueMinimumWidth = 110;
constexpr int kPictureWidth = 240;
constexpr int kPictureHeight = 160;

}  // namespace

CalculatorDialog::CalculatorDialog(const text::TextStore& texts, std::string_view block, QString programFolder,
                                   QWidget* parent)
    : QDialog(parent), texts_(texts), block_(block), programFolder_(std::move(programFolder)) {
  setWindowTitle(Text("Caption"));
}

void CalculatorDialog::Present(const calculators::Display& display) {
  display_ = display;
  SetResultCaptions();
  ClearResults();
}

QString CalculatorDialog::Text(std::string_view key) const { return ToQString(texts_.FormText(block_, key)); }

QLabel* CalculatorDialog::Caption(const char* name, std::string_view key) {
  QLabel* label = MakeLabel(this, name);
  if (!key.empty()) label->setText(Text(key));
  return label;
}

QLabel* CalculatorDialog::Value(const char* name) { return MakeValue(this, name, kValueMinimumWidth); }

QPushButton* CalculatorDialog::Button(const char* name, std::string_view key) {
  return MakeButton(this, name, Text(key));
}

QLineEdit* CalculatorDialog::Edit(const char* name) { return MakeEdit(this, name); }

QComboBox* CalculatorDialog::Combo(const char* name, std::span<const units::Unit> units) {
  QComboBox* combo = MakeCombo(this, name);
  if (!units.empty()) FillUnitList(combo, units);
  return combo;
}

QGroupBox* CalculatorDialog::RadioGroup(const char* name, std::string_view titleKey,
                                        std::initializer_list<std::string_view> itemKeys) {
  auto* box = new QGroupBox(titleKey.empty() ? QString() : Text(titleKey), this);
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  group->setObjectName(QString(name) + "Buttons");
  int id = 0;
  for (const std::string_view key : itemKeys) {
    auto* button = new QRadioButton(Text(key), box);
    button->setObjectName(QString("%1_%2").arg(name).arg(id));
    group->addButton(button, id++);
    layout->addWidget(button);
  }
  group->button(0)->setChecked(true);
  return box;
}

int CalculatorDialog::Chosen(const char* group) const {
  const auto* buttons = findChild<QButtonGroup*>(QString(group) + "Buttons");
  return buttons == nullptr ? -1 : buttons->checkedId();
}

void CalculatorDialog::Choose(const char* group, int index) {
  auto* buttons = findChild<QButtonGroup*>(QString(group) + "Buttons");
  if (buttons != nullptr && buttons->button(index) != nullptr) buttons->button(index)->setChecked(true);
}

QLabel* CalculatorDialog::Picture(const char* name) {
  QLabel* label = MakeLabel(this, name);
  label->setFixedSize(kPictureWidth, kPictureHeight);
  label->setFrameStyle(QFrame::Box | QFrame::Plain);
  return label;
}

void CalculatorDialog::ShowPicture(const char* label, const QString& name) {
  findChild<QLabel*>(label)->setPixmap(QPixmap(programFolder_ + "/" + name + ".bmp"));
}

void CalculatorDialog::Couple(std::initializer_list<const char*> lists) {
  std::vector<QComboBox*> combos;
  for (const char* name : lists) combos.push_back(findChild<QComboBox*>(name));
  for (QComboBox* combo : combos) {
    connect(combo, &QComboBox::currentIndexChanged, this, [combos](int index) {
      for (QComboBox* other : combos) {
        if (other->currentIndex() != index && index < other->count()) other->setCurrentIndex(index);
      }
    });
  }
}

void CalculatorDialog::ClearResultsOnChange() {
  for (QLineEdit* edit : findChildren<QLineEdit*>())
    connect(edit, &QLineEdit::textChanged, this, [this] { ClearResults(); });
  for (QComboBox* list : findChildren<QComboBox*>())
    connect(list, &QComboBox::currentIndexChanged, this, [this] { ClearResults(); });
  for (QRadioButton* option : findChildren<QRadioButton*>())
    connect(option, &QAbstractButton::toggled, this, [this] { ClearResults(); });
}

void CalculatorDialog::ShowOutcome(const calculators::Outcome& outcome) { ShowMessages(this, outcome.messages); }

std::string CalculatorDialog::EditText(const char* name) const {
  return ToStdString(findChild<QLineEdit*>(name)->text());
}

int CalculatorDialog::ListIndex(const char* name) const { return findChild<QComboBox*>(name)->currentIndex(); }

void CalculatorDialog::SetLabel(const char* name, const std::string& text) {
  findChild<QLabel*>(name)->setText(ToQString(text));
}

void CalculatorDialog::SetVisible(std::initializer_list<const char*> names, bool visible) {
  for (const char* name : names) {
    if (auto* widget = findChild<QWidget*>(name)) widget->setVisible(visible);
  }
}

}  // namespace velmora::gui
