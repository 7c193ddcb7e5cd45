#pragma once

#include "calculators/CalculatorDialog.h"
#include "calculators/OutflowDialogs.h"

namespace velmora::gui {

// Draining time at falling level of a vertical or horizontal cylinder, a sphere or a cone through a
// round bottom opening.
class TAusfluss_veraeDlg : public CalculatorDialog {
  Q_OBJECT

 public:
  TAusfluss_veraeDlg(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  void BitBtn1Click();  // calculate
  // A discharge coefficient taken over from the database: written into μ while the dialog is shown.
  void TakeOverCoefficient(const QString& mu);

 signals:
  void DatabaseRequested();

 protected:
  void ClearResults() override;

 private:
  void ShapeChanged(int shape);
};

}  // namespace velmora::gui
