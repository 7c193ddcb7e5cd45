#include "fluids/TStoffdaten_berechnenDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <filesystem>

#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

static_assert(fluids::kEstimateSlots == MixtureSlots::kCount);

constexpr int kListWidth = 260;
constexpr int kListHeight = 420;
constexpr std::array<const char*, fluids::kEstimateSlots> kRemoveButtons{"EntfernenBtn1", "EntfernenBtn2",
                                                                         "EntfernenBtn3", "EntfernenBtn4"};

}  // namespace

TStoffdaten_berechnenDlg::TStoffdaten_berechnenDlg(const text::TextStore& texts, const QString& programFolder,
                                                   QWidget* parent)
    : PropertyDialog(texts, fluids::kEstimateBlock, parent) {
  setObjectName("Stoffdaten_berechnenDlg");
  auto* layout = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(Caption("SuchLabel", "SuchLabel"));
  left->addWidget(MakeEdit(this, "SuchEdit"));
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setMinimumSize(kListWidth, kListHeight);
  left->addWidget(list_, 1);
  layout->addLayout(left);

  auto* right = new QVBoxLayout;
  auto* identity = new QGridLayout;
  QLabel* name = Caption("NameWert", {});
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  identity->addWidget(name, 0, 0, 1, 2);
  identity->addWidget(Caption("FormelWert", {}), 1, 0, 1, 2);
  const char* const rows[][2] = {{"CasLabel", "CasWert"},
                                 {"SchmelzpunktLabel", "SchmelzpunktWert"},
                                 {"SiedepunktLabel", "SiedepunktWert"},
                                 {"KritTempLabel", "KritTempWert"}};
  for (int i = 0; i < 4; ++i) {
    identity->addWidget(Caption(rows[i][0], rows[i][0]), i + 2, 0);
    identity->addWidget(Caption(rows[i][1], {}), i + 2, 1);
  }
  identity->setColumnStretch(1, 1);
  right->addLayout(identity);

  auto* single = new QGroupBox(Text("Einzelstoff"), this);
  single->setObjectName("EinzelstoffBox");
  auto* grid = new QGridLayout(single);
  AddPressureRow(grid, 0, "DruckLabel");
  grid->addWidget(Caption("BereichDruck", "BereichDruck"), 0, 3);
  AddTemperatureRow(grid, 1, "TemperaturLabel");
  QPushButton* calculate = Button("BerechnenBtn", Text("BerechnenBtn"));
  grid->addWidget(calculate, 1, 3);
  grid->addWidget(Caption("ZustandLabel", "ZustandLabel"), 2, 0);
  grid->addWidget(Value("ZustandWert"), 2, 1);
  grid->addWidget(Caption("SiededruckLabel", "SiededruckLabel"), 3, 0);
  grid->addWidget(Caption("SiededruckWert", {}), 3, 1, 1, 3);
  grid->addWidget(Caption("DichteTitel", {}), 4, 0);
  grid->addWidget(Value("DichteWert"), 4, 1);
  grid->addWidget(Caption("ViskositaetTitel", {}), 5, 0);
  grid->addWidget(Value("ViskositaetWert"), 5, 1);
  QPushButton* takeOver = Button("UebernehmenBtn", Text("UebernehmenBtn"));
  grid->addWidget(takeOver, 5, 3);
  grid->setColumnStretch(4, 1);
  right->addWidget(single);

  auto* mixtureBox = new QGroupBox(Text("Mischung"), this);
  mixtureBox->setObjectName("MischungBox");
  auto* mixture = new QGridLayout(mixtureBox);
  QPushButton* add = Button("InMischungBtn", Text("InMischungBtn"));
  mixture->addWidget(add, 0, 0);
  auto* mass = new QRadioButton(Text("MassenAnteilRadio"), this);
  mass->setObjectName("MassenAnteilRadio");
  mass->setChecked(true);
  auto* mole = new QRadioButton(Text("MolAnteilRadio"), this);
  mole->setObjectName("MolAnteilRadio");
  mixture->addWidget(mass, 0, 1);
  mixture->addWidget(mole, 0, 2, 1, 2);
  for (std::size_t k = 0; k < fluids::kEstimateSlots; ++k) {
    const int row = static_cast<int>(k) + 1;
    QLineEdit* slot = slots_.MakeEdit(this, k);
    mixture->addWidget(slot, row, 0);
    mixture->addWidget(MakeEdit(this, fluids::kFractionEdits[k]), row, 1);
    QPushButton* remove = Button(kRemoveButtons[k], Text("EntfernenBtn"));
    mixture->addWidget(remove, row, 2, 1, 2);
    connect(remove, &QPushButton::clicked, this, [this, k] { Entfernen1Click(static_cast<int>(k)); });
  }
  mixture->addWidget(Caption("MischDruckLabel", "MischDruckLabel"), 5, 0);
  mixture->addWidget(MakeEdit(this, fluids::kMixtureControls.pressure), 5, 1);
  QComboBox* pressureUnit = MakeCombo(this, "MischDruckCombo");
  FillUnitList(pressureUnit, units::PressureUnits());
  mixture->addWidget(pressureUnit, 5, 2);
  mixture->addWidget(Caption("MischTemperaturLabel", "MischTemperaturLabel"), 6, 0);
  mixture->addWidget(MakeEdit(this, fluids::kMixtureControls.temperature), 6, 1);
  QComboBox* temperatureUnit = MakeCombo(this, "MischTemperaturCombo");
  FillUnitList(temperatureUnit, units::TemperatureUnits());
  mixture->addWidget(temperatureUnit, 6, 2);
  QPushButton* calculateMixture = Button("MischungBerechnenBtn", Text("MischungBerechnenBtn"));
  mixture->addWidget(calculateMixture, 6, 3);
  const char* const results[][2] = {{"ZustandLabel", "MischZustandWert"},
                                    {"KritTempLabel", "MischKritTempWert"},
                                    {"SiededruckLabel", "MischSiededruckWert"}};
  for (int i = 0; i < 3; ++i) {
    mixture->addWidget(Caption((std::string("Misch") + results[i][0]).c_str(), results[i][0]), 7 + i, 0);
    mixture->addWidget(i == 0 ? Value(results[i][1]) : Caption(results[i][1], {}), 7 + i, 1, 1, i == 0 ? 1 : 3);
  }
  mixture->addWidget(Caption("MischDichteTitel", {}), 10, 0);
  mixture->addWidget(Value("MischDichteWert"), 10, 1);
  mixture->addWidget(Caption("MischViskositaetTitel", {}), 11, 0);
  mixture->addWidget(Value("MischViskositaetWert"), 11, 1);
  QPushButton* takeOverMixture = Button("MischungUebernehmenBtn", Text("MischungUebernehmenBtn"));
  mixture->addWidget(takeOverMixture, 11, 2, 1, 2);
  right->addWidget(mixtureBox);

  auto* buttons = new QHBoxLayout;
  QPushButton* close = Button("SchliessenBtn", Text("SchliessenBtn"));
  buttons->addStretch();
  buttons->addWidget(close);
  right->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kEstimateProperties, buttons);
  layout->addLayout(right, 1);

  const std::string pressure = fluids::EstimateForm::Defaults(texts.edition()).pressure;
  findChild<QLineEdit*>("DruckEdit")->setText(ToQString(pressure));
  findChild<QLineEdit*>(fluids::kMixtureControls.pressure)->setText(ToQString(pressure));
  ClearResultsOnChange();
  connect(list_, &QListWidget::currentRowChanged, this, &TStoffdaten_berechnenDlg::ListBox1Click);
  connect(list_, &QListWidget::itemDoubleClicked, this, &TStoffdaten_berechnenDlg::InMischungClick);
  connect(findChild<QLineEdit*>("SuchEdit"), &QLineEdit::textEdited, this, &TStoffdaten_berechnenDlg::SuchEditChange);
  connect(calculate, &QPushButton::clicked, this, &TStoffdaten_berechnenDlg::Berechnen1Click);
  connect(takeOver, &QPushButton::clicked, this, &TStoffdaten_berechnenDlg::Uebernehmen1Click);
  connect(add, &QPushButton::clicked, this, &TStoffdaten_berechnenDlg::InMischungClick);
  connect(calculateMixture, &QPushButton::clicked, this, &TStoffdaten_berechnenDlg::MischungBerechnenClick);
  connect(takeOverMixture, &QPushButton::clicked, this, &TStoffdaten_berechnenDlg::MischungUebernehmenClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  Present(false);

  if (!KeepDatabase(fluids::LoadSubstanceDatabase(std::filesystem::path(ToStdString(programFolder))),
                    fluids::kSubstanceFileName, " ", database_)) {
    return;
  }
  ListNames(list_, database_.substances);
}

const fluids::SubstanceRecord* TStoffdaten_berechnenDlg::Chosen() const {
  const int row = list_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= database_.substances.size()) return nullptr;
  return &database_.substances[static_cast<std::size_t>(row)];
}

fluids::EstimateForm TStoffdaten_berechnenDlg::ReadSingle() const {
  return {EditText("DruckEdit"), ListIndex("DruckCombo"), EditText("TemperaturEdit"), ListIndex("TemperaturCombo")};
}

fluids::EstimateMixtureForm TStoffdaten_berechnenDlg::ReadMixture() const {
  fluids::EstimateMixtureForm form;
  form.state = {EditText(fluids::kMixtureControls.pressure), ListIndex("MischDruckCombo"),
                EditText(fluids::kMixtureControls.temperature), ListIndex("MischTemperaturCombo")};
  for (std::size_t k = 0; k < fluids::kEstimateSlots; ++k) {
    if (slots_.Row(k) >= 0) form.substances[k] = &database_.substances[static_cast<std::size_t>(slots_.Row(k))];
    form.fractions[k] = EditText(fluids::kFractionEdits[k]);
  }
  form.kind =
      findChild<QRadioButton*>("MolAnteilRadio")->isChecked() ? fluids::FractionKind::Mole : fluids::FractionKind::Mass;
  return form;
}

void TStoffdaten_berechnenDlg::SetResultCaptions() {
  const fluids::EstimateCaptions captions = fluids::EstimateResultCaptions(Texts(), Us());
  for (const char* name : {"DichteTitel", "MischDichteTitel"})
    findChild<QLabel*>(name)->setText(ToQString(captions.density));
  for (const char* name : {"ViskositaetTitel", "MischViskositaetTitel"}) {
    findChild<QLabel*>(name)->setText(ToQString(captions.viscosity));
  }
}

void TStoffdaten_berechnenDlg::ClearResults() {
  for (const char* name : {"ZustandWert", "SiededruckWert", "DichteWert", "ViskositaetWert", "MischZustandWert",
                           "MischKritTempWert", "MischSiededruckWert", "MischDichteWert", "MischViskositaetWert"}) {
    findChild<QLabel*>(name)->clear();
  }
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(false);
  findChild<QPushButton*>("MischungUebernehmenBtn")->setEnabled(false);
  single_.reset();
  mixture_.reset();
}

void TStoffdaten_berechnenDlg::ListBox1Click() {
  const fluids::SubstanceRecord* substance = Chosen();
  if (substance == nullptr) return;
  const fluids::SubstanceIdentity identity = fluids::ShowSubstance(*substance, Texts());
  findChild<QLabel*>("NameWert")->setText(ToQString(identity.name));
  findChild<QLabel*>("FormelWert")->setText(ToQString(identity.formula));
  findChild<QLabel*>("CasWert")->setText(ToQString(identity.cas));
  findChild<QLabel*>("SchmelzpunktWert")->setText(ToQString(identity.meltingPoint));
  findChild<QLabel*>("SiedepunktWert")->setText(ToQString(identity.boilingPoint));
  findChild<QLabel*>("KritTempWert")->setText(ToQString(identity.criticalTemperature));
  ClearResults();
}

void TStoffdaten_berechnenDlg::SuchEditChange() {
  const QString typed = findChild<QLineEdit*>("SuchEdit")->text().trimmed();
  if (typed.isEmpty()) return;
  for (const Qt::MatchFlags flags : {Qt::MatchStartsWith, Qt::MatchContains}) {
    const QList<QListWidgetItem*> found = list_->findItems(typed, flags);
    if (!found.isEmpty()) {
      list_->setCurrentItem(found.front());
      return;
    }
  }
}

void TStoffdaten_berechnenDlg::Berechnen1Click() {
  const fluids::SubstanceRecord* substance = Chosen();
  if (substance == nullptr) return;
  ClearResults();
  const fluids::EstimateDialogOutcome outcome =
      fluids::CalculateEstimateDialog(*substance, ReadSingle(), Texts(), Us());
  findChild<QLabel*>("SiededruckWert")->setText(ToQString(outcome.boilingPoint));
  if (outcome.values) {
    findChild<QLabel*>("ZustandWert")->setText(ToQString(outcome.values->state));
    findChild<QLabel*>("DichteWert")->setText(ToQString(outcome.values->density));
    findChild<QLabel*>("ViskositaetWert")->setText(ToQString(outcome.values->viscosity));
    findChild<QPushButton*>("UebernehmenBtn")->setEnabled(true);
    single_ = outcome.values;
  }
  if (outcome.message) Show(*outcome.message);
}

void TStoffdaten_berechnenDlg::Uebernehmen1Click() {
  const fluids::SubstanceRecord* substance = Chosen();
  if (substance == nullptr || !single_) return;
  HandOver(fluids::EstimateTakeOver(substance->name, ReadSingle(), *single_, Us()));
}

void TStoffdaten_berechnenDlg::InMischungClick() {
  const fluids::SubstanceRecord* chosen = Chosen();
  if (chosen != nullptr && slots_.Add(list_->currentRow(), ToQString(chosen->name))) ClearResults();
}

void TStoffdaten_berechnenDlg::Entfernen1Click(int slot) {
  if (slot < 0 || slot >= static_cast<int>(MixtureSlots::kCount)) return;
  slots_.Remove(static_cast<std::size_t>(slot));
  ClearResults();
}

void TStoffdaten_berechnenDlg::MischungBerechnenClick() {
  ClearResults();
  const fluids::EstimateDialogOutcome outcome = fluids::CalculateEstimateMixtureDialog(ReadMixture(), Texts(), Us());
  if (outcome.values) {
    findChild<QLabel*>("MischZustandWert")->setText(ToQString(outcome.values->state));
    findChild<QLabel*>("MischKritTempWert")->setText(ToQString(outcome.criticalTemperature));
    findChild<QLabel*>("MischSiededruckWert")->setText(ToQString(outcome.boilingPoint));
    findChild<QLabel*>("MischDichteWert")->setText(ToQString(outcome.values->density));
    findChild<QLabel*>("MischViskositaetWert")->setText(ToQString(outcome.values->viscosity));
    findChild<QPushButton*>("MischungUebernehmenBtn")->setEnabled(true);
    mixture_ = outcome.values;
  }
  if (outcome.message) Show(*outcome.message);
}

void TStoffdaten_berechnenDlg::MischungUebernehmenClick() {
  if (!mixture_) return;
  HandOver(fluids::EstimateTakeOver(fluids::MixtureWord(Texts()), ReadMixture().state, *mixture_, Us()));
}

}  // namespace velmora::gui
