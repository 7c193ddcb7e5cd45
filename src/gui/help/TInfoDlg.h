#pragma once

#include <QDialog>

#include "text/TextStore.h"

namespace velmora::gui {

// The build a program reports about itself.
struct BuildInfo {
  QString version;    // "6.260"
  QString buildDate;  // "2025-01-31"
};

// The about box: the program's name, version, edition and build date, and the libraries it is
// linked with and their licences.
class TInfoDlg : public QDialog {
  Q_OBJECT

 public:
  TInfoDlg(const text::TextStore& texts, const BuildInfo& build, QWidget* parent = nullptr);
};

}  // namespace velmora::gui
