#pragma once

#include "calculators/CalculatorDialog.h"
#include "results/ResultsTable.h"

class QSpinBox;

namespace velmora::gui {

// Pipeline content and filling time over a range of the results table's columns.
class TInhaltDlg : public CalculatorDialog {
  Q_OBJECT

 public:
  explicit TInhaltDlg(const text::TextStore& texts, QWidget* parent = nullptr);

  // On showing: the range 1 … number of elements, the table's first flow and the flow unit of the
  // display ("m³/h", US "gal/min"), the content at once. The table must outlive the showing.
  void Prepare(const results::ResultsTable& table);
  void BitBtn1Click();  // "Neu berechnen"

 protected:
  void ClearResults() override;

 private:
  void ShowTime();

  const results::ResultsTable* table_ = nullptr;
  long double content_ = 0;
  QSpinBox* from_ = nullptr;
  QSpinBox* to_ = nullptr;
};

}  // namespace velmora::gui
