#pragma once

#include <QDialog>

#include "install/Package.h"
#include "text/TextStore.h"

class QCheckBox;
class QLabel;

namespace velmora::gui {

// "Check for upgrades" and "Install upgrades": the program does not fetch upgrades itself. The
// dialog says that the system's package manager updates the installed package, shows the installed
// version and what the package manager offers, and keeps the choice to check at every start.
class TUpgradeDlg : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { Check, Install };

  TUpgradeDlg(const text::TextStore& texts, QString programVersion, QWidget* parent = nullptr);

  // Fills the dialog for the command and the package manager's answer; `checkAtStart` is the
  // stored "upgradepruefung" option.
  void Present(Mode mode, const install::PackageVersions& versions, bool checkAtStart);
  // The option as the user left it.
  bool CheckAtStart() const;

 private:
  QString Text(const char* key) const;

  const text::TextStore& texts_;
  QString programVersion_;
  QLabel* explanation_ = nullptr;
  QLabel* installed_ = nullptr;
  QLabel* offered_ = nullptr;
  QLabel* how_ = nullptr;
  QCheckBox* checkAtStart_ = nullptr;
};

}  // namespace velmora::gui
