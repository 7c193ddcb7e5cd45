#include "fluids/TSattdampfDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr const char* kValues[] = {"DichteFluessigWert", "VolumenFluessigWert", "ViskositaetFluessigWert",
                                   "DichteDampfWert",    "VolumenDampfWert",    "ViskositaetDampfWert",
                                   "BerechnetWert"};

}  // namespace

TSattdampfDialog::TSattdampfDialog(const text::TextStore& texts, QWidget* parent)
    : PropertyDialog(texts, fluids::kSaturatedWaterBlock, parent) {
  setObjectName("SattdampfDialog");
  auto* layout = new QVBoxLayout(this);
  QLabel* standard = Caption("Standard", "Standard");
  QFont bold = standard->font();
  bold.setBold(true);
  standard->setFont(bold);
  layout->addWidget(standard);

  auto* given = new QGroupBox(Text("Gegeben"), this);
  given->setObjectName("RadioGroup1");
  auto* givenRow = new QHBoxLayout(given);
  byTemperature_ = new QRadioButton(Text("GegebenTemperatur"), given);
  byTemperature_->setObjectName("GegebenTemperatur");
  auto* byPressure = new QRadioButton(Text("GegebenDruck"), given);
  byPressure->setObjectName("GegebenDruck");
  givenRow->addWidget(byTemperature_);
  givenRow->addWidget(byPressure);
  givenRow->addStretch();
  layout->addWidget(given);

  auto* inputs = new QGridLayout;
  AddTemperatureRow(inputs, 0, "TemperaturLabel");
  inputs->addWidget(Caption("BereichTemperatur", "BereichTemperatur"), 0, 3);
  AddPressureRow(inputs, 1, "DruckLabel");
  inputs->addWidget(Caption("BereichDruck", "BereichDruck"), 1, 3);
  inputs->addWidget(Caption("BerechnetTitel", {}), 2, 0, 1, 2);
  inputs->addWidget(Value("BerechnetWert"), 2, 2);
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
  InstallHelp(*this, texts, help::topic::kSaturatedWater, buttons);
  layout->addLayout(buttons);

  const fluids::SaturatedWaterForm defaults = fluids::SaturatedWaterForm::Defaults(texts.edition());
  findChild<QLineEdit*>("TemperaturEdit")->setText(ToQString(defaults.temperature));
  findChild<QLineEdit*>("DruckEdit")->setText(ToQString(defaults.pressure));
  byTemperature_->setChecked(true);
  GivenChanged();
  connect(byTemperature_, &QRadioButton::toggled, this, [this] {
    GivenChanged();
    SetResultCaptions();
  });
  connect(calculate, &QPushButton::clicked, this, &TSattdampfDialog::Berechnen1Click);
  connect(liquid, &QPushButton::clicked, this, [this] { TakeOverClick(false); });
  connect(vapour, &QPushButton::clicked, this, [this] { TakeOverClick(true); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ClearResultsOnChange();
  Present(false);
}

void TSattdampfDialog::GivenChanged() {
  const bool temperature = byTemperature_->isChecked();
  for (const char* name : {"TemperaturEdit", "TemperaturCombo"}) findChild<QWidget*>(name)->setEnabled(temperature);
  for (const char* name : {"DruckEdit", "DruckCombo"}) findChild<QWidget*>(name)->setEnabled(!temperature);
  findChild<QLineEdit*>(temperature ? "TemperaturEdit" : "DruckEdit")->setFocus();
}

fluids::SaturatedWaterForm TSattdampfDialog::ReadInputs() const {
  return {byTemperature_->isChecked() ? fluids::SaturationGiven::Temperature : fluids::SaturationGiven::Pressure,
          EditText("TemperaturEdit"), ListIndex("TemperaturCombo"), EditText("DruckEdit"), ListIndex("DruckCombo")};
}

void TSattdampfDialog::SetResultCaptions() {
  const fluids::ResultCaptions captions = fluids::SaturatedWaterResultCaptions(Texts(), Us());
  findChild<QLabel*>("DichteTitel")->setText(ToQString(captions.density));
  findChild<QLabel*>("VolumenTitel")->setText(ToQString(captions.specificVolume));
  findChild<QLabel*>("ViskositaetTitel")->setText(ToQString(captions.viscosity));
  findChild<QLabel*>("BerechnetTitel")->setText(ToQString(fluids::ComputedCaption(Texts(), ReadInputs().given, Us())));
}

void TSattdampfDialog::ClearResults() {
  for (const char* name : kValues) findChild<QLabel*>(name)->clear();
  findChild<QPushButton*>("FluessigkeitBtn")->setEnabled(false);
  findChild<QPushButton*>("DampfBtn")->setEnabled(false);
  shown_.reset();
}

void TSattdampfDialog::Berechnen1Click() {
  ClearResults();
  const fluids::SaturatedWaterDialogOutcome outcome =
      fluids::CalculateSaturatedWaterDialog(ReadInputs(), Texts(), Us());
  if (outcome.message) Show(*outcome.message);
  if (!outcome.display) return;
  const fluids::SaturatedWaterDisplay& d = *outcome.display;
  const std::string* texts[] = {&d.liquid.density, &d.liquid.specificVolume, &d.liquid.viscosity,
                                &d.vapour.density, &d.vapour.specificVolume, &d.vapour.viscosity,
                                &d.computed};
  for (int i = 0; i < 7; ++i) findChild<QLabel*>(kValues[i])->setText(ToQString(*texts[i]));
  shown_ = d;
  findChild<QPushButton*>("FluessigkeitBtn")->setEnabled(true);
  findChild<QPushButton*>("DampfBtn")->setEnabled(true);
}

void TSattdampfDialog::TakeOverClick(bool vapour) {
  if (!shown_) return;
  HandOver(fluids::SaturatedWaterTakeOver(ReadInputs(), *shown_, Texts(), Us(), vapour));
}

}  // namespace velmora::gui
