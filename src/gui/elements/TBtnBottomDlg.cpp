#include "elements/TBtnBottomDlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "catalogue/ElementLayout.h"
#include "help/HelpTopics.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr const char* kBlock = "BtnBottomDlg";
constexpr int kButtonsPerRow = 3;
const QSize kIconSize(84, 56);

int PageOf(int group) { return group == 13 ? 1 : 0; }

}  // namespace

TBtnBottomDlg::TBtnBottomDlg(const text::TextStore& texts, QString pictureFolder, QWidget* parent)
    : QDialog(parent), texts_(texts), pictureFolder_(std::move(pictureFolder)) {
  setObjectName("BtnBottomDlg");
  Build();
  SetTexts();
}

void TBtnBottomDlg::Build() {
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  layout->addWidget(pages_);
  // The chosen element stands out among the 65 pictures.
  setStyleSheet("QToolButton:checked { background: #cfe3f6; border: 2px solid #1f6fb2; border-radius: 3px; }");
  group_ = new QButtonGroup(this);
  group_->setExclusive(true);

  QWidget* pageWidgets[2] = {new QWidget, new QWidget};
  pageWidgets[0]->setObjectName("TabSheet1");
  pageWidgets[1]->setObjectName("TabSheet2");
  QGridLayout* pageGrids[2] = {new QGridLayout(pageWidgets[0]), new QGridLayout(pageWidgets[1])};
  pages_->addTab(pageWidgets[0], QString());
  pages_->addTab(pageWidgets[1], QString());

  // One section per group: groups 1..12 in four columns on page 1, group 13 alone on page 2.
  QGroupBox* sections[14] = {};
  QGridLayout* sectionGrids[14] = {};
  int sectionCount[14] = {};
  for (int g = 1; g <= 13; ++g) {
    sections[g] = new QGroupBox;
    sections[g]->setObjectName(QString("Label%1").arg(g));
    sectionGrids[g] = new QGridLayout(sections[g]);
    sectionGrids[g]->setSpacing(2);
    if (g == 13) {
      pageGrids[1]->addWidget(sections[g], 0, 0, Qt::AlignTop | Qt::AlignLeft);
      pageGrids[1]->setRowStretch(1, 1);
      pageGrids[1]->setColumnStretch(1, 1);
    } else {
      pageGrids[0]->addWidget(sections[g], (g - 1) / 4, (g - 1) % 4, Qt::AlignTop);
    }
  }
  for (const catalogue::ElementLayout& element : catalogue::ElementLayouts()) {
    auto* button = new QToolButton;
    button->setObjectName(QString::fromLatin1(element.button.data(), static_cast<qsizetype>(element.button.size())));
    button->setCheckable(true);
    button->setAutoRaise(false);
    button->setIconSize(kIconSize);
    button->setIcon(QPixmap(pictureFolder_ + QString("/%1.bmp").arg(element.picture)));
    button->setProperty("group", element.group);
    button->setProperty("kind", element.kind);
    button->installEventFilter(this);
    group_->addButton(button);
    buttons_.push_back(button);
    const int index = sectionCount[element.group]++;
    sectionGrids[element.group]->addWidget(button, index / kButtonsPerRow, index % kButtonsPerRow);
  }

  auto* box = new QDialogButtonBox(this);
  QPushButton* ok = box->addButton(QDialogButtonBox::Ok);
  ok->setObjectName("OKBtn");
  QPushButton* cancel = box->addButton(QDialogButtonBox::Cancel);
  cancel->setObjectName("CancelBtn");
  connect(ok, &QPushButton::clicked, this, &TBtnBottomDlg::Accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  InstallHelp(*this, texts_, help::topic::kElementSelection, box);
  layout->addWidget(box);
}

void TBtnBottomDlg::SetTexts() {
  setWindowTitle(ToQString(texts_.FormText(kBlock, "Caption")));
  pages_->setTabText(0, ToQString(texts_.FormText(kBlock, "TabSheet1")));
  pages_->setTabText(1, ToQString(texts_.FormText(kBlock, "TabSheet2")));
  for (int g = 1; g <= 13; ++g) {
    auto* section = findChild<QGroupBox*>(QString("Label%1").arg(g));
    section->setTitle(ToQString(texts_.FormText(kBlock, "Label" + std::to_string(g))));
  }
  for (QToolButton* button : buttons_) {
    button->setToolTip(ToQString(texts_.FormText(kBlock, ToStdString(button->objectName()))));
  }
  findChild<QPushButton*>("OKBtn")->setText(ToQString(texts_.FormText(kBlock, "OKBtn")));
  findChild<QPushButton*>("CancelBtn")->setText(ToQString(texts_.FormText(kBlock, "CancelBtn")));
}

void TBtnBottomDlg::Present(int group, int kind) {
  chosenGroup_ = 0;
  chosenKind_ = 0;
  for (QToolButton* button : buttons_) {
    if (button->property("group").toInt() == group && button->property("kind").toInt() == kind) {
      button->setChecked(true);
    }
  }
  pages_->setCurrentIndex(PageOf(group));
}

QToolButton* TBtnBottomDlg::Button(const QString& name) const {
  for (QToolButton* button : buttons_) {
    if (button->objectName() == name) return button;
  }
  return nullptr;
}

void TBtnBottomDlg::Accept() {
  // Only a pressed button on the visible page chooses; otherwise the element stays.
  auto* pressed = qobject_cast<QToolButton*>(group_->checkedButton());
  if (pressed != nullptr && PageOf(pressed->property("group").toInt()) == pages_->currentIndex()) {
    chosenGroup_ = pressed->property("group").toInt();
    chosenKind_ = pressed->property("kind").toInt();
  }
  accept();
}

bool TBtnBottomDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (auto* button = qobject_cast<QToolButton*>(watched)) {
      button->setChecked(true);
      Accept();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace velmora::gui
