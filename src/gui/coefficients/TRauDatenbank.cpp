#include "coefficients/TRauDatenbank.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "coefficients/CoefficientTexts.h"
#include "coefficients/RoughnessTable.h"
#include "help/HelpTopics.h"
#include "text/GlobalTexts.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kListMargin = 8;
constexpr int kMinimumListWidth = 400;
constexpr int kMaximumListWidth = 900;

}  // namespace

TRauDatenbank::TRauDatenbank(const text::TextStore& texts, QWidget* parent) : QDialog(parent), texts_(texts) {
  setObjectName(ToQString(std::string(coefficients::kRoughnessBlock)));
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setMinimumHeight(540);

  auto* ok = new QPushButton(this);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  auto* cancel = new QPushButton(this);
  cancel->setObjectName("CancelBtn");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kRoughnessDatabase, buttons);

  connect(ok, &QPushButton::clicked, this, &TRauDatenbank::TakeOver);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    list_->setCurrentItem(item);
    TakeOver();
  });
  FillList();
  list_->setCurrentRow(0);
  ApplyTexts();
}

void TRauDatenbank::ApplyTexts() {
  setWindowTitle(ToQString(texts_.FormText(coefficients::kRoughnessBlock, "Caption")));
  findChild<QPushButton*>("OKBtn")->setText(ToQString(texts_.GlobalText(text::global::kTakeOverCaption)));
  findChild<QPushButton*>("CancelBtn")->setText(ToQString(texts_.FormText(coefficients::kRoughnessBlock, "CancelBtn")));
}

void TRauDatenbank::FillList() {
  // Each line names the material and state, then the value it stands for.
  const int selected = list_->currentRow();
  list_->clear();
  for (int entry = 1; entry <= coefficients::kRoughnessEntries; ++entry) {
    const coefficients::RoughnessEntry* found = coefficients::FindRoughnessEntry(texts_.edition(), entry);
    const std::string value = found == nullptr ? std::string() : std::string(found->value);
    list_->addItem(ToQString(coefficients::RoughnessDescription(texts_, entry) + "   (k = " + value + " mm)"));
  }
  list_->setCurrentRow(selected);
  // Wide enough for the longest line of the edition, within a usual screen.
  const int width = list_->sizeHintForColumn(0) + 2 * list_->frameWidth() +
                    list_->verticalScrollBar()->sizeHint().width() + kListMargin;
  list_->setMinimumWidth(std::clamp(width, kMinimumListWidth, kMaximumListWidth));
}

void TRauDatenbank::showEvent(QShowEvent* event) {
  ApplyTexts();
  FillList();
  QDialog::showEvent(event);
  list_->setFocus(Qt::OtherFocusReason);
}

void TRauDatenbank::TakeOver() {
  const coefficients::RoughnessEntry* found =
      coefficients::FindRoughnessEntry(texts_.edition(), list_->currentRow() + 1);
  if (found == nullptr) return;
  chosen_ = std::string(found->value);
  accept();
}

}  // namespace velmora::gui
