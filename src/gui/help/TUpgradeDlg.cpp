#include "help/TUpgradeDlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr const char* kBlock = "UpgradeDlg";
constexpr int kTextWidth = 460;  // wrapped texts get this width and the height it needs

QLabel* Label(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setMinimumWidth(kTextWidth);
  return label;
}

}  // namespace

TUpgradeDlg::TUpgradeDlg(const text::TextStore& texts, QString programVersion, QWidget* parent)
    : QDialog(parent), texts_(texts), programVersion_(std::move(programVersion)) {
  setObjectName("UpgradeDlg");
  auto* layout = new QVBoxLayout(this);
  explanation_ = Label(this, "Erklaerung");
  layout->addWidget(explanation_);
  auto* facts = new QFormLayout;
  facts->addRow(Text("ProgramVersionLabel"), Label(this, "Programmversion"));
  findChild<QLabel*>("Programmversion")->setText(programVersion_);
  installed_ = Label(this, "InstallierteVersion");
  offered_ = Label(this, "AngeboteneVersion");
  facts->addRow(Text("InstalledLabel"), installed_);
  facts->addRow(Text("CandidateLabel"), offered_);
  layout->addSpacing(6);
  layout->addLayout(facts);
  layout->addSpacing(6);
  how_ = Label(this, "Anleitung");
  layout->addWidget(how_);
  checkAtStart_ = new QCheckBox(Text("CheckAtStart"), this);
  checkAtStart_->setObjectName("CheckBox1");
  layout->addWidget(checkAtStart_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* close = new QPushButton(Text("CloseBtn"), this);
  close->setObjectName("BitBtn1");
  close->setDefault(true);
  buttons->addWidget(close);
  InstallHelp(*this, texts_, help::topic::kUpgrades, buttons);
  layout->addLayout(buttons);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString TUpgradeDlg::Text(const char* key) const { return ToQString(texts_.FormText(kBlock, key)); }

void TUpgradeDlg::Present(Mode mode, const install::PackageVersions& versions, bool checkAtStart) {
  const QString package = ToQString(install::PackageName(texts_.edition()));
  setWindowTitle(Text(mode == Mode::Check ? "CaptionCheck" : "CaptionInstall"));
  explanation_->setText(Text("Explanation").arg(package));
  const bool packaged = !versions.installed.empty();
  installed_->setText(packaged ? ToQString(versions.installed) : Text("NotInstalled"));
  if (versions.candidate.empty()) {
    offered_->setText(Text("Unknown"));
  } else if (install::UpgradeOffered(versions)) {
    offered_->setText(Text("Offered").arg(ToQString(versions.candidate)));
  } else {
    offered_->setText(packaged ? Text("UpToDate") : ToQString(versions.candidate));
  }
  // Only the install text names the package.
  how_->setText(mode == Mode::Check ? Text("HowCheck") : Text("HowInstall").arg(package));
  checkAtStart_->setChecked(checkAtStart);
}

bool TUpgradeDlg::CheckAtStart() const { return checkAtStart_->isChecked(); }

}  // namespace velmora::gui
