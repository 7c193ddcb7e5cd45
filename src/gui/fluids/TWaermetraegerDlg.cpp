#include "fluids/TWaermetraegerDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kListWidth = 430;  // the oils' long names whole

}  // namespace

TWaermetraegerDlg::TWaermetraegerDlg(const text::TextStore& texts, const QString& programFolder, QWidget* parent)
    : PropertyDialog(texts, fluids::kOilBlock, parent) {
  setObjectName("WaermetraegerDlg");
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(Caption("OelLabel", "OelLabel"));
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setMinimumWidth(kListWidth);
  left->addWidget(list_, 1);
  layout->addLayout(left);

  auto* right = new QVBoxLayout;
  auto* grid = new QGridLayout;
  grid->addWidget(Caption("TypLabel", "TypLabel"), 0, 0);
  grid->addWidget(Caption("TypWert", {}), 0, 1, 1, 3);
  AddTemperatureRow(grid, 1, "TemperaturLabel");
  grid->addWidget(Caption("BereichLabel", "BereichLabel"), 1, 3);
  QPushButton* calculate = Button("BerechnenBtn", Text("BerechnenBtn"));
  grid->addWidget(calculate, 2, 1);
  grid->addWidget(Caption("DichteTitel", {}), 3, 0);
  grid->addWidget(Value("DichteWert"), 3, 1);
  grid->addWidget(Caption("ViskositaetTitel", {}), 4, 0);
  grid->addWidget(Value("ViskositaetWert"), 4, 1);
  grid->setColumnStretch(4, 1);
  right->addLayout(grid);
  right->addStretch();
  auto* buttons = new QHBoxLayout;
  QPushButton* takeOver = Button("UebernehmenBtn", Text("UebernehmenBtn"));
  QPushButton* close = Button("SchliessenBtn", Text("SchliessenBtn"));
  buttons->addStretch();
  buttons->addWidget(takeOver);
  buttons->addWidget(close);
  right->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kHeatTransferOils, buttons);
  layout->addLayout(right, 1);

  ClearResultsOnChange();
  connect(list_, &QListWidget::currentRowChanged, this, &TWaermetraegerDlg::ListBox1Click);
  connect(calculate, &QPushButton::clicked, this, &TWaermetraegerDlg::Berechnen1Click);
  connect(takeOver, &QPushButton::clicked, this, &TWaermetraegerDlg::Uebernehmen1Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  Present(false);

  if (!KeepDatabase(fluids::LoadOilDatabase(std::filesystem::path(ToStdString(programFolder))), fluids::kOilFileName,
                    " ", database_)) {
    return;
  }
  ListNames(list_, database_.oils);
}

const fluids::OilRecord* TWaermetraegerDlg::Chosen() const {
  const int row = list_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= database_.oils.size()) return nullptr;
  return &database_.oils[static_cast<std::size_t>(row)];
}

fluids::OilForm TWaermetraegerDlg::ReadInputs() const {
  return {EditText("TemperaturEdit"), ListIndex("TemperaturCombo")};
}

void TWaermetraegerDlg::SetResultCaptions() {
  const fluids::OilCaptions captions = fluids::OilResultCaptions(Texts(), Us());
  findChild<QLabel*>("DichteTitel")->setText(ToQString(captions.density));
  findChild<QLabel*>("ViskositaetTitel")->setText(ToQString(captions.viscosity));
}

void TWaermetraegerDlg::ClearResults() {
  for (const char* name : {"DichteWert", "ViskositaetWert"}) findChild<QLabel*>(name)->clear();
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(false);
  values_.reset();
}

void TWaermetraegerDlg::ListBox1Click() {
  const fluids::OilRecord* oil = Chosen();
  findChild<QLabel*>("TypWert")->setText(oil ? ToQString(fluids::OilTypeText(*oil, Texts())) : QString());
  ClearResults();
}

void TWaermetraegerDlg::Berechnen1Click() {
  const fluids::OilRecord* oil = Chosen();
  if (oil == nullptr) return;
  ClearResults();
  const fluids::OilOutcome outcome = fluids::CalculateOilDialog(*oil, ReadInputs(), Texts(), Us());
  if (outcome.values) {
    findChild<QLabel*>("DichteWert")->setText(ToQString(outcome.values->density));
    findChild<QLabel*>("ViskositaetWert")->setText(ToQString(outcome.values->viscosity));
    findChild<QPushButton*>("UebernehmenBtn")->setEnabled(true);
    values_ = outcome.values;
  }
  if (outcome.message) Show(*outcome.message);
}

void TWaermetraegerDlg::Uebernehmen1Click() {
  const fluids::OilRecord* oil = Chosen();
  if (oil == nullptr || !values_) return;
  HandOver(fluids::OilTakeOver(*oil, ReadInputs(), *values_, Us()));
}

}  // namespace velmora::gui
