#include "fluids/TBen_Daba_Dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
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

constexpr int kFieldLength = 255;  // the characters a field of USER.DAT holds
constexpr const char* kFields[] = {"NameEdit", "TemperaturEdit", "DruckEdit", "DichteEdit", "ViskositaetEdit"};

}  // namespace

TBen_Daba_Dlg::TBen_Daba_Dlg(const text::TextStore& texts, UserMedia* media, const int* usUnits, QWidget* parent)
    : PropertyDialog(texts, fluids::kUserEditBlock, parent), media_(media), usUnits_(usUnits) {
  setObjectName("Ben_Daba_Dlg");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Caption("PositionLabel", {}));
  auto* grid = new QGridLayout;
  grid->addWidget(Caption("NameLabel", "NameLabel"), 0, 0);
  grid->addWidget(MakeEdit(this, "NameEdit", kFieldLength), 0, 1, 1, 2);
  auto* liquid = new QRadioButton(Text("RadioFluessig"), this);
  liquid->setObjectName("RadioFluessig");
  auto* gas = new QRadioButton(Text("RadioGas"), this);
  gas->setObjectName("RadioGas");
  grid->addWidget(liquid, 1, 1);
  grid->addWidget(gas, 1, 2);
  grid->addWidget(Caption("DichteTitel", {}), 2, 0);
  grid->addWidget(MakeEdit(this, "DichteEdit", kFieldLength), 2, 1);
  grid->addWidget(Caption("ViskositaetTitel", {}), 3, 0);
  grid->addWidget(MakeEdit(this, "ViskositaetEdit", kFieldLength), 3, 1);
  layout->addLayout(grid);
  auto* gasBox = new QGroupBox(Text("GasBox"), this);
  gasBox->setObjectName("GasBox");
  auto* gasGrid = new QGridLayout(gasBox);
  gasGrid->addWidget(Caption("TemperaturTitel", {}), 0, 0);
  gasGrid->addWidget(MakeEdit(this, "TemperaturEdit", kFieldLength), 0, 1);
  gasGrid->addWidget(Caption("DruckTitel", {}), 1, 0);
  gasGrid->addWidget(MakeEdit(this, "DruckEdit", kFieldLength), 1, 1);
  layout->addWidget(gasBox);
  layout->addWidget(Caption("BemerkungLabel", "BemerkungLabel"));
  auto* remarks = new QPlainTextEdit(this);
  remarks->setObjectName("BemerkungMemo");
  remarks->setMaximumHeight(90);
  layout->addWidget(remarks);

  auto* navigation = new QHBoxLayout;
  const struct {
    const char* name;
    int steps;
  } moves[] = {{"Zurueck5Btn", -5}, {"ZurueckBtn", -1}, {"VorBtn", 1}, {"Vor5Btn", 5}};
  for (const auto& move : moves) {
    QPushButton* button = Button(move.name, Text(move.name));
    navigation->addWidget(button);
    const int steps = move.steps;
    connect(button, &QPushButton::clicked, this, [this, steps] {
      if (steps < 0) {
        ZurueckClick(-steps);
      } else {
        VorClick(steps);
      }
    });
  }
  layout->addLayout(navigation);
  auto* edit = new QHBoxLayout;
  QPushButton* add = Button("NeuBtn", Text("NeuBtn"));
  QPushButton* remove = Button("LoeschenBtn", Text("LoeschenBtn"));
  QPushButton* sort = Button("SortierenBtn", Text("SortierenBtn"));
  edit->addWidget(add);
  edit->addWidget(remove);
  edit->addWidget(sort);
  layout->addLayout(edit);
  auto* buttons = new QHBoxLayout;
  QPushButton* save = Button("SpeichernBtn", Text("SpeichernBtn"));
  QPushButton* cancel = Button("AbbrechenBtn", Text("AbbrechenBtn"));
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kUserMediaEdit, buttons);

  connect(add, &QPushButton::clicked, this, &TBen_Daba_Dlg::NeuClick);
  connect(remove, &QPushButton::clicked, this, &TBen_Daba_Dlg::LoeschenClick);
  connect(sort, &QPushButton::clicked, this, &TBen_Daba_Dlg::SortierenClick);
  connect(save, &QPushButton::clicked, this, &TBen_Daba_Dlg::SpeichernClick);
  connect(cancel, &QPushButton::clicked, this, &TBen_Daba_Dlg::AbbrechenClick);
}

void TBen_Daba_Dlg::SetResultCaptions() {
  const fluids::UserCaptions captions =
      fluids::UserFieldCaptions(Texts(), fluids::kUserEditBlock, *usUnits_ == settings::kUserDatabaseUs);
  findChild<QLabel*>("TemperaturTitel")->setText(ToQString(captions.temperature));
  findChild<QLabel*>("DruckTitel")->setText(ToQString(captions.pressure));
  findChild<QLabel*>("DichteTitel")->setText(ToQString(captions.density));
  findChild<QLabel*>("ViskositaetTitel")->setText(ToQString(captions.viscosity));
}

void TBen_Daba_Dlg::showEvent(QShowEvent* event) {
  PropertyDialog::showEvent(event);
  if (event->spontaneous()) return;
  media_->LoadOnce(this, Texts());
  ShowRecord();
  // A message of the loading may have come before the window had its size.
  adjustSize();
}

void TBen_Daba_Dlg::WriteBack() {
  const fluids::UserRecord* current = media_->Database().Current();
  if (current == nullptr) return;
  fluids::UserRecord shown = *current;
  shown.name = EditText("NameEdit");
  if (findChild<QRadioButton*>("RadioFluessig")->isChecked()) {
    shown.phase = 1;
  } else if (current->Liquid()) {
    shown.phase = 0;
  }  // a gas keeps the phase byte it was stored with
  shown.temperature = EditText("TemperaturEdit");
  shown.pressure = EditText("DruckEdit");
  shown.density = EditText("DichteEdit");
  shown.viscosity = EditText("ViskositaetEdit");
  const std::string remarks = ToStdString(findChild<QPlainTextEdit*>("BemerkungMemo")->toPlainText());
  if (remarks != fluids::ShownRemarks(current->remarks)) shown.remarks = fluids::StoredRemarks(remarks);
  media_->Database().WriteBack(shown);
}

void TBen_Daba_Dlg::ShowRecord() {
  const fluids::UserDatabase& database = media_->Database();
  const fluids::UserRecord* record = database.Current();
  findChild<QLabel*>("PositionLabel")
      ->setText(ToQString(fluids::PositionText(Texts(), database.Position(), database.Count())));
  const fluids::UserRecord empty;
  const fluids::UserRecord& shown = record != nullptr ? *record : empty;
  const std::string values[] = {shown.name, shown.temperature, shown.pressure, shown.density, shown.viscosity};
  for (std::size_t i = 0; i < std::size(kFields); ++i) {
    auto* edit = findChild<QLineEdit*>(kFields[i]);
    edit->setText(ToQString(values[i]));
    edit->setEnabled(record != nullptr);
  }
  findChild<QRadioButton*>(shown.Liquid() ? "RadioFluessig" : "RadioGas")->setChecked(true);
  findChild<QPlainTextEdit*>("BemerkungMemo")->setPlainText(ToQString(fluids::ShownRemarks(shown.remarks)));
  for (const char* name : {"RadioFluessig", "RadioGas"}) findChild<QWidget*>(name)->setEnabled(record != nullptr);
  findChild<QWidget*>("BemerkungMemo")->setEnabled(record != nullptr);
  findChild<QWidget*>("LoeschenBtn")->setEnabled(record != nullptr);
}

void TBen_Daba_Dlg::ZurueckClick(int steps) {
  WriteBack();
  media_->Database().Back(steps);
  ShowRecord();
}

void TBen_Daba_Dlg::VorClick(int steps) {
  WriteBack();
  media_->Database().Forward(steps);
  ShowRecord();
}

void TBen_Daba_Dlg::NeuClick() {
  WriteBack();
  media_->Database().Append();
  ShowRecord();
  findChild<QLineEdit*>("NameEdit")->setFocus();
}

void TBen_Daba_Dlg::LoeschenClick() {
  media_->Database().DeleteCurrent();
  ShowRecord();
}

void TBen_Daba_Dlg::SortierenClick() {
  WriteBack();
  media_->Database().SortByName();
  ShowRecord();
}

void TBen_Daba_Dlg::SpeichernClick() {
  WriteBack();
  if (media_->Save(this, Texts())) accept();
}

void TBen_Daba_Dlg::AbbrechenClick() { reject(); }

void TBen_Daba_Dlg::reject() {
  media_->Reload(this, Texts());
  PropertyDialog::reject();
}

}  // namespace velmora::gui
