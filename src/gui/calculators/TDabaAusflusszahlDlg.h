#pragma once

#include "calculators/CalculatorDialog.h"
#include "calculators/OutflowDialogs.h"

namespace velmora::gui {

// Discharge coefficients of small openings: sharp-edged, nozzle, conical or cylindrical extension,
// extension with a nozzle; μ taken over into the outflow and the draining-time dialog.
class TDabaAusflusszahlDlg : public CalculatorDialog {
  Q_OBJECT

 public:
  TDabaAusflusszahlDlg(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  void BitBtn3Click();  // calculate μ
  void BitBtn1Click();  // take μ over and close

 signals:
  void CoefficientTakenOver(const QString& mu);

 protected:
  void ClearResults() override;

 private:
  void KindChanged(int kind);
  QString takeOver_;
};

// Discharge coefficients of large openings: side openings sharp-edged (by h/b) or rounded, bottom
// openings (by d/D).
class TDabaAusflusszahl_grossDlg : public CalculatorDialog {
  Q_OBJECT

 public:
  TDabaAusflusszahl_grossDlg(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  void BitBtn3Click();
  void BitBtn1Click();

 signals:
  void CoefficientTakenOver(const QString& mu);

 protected:
  void ClearResults() override;

 private:
  void KindChanged();
  QString takeOver_;
};

}  // namespace velmora::gui
