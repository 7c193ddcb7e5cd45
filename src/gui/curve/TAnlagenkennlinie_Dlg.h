#pragma once

#include <QDialog>
#include <optional>

#include "curve/CurveSource.h"
#include "curve/SystemCurve.h"
#include "text/TextStore.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora::gui {

// A computed system curve with the request it answers.
struct ComputedCurve {
  curve::SystemCurve curve;
  curve::CurveRequest request;
};

// The range dialog of the system curve: from, to, the flow unit and the number of points.
// "Berechnen" reads them, recalculates every element of the table over the range with the main
// window's medium and closes; its inputs stay for the next time.
class TAnlagenkennlinie_Dlg : public QDialog {
  Q_OBJECT

 public:
  explicit TAnlagenkennlinie_Dlg(const text::TextStore& texts, QWidget* parent = nullptr);

  void ApplyTexts();
  // Where the next computation takes its table and medium from.
  void Present(const CurveSource& source);
  // Shows the dialog modally for `source`; the curve when "Berechnen" computed one.
  std::optional<ComputedCurve> Run(const CurveSource& source);
  // The curve of the last "Berechnen", taken out (nothing when there was none).
  std::optional<ComputedCurve> TakeCurve();

 public slots:
  // "&Berechnen": an invalid field is reported and the dialog stays open; otherwise the curve is
  // computed, its messages shown and the dialog closed.
  void Calculate();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const text::TextStore& texts_;
  CurveSource source_;
  std::optional<ComputedCurve> computed_;
  QLabel* question_ = nullptr;        // Label1
  QLabel* fromLabel_ = nullptr;       // Label2
  QLabel* toLabel_ = nullptr;         // Label3
  QLabel* pointsLabel_ = nullptr;     // Label4
  QLineEdit* from_ = nullptr;         // Edit_Von
  QLineEdit* to_ = nullptr;           // Edit_Bis
  QComboBox* unit_ = nullptr;         // ComboBox1
  QLineEdit* points_ = nullptr;       // Edit_Anzahl
  QPushButton* calculate_ = nullptr;  // BitBtn1
  QPushButton* cancel_ = nullptr;     // BitBtn2
};

}  // namespace velmora::gui
