#pragma once

#include <QDialog>

#include "text/TextStore.h"

namespace velmora::gui {

// Read-only notes on how gases are calculated, shown before a gas is calculated with several
// identical elements.
class TGaswarnungDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TGaswarnungDlg(const text::TextStore& texts, QWidget* parent = nullptr);
};

}  // namespace velmora::gui
