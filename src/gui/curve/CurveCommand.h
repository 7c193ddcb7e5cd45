#pragma once

#include <QObject>

#include "curve/CurveSource.h"
#include "text/TextStore.h"

class QWidget;

namespace velmora::gui {

class TAnlagenkennlinie_Dlg;
class TKurve;

// The main window's command "pressure loss as a function of flow": refused for a gas and for a
// table without elements; otherwise the range dialog, and for a computed curve the curve window.
// Both windows are made once, on first use, and keep their inputs.
class CurveCommand : public QObject {
  Q_OBJECT

 public:
  CurveCommand(const text::TextStore& texts, QWidget* parent);

  void Run(const CurveSource& source);

  TAnlagenkennlinie_Dlg* RangeDialog();
  TKurve* CurveWindow();

 private:
  const text::TextStore& texts_;
  QWidget* parent_;
  TAnlagenkennlinie_Dlg* dialog_ = nullptr;
  TKurve* window_ = nullptr;
};

}  // namespace velmora::gui
