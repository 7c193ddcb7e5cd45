#pragma once

#include <QString>
#include <optional>

#include "fluids/GasDialog.h"
#include "fluids/PropertyDialog.h"

class QListWidget;

namespace velmora::gui {

// The gas database (GASE.STW), a stay-on-top window: the chosen gas's data, density (Soave–
// Redlich–Kwong) and viscosity (measured, Gardner's pressure correction) at a tabulated or a typed
// temperature, either handed over as a gas.
class TStoffwerteGaseNeu : public PropertyDialog {
  Q_OBJECT

 public:
  // Loads GASE.STW from the program folder; a missing file is reported and leaves the list empty.
  TStoffwerteGaseNeu(const text::TextStore& texts, const QString& programFolder, QWidget* parent = nullptr);

  void ListBox1Click();          // a gas chosen
  void TemperaturListeChange();  // a tabulated temperature chosen: its table values
  void Berechnen1Click();        // the table values for the pressure typed
  void Interpolieren1Click();
  void Uebernehmen1Click();  // the table values
  void Uebernehmen2Click();  // the interpolated values

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;
  void showEvent(QShowEvent* event) override;

 private:
  fluids::GasForm ReadInputs() const;
  const fluids::GasRecord* Chosen() const;
  void ClearInterpolated();
  void ShowTableOutcome(const fluids::GasOutcome& outcome);

  fluids::GasDatabase database_;
  QListWidget* list_ = nullptr;
  std::optional<fluids::GasValues> table_;         // the table values shown, for their take-over
  std::optional<fluids::GasValues> interpolated_;  // the interpolated values shown
};

}  // namespace velmora::gui
