#pragma once

#include "calculators/CalculatorDialog.h"
#include "calculators/OrificeDesignDialog.h"
#include "mainform/MainForm.h"

namespace velmora::gui {

// Orifice design: the bore of a restriction orifice (sharp-edged, rounded or thick) that produces
// a wanted pressure loss for the medium and flow of the main window.
class TDrosselblendeDlg : public CalculatorDialog {
  Q_OBJECT

 public:
  TDrosselblendeDlg(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  // FormShow: the medium, flow, density and viscosity of the main window, the result cleared.
  void CopyFromMain(const mainform::MainForm& main);
  void BitBtn1Click();  // calculate
  void BitBtn4Click();  // print the dialog

 protected:
  void ClearResults() override;

 private:
  calculators::OrificeDesignForm ReadInputs() const;
  void KindChanged(int kind);
  void SetKindCaptions();
};

}  // namespace velmora::gui
