#pragma once

#include <QWidget>
#include <array>

#include "catalogue/ElementLayout.h"
#include "text/TextStore.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace velmora::gui {

// The additional data of the main window (Panel1): the element's two-way choice, or the flow of
// a branch pipe in the main flow's unit.
class AdditionalPanel : public QWidget {
  Q_OBJECT

 public:
  AdditionalPanel(const text::TextStore& texts, QWidget* parent);

  // Shows what the element needs, option 0 chosen; false when it needs nothing here.
  bool ShowElement(const catalogue::ElementLayout& layout);
  void SetFlowUnit(const QString& unit);
  void SetCaptions();

 private:
  const text::TextStore& texts_;
  QGroupBox* choice_ = nullptr;             // RadioGroup1
  std::array<QRadioButton*, 2> options_{};  // RadioGroup1_0, RadioGroup1_1
  std::array<QWidget*, 3> branch_{};        // Label6, Edit3, Label7
  QLabel* branchUnit_ = nullptr;            // Label7
};

}  // namespace velmora::gui
