#pragma once

#include <optional>

#include "fluids/BrineDialog.h"
#include "fluids/PropertyDialog.h"

class QListWidget;

namespace velmora::gui {

// The brines: density, viscosity and freezing point of ten aqueous secondary refrigerants by
// concentration and temperature (Melinder's polynomials), handed over as a liquid.
class TKuehlsolen : public PropertyDialog {
  Q_OBJECT

 public:
  explicit TKuehlsolen(const text::TextStore& texts, QWidget* parent = nullptr);

  void ListBox1Click();  // a brine chosen: its ranges
  void Berechnen1Click();
  void Uebernehmen1Click();

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;

 private:
  fluids::BrineForm ReadInputs() const;

  QListWidget* list_ = nullptr;
  std::optional<fluids::BrineValues> values_;  // the values shown, for their take-over
};

}  // namespace velmora::gui
