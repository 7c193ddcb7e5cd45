#include "calculators/TAusfluss_veraeDlg.h"

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
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

TAusfluss_veraeDlg::TAusfluss_veraeDlg(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : CalculatorDialog(texts, calculators::kDrainingTimeBlock, std::move(programFolder), parent) {
  setObjectName("Ausfluss_veraeDlg");
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(RadioGroup("RadioGroup1", "ShapeGroup", {"Shape0", "Shape1", "Shape2", "Shape3"}));
  top->addWidget(Picture("Image1"), 0, Qt::AlignTop);
  layout->addLayout(top);
  auto* inputs = new QGridLayout;
  inputs->addWidget(Caption("Label3"), 0, 0);
  inputs->addWidget(Edit("Edit1"), 0, 1);
  inputs->addWidget(Combo("ComboBox2", calculators::MetreUnits()), 0, 2);
  inputs->addWidget(Caption("Label4"), 1, 0);
  inputs->addWidget(Edit("Edit2"), 1, 1);
  inputs->addWidget(Combo("ComboBox3", calculators::MillimetreUnits()), 1, 2);
  inputs->addWidget(Caption("Label5"), 2, 0);
  inputs->addWidget(Edit("Edit3"), 2, 1);
  inputs->addWidget(Combo("ComboBox4", calculators::MetreUnits()), 2, 2);
  inputs->addWidget(Caption("Label6", "MuLabel"), 3, 0);
  inputs->addWidget(Edit("Edit8"), 3, 1);
  QPushButton* database = Button("BitBtn3", "DatabaseBtn");
  inputs->addWidget(database, 3, 2);
  inputs->setColumnStretch(3, 1);
  layout->addLayout(inputs);
  auto* result = new QGroupBox(Text("ResultGroup"), this);
  result->setObjectName("GroupBox2");
  auto* resultRow = new QHBoxLayout(result);
  resultRow->addWidget(Caption("Label1", "TimeLabel"));
  QLabel* time = Value("Label2");
  time->setMinimumWidth(180);
  resultRow->addWidget(time);
  resultRow->addStretch();
  layout->addWidget(result);
  auto* buttons = new QHBoxLayout;
  QPushButton* calculate = Button("BitBtn1", "CalculateBtn");
  QPushButton* close = Button("BitBtn2", "CloseBtn");
  calculate->setDefault(true);
  buttons->addWidget(calculate);
  buttons->addStretch();
  buttons->addWidget(close);
  InstallHelp(*this, texts, help::topic::kDrainingTime, buttons);
  layout->addLayout(buttons);

  connect(calculate, &QPushButton::clicked, this, &TAusfluss_veraeDlg::BitBtn1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(database, &QPushButton::clicked, this, &TAusfluss_veraeDlg::DatabaseRequested);
  for (int shape = 0; shape < 4; ++shape) {
    connect(findChild<QAbstractButton*>(QString("RadioGroup1_%1").arg(shape)), &QAbstractButton::toggled, this,
            [this, shape](bool on) {
              if (on) ShapeChanged(shape);
            });
  }
  Couple({"ComboBox2", "ComboBox3", "ComboBox4"});
  ClearResultsOnChange();
  ShapeChanged(0);
}

void TAusfluss_veraeDlg::ShapeChanged(int shape) {
  ShowPicture("Image1", QString("INSTATIONAER%1").arg(shape + 1));
  const calculators::OutflowLabels labels = calculators::DrainingTimeCaptions(Texts(), shape);
  SetLabel("Label3", labels.edit1);
  SetLabel("Label4", labels.edit2);
  SetLabel("Label5", labels.edit3);
  SetVisible({"Label5", "Edit3", "ComboBox4"}, !labels.edit3.empty());
}

void TAusfluss_veraeDlg::ClearResults() { findChild<QLabel*>("Label2")->clear(); }

void TAusfluss_veraeDlg::BitBtn1Click() {
  ClearResults();
  const calculators::DrainingTimeOutcome outcome =
      calculators::CalculateDrainingTimeDialog({Chosen("RadioGroup1"), EditText("Edit1"), EditText("Edit2"),
                                                EditText("Edit3"), EditText("Edit8"), ListIndex("ComboBox2")},
                                               Texts());
  ShowOutcome(outcome);
  SetLabel("Label2", outcome.shown);
}

void TAusfluss_veraeDlg::TakeOverCoefficient(const QString& mu) {
  if (isVisible()) findChild<QLineEdit*>("Edit8")->setText(mu);
}

}  // namespace velmora::gui
