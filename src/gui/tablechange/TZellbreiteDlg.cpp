#include "tablechange/TZellbreiteDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "tablechange/DialogTexts.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

TZellbreiteDlg::TZellbreiteDlg(const text::TextStore& texts, QWidget* parent) : QDialog(parent), texts_(texts) {
  setObjectName(QString::fromUtf8(tablechange::kWidthBlock.data(), tablechange::kWidthBlock.size()));
  title_ = MakeEdit(this, "Edit2", 4);
  other_ = MakeEdit(this, "Edit1", 4);
  auto* grid = new QGridLayout;
  grid->addWidget(MakeLabel(this, "Label2"), 0, 0);
  grid->addWidget(title_, 0, 1);
  grid->addWidget(MakeLabel(this, "LabelUnit2"), 0, 2);
  grid->addWidget(MakeLabel(this, "Label1"), 1, 0);
  grid->addWidget(other_, 1, 1);
  grid->addWidget(MakeLabel(this, "LabelUnit1"), 1, 2);

  auto* ok = new QPushButton(this);
  ok->setObjectName("BitBtn1");
  ok->setDefault(true);
  auto* standard = new QPushButton(this);
  standard->setObjectName("BitBtn2");
  auto* cancel = new QPushButton(this);
  cancel->setObjectName("CancelBtn");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(standard);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  InstallHelp(*this, texts, help::topic::kColumnWidths, buttons);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(ok, &QPushButton::clicked, this, &TZellbreiteDlg::TakeTyped);
  connect(standard, &QPushButton::clicked, this, &TZellbreiteDlg::TakeStandard);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  ApplyTexts();
}

void TZellbreiteDlg::ApplyTexts() {
  const auto form = [this](const char* key) { return ToQString(texts_.FormText(tablechange::kWidthBlock, key)); };
  setWindowTitle(form("Caption"));
  findChild<QLabel*>("Label1")->setText(form("Label1"));
  findChild<QLabel*>("Label2")->setText(form("Label2"));
  findChild<QLabel*>("LabelUnit1")->setText(form("LabelUnit"));
  findChild<QLabel*>("LabelUnit2")->setText(form("LabelUnit"));
  for (const char* name : {"BitBtn1", "BitBtn2", "CancelBtn"}) findChild<QPushButton*>(name)->setText(form(name));
}

void TZellbreiteDlg::showEvent(QShowEvent* event) {
  ApplyTexts();
  QDialog::showEvent(event);
  title_->setFocus(Qt::OtherFocusReason);
  title_->selectAll();
}

void TZellbreiteDlg::Present(const tablechange::ColumnWidths& current) {
  chosen_.reset();
  title_->setText(QString::number(current.title));
  other_->setText(QString::number(current.other));
  title_->setFocus(Qt::OtherFocusReason);
}

void TZellbreiteDlg::TakeTyped() {
  const tablechange::WidthsCheck check =
      tablechange::ReadColumnWidths(ToStdString(title_->text()), ToStdString(other_->text()), texts_);
  if (!check.widths) {
    ShowMessages(this, check.messages);
    return;
  }
  chosen_ = check.widths;
  accept();
}

void TZellbreiteDlg::TakeStandard() {
  chosen_ = tablechange::StandardColumnWidths(texts_.edition());
  accept();
}

}  // namespace velmora::gui
