#pragma once

#include <optional>

#include "fluids/AirDialogs.h"
#include "fluids/PropertyDialog.h"

namespace velmora::gui {

// Dry air at any pressure and temperature, gas, liquid or solid (Lemmon et al. 2000): state,
// density, specific volume and viscosity.
class TLuftDialog : public PropertyDialog {
  Q_OBJECT

 public:
  explicit TLuftDialog(const text::TextStore& texts, QWidget* parent = nullptr);

  void Berechnen1Click();
  void Uebernehmen1Click();

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;

 private:
  fluids::DryAirForm ReadInputs() const;

  std::optional<fluids::DryAirDisplay> shown_;
};

}  // namespace velmora::gui
