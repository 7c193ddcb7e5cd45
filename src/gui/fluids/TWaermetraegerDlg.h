#pragma once

#include <QString>
#include <optional>

#include "fluids/OilDialog.h"
#include "fluids/PropertyDialog.h"

class QListWidget;

namespace velmora::gui {

// The heat-transfer oils (WT.STW): density and viscosity of an oil from 0 to 300 °C, handed over
// as a liquid.
class TWaermetraegerDlg : public PropertyDialog {
  Q_OBJECT

 public:
  // Loads WT.STW from the program folder; a missing file is reported and leaves the list empty.
  TWaermetraegerDlg(const text::TextStore& texts, const QString& programFolder, QWidget* parent = nullptr);

  void ListBox1Click();  // an oil chosen: its type
  void Berechnen1Click();
  void Uebernehmen1Click();

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;

 private:
  const fluids::OilRecord* Chosen() const;
  fluids::OilForm ReadInputs() const;

  fluids::OilDatabase database_;
  QListWidget* list_ = nullptr;
  std::optional<fluids::OilShown> values_;
};

}  // namespace velmora::gui
