#pragma once

#include <QGroupBox>
#include <string>
#include <vector>

#include "curve/PumpCurve.h"
#include "text/TextStore.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace velmora::gui {

// The pump-curve panel of the curve window: a small table of flow and head points, the unit of the
// heads, the buttons to paste, apply and remove the pump curve, and the operating point found.
// The window does the work; the panel holds the inputs.
class PumpEditor : public QGroupBox {
  Q_OBJECT

 public:
  PumpEditor(const text::TextStore& texts, QWidget* parent = nullptr);

  void ApplyTexts();
  // The column headings for the curve's flow unit; the unit list offers m and the axis unit.
  void SetUnits(const QString& flowUnit, const QString& axisUnit);

  // The table's rows as lines "flow<TAB>head" (an empty row an empty line, so that line n is row n).
  std::string TableText() const;
  // Replaces the table's points (the table keeps at least its first rows, empty).
  void Fill(const std::vector<curve::PumpPoint>& points);
  curve::HeadUnit Unit() const;

  // The operating point found, or why there is none, as one line; empty to clear.
  void ShowResult(const QString& text);
  QString Result() const;

 signals:
  void PasteRequested();
  void ApplyRequested();
  void ClearRequested();

 private:
  void UpdateHeadings();

  const text::TextStore& texts_;
  QLabel* hint_ = nullptr;         // LabelPump
  QTableWidget* table_ = nullptr;  // PumpTable
  QLabel* unitLabel_ = nullptr;    // LabelHeadUnit
  QComboBox* unit_ = nullptr;      // ComboHeadUnit: m, axis unit
  QPushButton* paste_ = nullptr;   // BtnPaste
  QPushButton* apply_ = nullptr;   // BtnApply
  QPushButton* clear_ = nullptr;   // BtnClear
  QLabel* result_ = nullptr;       // LabelOperatingPoint
  QString resultLine_;
  QString flowUnit_ = "m³/h";
};

}  // namespace velmora::gui
