#include "fluids/PropertyDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"
#include "units/UnitLists.h"

namespace velmora::gui {
namespace {

// Result labels are wide enough for "1234,567890" and framed like read-only fields.
constexpr int kValueMinimumWidth = 110;

}  // namespace

PropertyDialog::PropertyDialog(const text::TextStore& texts, std::string_view block, QWidget* parent)
    : QDialog(parent), texts_(texts), block_(block) {
  setWindowTitle(Text("Caption"));
}

void PropertyDialog::Present(bool us) {
  us_ = us;
  SetResultCaptions();
  ClearResults();
}

QString PropertyDialog::Text(std::string_view key) const { return ToQString(texts_.FormText(block_, key)); }

QLabel* PropertyDialog::Caption(const char* name, std::string_view key) {
  QLabel* label = MakeLabel(this, name);
  if (!key.empty()) label->setText(Text(key));
  return label;
}

QLabel* PropertyDialog::Value(const char* name) { return MakeValue(this, name, kValueMinimumWidth); }

QPushButton* PropertyDialog::Button(const char* name, const QString& text) { return MakeButton(this, name, text); }

void PropertyDialog::AddPressureRow(QGridLayout* grid, int row, std::string_view captionKey) {
  grid->addWidget(Caption("DruckLabel", captionKey), row, 0);
  grid->addWidget(MakeEdit(this, "DruckEdit"), row, 1);
  QComboBox* unit = MakeCombo(this, "DruckCombo");
  FillUnitList(unit, units::PressureUnits());
  grid->addWidget(unit, row, 2);
}

void PropertyDialog::AddTemperatureRow(QGridLayout* grid, int row, std::string_view captionKey) {
  grid->addWidget(Caption("TemperaturLabel", captionKey), row, 0);
  grid->addWidget(MakeEdit(this, "TemperaturEdit"), row, 1);
  QComboBox* unit = MakeCombo(this, "TemperaturCombo");
  FillUnitList(unit, units::TemperatureUnits());
  grid->addWidget(unit, row, 2);
}

void PropertyDialog::ClearResultsOnChange() {
  for (QLineEdit* edit : findChildren<QLineEdit*>())
    connect(edit, &QLineEdit::textChanged, this, [this] { ClearResults(); });
  for (QComboBox* list : findChildren<QComboBox*>()) {
    connect(list, &QComboBox::currentIndexChanged, this, [this] { ClearResults(); });
  }
  for (QAbstractButton* option : findChildren<QAbstractButton*>()) {
    if (option->isCheckable()) connect(option, &QAbstractButton::toggled, this, [this] { ClearResults(); });
  }
}

void PropertyDialog::Show(const text::Message& message) { ShowMessage(this, message); }

void PropertyDialog::HandOver(const fluids::MediumTakeOver& takeOver) {
  emit TakeOverRequested(takeOver);
  accept();
}

std::string PropertyDialog::EditText(const char* name) const {
  return ToStdString(findChild<QLineEdit*>(name)->text());
}

int PropertyDialog::ListIndex(const char* name) const { return findChild<QComboBox*>(name)->currentIndex(); }

}  // namespace velmora::gui
