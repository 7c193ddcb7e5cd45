#include "parts/PartsCatalogues.h"

#include <QComboBox>
#include <QLineEdit>

#include "parts/TInfoBoegen.h"
#include "parts/TInfoReduz.h"
#include "parts/TInfoRohr.h"
#include "parts/TInfoRohrRechte.h"
#include "parts/TInfoTStue.h"
#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

template <typename Catalogue>
Catalogue& Created(Catalogue*& dialog, const text::TextStore& texts, const QString& folder, QWidget* window) {
  if (dialog == nullptr) dialog = new Catalogue(texts, folder, window);
  return *dialog;
}

}  // namespace

PartsCatalogues::PartsCatalogues(const text::TextStore& texts, QString programFolder, std::function<bool()> us,
                                 QWidget* window)
    : QObject(window), texts_(texts), programFolder_(std::move(programFolder)), us_(std::move(us)), window_(window) {}

CatalogueDialog& PartsCatalogues::Dialog(parts::PartKind part) {
  switch (part) {
    case parts::PartKind::Pipe: return Created(pipes_, texts_, programFolder_, window_);
    case parts::PartKind::Rectangle: return Created(rectangles_, texts_, programFolder_, window_);
    case parts::PartKind::Bend: return Created(bends_, texts_, programFolder_, window_);
    case parts::PartKind::Reducer: return Created(reducers_, texts_, programFolder_, window_);
    case parts::PartKind::Tee: return Created(tees_, texts_, programFolder_, window_);
  }
  return Created(pipes_, texts_, programFolder_, window_);
}

void PartsCatalogues::Open(parts::PartKind part, TakeOverReceiver receiver, QWidget* over,
                           std::optional<int> fixedChoice) {
  CatalogueDialog& dialog = Dialog(part);
  dialog.Present(us_ && us_(), std::move(receiver), fixedChoice);
  // A catalogue opened from a dialog stands in front of that dialog while it is shown; it belongs to
  // the main window all the time.
  if (over != nullptr) dialog.setParent(over, dialog.windowFlags());
  dialog.exec();
  if (over != nullptr) dialog.setParent(window_, dialog.windowFlags());
}

void ApplyTakeOver(QWidget& window, const parts::TakeOverWrites& writes) {
  for (const parts::TextWrite& write : writes.texts) {
    auto* edit = window.findChild<QLineEdit*>(ToQString(write.control));
    if (edit == nullptr || (write.onlyIfEmpty && !edit->text().isEmpty())) continue;
    edit->setText(ToQString(write.text));
  }
  for (const parts::UnitWrite& write : writes.units) {
    if (auto* list = window.findChild<QComboBox*>(ToQString(write.control))) SelectEntry(list, write.entry);
  }
}

}  // namespace velmora::gui
