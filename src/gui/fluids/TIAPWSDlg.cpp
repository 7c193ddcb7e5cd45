#include "fluids/TIAPWSDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "text/GlobalTexts.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

TIAPWSDlg::TIAPWSDlg(const text::TextStore& texts, QWidget* parent)
    : PropertyDialog(texts, fluids::kWaterBlock, parent) {
  setObjectName("IAPWSDlg");
  auto* layout = new QVBoxLayout(this);
  QLabel* standard = Caption("Standard", "Standard");
  QFont bold = standard->font();
  bold.setBold(true);
  standard->setFont(bold);
  layout->addWidget(standard);

  auto* inputs = new QGridLayout;
  AddPressureRow(inputs, 0, "DruckLabel");
  auto* info = new QToolButton(this);
  info->setObjectName("InfoBtn");
  info->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  info->setToolTip(Text("InfoBtn"));
  info->setAutoRaise(true);
  inputs->addWidget(info, 0, 3);
  AddTemperatureRow(inputs, 1, "TemperaturLabel");
  inputs->addWidget(Caption("Bereich", "Bereich"), 2, 0, Qt::AlignTop);
  inputs->addWidget(Caption("Bereich1", "Bereich1"), 2, 1, 1, 3);
  inputs->addWidget(Caption("Bereich2", "Bereich2"), 3, 1, 1, 3);
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
  InstallHelp(*this, texts, help::topic::kWater, buttons);
  layout->addLayout(buttons);

  const fluids::WaterForm defaults = fluids::WaterForm::Defaults(texts.edition());
  findChild<QLineEdit*>("DruckEdit")->setText(ToQString(defaults.pressure));
  findChild<QLineEdit*>("TemperaturEdit")->setText(ToQString(defaults.temperature));
  connect(calculate, &QPushButton::clicked, this, &TIAPWSDlg::Berechnen1Click);
  connect(takeOver, &QPushButton::clicked, this, &TIAPWSDlg::Uebernehmen1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(info, &QToolButton::clicked, this, [this] {
    Show({ToStdString(Text("Hinweis")),
          Texts().GlobalText(text::global::kInformationCaption),
          text::MessageIcon::Information,
          {}});
  });
  ClearResultsOnChange();
  Present(false);
}

fluids::WaterForm TIAPWSDlg::ReadInputs() const {
  return {EditText("DruckEdit"), ListIndex("DruckCombo"), EditText("TemperaturEdit"), ListIndex("TemperaturCombo")};
}

void TIAPWSDlg::SetResultCaptions() {
  const fluids::ResultCaptions captions = fluids::WaterResultCaptions(Texts(), Us());
  findChild<QLabel*>("DichteTitel")->setText(ToQString(captions.density));
  findChild<QLabel*>("VolumenTitel")->setText(ToQString(captions.specificVolume));
  findChild<QLabel*>("ViskositaetTitel")->setText(ToQString(captions.viscosity));
}

void TIAPWSDlg::ClearResults() {
  for (const char* name : {"ZustandWert", "DichteWert", "VolumenWert", "ViskositaetWert"}) {
    findChild<QLabel*>(name)->clear();
  }
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(false);
  shown_.reset();
}

void TIAPWSDlg::Berechnen1Click() {
  ClearResults();
  const fluids::WaterDialogOutcome outcome = fluids::CalculateWaterDialog(ReadInputs(), Texts(), Us());
  if (outcome.message) Show(*outcome.message);
  if (!outcome.display) return;
  const fluids::WaterDisplay& display = *outcome.display;
  findChild<QLabel*>("ZustandWert")->setText(ToQString(display.state));
  findChild<QLabel*>("DichteWert")->setText(ToQString(display.density));
  findChild<QLabel*>("VolumenWert")->setText(ToQString(display.specificVolume));
  findChild<QLabel*>("ViskositaetWert")->setText(ToQString(display.viscosity));
  shown_ = display;
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(true);
}

void TIAPWSDlg::Uebernehmen1Click() {
  if (!shown_) return;  // nothing calculated for the inputs shown
  HandOver(fluids::WaterTakeOver(ReadInputs(), *shown_, Texts(), Us()));
}

}  // namespace velmora::gui
