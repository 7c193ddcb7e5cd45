#include "coefficients/CoefficientCommands.h"

#include "coefficients/RoughnessTakeOver.h"
#include "coefficients/TRauDatenbank.h"
#include "coefficients/TZetaDatenbank.h"
#include "coefficients/ZetaTakeOver.h"
#include "tablechange/TSpalteAendernDlg.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

CoefficientCommands::CoefficientCommands(const text::TextStore& texts, QString programFolder, CoefficientHooks hooks,
                                         TSpalteAendernDlg* columnDialog, QWidget* window)
    : QObject(window),
      texts_(texts),
      programFolder_(std::move(programFolder)),
      hooks_(std::move(hooks)),
      columnDialog_(columnDialog),
      window_(window) {
  if (columnDialog_ != nullptr) {
    connect(columnDialog_, &TSpalteAendernDlg::ZetaDatabaseRequested, this, &CoefficientCommands::OpenZetaDatabase);
    connect(columnDialog_, &TSpalteAendernDlg::RoughnessDatabaseRequested, this,
            &CoefficientCommands::OpenRoughnessDatabase);
  }
}

TZetaDatenbank* CoefficientCommands::ZetaDialog() {
  if (zeta_ == nullptr) zeta_ = new TZetaDatenbank(texts_, programFolder_, window_);
  return zeta_;
}

TRauDatenbank* CoefficientCommands::RoughnessDialog() {
  if (roughness_ == nullptr) roughness_ = new TRauDatenbank(texts_, window_);
  return roughness_;
}

bool CoefficientCommands::ColumnDialogShown() const { return columnDialog_ != nullptr && columnDialog_->isVisible(); }

void CoefficientCommands::OpenZetaDatabase() {
  TZetaDatenbank* dialog = ZetaDialog();
  dialog->Present();
  const bool pump = PumpDesignShown();
  dialog->ShowPumpRows(pump, pump && pump_.pageText ? pump_.pageText() : QString());
  const bool accepted = dialog->exec() == QDialog::Accepted && dialog->Chosen();
  dialog->ShowPumpRows(false, {});
  if (!accepted) return;
  const coefficients::ZetaChoice& choice = *dialog->Chosen();
  if (pump) {
    if (pump_.zeta) pump_.zeta(choice, dialog->PumpRowsChecked());
    return;
  }
  if (ColumnDialogShown()) {
    columnDialog_->TakeOverZeta(ToQString(choice.zeta),
                                choice.describe ? ToQString(coefficients::ZetaDescription(choice)) : QString());
    return;
  }
  if (!hooks_.readForm || !hooks_.writeForm) return;
  mainform::MainForm form = hooks_.readForm();
  coefficients::ApplyZeta(form, choice);
  hooks_.writeForm(form);
}

void CoefficientCommands::OpenRoughnessDatabase() {
  TRauDatenbank* dialog = RoughnessDialog();
  dialog->Present();
  if (dialog->exec() != QDialog::Accepted || !dialog->Chosen()) return;
  const std::string& value = *dialog->Chosen();
  if (PumpDesignShown()) {
    if (pump_.roughness) pump_.roughness(value);
    return;
  }
  if (ColumnDialogShown()) {
    columnDialog_->TakeOverRoughness(
        ToQString(coefficients::ColumnDialogRoughness(value, columnDialog_->UsDisplay(), texts_.edition())));
    return;
  }
  if (!hooks_.readForm || !hooks_.writeForm) return;
  mainform::MainForm form = hooks_.readForm();
  coefficients::ApplyRoughness(form, value);
  hooks_.writeForm(form);
}

}  // namespace velmora::gui
