#include "curve/CurveCommand.h"

#include <QWidget>

#include "curve/CurveMessages.h"
#include "curve/TAnlagenkennlinie_Dlg.h"
#include "curve/TKurve.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

CurveCommand::CurveCommand(const text::TextStore& texts, QWidget* parent)
    : QObject(parent), texts_(texts), parent_(parent) {}

TAnlagenkennlinie_Dlg* CurveCommand::RangeDialog() {
  if (dialog_ == nullptr) dialog_ = new TAnlagenkennlinie_Dlg(texts_, parent_);
  return dialog_;
}

TKurve* CurveCommand::CurveWindow() {
  if (window_ == nullptr) window_ = new TKurve(texts_, parent_);
  return window_;
}

void CurveCommand::Run(const CurveSource& source) {
  const bool hasElements = source.table != nullptr && source.table->ElementCount() > 0;
  if (const auto refused = curve::RefuseCurveCommand(source.form, hasElements, texts_)) {
    ShowMessage(parent_, *refused);
    return;
  }
  std::optional<ComputedCurve> computed = RangeDialog()->Run(source);
  if (!computed) return;
  TKurve* window = CurveWindow();
  window->ShowCurve(std::move(*computed), source);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace velmora::gui
