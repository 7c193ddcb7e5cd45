#pragma once

#include <optional>

#include "fluids/AirDialogs.h"
#include "fluids/PropertyDialog.h"

namespace velmora::gui {

// Air on the saturation line (Lemmon et al. 2000): bubble and dew pressure, the boiling liquid and
// the saturated vapour side by side, each of them to be handed over.
class TLuftSattDlg : public PropertyDialog {
  Q_OBJECT

 public:
  explicit TLuftSattDlg(const text::TextStore& texts, QWidget* parent = nullptr);

  void Berechnen1Click();
  void TakeOverClick(bool vapour);

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;

 private:
  fluids::SaturatedAirForm ReadInputs() const;

  std::optional<fluids::SaturatedAirDisplay> shown_;
};

}  // namespace velmora::gui
