#include "calculators/TKanalDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculators/StricklerTable.h"
#include "calculators/TGerinneDlg.h"
#include "help/HelpTopics.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kInfoLines = 9;
constexpr const char* kOptimalAngle = "60";
// The database's lists are wide enough for the longest condition names.
constexpr int kListWidth = 320;

}  // namespace

TKanalDlg::TKanalDlg(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : ChannelDialog(texts, calculators::kChannelDesignBlock, std::move(programFolder), parent) {
  setObjectName("KanalDlg");
  auto* layout = new QVBoxLayout(this);
  QLabel* heading = Caption("Label_Ueberschrift", "Heading");
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);
  auto* flowRow = new QHBoxLayout;
  QLabel* flowLabel = Caption("Label1");
  flowLabel->setText(Text("FlowWord") + ":");
  flowRow->addWidget(flowLabel);
  flowRow->addWidget(Edit("Edit1"));
  QComboBox* flowUnit = Combo("ComboBox1");
  flowUnit->addItems({"m^3/s", "cfs"});
  flowRow->addWidget(flowUnit);
  flowRow->addSpacing(20);
  flowRow->addWidget(Caption("Label_Einheiten", "UnitsNote"));
  flowRow->addWidget(Combo("ComboBox2", calculators::MetreUnits()));
  flowRow->addStretch();
  layout->addLayout(flowRow);
  layout->addWidget(BuildSlope());
  layout->addWidget(BuildRoughness());

  auto* profile = new QGroupBox(Text("ProfileTitle"), this);
  profile->setObjectName("GroupBoxProfil");
  auto* profileRow = new QHBoxLayout(profile);
  auto* left = new QVBoxLayout;
  left->addWidget(RadioGroup("RadioGroup1", {}, {"Shape0", "Shape1", "Shape2", "Shape3"}));
  auto* angleRow = new QHBoxLayout;
  angleRow->addWidget(Caption("Label_Winkel", "AngleLabel"));
  angleRow->addWidget(Edit("Edit2"));
  left->addLayout(angleRow);
  left->addStretch();
  profileRow->addLayout(left);
  profileRow->addWidget(Picture("Image1"), 0, Qt::AlignTop);
  layout->addWidget(profile);

  auto* result = new QGroupBox(Text("ResultTitle"), this);
  result->setObjectName("GroupBoxErgebnis");
  auto* results = new QGridLayout(result);
  results->addWidget(Caption("Label3"), 0, 0);
  results->addWidget(Value("Label4"), 0, 1);
  results->addWidget(Caption("Label9"), 1, 0);
  results->addWidget(Value("Label10"), 1, 1);
  results->addWidget(Caption("Label12"), 2, 0);
  results->addWidget(Value("Label13"), 2, 1);
  results->addWidget(Caption("Label_Info", "InfoTitle"), 3, 0);
  QComboBox* info = Combo("ComboBox3");
  for (int line = 1; line <= kInfoLines; ++line) info->addItem(Text("Info" + std::to_string(line)));
  info->setCurrentIndex(0);
  results->addWidget(info, 3, 1, 1, 2);
  results->setColumnStretch(2, 1);
  layout->addWidget(result);

  auto* buttons = new QHBoxLayout;
  QPushButton* calculate = Button("BitBtn2", "CalculateBtn");
  QPushButton* close = Button("BitBtn3", "CloseBtn");
  calculate->setDefault(true);
  buttons->addWidget(calculate);
  buttons->addStretch();
  buttons->addWidget(close);
  InstallHelp(*this, texts, help::topic::kChannelDesign, buttons);
  layout->addLayout(buttons);

  connect(calculate, &QPushButton::clicked, this, &TKanalDlg::BitBtn2Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  for (int shape = 0; shape < 4; ++shape) {
    connect(findChild<QAbstractButton*>(QString("RadioGroup1_%1").arg(shape)), &QAbstractButton::toggled, this,
            [this, shape](bool on) {
              if (on) ShapeChanged(shape);
            });
  }
  connect(findChild<QComboBox*>("ComboBox2"), &QComboBox::currentIndexChanged, this, [this] { SetSlopeCaptions(); });
  ClearResultsOnChange();
  ShapeChanged(0);
  SetSlopeCaptions();
}

int TKanalDlg::LengthUnit() const { return ListIndex("ComboBox2"); }

void TKanalDlg::ShapeChanged(int shape) {
  ShowPicture("Image1", ChannelPicture(shape, Texts().edition()));
  const bool trapezoid = shape == static_cast<int>(calculators::OptimalShape::Trapezoid);
  SetVisible({"Label_Winkel", "Edit2"}, trapezoid);
  if (trapezoid) findChild<QLineEdit*>("Edit2")->setText(kOptimalAngle);
  SetResultCaptions();
}

void TKanalDlg::SetResultCaptions() {
  const calculators::DesignCaptions captions =
      calculators::ChannelDesignResultCaptions(Texts(), Chosen("RadioGroup1"), Settings().us);
  SetLabel("Label3", captions.velocity);
  SetLabel("Label9", captions.first);
  SetLabel("Label12", captions.second);
}

void TKanalDlg::ClearResults() {
  for (const char* name : {"Label4", "Label10", "Label13"}) findChild<QLabel*>(name)->clear();
}

void TKanalDlg::BitBtn2Click() {
  ClearResults();
  calculators::ChannelDesignForm form;
  form.flow = EditText("Edit1");
  form.flowUnit = ListIndex("ComboBox1");
  form.slope = ReadSlope();
  form.lengthUnit = LengthUnit();
  form.strickler = EditText("Edit7");
  form.shape = Chosen("RadioGroup1");
  form.angle = EditText("Edit2");
  const calculators::ChannelDesignOutcome outcome =
      calculators::CalculateChannelDesignDialog(form, Texts(), Settings());
  ShowOutcome(outcome);
  SetLabel("Label4", outcome.velocity);
  SetLabel("Label10", outcome.first);
  SetLabel("Label13", outcome.second);
}

TDabaStricklerDlg::TDabaStricklerDlg(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : CalculatorDialog(texts, calculators::kStricklerBlock, std::move(programFolder), parent) {
  setObjectName("DabaStricklerDlg");
  auto* layout = new QVBoxLayout(this);
  QLabel* title = Caption("Label_Titel", "Title");
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  layout->addWidget(title);
  auto* grid = new QGridLayout;
  grid->addWidget(Caption("Label_Art", "KindLabel"), 0, 0);
  QComboBox* kinds = Combo("ComboBox1");
  kinds->setMinimumWidth(kListWidth);
  for (const std::string& name : calculators::StricklerKindNames(texts)) kinds->addItem(ToQString(name));
  grid->addWidget(kinds, 0, 1);
  grid->addWidget(Caption("Label_Zustand", "ConditionLabel"), 1, 0);
  grid->addWidget(Combo("ComboBox2"), 1, 1);
  findChild<QComboBox*>("ComboBox2")->setMinimumWidth(kListWidth);
  grid->addWidget(Caption("Label_Beiwert", "CoefficientLabel"), 2, 0);
  QLabel* coefficient = Value("Label14");
  grid->addWidget(coefficient, 2, 1, Qt::AlignLeft);
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);
  auto* buttons = new QHBoxLayout;
  QPushButton* takeOver = Button("BitBtn1", "TakeOverBtn");
  QPushButton* close = Button("BitBtn2", "CloseBtn");
  buttons->addWidget(takeOver);
  buttons->addStretch();
  buttons->addWidget(close);
  InstallHelp(*this, texts, help::topic::kStricklerDatabase, buttons);
  layout->addLayout(buttons);
  connect(takeOver, &QPushButton::clicked, this, &TDabaStricklerDlg::BitBtn1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(kinds, &QComboBox::currentIndexChanged, this, &TDabaStricklerDlg::KindChanged);
  connect(findChild<QComboBox*>("ComboBox2"), &QComboBox::currentIndexChanged, this,
          &TDabaStricklerDlg::ConditionChanged);
  kinds->setCurrentIndex(0);
  KindChanged(0);
}

void TDabaStricklerDlg::KindChanged(int index) {
  auto* conditions = findChild<QComboBox*>("ComboBox2");
  const QSignalBlocker block(conditions);
  conditions->clear();
  for (const std::string& name : calculators::StricklerConditionNames(Texts(), index + 1))
    conditions->addItem(ToQString(name));
  conditions->setCurrentIndex(0);
  ConditionChanged(0);
}

void TDabaStricklerDlg::ConditionChanged(int index) {
  const auto coefficients = calculators::StricklerCoefficients(ListIndex("ComboBox1") + 1);
  const bool inside = index >= 0 && static_cast<std::size_t>(index) < coefficients.size();
  SetLabel("Label14", inside ? std::string(coefficients[static_cast<std::size_t>(index)]) : std::string());
}

void TDabaStricklerDlg::BitBtn1Click() {
  const std::string shown = ToStdString(findChild<QLabel*>("Label14")->text());
  emit CoefficientTakenOver(ToQString(std::string(calculators::StricklerTakeOver(shown))));
  accept();
}

}  // namespace velmora::gui
