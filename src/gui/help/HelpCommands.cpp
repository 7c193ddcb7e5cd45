#include "help/HelpCommands.h"

#include <QApplication>
#include <QDir>

#include "help/PackageQuery.h"
#include "help/THilfeFenster.h"
#include "help/TUpgradeDlg.h"
#include "text/GlobalTexts.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

HelpCommands::HelpCommands(const text::TextStore& texts, const QString& programFolder, QWidget* owner)
    : QObject(owner), texts_(texts), folder_(QDir(programFolder).filePath("help")), owner_(owner) {
  QPointer<HelpCommands> self(this);
  SetHelpViewer([self](QWidget* from, const QString& page) {
    if (self) self->ShowPage(from, page);
  });
}

BuildInfo HelpCommands::Build() { return {VELMORA_VERSION, VELMORA_BUILD_DATE}; }

void HelpCommands::ShowIndex() { ShowPage(owner_, ToQString(texts_.GlobalText(text::global::kHelpStartPage))); }

void HelpCommands::ShowPage(QWidget* from, const QString& page) {
  // An open modal dialog blocks every window but its own children: the manual joins it.
  QWidget* parent = QApplication::activeModalWidget();
  if (parent == nullptr) parent = from != nullptr ? from->window() : owner_;
  if (parent->isModal() == false) parent = owner_;
  const QString start = ToQString(texts_.GlobalText(text::global::kHelpStartPage));
  if (window_ == nullptr) window_ = new THilfeFenster(texts_, folder_, start, parent);
  if (window_->parentWidget() != parent) {
    const QRect place = window_->geometry();
    window_->setParent(parent, Qt::Window);
    window_->setGeometry(place);
  }
  if (!window_->ShowPage(page)) return;
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void HelpCommands::ShowAbout() {
  TInfoDlg about(texts_, Build(), owner_);
  about.exec();
}

void HelpCommands::ShowUpgrades(bool install, bool& checkAtStart) {
  if (upgrades_ == nullptr) upgrades_ = new TUpgradeDlg(texts_, Build().version, owner_);
  const install::PackageVersions versions = QueryPackage(ToQString(install::PackageName(texts_.edition())));
  upgrades_->Present(install ? TUpgradeDlg::Mode::Install : TUpgradeDlg::Mode::Check, versions, checkAtStart);
  upgrades_->exec();
  checkAtStart = upgrades_->CheckAtStart();
}

void HelpCommands::CheckAtStart() {
  QPointer<HelpCommands> self(this);
  QueryPackageLater(this, ToQString(install::PackageName(texts_.edition())), [self](install::PackageVersions found) {
    if (!self || !install::UpgradeOffered(found)) return;
    const QString message = ToQString(self->texts_.FormText("UpgradeDlg", "msgUpgradeOffered"))
                                .arg(ToQString(found.candidate), ToQString(found.installed),
                                     ToQString(install::PackageName(self->texts_.edition())));
    ShowMessage(self->owner_, {ToStdString(message),
                               self->texts_.GlobalText(text::global::kInformationCaption),
                               text::MessageIcon::Information,
                               {}});
  });
}

}  // namespace velmora::gui
