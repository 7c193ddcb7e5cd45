#pragma once

#include <optional>

#include "fluids/PropertyDialog.h"
#include "fluids/WaterDialogs.h"

class QRadioButton;

namespace velmora::gui {

// Saturated water and steam at a given temperature or pressure (IAPWS-IF97): both phases side by
// side, each of them to be handed over.
class TSattdampfDialog : public PropertyDialog {
  Q_OBJECT

 public:
  explicit TSattdampfDialog(const text::TextStore& texts, QWidget* parent = nullptr);

  void Berechnen1Click();
  void TakeOverClick(bool vapour);

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;

 private:
  fluids::SaturatedWaterForm ReadInputs() const;
  // Enables the edit and unit list of the given quantity and focuses its edit.
  void GivenChanged();

  QRadioButton* byTemperature_ = nullptr;
  std::optional<fluids::SaturatedWaterDisplay> shown_;
};

}  // namespace velmora::gui
