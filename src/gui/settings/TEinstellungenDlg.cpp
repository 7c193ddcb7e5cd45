#include "settings/TEinstellungenDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "text/GlobalTexts.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr const char* kBlock = "EinstellungenDlg";
constexpr const char* kUsWord = "US";  // the same in every edition

QComboBox* MakeList(QWidget* parent, const char* name) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->addItem(QString());
  list->addItem(QString());
  return list;
}

}  // namespace

TEinstellungenDlg::TEinstellungenDlg(const text::TextStore& texts, QWidget* parent) : QDialog(parent), texts_(texts) {
  setObjectName(kBlock);
  auto* grid = new QGridLayout;
  const char* const labels[] = {"Label1", "Label2", "Label3", "Label4"};
  for (int row = 0; row < 4; ++row) {
    auto* label = new QLabel(this);
    label->setObjectName(labels[row]);
    grid->addWidget(label, row, 0);
  }
  units_ = MakeList(this, "ComboBox1");
  restore_ = MakeList(this, "ComboBox2");
  decimals_ = new QSpinBox(this);
  decimals_->setObjectName("Edit2");
  decimals_->setRange(settings::kMinDecimals, settings::kMaxDecimals);
  // Only the up-down changes the decimals: the edit is read-only and has no context menu.
  decimals_->setContextMenuPolicy(Qt::NoContextMenu);
  if (auto* edit = decimals_->findChild<QLineEdit*>()) {
    edit->setReadOnly(true);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
  }
  userDatabase_ = MakeList(this, "ComboBox3");
  grid->addWidget(units_, 0, 1);
  grid->addWidget(restore_, 1, 1);
  grid->addWidget(decimals_, 2, 1);
  grid->addWidget(userDatabase_, 3, 1);

  caption_ = new QGroupBox(this);
  caption_->setObjectName("RadioGroup1");
  auto* captionLayout = new QVBoxLayout(caption_);
  captionPath_ = new QRadioButton(caption_);
  captionPath_->setObjectName("RadioGroup1_0");
  captionFile_ = new QRadioButton(caption_);
  captionFile_->setObjectName("RadioGroup1_1");
  captionLayout->addWidget(captionPath_);
  captionLayout->addWidget(captionFile_);
  captionPath_->setChecked(true);

  ok_ = new QPushButton(this);
  ok_->setObjectName("BitBtn1");
  ok_->setDefault(true);
  cancel_ = new QPushButton(this);
  cancel_->setObjectName("CancelBtn");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(caption_);
  InstallHelp(*this, texts, help::topic::kSettings, buttons);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  connect(userDatabase_, &QComboBox::currentIndexChanged, this, &TEinstellungenDlg::WarnUserDatabaseUnits);
  connect(units_, &QComboBox::currentIndexChanged, this, [this](int index) { emit DisplayUnitsChanged(index == 1); });
  ApplyTexts();
}

void TEinstellungenDlg::ApplyTexts() {
  const auto form = [this](const char* key) { return ToQString(texts_.FormText(kBlock, key)); };
  const auto global = [this](int n) { return ToQString(texts_.GlobalText(n)); };
  setWindowTitle(form("Caption"));
  for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) findChild<QLabel*>(name)->setText(form(name));
  units_->setItemText(0, global(text::global::kMetricWord));
  units_->setItemText(1, kUsWord);
  restore_->setItemText(0, global(text::global::kYesWord));
  restore_->setItemText(1, global(text::global::kNoWord));
  userDatabase_->setItemText(0, global(text::global::kMetricWord));
  userDatabase_->setItemText(1, kUsWord);
  caption_->setTitle(form("RadioGroup1"));
  captionPath_->setText(form("RadioGroup1_0"));
  captionFile_->setText(form("RadioGroup1_1"));
  ok_->setText(global(text::global::kOkCaption));
  cancel_->setText(form("CancelBtn"));
}

void TEinstellungenDlg::Present(const settings::StoredSettings& settings) {
  const QSignalBlocker blockUnits(units_);
  const QSignalBlocker blockUserDatabase(userDatabase_);
  units_->setCurrentIndex(settings.display.us ? 1 : 0);
  restore_->setCurrentIndex(settings.restore == settings::kRestoreNo ? 1 : 0);
  decimals_->setValue(settings.display.decimals);
  userDatabase_->setCurrentIndex(settings.userDatabaseUnits == settings::kUserDatabaseUs ? 1 : 0);
  (settings.display.captionShowsPath ? captionPath_ : captionFile_)->setChecked(true);
}

void TEinstellungenDlg::TakeChoices(settings::StoredSettings& settings) const {
  settings.display.us = units_->currentIndex() == 1;
  settings.display.decimals = decimals_->value();
  settings.display.captionShowsPath = captionPath_->isChecked();
  settings.restore = restore_->currentIndex() == 1 ? settings::kRestoreNo : settings::kRestoreYes;
  settings.userDatabaseUnits =
      userDatabase_->currentIndex() == 1 ? settings::kUserDatabaseUs : settings::kUserDatabaseMetric;
}

bool TEinstellungenDlg::Edit(settings::StoredSettings& settings) {
  Present(settings);
  if (exec() != QDialog::Accepted) return false;
  TakeChoices(settings);
  return true;
}

void TEinstellungenDlg::showEvent(QShowEvent* event) {
  ApplyTexts();
  QDialog::showEvent(event);
}

void TEinstellungenDlg::WarnUserDatabaseUnits() {
  // The stored records are not converted; the user is told so at once.
  ShowMessage(this, {texts_.FormText(kBlock, "WarnUserDbUnits"),
                     texts_.GlobalText(text::global::kFileCaption),
                     text::MessageIcon::Exclamation,
                     {}});
}

}  // namespace velmora::gui
