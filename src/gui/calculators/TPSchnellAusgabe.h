#pragma once

#include <QDialog>

#include "calculators/PumpDesignDialog.h"
#include "text/TextStore.h"

class QTableWidget;

namespace velmora::gui {

// The result window of the pump quick design: both lines side by side (StringGrid1) and the pump's
// pressure difference, head, available NPSH and power (StringGrid2); printed on one page or copied
// to the clipboard together with the input summary.
class TPSchnellAusgabe : public QDialog {
  Q_OBJECT

 public:
  TPSchnellAusgabe(const text::TextStore& texts, QWidget* parent = nullptr);

  void ShowResults(const calculators::PumpDesignForm& form, const calculators::PumpResultTexts& shown);
  bool BitBtn2Click();  // print
  void BitBtn3Click();  // copy

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QString Text(std::string_view key) const;
  void FitColumns();

  const text::TextStore& texts_;
  calculators::PumpDesignForm form_;
  calculators::PumpResultTexts shown_;
  QTableWidget* lines_ = nullptr;   // StringGrid1
  QTableWidget* totals_ = nullptr;  // StringGrid2
};

}  // namespace velmora::gui
