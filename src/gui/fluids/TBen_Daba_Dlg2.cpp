#include "fluids/TBen_Daba_Dlg2.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "fluids/UserDatabaseDialog.h"
#include "fluids/UserMedia.h"
#include "help/HelpTopics.h"
#include "settings/StoredSettings.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kListWidth = 240;

}  // namespace

TBen_Daba_Dlg2::TBen_Daba_Dlg2(const text::TextStore& texts, UserMedia* media, const int* usUnits, QWidget* parent)
    : PropertyDialog(texts, fluids::kUserChoiceBlock, parent), media_(media), usUnits_(usUnits) {
  setObjectName("Ben_Daba_Dlg2");
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(Caption("MediumLabel", "MediumLabel"));
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setMinimumWidth(kListWidth);
  left->addWidget(list_, 1);
  layout->addLayout(left);

  auto* right = new QVBoxLayout;
  auto* grid = new QGridLayout;
  const char* const rows[][2] = {{"ZustandTitel", "ZustandWert"},         {"DichteTitel", "DichteWert"},
                                 {"ViskositaetTitel", "ViskositaetWert"}, {"GasLabel", ""},
                                 {"TemperaturTitel", "TemperaturWert"},   {"DruckTitel", "DruckWert"}};
  for (int i = 0; i < 6; ++i) {
    grid->addWidget(Caption(rows[i][0], i == 0 || i == 3 ? rows[i][0] : std::string_view()), i, 0);
    if (*rows[i][1] != '\0') grid->addWidget(Value(rows[i][1]), i, 1);
  }
  grid->setColumnStretch(2, 1);
  right->addLayout(grid);
  right->addWidget(Caption("BemerkungLabel", "BemerkungLabel"));
  auto* remarks = new QPlainTextEdit(this);
  remarks->setObjectName("BemerkungMemo");
  remarks->setReadOnly(true);
  right->addWidget(remarks, 1);
  auto* buttons = new QHBoxLayout;
  QPushButton* takeOver = Button("UebernehmenBtn", Text("UebernehmenBtn"));
  QPushButton* cancel = Button("AbbrechenBtn", Text("AbbrechenBtn"));
  buttons->addStretch();
  buttons->addWidget(takeOver);
  buttons->addWidget(cancel);
  right->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kUserMediaChoice, buttons);
  layout->addLayout(right, 1);

  connect(list_, &QListWidget::currentRowChanged, this, &TBen_Daba_Dlg2::ListBox1Click);
  connect(takeOver, &QPushButton::clicked, this, &TBen_Daba_Dlg2::Uebernehmen1Click);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TBen_Daba_Dlg2::UsUnits() const { return *usUnits_ == settings::kUserDatabaseUs; }

void TBen_Daba_Dlg2::SetResultCaptions() {
  const fluids::UserCaptions captions = fluids::UserFieldCaptions(Texts(), fluids::kUserChoiceBlock, UsUnits());
  findChild<QLabel*>("TemperaturTitel")->setText(ToQString(captions.temperature));
  findChild<QLabel*>("DruckTitel")->setText(ToQString(captions.pressure));
  findChild<QLabel*>("DichteTitel")->setText(ToQString(captions.density));
  findChild<QLabel*>("ViskositaetTitel")->setText(ToQString(captions.viscosity));
}

void TBen_Daba_Dlg2::showEvent(QShowEvent* event) {
  PropertyDialog::showEvent(event);
  if (event->spontaneous()) return;
  media_->LoadOnce(this, Texts());
  const std::vector<fluids::UserRecord>& records = media_->Database().Records();
  {
    const QSignalBlocker block(list_);
    list_->clear();
    for (const fluids::UserRecord& record : records) list_->addItem(ToQString(record.name));
  }
  if (chosen_ >= list_->count()) chosen_ = list_->count() - 1;
  if (chosen_ < 0) chosen_ = 0;
  list_->setCurrentRow(list_->count() > 0 ? chosen_ : -1);
  ListBox1Click();
  // A message of the loading may have come before the window had its size.
  adjustSize();
}

void TBen_Daba_Dlg2::ListBox1Click() {
  const std::vector<fluids::UserRecord>& records = media_->Database().Records();
  const int row = list_->currentRow();
  const bool exists = row >= 0 && static_cast<std::size_t>(row) < records.size();
  if (exists) chosen_ = row;
  const fluids::UserRecord empty;
  const fluids::UserRecord& record = exists ? records[static_cast<std::size_t>(row)] : empty;
  findChild<QLabel*>("ZustandWert")->setText(exists ? Text(record.Liquid() ? "RadioFluessig" : "RadioGas") : QString());
  findChild<QLabel*>("DichteWert")->setText(ToQString(record.density));
  findChild<QLabel*>("ViskositaetWert")->setText(ToQString(record.viscosity));
  findChild<QLabel*>("TemperaturWert")->setText(ToQString(record.temperature));
  findChild<QLabel*>("DruckWert")->setText(ToQString(record.pressure));
  findChild<QPlainTextEdit*>("BemerkungMemo")->setPlainText(ToQString(fluids::ShownRemarks(record.remarks)));
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(exists);
}

void TBen_Daba_Dlg2::Uebernehmen1Click() {
  const std::vector<fluids::UserRecord>& records = media_->Database().Records();
  const int row = list_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= records.size()) return;
  HandOver(fluids::UserTakeOver(records[static_cast<std::size_t>(row)], UsUnits()));
}

}  // namespace velmora::gui
