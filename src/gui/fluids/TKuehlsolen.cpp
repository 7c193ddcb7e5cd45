#include "fluids/TKuehlsolen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kListWidth = 280;

}  // namespace

TKuehlsolen::TKuehlsolen(const text::TextStore& texts, QWidget* parent)
    : PropertyDialog(texts, fluids::kBrineBlock, parent) {
  setObjectName("Kuehlsolen");
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(Caption("SoleLabel", "SoleLabel"));
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setMinimumWidth(kListWidth);
  left->addWidget(list_, 1);
  layout->addLayout(left);

  auto* right = new QVBoxLayout;
  auto* grid = new QGridLayout;
  grid->addWidget(Caption("BereichLabel", "BereichLabel"), 0, 0, 1, 3);
  grid->addWidget(Caption("BereichTemperaturLabel", "BereichTemperaturLabel"), 1, 0);
  grid->addWidget(Caption("BereichTemperaturWert", {}), 1, 1, 1, 2);
  grid->addWidget(Caption("BereichKonzentrationLabel", "BereichKonzentrationLabel"), 2, 0);
  grid->addWidget(Caption("BereichKonzentrationWert", {}), 2, 1, 1, 2);
  AddTemperatureRow(grid, 3, "TemperaturLabel");
  grid->addWidget(Caption("KonzentrationLabel", "KonzentrationLabel"), 4, 0);
  grid->addWidget(MakeEdit(this, fluids::kBrineConcentrationEdit), 4, 1);
  grid->addWidget(Caption("ProzentLabel", "ProzentLabel"), 4, 2);
  QPushButton* calculate = Button("BerechnenBtn", Text("BerechnenBtn"));
  grid->addWidget(calculate, 5, 1);
  grid->addWidget(Caption("DichteTitel", {}), 6, 0);
  grid->addWidget(Value("DichteWert"), 6, 1);
  grid->addWidget(Caption("ViskositaetTitel", {}), 7, 0);
  grid->addWidget(Value("ViskositaetWert"), 7, 1);
  grid->addWidget(Caption("SchmelzpunktTitel", {}), 8, 0);
  grid->addWidget(Value("SchmelzpunktWert"), 8, 1);
  grid->setColumnStretch(3, 1);
  right->addLayout(grid);
  right->addStretch();
  auto* buttons = new QHBoxLayout;
  QPushButton* takeOver = Button("UebernehmenBtn", Text("UebernehmenBtn"));
  QPushButton* close = Button("SchliessenBtn", Text("SchliessenBtn"));
  buttons->addStretch();
  buttons->addWidget(takeOver);
  buttons->addWidget(close);
  right->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kBrines, buttons);
  layout->addLayout(right, 1);

  for (const std::string& name : fluids::BrineNames(texts)) list_->addItem(ToQString(name));
  ClearResultsOnChange();
  connect(list_, &QListWidget::currentRowChanged, this, &TKuehlsolen::ListBox1Click);
  // The freezing point is shown in the unit of the temperature list.
  connect(findChild<QComboBox*>("TemperaturCombo"), &QComboBox::currentIndexChanged, this,
          &TKuehlsolen::SetResultCaptions);
  connect(calculate, &QPushButton::clicked, this, &TKuehlsolen::Berechnen1Click);
  connect(takeOver, &QPushButton::clicked, this, &TKuehlsolen::Uebernehmen1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  list_->setCurrentRow(0);
  Present(false);
}

fluids::BrineForm TKuehlsolen::ReadInputs() const {
  return {list_->currentRow(), EditText("TemperaturEdit"), ListIndex("TemperaturCombo"),
          EditText(fluids::kBrineConcentrationEdit)};
}

void TKuehlsolen::SetResultCaptions() {
  const fluids::BrineCaptions captions = fluids::BrineResultCaptions(Texts(), Us(), ListIndex("TemperaturCombo"));
  findChild<QLabel*>("DichteTitel")->setText(ToQString(captions.density));
  findChild<QLabel*>("ViskositaetTitel")->setText(ToQString(captions.viscosity));
  findChild<QLabel*>("SchmelzpunktTitel")->setText(ToQString(captions.freezingPoint));
}

void TKuehlsolen::ClearResults() {
  for (const char* name : {"DichteWert", "ViskositaetWert", "SchmelzpunktWert"}) findChild<QLabel*>(name)->clear();
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(false);
  values_.reset();
}

void TKuehlsolen::ListBox1Click() {
  if (list_->currentRow() < 0) return;
  const fluids::BrineRanges ranges = fluids::ShowBrineRanges(list_->currentRow(), Texts());
  findChild<QLabel*>("BereichTemperaturWert")->setText(ToQString(ranges.temperature));
  findChild<QLabel*>("BereichKonzentrationWert")->setText(ToQString(ranges.concentration));
  ClearResults();
}

void TKuehlsolen::Berechnen1Click() {
  ClearResults();
  const fluids::BrineOutcome outcome = fluids::CalculateBrineDialog(ReadInputs(), Texts(), Us());
  if (outcome.values) {
    findChild<QLabel*>("DichteWert")->setText(ToQString(outcome.values->density));
    findChild<QLabel*>("ViskositaetWert")->setText(ToQString(outcome.values->viscosity));
    findChild<QLabel*>("SchmelzpunktWert")->setText(ToQString(outcome.values->freezingPoint));
    findChild<QPushButton*>("UebernehmenBtn")->setEnabled(true);
    values_ = outcome.values;
  }
  if (outcome.message) Show(*outcome.message);
}

void TKuehlsolen::Uebernehmen1Click() {
  if (!values_) return;
  HandOver(fluids::BrineTakeOver(ReadInputs(), *values_, Texts(), Us()));
}

}  // namespace velmora::gui
