#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "help/TInfoDlg.h"
#include "text/TextStore.h"

class QWidget;

namespace velmora::gui {

class THilfeFenster;
class TUpgradeDlg;

// The commands of the help menu: the manual (F1, every window's help), the about box and the two
// upgrade commands. It registers the manual as the viewer of gui::ShowHelp.
class HelpCommands : public QObject {
  Q_OBJECT

 public:
  // `owner` is the main window; the manual lies in programFolder/help.
  HelpCommands(const text::TextStore& texts, const QString& programFolder, QWidget* owner);

  // The help index (global text 71 names the start page).
  void ShowIndex();
  // Shows a page over the window `from`; the manual stays usable while a dialog is open.
  void ShowPage(QWidget* from, const QString& page);
  void ShowAbout();
  // "Check for upgrades" (install = false) or "Install upgrades"; `checkAtStart` is the stored
  // option, changed when the user changes it in the dialog.
  void ShowUpgrades(bool install, bool& checkAtStart);
  // The check at start: tells the user when the package manager offers a newer package.
  void CheckAtStart();

  // The manual's window, once it was opened.
  THilfeFenster* HelpWindow() const { return window_; }
  static BuildInfo Build();

 private:
  const text::TextStore& texts_;
  QString folder_;
  QWidget* owner_;
  QPointer<THilfeFenster> window_;
  QPointer<TUpgradeDlg> upgrades_;
};

}  // namespace velmora::gui
