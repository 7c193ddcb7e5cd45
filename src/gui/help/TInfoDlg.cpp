#include "help/TInfoDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr const char* kBlock = "InfoDlg";

QLabel* Label(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

TInfoDlg::TInfoDlg(const text::TextStore& texts, const BuildInfo& build, QWidget* parent) : QDialog(parent) {
  setObjectName("InfoDlg");
  const auto text = [&texts](const char* key) { return ToQString(texts.FormText(kBlock, key)); };
  setWindowTitle(text("Caption"));
  auto* layout = new QVBoxLayout(this);
  auto* head = new QHBoxLayout;
  const QIcon icon = QApplication::windowIcon();
  if (!icon.isNull()) {
    QLabel* picture = Label(this, "ProgramIcon", QString());
    picture->setPixmap(icon.pixmap(64, 64));
    head->addWidget(picture);
  }
  auto* title = new QVBoxLayout;
  QLabel* product = Label(this, "ProductName", "Velmora");
  QFont big = product->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  big.setBold(true);
  product->setFont(big);
  title->addWidget(product);
  title->addWidget(Label(this, "Comments", text("Description")));
  head->addLayout(title, 1);
  layout->addLayout(head);
  layout->addSpacing(8);

  auto* facts = new QFormLayout;
  facts->addRow(text("VersionLabel"), Label(this, "Version", build.version));
  facts->addRow(text("EditionLabel"), Label(this, "Edition", text("Edition")));
  facts->addRow(text("BuildDateLabel"), Label(this, "BuildDate", build.buildDate));
  layout->addLayout(facts);

  layout->addSpacing(8);
  layout->addWidget(Label(this, "LicencesCaption", "<b>" + text("LicencesLabel") + "</b>"));
  QLabel* licences = Label(this, "Licences", text("Licences").arg(QString::fromLatin1(qVersion())));
  licences->setWordWrap(true);
  layout->addWidget(licences);

  auto* box = new QDialogButtonBox(this);
  QPushButton* ok = box->addButton(QDialogButtonBox::Ok);
  ok->setObjectName("OKButton");
  ok->setText(text("OKBtn"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(box);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace velmora::gui
