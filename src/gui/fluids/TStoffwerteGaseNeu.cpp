#include "fluids/TStoffwerteGaseNeu.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <filesystem>

#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"
#include "units/Numbers.h"

namespace velmora::gui {
namespace {

constexpr int kListWidth = 210;

}  // namespace

TStoffwerteGaseNeu::TStoffwerteGaseNeu(const text::TextStore& texts, const QString& programFolder, QWidget* parent)
    : PropertyDialog(texts, fluids::kGasBlock, parent) {
  setObjectName("StoffwerteGaseNeu");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* layout = new QHBoxLayout(this);

  auto* left = new QVBoxLayout;
  left->addWidget(Caption("GasLabel", "GasLabel"));
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
  right->addWidget(Caption("CasWert", {}));
  auto* identity = new QGridLayout;
  identity->addWidget(Caption("SchmelzpunktLabel", "SchmelzpunktLabel"), 0, 0);
  identity->addWidget(Caption("SchmelzpunktWert", {}), 0, 1);
  identity->addWidget(Caption("SiedepunktLabel", "SiedepunktLabel"), 1, 0);
  identity->addWidget(Caption("SiedepunktWert", {}), 1, 1);
  identity->addWidget(Caption("KritTempLabel", "KritTempLabel"), 2, 0);
  identity->addWidget(Caption("KritTempWert", {}), 2, 1);
  identity->setColumnStretch(2, 1);
  right->addLayout(identity);
  auto* molarMass = MakeEdit(this, "MolmasseEdit");
  molarMass->setVisible(false);

  auto* pressure = new QGridLayout;
  AddPressureRow(pressure, 0, "DruckLabel");
  pressure->addWidget(Caption("BereichDruck", "BereichDruck"), 0, 3);
  QPushButton* calculate = Button("BerechnenBtn", Text("BerechnenBtn"));
  pressure->addWidget(calculate, 0, 4);
  pressure->addWidget(Caption("SiededruckLabel", "SiededruckLabel"), 1, 0);
  pressure->addWidget(Caption("SiededruckWert", {}), 1, 1, 1, 4);
  pressure->setColumnStretch(5, 1);
  right->addSpacing(6);
  right->addLayout(pressure);

  auto* tableBox = new QGroupBox(Text("Tabellenwerte"), this);
  tableBox->setObjectName("TabellenwerteBox");
  auto* table = new QGridLayout(tableBox);
  table->addWidget(Caption("TabTemperaturLabel", "TabTemperaturLabel"), 0, 0);
  table->addWidget(MakeCombo(this, "TemperaturListe"), 0, 1);
  QLabel* liquid = Caption("FluessigLabel", "Fluessig");
  liquid->setStyleSheet("color: #b00000");
  liquid->setVisible(false);
  table->addWidget(liquid, 1, 0, 1, 3);
  table->addWidget(Caption("DichteTitel", {}), 2, 0);
  table->addWidget(Value("DichteWert"), 2, 1);
  table->addWidget(Caption("ViskositaetTitel", {}), 3, 0);
  table->addWidget(Value("ViskositaetWert"), 3, 1);
  QPushButton* takeOver = Button("UebernehmenBtn", Text("UebernehmenBtn"));
  table->addWidget(takeOver, 4, 1);
  table->setColumnStretch(2, 1);
  right->addWidget(tableBox);

  auto* interpolationBox = new QGroupBox(Text("Interpolieren"), this);
  interpolationBox->setObjectName("InterpolierenBox");
  auto* interpolation = new QGridLayout(interpolationBox);
  AddTemperatureRow(interpolation, 0, "TemperaturLabel");
  QPushButton* interpolate = Button("InterpolierenBtn", Text("InterpolierenBtn"));
  interpolation->addWidget(interpolate, 0, 3);
  interpolation->addWidget(Caption("DichteInterpTitel", {}), 1, 0);
  interpolation->addWidget(Value("DichteInterpWert"), 1, 1);
  interpolation->addWidget(Caption("ViskositaetInterpTitel", {}), 2, 0);
  interpolation->addWidget(Value("ViskositaetInterpWert"), 2, 1);
  QPushButton* takeOver2 = Button("Uebernehmen2Btn", Text("Uebernehmen2Btn"));
  interpolation->addWidget(takeOver2, 3, 1);
  interpolation->setColumnStretch(4, 1);
  right->addWidget(interpolationBox);

  auto* note = new QPlainTextEdit(this);
  note->setObjectName("HinweisMemo");
  note->setReadOnly(true);
  note->setPlainText(Text("Hinweis"));
  note->setMaximumHeight(110);
  right->addWidget(note);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* close = Button("SchliessenBtn", Text("SchliessenBtn"));
  buttons->addWidget(close);
  right->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kGasDatabase, buttons);
  layout->addLayout(right, 1);

  findChild<QLineEdit*>("DruckEdit")->setText(ToQString(fluids::GasForm::Defaults(texts.edition()).pressure));
  // The pressure belongs to both results, the typed temperature only to the interpolated ones.
  connect(findChild<QLineEdit*>("DruckEdit"), &QLineEdit::textChanged, this, [this] { ClearResults(); });
  connect(findChild<QComboBox*>("DruckCombo"), &QComboBox::currentIndexChanged, this, [this] { ClearResults(); });
  connect(findChild<QLineEdit*>("TemperaturEdit"), &QLineEdit::textChanged, this, [this] { ClearInterpolated(); });
  connect(findChild<QComboBox*>("TemperaturCombo"), &QComboBox::currentIndexChanged, this,
          [this] { ClearInterpolated(); });
  connect(list_, &QListWidget::currentRowChanged, this, &TStoffwerteGaseNeu::ListBox1Click);
  connect(findChild<QComboBox*>("TemperaturListe"), &QComboBox::currentIndexChanged, this,
          &TStoffwerteGaseNeu::TemperaturListeChange);
  connect(calculate, &QPushButton::clicked, this, &TStoffwerteGaseNeu::Berechnen1Click);
  connect(interpolate, &QPushButton::clicked, this, &TStoffwerteGaseNeu::Interpolieren1Click);
  connect(takeOver, &QPushButton::clicked, this, &TStoffwerteGaseNeu::Uebernehmen1Click);
  connect(takeOver2, &QPushButton::clicked, this, &TStoffwerteGaseNeu::Uebernehmen2Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  Present(false);

  if (!KeepDatabase(fluids::LoadGasDatabase(std::filesystem::path(ToStdString(programFolder))), fluids::kGasFileName,
                    "\n", database_)) {
    return;
  }
  ListNames(list_, database_.gases);
}

const fluids::GasRecord* TStoffwerteGaseNeu::Chosen() const {
  const int row = list_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= database_.gases.size()) return nullptr;
  return &database_.gases[static_cast<std::size_t>(row)];
}

fluids::GasForm TStoffwerteGaseNeu::ReadInputs() const {
  return {EditText("DruckEdit"), ListIndex("DruckCombo"), ListIndex("TemperaturListe"), EditText("TemperaturEdit"),
          ListIndex("TemperaturCombo")};
}

void TStoffwerteGaseNeu::SetResultCaptions() {
  const fluids::GasCaptions captions = fluids::GasResultCaptions(Texts(), Us());
  for (const char* name : {"DichteTitel", "DichteInterpTitel"})
    findChild<QLabel*>(name)->setText(ToQString(captions.density));
  for (const char* name : {"ViskositaetTitel", "ViskositaetInterpTitel"}) {
    findChild<QLabel*>(name)->setText(ToQString(captions.viscosity));
  }
}

void TStoffwerteGaseNeu::ClearResults() {
  for (const char* name : {"DichteWert", "ViskositaetWert", "SiededruckWert"}) findChild<QLabel*>(name)->clear();
  findChild<QLabel*>("FluessigLabel")->setVisible(false);
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(false);
  table_.reset();
  ClearInterpolated();
}

void TStoffwerteGaseNeu::ClearInterpolated() {
  for (const char* name : {"DichteInterpWert", "ViskositaetInterpWert"}) findChild<QLabel*>(name)->clear();
  findChild<QPushButton*>("Uebernehmen2Btn")->setEnabled(false);
  interpolated_.reset();
}

void TStoffwerteGaseNeu::showEvent(QShowEvent* event) {
  PropertyDialog::showEvent(event);
  if (!event->spontaneous()) Berechnen1Click();  // the table values in the display units of this showing
}

void TStoffwerteGaseNeu::ListBox1Click() {
  const fluids::GasRecord* gas = Chosen();
  if (gas == nullptr) return;
  const fluids::GasIdentity identity = fluids::ShowGas(*gas, Texts());
  findChild<QLabel*>("NameWert")->setText(ToQString(identity.name));
  findChild<QLabel*>("FormelWert")->setText(ToQString(identity.formula));
  findChild<QLabel*>("CasWert")->setText(ToQString(identity.cas));
  findChild<QLabel*>("SchmelzpunktWert")->setText(ToQString(identity.meltingPoint));
  findChild<QLabel*>("SiedepunktWert")->setText(ToQString(identity.boilingPoint));
  findChild<QLabel*>("KritTempWert")->setText(ToQString(identity.criticalTemperature));
  findChild<QLineEdit*>("MolmasseEdit")
      ->setText(ToQString(units::FormatNumber(gas->constants.molarMass, 3, Texts().edition())));
  auto* temperatures = findChild<QComboBox*>("TemperaturListe");
  {
    const QSignalBlocker block(temperatures);
    temperatures->clear();
    for (const std::string& t : identity.temperatures) temperatures->addItem(ToQString(t));
    temperatures->setCurrentIndex(0);
  }
  ClearResults();
  Berechnen1Click();
}

void TStoffwerteGaseNeu::TemperaturListeChange() {
  ClearResults();
  Berechnen1Click();
}

void TStoffwerteGaseNeu::ShowTableOutcome(const fluids::GasOutcome& outcome) {
  findChild<QLabel*>("SiededruckWert")->setText(ToQString(outcome.boilingPoint));
  findChild<QLabel*>("FluessigLabel")->setVisible(outcome.liquid);
  if (outcome.values) {
    findChild<QLabel*>("DichteWert")->setText(ToQString(outcome.values->density));
    findChild<QLabel*>("ViskositaetWert")->setText(ToQString(outcome.values->viscosity));
    findChild<QPushButton*>("UebernehmenBtn")->setEnabled(true);
    table_ = outcome.values;
  }
  if (outcome.message) Show(*outcome.message);
}

void TStoffwerteGaseNeu::Berechnen1Click() {
  const fluids::GasRecord* gas = Chosen();
  if (gas == nullptr) return;
  ClearResults();
  ShowTableOutcome(fluids::CalculateGasTable(*gas, ReadInputs(), Texts(), Us()));
}

void TStoffwerteGaseNeu::Interpolieren1Click() {
  const fluids::GasRecord* gas = Chosen();
  if (gas == nullptr) return;
  const std::optional<fluids::GasOutcome> outcome = fluids::InterpolateGas(*gas, ReadInputs(), Texts(), Us());
  if (!outcome) return;  // no temperature typed
  ClearInterpolated();
  if (outcome->values) {
    findChild<QLabel*>("DichteInterpWert")->setText(ToQString(outcome->values->density));
    findChild<QLabel*>("ViskositaetInterpWert")->setText(ToQString(outcome->values->viscosity));
    findChild<QPushButton*>("Uebernehmen2Btn")->setEnabled(true);
    interpolated_ = outcome->values;
  }
  if (outcome->message) Show(*outcome->message);
}

void TStoffwerteGaseNeu::Uebernehmen1Click() {
  const fluids::GasRecord* gas = Chosen();
  if (gas == nullptr || !table_) return;
  HandOver(fluids::GasTableTakeOver(*gas, ReadInputs(), *table_, Us()));
}

void TStoffwerteGaseNeu::Uebernehmen2Click() {
  const fluids::GasRecord* gas = Chosen();
  if (gas == nullptr || !interpolated_) return;
  HandOver(fluids::GasInterpolatedTakeOver(*gas, ReadInputs(), *interpolated_, Us()));
}

}  // namespace velmora::gui
