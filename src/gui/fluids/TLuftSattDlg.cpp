#include "fluids/TLuftSattDlg.h"

#include <QComboBox>
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
namespace {

constexpr const char* kValues[] = {"DichteFluessigWert", "VolumenFluessigWert", "ViskositaetFluessigWert",
                                   "DichteDampfWert",    "VolumenDampfWert",    "ViskositaetDampfWert",
                                   "SiededruckWert",     "TaudruckWert"};

}  // namespace

TLuftSattDlg::TLuftSattDlg(const text::TextStore& texts, QWidget* parent)
    : PropertyDialog(texts, fluids::kSaturatedAirBlock, parent) {
  setObjectName("LuftSattDlg");
  auto* layout = new QVBoxLayout(this);
  auto* inputs = new QGridLayout;
  AddTemperatureRow(inputs, 0, "TemperaturLabel");
  inputs->addWidget(Caption("Bereich", "Bereich"), 0, 3);
  inputs->addWidget(Caption("SiededruckTitel", {}), 1, 0, 1, 2);
  inputs->addWidget(Value("SiededruckWert"), 1, 2);
  inputs->addWidget(Caption("TaudruckTitel", {}), 2, 0, 1, 2);
  inputs->addWidget(Value("TaudruckWert"), 2, 2);
  inputs->setColumnStretch(4, 1);  // the edits keep their width
  layout->addLayout(inputs);

  auto* results = new QGridLayout;
  results->addWidget(Caption("FluessigkeitTitel", "Fluessigkeit"), 0, 1, Qt::AlignCenter);
  results->addWidget(Caption("DampfTitel", "Dampf"), 0, 2, Qt::AlignCenter);
  results->addWidget(Caption("DichteTitel", {}), 1, 0);
  results->addWidget(Caption("VolumenTitel", {}), 2, 0);
  results->addWidget(Caption("ViskositaetTitel", {}), 3, 0);
  for (int i = 0; i < 6; ++i) results->addWidget(Value(kValues[i]), 1 + i % 3, 1 + i / 3);
  layout->addSpacing(8);
  layout->addLayout(results);

  auto* buttons = new QHBoxLayout;
  QPushButton* calculate = Button("BerechnenBtn", Text("BerechnenBtn"));
  QPushButton* liquid = Button("FluessigkeitBtn", Text("FluessigkeitBtn"));
  QPushButton* vapour = Button("DampfBtn", Text("DampfBtn"));
  QPushButton* close = Button("SchliessenBtn", Text("SchliessenBtn"));
  calculate->setDefault(true);
  for (QPushButton* button : {calculate, liquid, vapour}) buttons->addWidget(button);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addSpacing(8);
  InstallHelp(*this, texts, help::topic::kSaturatedAir, buttons);
  layout->addLayout(buttons);

  const fluids::SaturatedAirForm defaults;
  findChild<QLineEdit*>("TemperaturEdit")->setText(ToQString(defaults.temperature));
  findChild<QComboBox*>("TemperaturCombo")->setCurrentIndex(defaults.temperatureUnit);
  connect(calculate, &QPushButton::clicked, this, &TLuftSattDlg::Berechnen1Click);
  connect(liquid, &QPushButton::clicked, this, [this] { TakeOverClick(false); });
  connect(vapour, &QPushButton::clicked, this, [this] { TakeOverClick(true); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ClearResultsOnChange();
  Present(false);
}

fluids::SaturatedAirForm TLuftSattDlg::ReadInputs() const {
  return {EditText("TemperaturEdit"), ListIndex("TemperaturCombo")};
}

void TLuftSattDlg::SetResultCaptions() {
  const fluids::SaturatedAirCaptions captions = fluids::SaturatedAirResultCaptions(Texts(), Us());
  findChild<QLabel*>("DichteTitel")->setText(ToQString(captions.results.density));
  findChild<QLabel*>("VolumenTitel")->setText(ToQString(captions.results.specificVolume));
  findChild<QLabel*>("ViskositaetTitel")->setText(ToQString(captions.results.viscosity));
  findChild<QLabel*>("SiededruckTitel")->setText(ToQString(captions.bubblePressure));
  findChild<QLabel*>("TaudruckTitel")->setText(ToQString(captions.dewPressure));
}

void TLuftSattDlg::ClearResults() {
  for (const char* name : kValues) findChild<QLabel*>(name)->clear();
  findChild<QPushButton*>("FluessigkeitBtn")->setEnabled(false);
  findChild<QPushButton*>("DampfBtn")->setEnabled(false);
  shown_.reset();
}

void TLuftSattDlg::Berechnen1Click() {
  ClearResults();
  const fluids::SaturatedAirDialogOutcome outcome = fluids::CalculateSaturatedAirDialog(ReadInputs(), Texts(), Us());
  if (outcome.message) Show(*outcome.message);
  if (!outcome.display) return;
  const fluids::SaturatedAirDisplay& d = *outcome.display;
  const std::string* texts[] = {
      &d.liquid.density,        &d.liquid.specificVolume, &d.liquid.viscosity, &d.vapour.density,
      &d.vapour.specificVolume, &d.vapour.viscosity,      &d.bubblePressure,   &d.dewPressure};
  for (int i = 0; i < 8; ++i) findChild<QLabel*>(kValues[i])->setText(ToQString(*texts[i]));
  shown_ = d;
  findChild<QPushButton*>("FluessigkeitBtn")->setEnabled(true);
  findChild<QPushButton*>("DampfBtn")->setEnabled(true);
}

void TLuftSattDlg::TakeOverClick(bool vapour) {
  if (!shown_) return;
  HandOver(fluids::SaturatedAirTakeOver(ReadInputs(), *shown_, Texts(), Us(), vapour));
}

}  // namespace velmora::gui
