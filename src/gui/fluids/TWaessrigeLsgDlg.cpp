#include "fluids/TWaessrigeLsgDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <string>

#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

static_assert(fluids::kMixtureSlots == MixtureSlots::kCount);

constexpr int kListWidth = 220;
constexpr std::array<const char*, fluids::kMixtureSlots> kRemoveButtons{"EntfernenBtn1", "EntfernenBtn2",
                                                                        "EntfernenBtn3", "EntfernenBtn4"};

}  // namespace

TWaessrigeLsgDlg::TWaessrigeLsgDlg(const text::TextStore& texts, const QString& programFolder, QWidget* parent)
    : PropertyDialog(texts, fluids::kAqueousBlock, parent) {
  setObjectName("WaessrigeLsgDlg");
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(Caption("StoffLabel", "StoffLabel"));
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setMinimumWidth(kListWidth);
  left->addWidget(list_, 1);
  layout->addLayout(left);

  auto* right = new QVBoxLayout;
  QLabel* name = Caption("NameWert", {});
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  right->addWidget(name);
  right->addWidget(Caption("FormelWert", {}));

  auto* single = new QGroupBox(Text("Einzelstoff"), this);
  single->setObjectName("EinzelstoffBox");
  auto* grid = new QGridLayout(single);
  AddTemperatureRow(grid, 0, "TemperaturLabel");
  grid->addWidget(Caption("BereichLabel", "BereichLabel"), 0, 3);
  grid->addWidget(Caption("KonzentrationLabel", "KonzentrationLabel"), 1, 0);
  grid->addWidget(MakeEdit(this, fluids::kAqueousConcentrationEdit), 1, 1);
  QPushButton* calculate = Button("BerechnenBtn", Text("BerechnenBtn"));
  grid->addWidget(calculate, 1, 3);
  grid->addWidget(Caption("DichteTitel", {}), 2, 0);
  grid->addWidget(Value("DichteWert"), 2, 1);
  grid->addWidget(Caption("ViskositaetTitel", {}), 3, 0);
  grid->addWidget(Value("ViskositaetWert"), 3, 1);
  QPushButton* takeOver = Button("UebernehmenBtn", Text("UebernehmenBtn"));
  grid->addWidget(takeOver, 3, 3);
  grid->setColumnStretch(4, 1);
  right->addWidget(single);

  auto* mixtureBox = new QGroupBox(Text("Mischung"), this);
  mixtureBox->setObjectName("MischungBox");
  auto* mixture = new QGridLayout(mixtureBox);
  QPushButton* add = Button("InMischungBtn", Text("InMischungBtn"));
  mixture->addWidget(add, 0, 0, 1, 2);
  mixture->addWidget(Caption("KonzLabel", "KonzLabel"), 0, 2);
  for (std::size_t k = 0; k < fluids::kMixtureSlots; ++k) {
    const int row = static_cast<int>(k) + 1;
    QLineEdit* slot = slots_.MakeEdit(this, k);
    mixture->addWidget(slot, row, 0, 1, 2);
    mixture->addWidget(MakeEdit(this, fluids::kMixtureConcentrationEdits[k]), row, 2);
    QPushButton* remove = Button(kRemoveButtons[k], Text("EntfernenBtn"));
    mixture->addWidget(remove, row, 3);
    connect(remove, &QPushButton::clicked, this, [this, k] { Entfernen1Click(static_cast<int>(k)); });
  }
  mixture->addWidget(Caption("MischTemperaturLabel", "MischTemperaturLabel"), 5, 0);
  mixture->addWidget(MakeEdit(this, fluids::kMixtureTemperatureEdit), 5, 1);
  QComboBox* unit = MakeCombo(this, "MischTemperaturCombo");
  FillUnitList(unit, units::TemperatureUnits());
  mixture->addWidget(unit, 5, 2);
  QPushButton* calculateMixture = Button("MischungBerechnenBtn", Text("MischungBerechnenBtn"));
  mixture->addWidget(calculateMixture, 5, 3);
  mixture->addWidget(Caption("MischDichteTitel", {}), 6, 0);
  mixture->addWidget(Value("MischDichteWert"), 6, 1);
  mixture->addWidget(Caption("MischViskositaetTitel", {}), 7, 0);
  mixture->addWidget(Value("MischViskositaetWert"), 7, 1);
  QPushButton* takeOverMixture = Button("MischungUebernehmenBtn", Text("MischungUebernehmenBtn"));
  mixture->addWidget(takeOverMixture, 7, 2, 1, 2);
  right->addWidget(mixtureBox);

  auto* buttons = new QHBoxLayout;
  QPushButton* close = Button("SchliessenBtn", Text("SchliessenBtn"));
  buttons->addStretch();
  buttons->addWidget(close);
  right->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kAqueousSolutions, buttons);
  layout->addLayout(right, 1);

  ClearResultsOnChange();
  connect(list_, &QListWidget::currentRowChanged, this, &TWaessrigeLsgDlg::ListBox1Click);
  connect(list_, &QListWidget::itemDoubleClicked, this, &TWaessrigeLsgDlg::InMischungClick);
  connect(calculate, &QPushButton::clicked, this, &TWaessrigeLsgDlg::Berechnen1Click);
  connect(takeOver, &QPushButton::clicked, this, &TWaessrigeLsgDlg::Uebernehmen1Click);
  connect(add, &QPushButton::clicked, this, &TWaessrigeLsgDlg::InMischungClick);
  connect(calculateMixture, &QPushButton::clicked, this, &TWaessrigeLsgDlg::MischungBerechnenClick);
  connect(takeOverMixture, &QPushButton::clicked, this, &TWaessrigeLsgDlg::MischungUebernehmenClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  Present(false);

  if (!KeepDatabase(fluids::LoadAqueousDatabase(std::filesystem::path(ToStdString(programFolder))),
                    fluids::kAqueousFileName, " ", database_)) {
    return;
  }
  ListNames(list_, database_.solutes);
}

const fluids::SoluteRecord* TWaessrigeLsgDlg::Chosen() const {
  const int row = list_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= database_.solutes.size()) return nullptr;
  return &database_.solutes[static_cast<std::size_t>(row)];
}

fluids::AqueousForm TWaessrigeLsgDlg::ReadInputs() const {
  return {EditText("TemperaturEdit"), ListIndex("TemperaturCombo"), EditText(fluids::kAqueousConcentrationEdit)};
}

fluids::MixtureForm TWaessrigeLsgDlg::ReadMixture() const {
  fluids::MixtureForm form;
  for (std::size_t k = 0; k < fluids::kMixtureSlots; ++k) {
    if (slots_.Row(k) >= 0) form.solutes[k] = &database_.solutes[static_cast<std::size_t>(slots_.Row(k))];
    form.concentrations[k] = EditText(fluids::kMixtureConcentrationEdits[k]);
  }
  form.temperature = EditText(fluids::kMixtureTemperatureEdit);
  form.temperatureUnit = ListIndex("MischTemperaturCombo");
  return form;
}

void TWaessrigeLsgDlg::SetResultCaptions() {
  const fluids::AqueousCaptions captions = fluids::AqueousResultCaptions(Texts(), Us());
  for (const char* name : {"DichteTitel", "MischDichteTitel"})
    findChild<QLabel*>(name)->setText(ToQString(captions.density));
  for (const char* name : {"ViskositaetTitel", "MischViskositaetTitel"}) {
    findChild<QLabel*>(name)->setText(ToQString(captions.viscosity));
  }
}

void TWaessrigeLsgDlg::ClearResults() {
  for (const char* name : {"DichteWert", "ViskositaetWert", "MischDichteWert", "MischViskositaetWert"}) {
    findChild<QLabel*>(name)->clear();
  }
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(false);
  findChild<QPushButton*>("MischungUebernehmenBtn")->setEnabled(false);
  values_.reset();
  mixture_.reset();
}

void TWaessrigeLsgDlg::ListBox1Click() {
  const fluids::SoluteRecord* solute = Chosen();
  findChild<QLabel*>("NameWert")->setText(solute ? ToQString(solute->name) : QString());
  findChild<QLabel*>("FormelWert")->setText(solute ? ToQString(solute->shortText) : QString());
  ClearResults();
}

void TWaessrigeLsgDlg::Berechnen1Click() {
  const fluids::SoluteRecord* solute = Chosen();
  if (solute == nullptr) return;
  ClearResults();
  const fluids::AqueousOutcome outcome = fluids::CalculateAqueousDialog(*solute, ReadInputs(), Texts(), Us());
  if (outcome.values) {
    findChild<QLabel*>("DichteWert")->setText(ToQString(outcome.values->density));
    findChild<QLabel*>("ViskositaetWert")->setText(ToQString(outcome.values->viscosity));
    findChild<QPushButton*>("UebernehmenBtn")->setEnabled(true);
    values_ = outcome.values;
  }
  if (outcome.message) Show(*outcome.message);
}

void TWaessrigeLsgDlg::Uebernehmen1Click() {
  const fluids::SoluteRecord* solute = Chosen();
  if (solute == nullptr || !values_) return;
  HandOver(fluids::AqueousTakeOver(*solute, ReadInputs(), *values_, Texts(), Us()));
}

void TWaessrigeLsgDlg::InMischungClick() {
  const fluids::SoluteRecord* chosen = Chosen();
  if (chosen != nullptr && slots_.Add(list_->currentRow(), ToQString(chosen->name))) ClearResults();
}

void TWaessrigeLsgDlg::Entfernen1Click(int slot) {
  if (slot < 0 || slot >= static_cast<int>(MixtureSlots::kCount)) return;
  slots_.Remove(static_cast<std::size_t>(slot));
  ClearResults();
}

void TWaessrigeLsgDlg::MischungBerechnenClick() {
  ClearResults();
  const fluids::AqueousOutcome outcome = fluids::CalculateMixtureDialog(ReadMixture(), Texts(), Us());
  if (outcome.values) {
    findChild<QLabel*>("MischDichteWert")->setText(ToQString(outcome.values->density));
    findChild<QLabel*>("MischViskositaetWert")->setText(ToQString(outcome.values->viscosity));
    findChild<QPushButton*>("MischungUebernehmenBtn")->setEnabled(true);
    mixture_ = outcome.values;
  }
  if (outcome.message) Show(*outcome.message);
}

void TWaessrigeLsgDlg::MischungUebernehmenClick() {
  if (!mixture_) return;
  HandOver(fluids::MixtureTakeOver(ReadMixture(), *mixture_, Texts(), Us()));
}

}  // namespace velmora::gui
