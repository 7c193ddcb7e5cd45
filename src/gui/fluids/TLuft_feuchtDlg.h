#pragma once

#include <optional>

#include "fluids/AirDialogs.h"
#include "fluids/PropertyDialog.h"

namespace velmora::gui {

// Humid air at ordinary conditions (CIPM-81/91): humidity figures, dew point, density, specific
// volume and viscosity, handed over as a gas.
class TLuft_feuchtDlg : public PropertyDialog {
  Q_OBJECT

 public:
  explicit TLuft_feuchtDlg(const text::TextStore& texts, QWidget* parent = nullptr);

  void Berechnen1Click();
  void Uebernehmen1Click();

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;

 private:
  fluids::HumidAirForm ReadInputs() const;

  std::optional<fluids::HumidAirDisplay> shown_;
};

}  // namespace velmora::gui
