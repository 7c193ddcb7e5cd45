#include "fluids/TLuft_feuchtDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

// Result labels in their order on the form, with the text key of the fixed captions.
struct ResultRow {
  const char* title;
  const char* value;
  const char* key;  // nullptr: the caption depends on the display units
};
constexpr ResultRow kRows[] = {
    {"RelativeFeuchteTitel", "RelativeFeuchteWert", "RelativeFeuchte"},
    {"FeuchtegehaltTitel", "FeuchtegehaltWert", "Feuchtegehalt"},
    {"SaettigungsgehaltTitel", "SaettigungsgehaltWert", "Saettigungsgehalt"},
    {"SaettigungsgradTitel", "SaettigungsgradWert", "Saettigungsgrad"},
    {"StoffmengenanteilTitel", "StoffmengenanteilWert", "Stoffmengenanteil"},
    {"TaupunktTitel", "TaupunktWert", nullptr},
    {"DichteTitel", "DichteWert", nullptr},
    {"VolumenTitel", "VolumenWert", nullptr},
    {"ViskositaetTitel", "ViskositaetWert", nullptr},
};

}  // namespace

TLuft_feuchtDlg::TLuft_feuchtDlg(const text::TextStore& texts, QWidget* parent)
    : PropertyDialog(texts, fluids::kHumidAirBlock, parent) {
  setObjectName("Luft_feuchtDlg");
  auto* layout = new QVBoxLayout(this);
  auto* inputs = new QGridLayout;
  AddPressureRow(inputs, 0, "DruckLabel");
  inputs->addWidget(Caption("BereichDruck", "BereichDruck"), 0, 3);
  AddTemperatureRow(inputs, 1, "TemperaturLabel");
  inputs->addWidget(Caption("BereichTemperatur", "BereichTemperatur"), 1, 3);
  QComboBox* kind = MakeCombo(this, "FeuchteCombo");
  kind->addItems({Text("Feuchte0"), Text("Feuchte1")});
  inputs->addWidget(kind, 2, 0);
  inputs->addWidget(MakeEdit(this, fluids::kHumidityEdit), 2, 1);
  inputs->setColumnStretch(4, 1);  // the edits keep their width
  layout->addLayout(inputs);

  auto* results = new QGridLayout;
  int row = 0;
  for (const ResultRow& r : kRows) {
    results->addWidget(Caption(r.title, r.key != nullptr ? r.key : std::string_view()), row, 0);
    results->addWidget(Value(r.value), row++, 1);
  }
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
  InstallHelp(*this, texts, help::topic::kHumidAir, buttons);
  layout->addLayout(buttons);

  const fluids::HumidAirForm defaults = fluids::HumidAirForm::Defaults(texts.edition());
  findChild<QLineEdit*>("DruckEdit")->setText(ToQString(defaults.pressure));
  findChild<QLineEdit*>("TemperaturEdit")->setText(ToQString(defaults.temperature));
  findChild<QLineEdit*>(fluids::kHumidityEdit)->setText(ToQString(defaults.humidity));
  connect(calculate, &QPushButton::clicked, this, &TLuft_feuchtDlg::Berechnen1Click);
  connect(takeOver, &QPushButton::clicked, this, &TLuft_feuchtDlg::Uebernehmen1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ClearResultsOnChange();
  Present(false);
}

fluids::HumidAirForm TLuft_feuchtDlg::ReadInputs() const {
  return {
      EditText("DruckEdit"),
      ListIndex("DruckCombo"),
      EditText("TemperaturEdit"),
      ListIndex("TemperaturCombo"),
      ListIndex("FeuchteCombo") == 1 ? fluids::HumidityGiven::MoistureContent : fluids::HumidityGiven::RelativeHumidity,
      EditText(fluids::kHumidityEdit)};
}

void TLuft_feuchtDlg::SetResultCaptions() {
  const fluids::HumidAirCaptions captions = fluids::HumidAirResultCaptions(Texts(), Us());
  findChild<QLabel*>("TaupunktTitel")->setText(ToQString(captions.dewPoint));
  findChild<QLabel*>("DichteTitel")->setText(ToQString(captions.results.density));
  findChild<QLabel*>("VolumenTitel")->setText(ToQString(captions.results.specificVolume));
  findChild<QLabel*>("ViskositaetTitel")->setText(ToQString(captions.results.viscosity));
}

void TLuft_feuchtDlg::ClearResults() {
  for (const ResultRow& r : kRows) findChild<QLabel*>(r.value)->clear();
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(false);
  shown_.reset();
}

void TLuft_feuchtDlg::Berechnen1Click() {
  ClearResults();
  const fluids::HumidAirDialogOutcome outcome = fluids::CalculateHumidAirDialog(ReadInputs(), Texts(), Us());
  if (outcome.message) Show(*outcome.message);
  if (!outcome.display) return;
  const fluids::HumidAirDisplay& d = *outcome.display;
  const std::string* values[] = {&d.relativeHumidity, &d.moistureContent, &d.saturationContent, &d.degreeOfSaturation,
                                 &d.moleFraction,     &d.dewPoint,        &d.density,           &d.specificVolume,
                                 &d.viscosity};
  for (std::size_t i = 0; i < std::size(kRows); ++i) findChild<QLabel*>(kRows[i].value)->setText(ToQString(*values[i]));
  shown_ = d;
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(true);
}

void TLuft_feuchtDlg::Uebernehmen1Click() {
  if (!shown_) return;
  HandOver(fluids::HumidAirTakeOver(ReadInputs(), *shown_, Texts(), Us()));
}

}  // namespace velmora::gui
