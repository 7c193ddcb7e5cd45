#include "coefficients/TZetaDatenbank.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "coefficients/CoefficientTexts.h"
#include "coefficients/ZetaNotes.h"
#include "help/HelpTopics.h"
#include "text/GlobalTexts.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

QListWidget* MakeList(QWidget* parent, const char* name, int minimumWidth) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setMinimumWidth(minimumWidth);
  list->setMinimumHeight(300);
  return list;
}

QString FileName(const coefficients::ZetaManufacturer& manufacturer) {
  return QString::fromStdString(manufacturer.path.filename().string());
}

}  // namespace

TZetaDatenbank::TZetaDatenbank(const text::TextStore& texts, QString folder, QWidget* parent)
    : QDialog(parent), texts_(texts), folder_(std::move(folder)) {
  setObjectName(ToQString(std::string(coefficients::kZetaBlock)));
  files_ = MakeList(this, "FileListBox1", 200);
  designations_ = MakeList(this, "ListBox1", 470);
  sizes_ = MakeList(this, "ListBox2", 110);
  zeta_ = MakeEdit(this, "Edit1");
  zeta_->setReadOnly(true);
  zeta_->setMaximumWidth(120);

  auto* lists = new QGridLayout;
  const std::tuple<const char*, QWidget*> columns[] = {
      {"Label1", files_}, {"Label2", designations_}, {"Label3", sizes_}};
  int column = 0;
  for (const auto& [label, list] : columns) {
    lists->addWidget(MakeLabel(this, label), 0, column);
    lists->addWidget(list, 1, column);
    ++column;
  }
  lists->setColumnStretch(1, 1);
  auto* value = new QHBoxLayout;
  value->addWidget(MakeLabel(this, "Label4"));
  value->addWidget(zeta_);
  value->addStretch();
  lists->addLayout(value, 2, 2, Qt::AlignLeft);

  describe_ = new QCheckBox(this);
  describe_->setObjectName("CheckBox1");
  describe_->setChecked(true);
  auto* pump = new QHBoxLayout;
  pumpPage_ = MakeLabel(this, "LabelPumpe");
  pumpPage_->setVisible(false);
  pump->addWidget(pumpPage_);
  for (std::size_t i = 0; i < pumpRows_.size(); ++i) {
    pumpRows_[i] = new QCheckBox(this);
    pumpRows_[i]->setObjectName(QString("CheckBox%1").arg(i + 2));
    // The target rows of the pump quick design, shown only while that window is open.
    pumpRows_[i]->setVisible(false);
    pump->addWidget(pumpRows_[i]);
  }
  pump->addStretch();

  ok_ = new QPushButton(this);
  ok_->setObjectName("OKBtn");
  ok_->setDefault(true);
  auto* close = new QPushButton(this);
  close->setObjectName("BitBtn1");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  layout->addWidget(describe_);
  layout->addLayout(pump);
  layout->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kZetaDatabase, buttons);

  connect(files_, &QListWidget::currentRowChanged, this, &TZetaDatenbank::LoadManufacturer);
  connect(designations_, &QListWidget::currentRowChanged, this, &TZetaDatenbank::ShowFitting);
  connect(sizes_, &QListWidget::currentRowChanged, this, &TZetaDatenbank::ShowSize);
  connect(ok_, &QPushButton::clicked, this, &TZetaDatenbank::TakeOver);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ok_->setEnabled(false);
  ApplyTexts();
}

void TZetaDatenbank::ApplyTexts() {
  const auto form = [this](const char* key) { return ToQString(texts_.FormText(coefficients::kZetaBlock, key)); };
  setWindowTitle(form("Caption"));
  for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) findChild<QLabel*>(name)->setText(form(name));
  describe_->setText(form("CheckBox1"));
  for (QCheckBox* row : pumpRows_) row->setText(form(row->objectName().toUtf8().constData()));
  ok_->setText(ToQString(texts_.GlobalText(text::global::kTakeOverCaption)));
  findChild<QPushButton*>("BitBtn1")->setText(form("BitBtn1"));
}

void TZetaDatenbank::ShowPumpRows(bool visible, const QString& page) {
  pumpPage_->setText(page + ":");
  pumpPage_->setVisible(visible);
  for (QCheckBox* row : pumpRows_) row->setVisible(visible);
}

std::array<bool, 3> TZetaDatenbank::PumpRowsChecked() const {
  return {pumpRows_[0]->isChecked(), pumpRows_[1]->isChecked(), pumpRows_[2]->isChecked()};
}

void TZetaDatenbank::showEvent(QShowEvent* event) {
  ApplyTexts();
  QDialog::showEvent(event);
  // The folder is read on the first show; later shows return to the state the dialog was left in
  // (a folder that held no file is looked at again).
  if (shownBefore_ && !manufacturers_.empty()) return;
  shownBefore_ = true;
  FillManufacturers();
}

void TZetaDatenbank::FillManufacturers() {
  manufacturers_ = coefficients::ListZetaFiles(folder_.toStdString());
  {
    const QSignalBlocker block(files_);
    files_->clear();
    for (const coefficients::ZetaManufacturer& manufacturer : manufacturers_) {
      files_->addItem(QString::fromStdString(manufacturer.name));
    }
  }
  if (manufacturers_.empty()) {
    Clear();
    ShowMessage(this, coefficients::ZetaLoadMessage(texts_, {}, {coefficients::ZetaLoadError::Unreadable, {}}));
    return;
  }
  files_->setCurrentRow(0);  // loads the first manufacturer
}

void TZetaDatenbank::Clear() {
  table_ = {};
  const QSignalBlocker blockDesignations(designations_);
  const QSignalBlocker blockSizes(sizes_);
  designations_->clear();
  sizes_->clear();
  zeta_->clear();
  ok_->setEnabled(false);
}

void TZetaDatenbank::LoadManufacturer(int row) {
  Clear();
  if (row < 0 || row >= static_cast<int>(manufacturers_.size())) return;
  const coefficients::ZetaManufacturer& manufacturer = manufacturers_[static_cast<std::size_t>(row)];
  coefficients::ZetaLoad load = coefficients::LoadZetaFile(manufacturer.path);
  const std::string fileName = FileName(manufacturer).toStdString();
  if (load.error != coefficients::ZetaLoadError::None) {
    // The lists stay empty; choosing another manufacturer loads that one afresh.
    ShowMessage(this, coefficients::ZetaLoadMessage(texts_, fileName, load));
    return;
  }
  table_ = std::move(load.table);
  {
    const QSignalBlocker block(designations_);
    for (const coefficients::ZetaFitting& fitting : table_.fittings) {
      designations_->addItem(ToQString(fitting.designation));
    }
  }
  designations_->setCurrentRow(0);
  if (const auto notes = coefficients::ZetaNotesMessage(texts_, fileName, table_)) ShowMessage(this, *notes);
}

void TZetaDatenbank::ShowFitting(int row) {
  {
    const QSignalBlocker block(sizes_);
    sizes_->clear();
  }
  zeta_->clear();
  ok_->setEnabled(false);
  if (row < 0 || row >= static_cast<int>(table_.fittings.size())) return;
  {
    const QSignalBlocker block(sizes_);
    for (const coefficients::ZetaSize& size : table_.fittings[static_cast<std::size_t>(row)].sizes) {
      sizes_->addItem(ToQString(size.diameter));
    }
  }
  sizes_->setCurrentRow(0);
}

void TZetaDatenbank::ShowSize(int row) {
  const int fitting = designations_->currentRow();
  const bool valid = fitting >= 0 && fitting < static_cast<int>(table_.fittings.size()) && row >= 0 &&
                     row < static_cast<int>(table_.fittings[static_cast<std::size_t>(fitting)].sizes.size());
  ok_->setEnabled(valid);
  if (!valid) {
    zeta_->clear();
    return;
  }
  const coefficients::ZetaSize& size =
      table_.fittings[static_cast<std::size_t>(fitting)].sizes[static_cast<std::size_t>(row)];
  zeta_->setText(ToQString(coefficients::ShownZeta(size.zeta, texts_.edition())));
}

void TZetaDatenbank::TakeOver() {
  if (!ok_->isEnabled()) return;
  const auto fitting = static_cast<std::size_t>(designations_->currentRow());
  const auto size = static_cast<std::size_t>(sizes_->currentRow());
  const coefficients::ZetaFitting& chosen = table_.fittings[fitting];
  chosen_ = coefficients::ZetaChoice{manufacturers_[static_cast<std::size_t>(files_->currentRow())].name,
                                     chosen.designation, chosen.sizes[size].diameter,
                                     coefficients::ShownZeta(chosen.sizes[size].zeta, texts_.edition()),
                                     describe_->isChecked()};
  accept();
}

}  // namespace velmora::gui
