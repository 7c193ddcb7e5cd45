#pragma once

#include <QDialog>
#include <QFont>
#include <QStringList>
#include <optional>
#include <string>

#include "curve/CurveDiagram.h"
#include "curve/CurveSource.h"
#include "curve/PumpCurve.h"
#include "curve/TAnlagenkennlinie_Dlg.h"
#include "text/TextStore.h"

class QLabel;
class QPushButton;

namespace velmora::gui {

class CurvePaintBox;
class PumpEditor;

// The curve window: the medium of the main window above, the diagram of the system curve (a pump
// curve over it on request, with the operating point), the pump-curve panel beside it, and the
// buttons to close, print, copy the values and save the diagram or the values. Closing it lets the
// curve go.
class TKurve : public QDialog {
  Q_OBJECT

 public:
  explicit TKurve(const text::TextStore& texts, QWidget* parent = nullptr);
  ~TKurve() override;

  // Shows a computed curve for the medium and table of `source`; a pump curve of an earlier curve
  // is laid over the new one when it still fits.
  void ShowCurve(ComputedCurve computed, const CurveSource& source);
  bool HasCurve() const { return computed_.has_value(); }
  void ApplyTexts();

  const curve::Diagram& CurrentDiagram() const { return diagram_; }
  const std::optional<curve::OperatingPoint>& OperatingPoint() const { return operating_; }
  // The medium lines (and the operating point) above the printed and saved diagram.
  QStringList PageLines() const;
  // Draws the page (lines and diagram) into `page`, in logical pixels, with the print font.
  void PaintPage(QPainter& painter, const QRectF& page) const;

 public slots:
  void CopyValues();    // "Werte kopieren"
  bool PrintDiagram();  // "Diagramm drucken": landscape, through the printer dialog
  bool SavePng();
  bool SaveSvg();
  bool SaveCsv();
  // The pump curve of the panel's points; a refused curve is said so and none is drawn.
  bool ApplyPump();
  void PastePump();
  void ClearPump();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Rebuild();
  curve::LossUnit Losses() const;
  QString FlowUnit() const;
  QString Text(const char* key) const;
  void ExportFailed();

  const text::TextStore& texts_;
  std::optional<ComputedCurve> computed_;
  CurveSource source_;
  std::optional<curve::PumpCurve> pump_;
  std::optional<curve::OperatingPoint> operating_;
  curve::Diagram diagram_;

  QLabel* medium_[4] = {};             // Label1 … Label4
  CurvePaintBox* paintBox_ = nullptr;  // PaintBox1
  PumpEditor* pumpEditor_ = nullptr;   // GroupPump
  QPushButton* ok_ = nullptr;          // BitBtn1
  QPushButton* print_ = nullptr;       // BitBtn2
  QPushButton* copy_ = nullptr;        // BitBtn3
  QPushButton* png_ = nullptr;         // BtnPng
  QPushButton* svg_ = nullptr;         // BtnSvg
  QPushButton* csv_ = nullptr;         // BtnCsv
};

}  // namespace velmora::gui
