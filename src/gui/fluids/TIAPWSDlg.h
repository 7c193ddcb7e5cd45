#pragma once

#include <optional>

#include "fluids/PropertyDialog.h"
#include "fluids/WaterDialogs.h"

namespace velmora::gui {

// Water and steam at any state given by absolute pressure and temperature (IAPWS-IF97): density,
// specific volume and viscosity, handed over as liquid (regions 1 and 3) or gas (2 and 5).
class TIAPWSDlg : public PropertyDialog {
  Q_OBJECT

 public:
  explicit TIAPWSDlg(const text::TextStore& texts, QWidget* parent = nullptr);

  void Berechnen1Click();
  void Uebernehmen1Click();

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;

 private:
  fluids::WaterForm ReadInputs() const;

  std::optional<fluids::WaterDisplay> shown_;  // the last calculation, for the take-over
};

}  // namespace velmora::gui
