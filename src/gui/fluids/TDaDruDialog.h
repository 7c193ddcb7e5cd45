#pragma once

#include <QString>
#include <optional>
#include <string>

#include "fluids/PropertyDialog.h"
#include "fluids/VapourPressureDialog.h"

class QListWidget;
class QTimer;
class QToolButton;

namespace velmora::gui {

// The vapour-pressure/density database (DADRU.DAD): vapour pressure and liquid density of a
// substance at a whole-degree temperature chosen with an up/down control, handed to the NPSH
// dialog or the pump quick design (whichever window opens it connects to ValuesHandedOver).
class TDaDruDialog : public PropertyDialog {
  Q_OBJECT

 public:
  TDaDruDialog(const text::TextStore& texts, const QString& programFolder, QWidget* parent = nullptr);

  // The pump quick design's medium and temperature texts, when that window is visible as this one
  // is shown: the substance it names is chosen, its whole-degree temperature set, and only the
  // vapour pressure may be handed over.
  struct PumpContext {
    std::string medium;
    std::string temperature;
  };
  void SetPumpContext(std::optional<PumpContext> pump) { pump_ = std::move(pump); }

  void ListBox1Click();
  void SetTemperature(int t);  // as the up/down control does, within its range
  int Temperature() const { return temperature_; }
  int Step() const { return step_; }  // the step of the up/down control while it is held

  void BeideClick();
  void NurDampfdruckClick();
  void NurDichteClick();

 signals:
  void ValuesHandedOver(const fluids::VapourPressureTakeOver& takeOver);

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  const fluids::VapourPressureRecord* Chosen() const;
  void Recalculate();
  void StepBy(int direction);
  void HandOverValues(fluids::VapourPressureTakeOver takeOver);

  QString programFolder_;
  fluids::VapourPressureDatabase database_;
  QListWidget* list_ = nullptr;
  QTimer* timer_ = nullptr;
  fluids::DegreeRange range_;
  int temperature_ = 0;
  int step_ = 1;
  std::optional<PumpContext> pump_;
  std::optional<fluids::VapourPressureDisplay> shown_;
};

}  // namespace velmora::gui
