#include "calculators/TAusfluss_konstDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
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

using calculators::kOutflowBlock;

// The vessel pictures of cases 1 … 6.
constexpr const char* kPictures[] = {"GEFAESS2", "GEFAESS1", "GEFAESS5", "GEFAESS4", "GEFAESS3", "GEFAESS6"};
constexpr const char* kLengthLists[] = {"ComboBox2", "ComboBox3", "ComboBox4"};

}  // namespace

TAusfluss_konstDlg::TAusfluss_konstDlg(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : CalculatorDialog(texts, kOutflowBlock, std::move(programFolder), parent) {
  setObjectName("Ausfluss_konstDlg");
  auto* layout = new QVBoxLayout(this);
  auto* vessel = new QGroupBox(Text("VesselGroup"), this);
  vessel->setObjectName("GroupBox1");
  auto* vesselRow = new QHBoxLayout(vessel);
  auto* choices = new QVBoxLayout;
  choices->addWidget(RadioGroup("RadioGroup4", "SizeGroup", {"SizeSmall", "SizeLarge"}));
  choices->addWidget(RadioGroup("RadioGroup2", "KindGroup", {"KindSide", "KindBottom"}));
  choices->addWidget(RadioGroup("RadioGroup1", "PressureGroup", {"PressureNone", "PressureOver"}));
  choices->addStretch();
  vesselRow->addLayout(choices);
  vesselRow->addWidget(Picture("Image1"), 0, Qt::AlignTop);
  layout->addWidget(vessel);

  auto* inputs = new QGridLayout;
  const struct {
    const char* label;
    const char* edit;
    const char* unit;
  } rows[] = {{"Label1", "Edit1", "ComboBox2"},
              {"Label2", "Edit2", "ComboBox3"},
              {"Label3", "Edit3", "ComboBox4"},
              {"Label4", "Edit7", "ComboBox6"},
              {"Label5", "Edit8", nullptr}};
  int row = 0;
  for (const auto& r : rows) {
    inputs->addWidget(Caption(r.label), row, 0);
    inputs->addWidget(Edit(r.edit), row, 1);
    if (r.unit != nullptr) inputs->addWidget(Combo(r.unit), row, 2);
    ++row;
  }
  FillUnitList(findChild<QComboBox*>("ComboBox3"), calculators::MetreUnits());
  FillUnitList(findChild<QComboBox*>("ComboBox6"), units::DensityUnits());
  FillUnitList(findChild<QComboBox*>("ComboBox2"), calculators::AreaUnits());
  FillUnitList(findChild<QComboBox*>("ComboBox4"), calculators::PressureUnits());
  QPushButton* database = Button("BitBtn3", "DatabaseBtn");
  inputs->addWidget(database, 4, 2);
  inputs->setColumnStretch(3, 1);
  layout->addLayout(inputs);

  auto* result = new QGroupBox(Text("ResultGroup"), this);
  result->setObjectName("GroupBox2");
  auto* results = new QGridLayout(result);
  results->addWidget(Caption("Label7"), 0, 0);
  results->addWidget(Value("Label8"), 0, 1);
  results->addWidget(Caption("Label12"), 1, 0);
  results->addWidget(Value("Label13"), 1, 1);
  results->addWidget(Caption("Label14", "VelocityNote"), 2, 0);
  results->setColumnStretch(2, 1);
  layout->addWidget(result);

  auto* buttons = new QHBoxLayout;
  QPushButton* calculate = Button("BitBtn1", "CalculateBtn");
  QPushButton* close = Button("BitBtn2", "CloseBtn");
  calculate->setDefault(true);
  buttons->addWidget(calculate);
  buttons->addStretch();
  buttons->addWidget(close);
  InstallHelp(*this, texts, help::topic::kOutflow, buttons);
  layout->addLayout(buttons);

  connect(calculate, &QPushButton::clicked, this, &TAusfluss_konstDlg::BitBtn1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(database, &QPushButton::clicked, this, [this] { emit DatabaseRequested(Chosen("RadioGroup4") == 1); });
  for (QAbstractButton* option : findChildren<QAbstractButton*>()) {
    if (option->isCheckable()) {
      connect(option, &QAbstractButton::toggled, this, [this](bool on) {
        if (on) CaseChanged();
      });
    }
  }
  // In case 5 the three lengths share their unit.
  for (const char* name : kLengthLists) {
    connect(findChild<QComboBox*>(name), &QComboBox::currentIndexChanged, this, [this](int index) {
      if (shownCase_ != 5) return;
      for (const char* other : kLengthLists) SelectEntry(findChild<QComboBox*>(other), index);
    });
  }
  ClearResultsOnChange();
  CaseChanged();
}

void TAusfluss_konstDlg::CaseChanged() {
  const bool large = Chosen("RadioGroup4") == 1;
  const calculators::OutflowForm form = ReadInputs();
  const int outflowCase = form.Case();
  findChild<QWidget*>("RadioGroup1")->setVisible(!large);
  ShowPicture("Image1", kPictures[outflowCase - 1]);
  if ((outflowCase == 5) != (shownCase_ == 5)) {
    shownCase_ = outflowCase;  // before the refill: its signals see the new case
    if (outflowCase == 5) {
      const int unit = ListIndex("ComboBox3");
      FillUnitList(findChild<QComboBox*>("ComboBox2"), calculators::MetreUnits());
      FillUnitList(findChild<QComboBox*>("ComboBox4"), calculators::MetreUnits());
      SelectEntry(findChild<QComboBox*>("ComboBox2"), unit);
      SelectEntry(findChild<QComboBox*>("ComboBox4"), unit);
    } else {
      FillUnitList(findChild<QComboBox*>("ComboBox2"), calculators::AreaUnits());
      FillUnitList(findChild<QComboBox*>("ComboBox4"), calculators::PressureUnits());
    }
  }
  shownCase_ = outflowCase;
  const calculators::OutflowLabels labels = calculators::OutflowCaptions(Texts(), outflowCase);
  SetLabel("Label1", labels.edit1);
  SetLabel("Label2", labels.edit2);
  SetLabel("Label3", labels.edit3);
  SetLabel("Label4", labels.edit7);
  SetLabel("Label5", labels.edit8);
  SetVisible({"Label3", "Edit3", "ComboBox4"}, !labels.edit3.empty());
  SetVisible({"Label4", "Edit7", "ComboBox6"}, !labels.edit7.empty());
  // The window takes the height its inputs need now.
  layout()->activate();
  adjustSize();
}

calculators::OutflowForm TAusfluss_konstDlg::ReadInputs() const {
  calculators::OutflowForm form;
  form.large = Chosen("RadioGroup4") == 1;
  form.bottom = Chosen("RadioGroup2") == 1;
  form.overpressure = Chosen("RadioGroup1") == 1;
  form.edit1 = EditText("Edit1");
  form.edit2 = EditText("Edit2");
  form.edit3 = EditText("Edit3");
  form.edit7 = EditText("Edit7");
  form.edit8 = EditText("Edit8");
  form.unit1 = ListIndex("ComboBox2");
  form.unit2 = ListIndex("ComboBox3");
  form.unit3 = ListIndex("ComboBox4");
  form.unit7 = ListIndex("ComboBox6");
  return form;
}

void TAusfluss_konstDlg::SetResultCaptions() {
  const calculators::ResultCaptions captions = calculators::OutflowResultCaptions(Texts(), Settings().us);
  SetLabel("Label7", captions.first);
  SetLabel("Label12", captions.second);
}

void TAusfluss_konstDlg::ClearResults() {
  findChild<QLabel*>("Label8")->clear();
  findChild<QLabel*>("Label13")->clear();
}

void TAusfluss_konstDlg::BitBtn1Click() {
  ClearResults();
  const calculators::OutflowOutcome outcome = calculators::CalculateOutflowDialog(ReadInputs(), Texts(), Settings());
  ShowOutcome(outcome);
  SetLabel("Label8", outcome.flow);
  SetLabel("Label13", outcome.velocity);
}

void TAusfluss_konstDlg::TakeOverCoefficient(const QString& mu) {
  if (isVisible()) findChild<QLineEdit*>("Edit8")->setText(mu);
}

}  // namespace velmora::gui
