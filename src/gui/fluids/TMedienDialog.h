#pragma once

#include <QString>
#include <optional>

#include "fluids/LiquidDialog.h"
#include "fluids/PropertyDialog.h"

class QListWidget;

namespace velmora::gui {

// The liquids database (MEDIEN.STW), a stay-on-top window: the measured density and viscosity of
// a liquid at its tabulated temperatures and interpolated between them, handed over as a liquid.
class TMedienDialog : public PropertyDialog {
  Q_OBJECT

 public:
  // Loads MEDIEN.STW from the program folder; a missing file is reported and leaves the list empty.
  TMedienDialog(const text::TextStore& texts, const QString& programFolder, QWidget* parent = nullptr);

  void ListBox1Click();          // a liquid chosen
  void TemperaturListeChange();  // a row chosen
  void Interpolieren1Click();
  void Uebernehmen1Click();  // the row
  void Uebernehmen2Click();  // the interpolated values

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;
  void showEvent(QShowEvent* event) override;

 private:
  fluids::LiquidForm ReadInputs() const;
  const fluids::LiquidRecord* Chosen() const;
  void ShowRow();

  fluids::LiquidDatabase database_;
  QListWidget* list_ = nullptr;
  std::optional<fluids::LiquidDisplay> row_;           // the row shown, for its take-over
  std::optional<fluids::LiquidDisplay> interpolated_;  // the interpolated values shown
};

}  // namespace velmora::gui
