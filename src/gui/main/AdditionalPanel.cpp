#include "main/AdditionalPanel.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "text/GlobalTexts.h"
#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kBranchFlowWidth = 140;

}  // namespace

AdditionalPanel::AdditionalPanel(const text::TextStore& texts, QWidget* parent) : QWidget(parent), texts_(texts) {
  setObjectName("Panel1");
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  choice_ = new QGroupBox(this);
  choice_->setObjectName("RadioGroup1");
  auto* choiceRow = new QHBoxLayout(choice_);
  auto* group = new QButtonGroup(choice_);
  for (std::size_t i = 0; i < options_.size(); ++i) {
    options_[i] = new QRadioButton(choice_);
    options_[i]->setObjectName(QString("RadioGroup1_%1").arg(i));
    group->addButton(options_[i], static_cast<int>(i));
    choiceRow->addWidget(options_[i]);
  }
  options_[0]->setChecked(true);
  auto* branchFlow = MakeEdit(this, "Edit3");
  branchFlow->setMaximumWidth(kBranchFlowWidth);
  branchUnit_ = MakeLabel(this, "Label7");
  branch_ = {MakeLabel(this, "Label6"), branchFlow, branchUnit_};
  row->addWidget(choice_);
  for (QWidget* widget : branch_) row->addWidget(widget);
  row->addStretch();
}

void AdditionalPanel::SetCaptions() {
  findChild<QLabel*>("Label6")->setText(ToQString(texts_.FormText(text::kMainWindowBlock, "Label6")));
}

void AdditionalPanel::SetFlowUnit(const QString& unit) { branchUnit_->setText(unit); }

bool AdditionalPanel::ShowElement(const catalogue::ElementLayout& layout) {
  const bool choice = layout.extra == catalogue::ElementExtra::Choice;
  const bool branch = layout.extra == catalogue::ElementExtra::BranchFlow;
  choice_->setVisible(choice);
  for (QWidget* widget : branch_) widget->setVisible(branch);
  if (choice) {
    choice_->setTitle(layout.choiceCaption > 0 ? ToQString(texts_.GlobalText(layout.choiceCaption)) + ": " : QString());
    for (std::size_t i = 0; i < options_.size(); ++i) {
      const catalogue::ChoiceOption& option = layout.options[i];
      options_[i]->setText(ToQString(std::string(option.prefix)) + ToQString(texts_.GlobalText(option.text)));
    }
    options_[0]->setChecked(true);
  }
  return choice || branch;
}

}  // namespace velmora::gui
