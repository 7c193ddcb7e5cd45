#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "parts/CatalogueDialog.h"
#include "parts/TakeOver.h"
#include "text/TextStore.h"

class QWidget;

namespace velmora::gui {

class TInfoBoegen;
class TInfoReduz;
class TInfoRohr;
class TInfoRohrRechte;
class TInfoTStue;

// The five standard-parts catalogues of the program, each created on its first use and kept with
// its choices while the program runs. The main window and the table-change dialogs open them here;
// the take-over goes to whoever opened the catalogue.
class PartsCatalogues : public QObject {
  Q_OBJECT

 public:
  // `us` answers whether values are taken over in US units (inches) or metric (mm).
  PartsCatalogues(const text::TextStore& texts, QString programFolder, std::function<bool()> us, QWidget* window);

  // Shows the catalogue of that kind of standard part modally over `over`; its take-over goes to `receiver`. A fixed
  // choice sets the reduction/expansion or dividing/combining choice and keeps it.
  void Open(parts::PartKind part, TakeOverReceiver receiver, QWidget* over = nullptr,
            std::optional<int> fixedChoice = std::nullopt);

  // The catalogue of a part, created if needed.
  CatalogueDialog& Dialog(parts::PartKind part);

 private:
  const text::TextStore& texts_;
  QString programFolder_;
  std::function<bool()> us_;
  QWidget* window_;
  TInfoRohr* pipes_ = nullptr;
  TInfoRohrRechte* rectangles_ = nullptr;
  TInfoBoegen* bends_ = nullptr;
  TInfoReduz* reducers_ = nullptr;
  TInfoTStue* tees_ = nullptr;
};

// Writes a take-over into a window's edits and unit lists, found by their names.
void ApplyTakeOver(QWidget& window, const parts::TakeOverWrites& writes);

}  // namespace velmora::gui
