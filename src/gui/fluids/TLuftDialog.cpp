#include "fluids/TLuftDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

TLuftDialog::TLuftDialog(const text::TextStore& texts, QWidget* parent)
    : PropertyDialog(texts, fluids::kDryAirBlock, parent) {
  setObjectName("LuftDialog");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Caption("Standard", "Standard"));
  auto* inputs = new QGridLayout;
  AddPressureRow(inputs, 0, "DruckLabel");
  inputs->addWidget(Caption("BereichDruck", "BereichDruck"), 0, 3);
  AddTemperatureRow(inputs, 1, "TemperaturLabel");
  inputs->addWidget(Caption("BereichTemperatur", "BereichTemperatur"), 1, 3);
  inputs->setColumnStretch(4, 1);  // the edits keep their width
  layout->addLayout(inputs);

  auto* results = new QGridLayout;
  results->addWidget(Caption("ZustandLabel", "ZustandLabel"), 0, 0);
  results->addWidget(Value("ZustandWert"), 0, 1);
  results->addWidget(Caption("DichteTitel", {}), 1, 0);
  results->addWidget(Value("DichteWert"), 1, 1);
  results->addWidget(Caption("VolumenTitel", {}), 2, 0);
  results->addWidget(Value("VolumenWert"), 2, 1);
  results->addWidget(Caption("ViskositaetTitel", {}), 3, 0);
  results->addWidget(Value("ViskositaetWert"), 3, 1);
  results->setColumnStretch(2, 1);
  layout->addSpacing(8);
  layout->addLayout(results);

  auto* buttons = new QHBoxLayout;
  QPushButton* calculate = Button("BerechnenBtn", Text("BerechnenBtn"));
  QPushButton* takeOver = Button("UebernehmenBtn", Text("UebernehmenBtn"));
  QPushButton* close = Button("SchliessenBtn", Text("SchliessenBtn"));
  calculate->setDefault(true);
  buttons->addWidget(calculate);
  buttons->addWidget(takeOver);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addSpacing(8);
  InstallHelp(*this, texts, help::topic::kDryAir, buttons);
  layout->addLayout(buttons);

  const fluids::DryAirForm defaults = fluids::DryAirForm::Defaults(texts.edition());
  findChild<QLineEdit*>("DruckEdit")->setText(ToQString(defaults.pressure));
  findChild<QLineEdit*>("TemperaturEdit")->setText(ToQString(defaults.temperature));
  connect(calculate, &QPushButton::clicked, this, &TLuftDialog::Berechnen1Click);
  connect(takeOver, &QPushButton::clicked, this, &TLuftDialog::Uebernehmen1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ClearResultsOnChange();
  Present(false);
}

fluids::DryAirForm TLuftDialog::ReadInputs() const {
  return {EditText("DruckEdit"), ListIndex("DruckCombo"), EditText("TemperaturEdit"), ListIndex("TemperaturCombo")};
}

void TLuftDialog::SetResultCaptions() {
  const fluids::ResultCaptions captions = fluids::DryAirResultCaptions(Texts(), Us());
  findChild<QLabel*>("DichteTitel")->setText(ToQString(captions.density));
  findChild<QLabel*>("VolumenTitel")->setText(ToQString(captions.specificVolume));
  findChild<QLabel*>("ViskositaetTitel")->setText(ToQString(captions.viscosity));
}

void TLuftDialog::ClearResults() {
  for (const char* name : {"ZustandWert", "DichteWert", "VolumenWert", "ViskositaetWert"}) {
    findChild<QLabel*>(name)->clear();
  }
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(false);
  shown_.reset();
}

void TLuftDialog::Berechnen1Click() {
  ClearResults();
  const fluids::DryAirDialogOutcome outcome = fluids::CalculateDryAirDialog(ReadInputs(), Texts(), Us());
  if (outcome.message) Show(*outcome.message);
  if (!outcome.display) return;
  const fluids::DryAirDisplay& display = *outcome.display;
  findChild<QLabel*>("ZustandWert")->setText(ToQString(display.state));
  findChild<QLabel*>("DichteWert")->setText(ToQString(display.density));
  findChild<QLabel*>("VolumenWert")->setText(ToQString(display.specificVolume));
  findChild<QLabel*>("ViskositaetWert")->setText(ToQString(display.viscosity));
  if (display.solid) return;  // no properties of solid air, nothing to hand over
  shown_ = display;
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(true);
}

void TLuftDialog::Uebernehmen1Click() {
  if (!shown_) return;
  HandOver(fluids::DryAirTakeOver(ReadInputs(), *shown_, Texts(), Us()));
}

}  // namespace velmora::gui
