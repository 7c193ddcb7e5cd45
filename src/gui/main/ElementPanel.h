#pragma once

#include <QGroupBox>
#include <QString>
#include <array>

#include "catalogue/ElementLayout.h"
#include "text/TextStore.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace velmora::gui {

// The element panel of the main window (Element_Fenster): heading and picture of the chosen
// element, its description and count, up to five dimensions with their units, and the roughness.
class ElementPanel : public QGroupBox {
  Q_OBJECT

 public:
  ElementPanel(const text::TextStore& texts, QString programFolder, QWidget* parent);

  // Rebuilds the panel for an element: labels, units, defaults, picture; the description is
  // emptied. `hasInfo` enables the element-information button.
  void ShowElement(const catalogue::ElementLayout& layout, bool hasInfo);
  void SetCaptions();

 signals:
  void InfoRequested();
  void RoughnessInfoRequested();
  void RoughnessDatabaseRequested();  // SpeedButton1

 private:
  void ShowSlot(int slot, const catalogue::SlotLayout& layout);

  const text::TextStore& texts_;
  QString programFolder_;
  QLabel* heading_ = nullptr;                // Statisch_Element_Name1
  QLabel* picture_ = nullptr;                // Image1
  QLineEdit* description_ = nullptr;         // Edit1
  std::array<QLabel*, 5> slotLabels_{};      // Va1_Static ..
  std::array<QLineEdit*, 5> slotEdits_{};    // Va1_Edit ..
  std::array<QComboBox*, 5> slotUnits_{};    // ComboVar1 ..
  std::array<QLabel*, 5> slotFixedUnits_{};  // LabelVar1 ..
  std::array<QWidget*, 4> roughness_{};      // Label4, Edit2, ComboBox6, SpeedButton1
  QToolButton* info_ = nullptr;              // ToolButton15
};

}  // namespace velmora::gui
