#pragma once

#include "calculators/CalculatorDialog.h"
#include "calculators/OutflowDialogs.h"

namespace velmora::gui {

// Outflow at constant level: volume flow and mean velocity through a small or large, side or
// bottom opening of a vessel, unpressurised or under overpressure.
class TAusfluss_konstDlg : public CalculatorDialog {
  Q_OBJECT

 public:
  TAusfluss_konstDlg(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  void BitBtn1Click();  // calculate
  // A discharge coefficient taken over from a database: written into μ while the dialog is shown.
  void TakeOverCoefficient(const QString& mu);

 signals:
  // "Datenbank": the coefficients of large (true) or small openings are asked for.
  void DatabaseRequested(bool large);

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;

 private:
  calculators::OutflowForm ReadInputs() const;
  void CaseChanged();
  int shownCase_ = 0;
};

}  // namespace velmora::gui
