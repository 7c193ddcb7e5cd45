#include "calculators/TInhaltDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calculators/PipelineContent.h"
#include "help/HelpTopics.h"
#include "results/ResultColumn.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

TInhaltDlg::TInhaltDlg(const text::TextStore& texts, QWidget* parent)
    : CalculatorDialog(texts, calculators::kContentBlock, QString(), parent) {
  setObjectName("InhaltDlg");
  auto* layout = new QVBoxLayout(this);
  auto* range = new QHBoxLayout;
  range->addWidget(Caption("Label1", "RangeLabel"));
  from_ = new QSpinBox(this);
  from_->setObjectName("Edit1");
  to_ = new QSpinBox(this);
  to_->setObjectName("Edit2");
  range->addWidget(from_);
  range->addWidget(Caption("Label2", "ToLabel"));
  range->addWidget(to_);
  range->addStretch();
  layout->addLayout(range);
  auto* grid = new QGridLayout;
  grid->addWidget(Caption("Label3", "FlowLabel"), 0, 0);
  grid->addWidget(Edit("Edit3"), 0, 1);
  grid->addWidget(Combo("ComboBox1", calculators::FlowUnits(0)), 0, 2);
  grid->addWidget(Caption("Label8", "ResultTitle"), 1, 0);
  grid->addWidget(Caption("Label4", "ContentLabel"), 2, 0);
  grid->addWidget(Value("Label5"), 2, 1);
  grid->addWidget(Caption("Label6", "TimeLabel"), 3, 0);
  grid->addWidget(Value("Label7"), 3, 1);
  grid->setColumnStretch(3, 1);
  layout->addLayout(grid);
  layout->addWidget(Caption("Label9", "Note1"));
  layout->addWidget(Caption("Label10", "Note2"));
  auto* buttons = new QHBoxLayout;
  QPushButton* again = Button("BitBtn1", "RecalculateBtn");
  again->setDefault(true);
  QPushButton* close = Button("CancelBtn", "CloseBtn");
  buttons->addWidget(again);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kPipelineContent, buttons);
  connect(again, &QPushButton::clicked, this, &TInhaltDlg::BitBtn1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(from_, &QSpinBox::valueChanged, this, &TInhaltDlg::BitBtn1Click);
  connect(to_, &QSpinBox::valueChanged, this, &TInhaltDlg::BitBtn1Click);
  // A change of the flow clears the time only.
  connect(findChild<QLineEdit*>("Edit3"), &QLineEdit::textChanged, this, [this] { SetLabel("Label7", {}); });
  connect(findChild<QComboBox*>("ComboBox1"), &QComboBox::currentIndexChanged, this,
          [this] { SetLabel("Label7", {}); });
}

void TInhaltDlg::ClearResults() {
  SetLabel("Label5", {});
  SetLabel("Label7", {});
}

void TInhaltDlg::Prepare(const results::ResultsTable& table) {
  table_ = &table;
  const int last = std::max(1, table.LastElementColumn());
  {
    const QSignalBlocker a(from_);
    const QSignalBlocker b(to_);
    from_->setRange(1, last);
    to_->setRange(1, last);
    from_->setValue(1);
    to_->setValue(last);
  }
  findChild<QLineEdit*>("Edit3")->setText(ToQString(table.Cell(1, results::row::Flow)));
  SelectEntry(findChild<QComboBox*>("ComboBox1"), Settings().us ? 11 : 0);
  BitBtn1Click();
}

void TInhaltDlg::BitBtn1Click() {
  ClearResults();
  if (table_ == nullptr || table_->LastElementColumn() < 1) return;
  content_ = calculators::PipelineContent(*table_, from_->value(), to_->value(), Texts(), Settings().us);
  SetLabel("Label5", calculators::ContentText(content_, Settings().us, Texts().edition()));
  ShowTime();
}

void TInhaltDlg::ShowTime() {
  calculators::Outcome outcome;
  calculators::FieldReader read(Texts(), outcome);
  const std::optional<long double> flow = read.Number({EditText("Edit3"), Text("FlowLabel").toStdString(), "Edit3"});
  if (!flow) {
    ShowOutcome(outcome);
    return;
  }
  const long double perHour = calculators::InBase(calculators::FlowUnits(0), ListIndex("ComboBox1"), *flow);
  SetLabel("Label7", calculators::FillingTimeText(content_, perHour, Texts().edition()).value_or(std::string()));
}

}  // namespace velmora::gui
