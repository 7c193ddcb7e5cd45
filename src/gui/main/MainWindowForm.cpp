// The main window's inputs: the element panel, the mirror of the MainForm model and the
// calculate command.
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QToolButton>

#include "catalogue/ElementLayout.h"
#include "elements/TBtnBottomDlg.h"
#include "fluids/TGaswarnungDlg.h"
#include "hydraulics/CalculateElement.h"
#include "main/TMyWindow.h"
#include "mainform/CalculateCommand.h"
#include "results/TAusgabe_Fenster.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

int Index(const QComboBox* combo) { return combo->currentIndex(); }

void SetIndex(QComboBox* combo, int index) {
  combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

}  // namespace

void TMyWindow::BuildElementPanel() {
  const catalogue::ElementLayout* layout = catalogue::FindLayout(group_, kind_);
  if (layout == nullptr) return;
  description_->clear();
  for (int slot = 0; slot < 5; ++slot) {
    slotLabels_[slot]->hide();
    slotEdits_[slot]->hide();
    slotUnits_[slot]->hide();
    slotFixedUnits_[slot]->hide();
  }
  choice_->hide();
  branchLabel_->hide();
  branchFlow_->hide();
  branchUnit_->hide();
  for (QWidget* widget :
       std::initializer_list<QWidget*>{roughnessLabel_, roughness_, roughnessUnit_, roughnessDatabase_}) {
    widget->setEnabled(false);
  }

  const QString picture = programFolder_ + QString("/%1.bmp").arg(layout->picture);
  picture_->setPixmap(QFileInfo::exists(picture) ? QPixmap(picture) : QPixmap());
  heading_->setText(ToQString(texts_.GroupName(group_)) + " - " + ToQString(texts_.KindName(group_, kind_)));

  const text::Edition edition = texts_.edition();
  for (int slot = 0; slot < 5; ++slot) {
    const catalogue::SlotLayout& s = layout->slotLayouts[static_cast<std::size_t>(slot)];
    if (s.unit == catalogue::SlotUnit::Hidden) continue;
    slotLabels_[slot]->setText(ToQString(texts_.GlobalText(s.labelText)) + ToQString(std::string(s.symbol)));
    slotLabels_[slot]->show();
    QLineEdit* edit = slotEdits_[slot];
    switch (s.fill) {
      case catalogue::SlotDefault::Keep:
        if (slot < 2 && edit->text().isEmpty()) edit->setText("100");
        break;
      case catalogue::SlotDefault::Text: edit->setText(ToQString(catalogue::DefaultText(s, edition))); break;
      case catalogue::SlotDefault::CopySlot1: edit->setText(slotEdits_[0]->text()); break;
      case catalogue::SlotDefault::CopySlot2: edit->setText(slotEdits_[1]->text()); break;
    }
    edit->show();
    const auto list = catalogue::SlotUnits(s.unit);
    if (!list.empty()) {
      // A list keeps its selection when that entry exists in the new list.
      const int previous = slotUnits_[slot]->currentIndex();
      const QSignalBlocker block(slotUnits_[slot]);
      slotUnits_[slot]->clear();
      for (const units::Unit& unit : list) slotUnits_[slot]->addItem(ToQString(std::string(unit.name)));
      SetIndex(slotUnits_[slot], previous);
      slotUnits_[slot]->show();
    } else {
      QString fixed;
      if (s.unit == catalogue::SlotUnit::Degree) fixed = ToQString(texts_.GlobalText(70));
      if (s.unit == catalogue::SlotUnit::Percent) fixed = "%";
      if (s.unit == catalogue::SlotUnit::Pieces) fixed = ToQString(texts_.GlobalText(140));
      slotFixedUnits_[slot]->setText(fixed);
      slotFixedUnits_[slot]->show();
    }
  }

  bool expanded = false;
  if (layout->extra == catalogue::ElementExtra::Choice) {
    choice_->setTitle(layout->choiceCaption > 0 ? ToQString(texts_.GlobalText(layout->choiceCaption)) + ": "
                                                : QString());
    for (int i = 0; i < 2; ++i) {
      const catalogue::ChoiceOption& option = layout->options[static_cast<std::size_t>(i)];
      choiceOptions_[static_cast<std::size_t>(i)]->setText(ToQString(std::string(option.prefix)) +
                                                           ToQString(texts_.GlobalText(option.text)));
    }
    choiceOptions_[0]->setChecked(true);
    choice_->show();
    expanded = true;
  }
  if (layout->extra == catalogue::ElementExtra::BranchFlow) {
    branchUnit_->setText(flowUnit_->currentText());
    branchLabel_->show();
    branchFlow_->show();
    branchUnit_->show();
    expanded = true;
  }
  elementInfo_->setEnabled(!InfoText(group_ * 9 + kind_).isEmpty());
  for (QWidget* widget : std::initializer_list<QWidget*>{roughnessLabel_, roughness_, roughnessUnit_}) {
    widget->setEnabled(layout->roughness);
  }
  SetHeight(expanded);
}

mainform::MainForm TMyWindow::ReadForm() const {
  mainform::MainForm form;
  form.elementGroup = group_;
  form.elementKind = kind_;
  form.description = ToStdString(description_->text());
  form.count = ToStdString(count_->text());
  for (int slot = 0; slot < 5; ++slot) {
    form.dimensions[static_cast<std::size_t>(slot)] = ToStdString(slotEdits_[slot]->text());
    form.dimensionUnits[static_cast<std::size_t>(slot)] = Index(slotUnits_[slot]);
  }
  form.roughness = ToStdString(roughness_->text());
  form.roughnessUnit = Index(roughnessUnit_);
  form.option = choiceOptions_[1]->isChecked() ? 1 : 0;
  form.branchFlow = ToStdString(branchFlow_->text());
  form.medium = ToStdString(medium_->text());
  form.flowKind = Index(flowKind_);
  form.flow = ToStdString(flow_->text());
  form.flowUnit = Index(flowUnit_);
  form.density = ToStdString(density_->text());
  form.densityUnit = Index(densityUnit_);
  form.viscosityKind = Index(viscosityKind_);
  form.viscosity = ToStdString(viscosity_->text());
  form.viscosityUnit = Index(viscosityUnit_);
  form.gas = gas_->isChecked();
  form.inletPressure = ToStdString(inletPressure_->text());
  form.inletPressureUnit = Index(inletPressureUnit_);
  form.inletTemperature = ToStdString(inletTemperature_->text());
  form.inletTemperatureUnit = Index(inletTemperatureUnit_);
  form.outletTemperature = ToStdString(outletTemperature_->text());
  form.outletTemperatureUnit = Index(outletTemperatureUnit_);
  return form;
}

void TMyWindow::WriteForm(const mainform::MainForm& form) {
  description_->setText(ToQString(form.description));
  count_->setText(ToQString(form.count));
  for (int slot = 0; slot < 5; ++slot) {
    slotEdits_[slot]->setText(ToQString(form.dimensions[static_cast<std::size_t>(slot)]));
    SetIndex(slotUnits_[slot], form.dimensionUnits[static_cast<std::size_t>(slot)]);
  }
  roughness_->setText(ToQString(form.roughness));
  SetIndex(roughnessUnit_, form.roughnessUnit);
  choiceOptions_[form.option == 1 ? 1 : 0]->setChecked(true);
  branchFlow_->setText(ToQString(form.branchFlow));
  medium_->setText(ToQString(form.medium));
  SetIndex(flowKind_, form.flowKind);
  RebuildFlowUnits();
  flow_->setText(ToQString(form.flow));
  SetIndex(flowUnit_, form.flowUnit);
  density_->setText(ToQString(form.density));
  SetIndex(densityUnit_, form.densityUnit);
  SetIndex(viscosityKind_, form.viscosityKind);
  RebuildViscosityUnits();
  viscosity_->setText(ToQString(form.viscosity));
  SetIndex(viscosityUnit_, form.viscosityUnit);
  (form.gas ? gas_ : liquid_)->setChecked(true);
  SetGasDataEnabled(form.gas);
  inletPressure_->setText(ToQString(form.inletPressure));
  SetIndex(inletPressureUnit_, form.inletPressureUnit);
  inletTemperature_->setText(ToQString(form.inletTemperature));
  SetIndex(inletTemperatureUnit_, form.inletTemperatureUnit);
  outletTemperature_->setText(ToQString(form.outletTemperature));
  SetIndex(outletTemperatureUnit_, form.outletTemperatureUnit);
  branchUnit_->setText(flowUnit_->currentText());
}

void TMyWindow::ApplyCopiedColumn(const mainform::MainForm& form) {
  // The copied column names its element: rebuild that panel, then restore every input.
  group_ = form.elementGroup;
  kind_ = form.elementKind;
  BuildElementPanel();
  WriteForm(form);
  selection_->Present(group_, kind_);
}

bool TMyWindow::Calculate() {
  const mainform::MainForm form = ReadForm();
  const mainform::CalculateChecks checks = mainform::CheckCalculateInputs(form, texts_);
  if (checks.showGasNotes) gasNotes_->exec();
  if (!checks.input) {
    ShowMessages(this, checks.messages);
    return false;
  }
  const hydraulics::ElementOutcome outcome = hydraulics::CalculateElement(*checks.input);
  // The results window shows the notes of the calculation and appends the column.
  const bool appended = results_->AppendOutcome(form, *checks.input, outcome);
  if (outcome.Error) ShowMessage(this, {ToStdString(InfoText(0)), {}, text::MessageIcon::None, {}});
  if (!appended) return false;
  projectSaved_ = false;
  return true;
}

}  // namespace velmora::gui
