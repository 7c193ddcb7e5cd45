#pragma once

#include "calculators/ChannelDialog.h"

namespace velmora::gui {

// Open channel flow by Manning-Strickler: velocity and flow of a rectangular, trapezoidal,
// semicircular, triangular or any channel for its slope and Strickler coefficient.
class TGerinneDlg : public ChannelDialog {
  Q_OBJECT

 public:
  TGerinneDlg(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  void BitBtn2Click();  // calculate

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;
  int LengthUnit() const override;

 private:
  void ShapeChanged(int shape);
  void SetShapeCaptions();
};

// The pictures of the channel shapes (rectangle, trapezoid, semicircle, triangle, any shape).
QString ChannelPicture(int shape, text::Edition edition);

}  // namespace velmora::gui
