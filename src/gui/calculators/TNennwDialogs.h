#pragma once

#include "calculators/CalculatorDialog.h"
#include "calculators/EconomicDiameter.h"
#include "mainform/MainForm.h"

class QPlainTextEdit;

namespace velmora::gui {

// The economic nominal diameter: the flow with its unit, "Wertausgabe metrisch" and the report.
class TNennwDialog : public CalculatorDialog {
  Q_OBJECT

 public:
  // On showing: the main window's volume flow and unit (a mass flow empties the field), calculated
  // at once when it reads as a number; the focus in the flow field.
  void Prepare(const mainform::MainForm& main);
  void Btn_BerechnungClick();
  QString Report() const;

 protected:
  TNennwDialog(const text::TextStore& texts, bool gas, QWidget* parent);
  void ClearResults() override {}

 private:
  bool gas_;
  QPlainTextEdit* memo_ = nullptr;
};

class TNennw_Fl_Dlg : public TNennwDialog {
  Q_OBJECT
 public:
  explicit TNennw_Fl_Dlg(const text::TextStore& texts, QWidget* parent = nullptr)
      : TNennwDialog(texts, false, parent) {}
};

class TNennw_Ga_Dlg : public TNennwDialog {
  Q_OBJECT
 public:
  explicit TNennw_Ga_Dlg(const text::TextStore& texts, QWidget* parent = nullptr) : TNennwDialog(texts, true, parent) {}
};

}  // namespace velmora::gui
