#pragma once

#include <QGroupBox>
#include <array>

#include "text/TextStore.h"

class QComboBox;
class QLabel;
class QRadioButton;

namespace velmora::gui {

// The medium panel of the main window (Medium_Fenster): the medium, its flow, density and
// viscosity with their units, liquid or gas, and the gas data (enabled for a gas only).
class MediumPanel : public QGroupBox {
  Q_OBJECT

 public:
  MediumPanel(const text::TextStore& texts, QWidget* parent);

  void SetCaptions();
  // The unit the flow is typed in (the branch flow is typed in it too).
  QString FlowUnit() const;

 signals:
  void FlowUnitChanged(const QString& unit);
  void GasFlowHintsRequested();

 private:
  void RebuildFlowUnits();
  void RebuildViscosityUnits();
  void SetGasDataEnabled(bool enabled);

  const text::TextStore& texts_;
  QComboBox* flowKind_ = nullptr;       // ComboBox4
  QComboBox* flowUnit_ = nullptr;       // ComboBox1
  QComboBox* viscosityKind_ = nullptr;  // ComboBox5
  QComboBox* viscosityUnit_ = nullptr;  // ComboBox3
  QRadioButton* liquid_ = nullptr;      // Radio_fluessig
  std::array<QLabel*, 4> gasLabels_{};  // Label2N, Label4N, Label5N, Label6N
  std::array<QWidget*, 6> gasInputs_{};
};

}  // namespace velmora::gui
