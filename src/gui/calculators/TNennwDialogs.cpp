#include "calculators/TNennwDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"
#include "units/Numbers.h"

namespace velmora::gui {

TNennwDialog::TNennwDialog(const text::TextStore& texts, bool gas, QWidget* parent)
    : CalculatorDialog(texts, gas ? calculators::kGasDiameterBlock : calculators::kLiquidDiameterBlock, QString(),
                       parent),
      gas_(gas) {
  setObjectName(gas ? "Nennw_Ga_Dlg" : "Nennw_Fl_Dlg");
  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(Caption("Label1", "FlowLabel"));
  row->addWidget(Edit("Edit_Volumenstrom"));
  row->addWidget(Combo("ComboBox1", calculators::FlowUnits(0)));
  auto* metric = new QCheckBox(Text("CheckBox"), this);
  metric->setObjectName("CheckBox1");
  metric->setChecked(true);
  row->addWidget(metric);
  row->addStretch();
  layout->addLayout(row);
  memo_ = new QPlainTextEdit(this);
  memo_->setObjectName("Memo_Ausgabe");
  memo_->setReadOnly(true);
  memo_->setMinimumSize(520, 300);
  layout->addWidget(memo_);
  auto* buttons = new QHBoxLayout;
  QPushButton* calculate = Button("Btn_Berechnung", "CalculateBtn");
  calculate->setDefault(true);
  QPushButton* close = Button("CancelBtn", "CloseBtn");
  buttons->addWidget(calculate);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  InstallHelp(*this, texts, gas ? help::topic::kEconomicDiameterGases : help::topic::kEconomicDiameterLiquids, buttons);
  connect(calculate, &QPushButton::clicked, this, &TNennwDialog::Btn_BerechnungClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(metric, &QCheckBox::toggled, this, &TNennwDialog::Btn_BerechnungClick);
}

void TNennwDialog::Prepare(const mainform::MainForm& main) {
  auto* flow = findChild<QLineEdit*>("Edit_Volumenstrom");
  memo_->clear();
  if (main.flowKind == 1) {
    flow->clear();
    SelectEntry(findChild<QComboBox*>("ComboBox1"), 0);
  } else {
    flow->setText(ToQString(main.flow));
    const std::string_view name = units::UnitName(units::FlowUnits(0), main.flowUnit);
    const auto list = calculators::FlowUnits(0);
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].name == name) SelectEntry(findChild<QComboBox*>("ComboBox1"), static_cast<int>(i));
    }
    if (units::ParseNumber(main.flow)) Btn_BerechnungClick();
  }
  flow->setFocus();
}

void TNennwDialog::Btn_BerechnungClick() {
  memo_->clear();
  const calculators::EconomicDiameterOutcome outcome = calculators::CalculateEconomicDiameterDialog(
      {EditText("Edit_Volumenstrom"), ListIndex("ComboBox1"), findChild<QCheckBox*>("CheckBox1")->isChecked()}, gas_,
      Texts());
  ShowOutcome(outcome);
  if (outcome.flowText) findChild<QLineEdit*>("Edit_Volumenstrom")->setText(ToQString(*outcome.flowText));
  QStringList lines;
  for (const std::string& line : outcome.memo) lines << ToQString(line);
  memo_->setPlainText(lines.join('\n'));
}

QString TNennwDialog::Report() const { return memo_->toPlainText(); }

}  // namespace velmora::gui
