#pragma once

#include "calculators/ChannelDialog.h"

namespace velmora::gui {

// Channel design: the hydraulically optimal rectangle, trapezoid, semicircle or triangle for a
// volume flow, slope and Strickler coefficient.
class TKanalDlg : public ChannelDialog {
  Q_OBJECT

 public:
  TKanalDlg(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  void BitBtn2Click();  // calculate

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;
  int LengthUnit() const override;

 private:
  void ShapeChanged(int shape);
};

// The Strickler coefficients by channel kind and condition, taken over into a k_St field.
class TDabaStricklerDlg : public CalculatorDialog {
  Q_OBJECT

 public:
  TDabaStricklerDlg(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  void BitBtn1Click();  // take over and close

 signals:
  void CoefficientTakenOver(const QString& coefficient);

 protected:
  void ClearResults() override {}

 private:
  void KindChanged(int index);
  void ConditionChanged(int index);
};

}  // namespace velmora::gui
