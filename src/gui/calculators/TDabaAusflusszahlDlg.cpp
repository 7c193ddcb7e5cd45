#include "calculators/TDabaAusflusszahlDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>

#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

// A picture name that carries the edition's letter (its drawing holds words).
QString Lettered(const char* stem, const text::TextStore& texts) { return QString(stem) + QChar(texts.edition()); }

// The common layout of both databases: choices and picture, two inputs with coupled units, μ and
// the three buttons.
void BuildInputs(QGridLayout* grid, QLabel* first, QLineEdit* edit5, QComboBox* unit1, QLabel* second, QLineEdit* edit6,
                 QComboBox* unit2) {
  grid->addWidget(first, 0, 0);
  grid->addWidget(edit5, 0, 1);
  grid->addWidget(unit1, 0, 2);
  grid->addWidget(second, 1, 0);
  grid->addWidget(edit6, 1, 1);
  grid->addWidget(unit2, 1, 2);
  grid->setColumnStretch(3, 1);
}

void ConnectChoices(QDialog* dialog, const std::function<void()>& changed) {
  for (QAbstractButton* option : dialog->findChildren<QAbstractButton*>()) {
    if (option->isCheckable()) {
      QObject::connect(option, &QAbstractButton::toggled, dialog, [changed](bool on) {
        if (on) changed();
      });
    }
  }
}

}  // namespace

TDabaAusflusszahlDlg::TDabaAusflusszahlDlg(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : CalculatorDialog(texts, calculators::kSmallOpeningBlock, std::move(programFolder), parent) {
  setObjectName("DabaAusflusszahlDlg");
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(RadioGroup("RadioGroup2", "ShapeGroup", {"Kind0", "Kind1", "Kind2", "Kind3", "Kind4"}));
  top->addWidget(Picture("Image1"), 0, Qt::AlignTop);
  layout->addLayout(top);
  auto* inputs = new QGridLayout;
  BuildInputs(inputs, Caption("Label5"), Edit("Edit5"), Combo("ComboBox1", calculators::MillimetreUnits()),
              Caption("Label6"), Edit("Edit6"), Combo("ComboBox2", calculators::MillimetreUnits()));
  layout->addLayout(inputs);
  auto* result = new QHBoxLayout;
  result->addWidget(Caption("Label2", "MuLabel"));
  result->addWidget(Value("Label1"));
  result->addStretch();
  layout->addLayout(result);
  auto* buttons = new QHBoxLayout;
  QPushButton* calculate = Button("BitBtn3", "CalculateBtn");
  QPushButton* takeOver = Button("BitBtn1", "TakeOverBtn");
  QPushButton* close = Button("BitBtn2", "CloseBtn");
  buttons->addWidget(calculate);
  buttons->addWidget(takeOver);
  buttons->addStretch();
  buttons->addWidget(close);
  InstallHelp(*this, texts, help::topic::kDischargeCoefficients, buttons);
  layout->addLayout(buttons);
  connect(calculate, &QPushButton::clicked, this, &TDabaAusflusszahlDlg::BitBtn3Click);
  connect(takeOver, &QPushButton::clicked, this, &TDabaAusflusszahlDlg::BitBtn1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  Couple({"ComboBox1", "ComboBox2"});
  ClearResultsOnChange();
  ConnectChoices(this, [this] { KindChanged(Chosen("RadioGroup2")); });
  KindChanged(0);
}

void TDabaAusflusszahlDlg::KindChanged(int kind) {
  constexpr const char* kPictures[] = {"AUSFLUSS1", nullptr, "AUSFLUSS3", "AUSFLUSS4", "AUSFLUSS5"};
  ShowPicture("Image1", kind == 1 ? Lettered("AUSFLUSS2_", Texts()) : QString(kPictures[kind]));
  const calculators::OutflowLabels labels = calculators::SmallOpeningCaptions(Texts(), kind);
  SetLabel("Label5", labels.edit5);
  SetLabel("Label6", labels.edit6);
  SetVisible({"Label5", "Edit5"}, !labels.edit5.empty());
  SetVisible({"Label6", "Edit6", "ComboBox1", "ComboBox2"}, !labels.edit6.empty());
  const bool computed = calculators::ComputedCoefficient(static_cast<calculators::SmallOpening>(kind));
  findChild<QPushButton*>("BitBtn3")->setEnabled(computed);
  ClearResults();
  if (!computed) BitBtn3Click();  // a fixed coefficient is shown at once
}

void TDabaAusflusszahlDlg::ClearResults() {
  findChild<QLabel*>("Label1")->clear();
  takeOver_.clear();
}

void TDabaAusflusszahlDlg::BitBtn3Click() {
  ClearResults();
  const calculators::CoefficientOutcome outcome = calculators::CalculateSmallOpeningDialog(
      {Chosen("RadioGroup2"), EditText("Edit5"), EditText("Edit6"), ListIndex("ComboBox1")}, Texts());
  ShowOutcome(outcome);
  SetLabel("Label1", outcome.shown);
  takeOver_ = ToQString(outcome.takeOver);
}

void TDabaAusflusszahlDlg::BitBtn1Click() {
  if (takeOver_.isEmpty()) return;
  emit CoefficientTakenOver(takeOver_);
  accept();
}

TDabaAusflusszahl_grossDlg::TDabaAusflusszahl_grossDlg(const text::TextStore& texts, QString programFolder,
                                                       QWidget* parent)
    : CalculatorDialog(texts, calculators::kLargeOpeningBlock, std::move(programFolder), parent) {
  setObjectName("DabaAusflusszahl_grossDlg");
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  auto* choices = new QVBoxLayout;
  choices->addWidget(RadioGroup("RadioGroup1", "KindGroup", {"KindSide", "KindBottom"}));
  choices->addWidget(RadioGroup("RadioGroup2", "EdgeGroup", {"EdgeSharp", "EdgeRounded"}));
  choices->addStretch();
  top->addLayout(choices);
  top->addWidget(Picture("Image1"), 0, Qt::AlignTop);
  layout->addLayout(top);
  auto* inputs = new QGridLayout;
  BuildInputs(inputs, Caption("Label5"), Edit("Edit5"), Combo("ComboBox1", calculators::MetreUnits()),
              Caption("Label6"), Edit("Edit6"), Combo("ComboBox2", calculators::MetreUnits()));
  layout->addLayout(inputs);
  auto* result = new QHBoxLayout;
  result->addWidget(Caption("Label2", "MuLabel"));
  result->addWidget(Value("Label1"));
  result->addStretch();
  layout->addLayout(result);
  auto* buttons = new QHBoxLayout;
  QPushButton* calculate = Button("BitBtn3", "CalculateBtn");
  QPushButton* takeOver = Button("BitBtn1", "TakeOverBtn");
  QPushButton* close = Button("BitBtn2", "CloseBtn");
  buttons->addWidget(calculate);
  buttons->addWidget(takeOver);
  buttons->addStretch();
  buttons->addWidget(close);
  InstallHelp(*this, texts, help::topic::kDischargeCoefficients, buttons);
  layout->addLayout(buttons);
  connect(calculate, &QPushButton::clicked, this, &TDabaAusflusszahl_grossDlg::BitBtn3Click);
  connect(takeOver, &QPushButton::clicked, this, &TDabaAusflusszahl_grossDlg::BitBtn1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  Couple({"ComboBox1", "ComboBox2"});
  ClearResultsOnChange();
  ConnectChoices(this, [this] { KindChanged(); });
  KindChanged();
}

void TDabaAusflusszahl_grossDlg::KindChanged() {
  const bool bottom = Chosen("RadioGroup1") == 1;
  const bool rounded = !bottom && Chosen("RadioGroup2") == 1;
  findChild<QWidget*>("RadioGroup2")->setVisible(!bottom);
  ShowPicture("Image1", bottom ? Lettered("AUSFLUSS2_", Texts()) : QString("GAUSFLUSS1"));
  const calculators::OutflowLabels labels = calculators::LargeOpeningCaptions(Texts(), bottom ? 1 : 0);
  SetLabel("Label5", labels.edit5);
  SetLabel("Label6", labels.edit6);
  SetVisible({"Label5", "Edit5", "ComboBox1", "Label6", "Edit6", "ComboBox2"}, !rounded);
  findChild<QPushButton*>("BitBtn3")->setEnabled(!rounded);
  ClearResults();
  if (rounded) BitBtn3Click();  // the range of rounded edges is shown at once
}

void TDabaAusflusszahl_grossDlg::ClearResults() {
  findChild<QLabel*>("Label1")->clear();
  takeOver_.clear();
}

void TDabaAusflusszahl_grossDlg::BitBtn3Click() {
  ClearResults();
  const calculators::CoefficientOutcome outcome = calculators::CalculateLargeOpeningDialog(
      {Chosen("RadioGroup1"), Chosen("RadioGroup2"), EditText("Edit5"), EditText("Edit6"), ListIndex("ComboBox1")},
      Texts());
  ShowOutcome(outcome);
  SetLabel("Label1", outcome.shown);
  takeOver_ = ToQString(outcome.takeOver);
}

void TDabaAusflusszahl_grossDlg::BitBtn1Click() {
  if (takeOver_.isEmpty()) return;
  emit CoefficientTakenOver(takeOver_);
  accept();
}

}  // namespace velmora::gui
