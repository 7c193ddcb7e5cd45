#include "fluids/TMedienDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <filesystem>

#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kListWidth = 230;
constexpr int kListHeight = 380;  // about 28 names without scrolling

}  // namespace

TMedienDialog::TMedienDialog(const text::TextStore& texts, const QString& programFolder, QWidget* parent)
    : PropertyDialog(texts, fluids::kLiquidBlock, parent) {
  setObjectName("MedienDialog");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* layout = new QHBoxLayout(this);

  auto* left = new QVBoxLayout;
  left->addWidget(Caption("FluessigkeitLabel", "FluessigkeitLabel"));
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setMinimumWidth(kListWidth);
  list_->setMinimumHeight(kListHeight);
  left->addWidget(list_, 1);
  layout->addLayout(left);

  auto* right = new QVBoxLayout;
  QLabel* name = Caption("NameWert", {});
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  right->addWidget(name);
  right->addWidget(Caption("FormelWert", {}));
  auto* identity = new QGridLayout;
  identity->addWidget(Caption("SchmelzpunktLabel", "SchmelzpunktLabel"), 0, 0);
  identity->addWidget(Caption("SchmelzpunktWert", {}), 0, 1);
  identity->addWidget(Caption("SiedepunktLabel", "SiedepunktLabel"), 1, 0);
  identity->addWidget(Caption("SiedepunktWert", {}), 1, 1);
  identity->setColumnStretch(2, 1);
  right->addLayout(identity);

  auto* rowBox = new QGroupBox(Text("Messwerte"), this);
  rowBox->setObjectName("MesswerteBox");
  auto* rows = new QGridLayout(rowBox);
  rows->addWidget(Caption("TabTemperaturLabel", "TabTemperaturLabel"), 0, 0);
  rows->addWidget(MakeCombo(this, "TemperaturListe"), 0, 1);
  rows->addWidget(Caption("FahrenheitWert", {}), 0, 2);
  rows->addWidget(Caption("DichteTitel", {}), 1, 0);
  rows->addWidget(Value("DichteWert"), 1, 1);
  rows->addWidget(Caption("ViskositaetTitel", {}), 2, 0);
  rows->addWidget(Value("ViskositaetWert"), 2, 1);
  QPushButton* takeOver = Button("UebernehmenBtn", Text("UebernehmenBtn"));
  rows->addWidget(takeOver, 3, 1);
  rows->setColumnStretch(3, 1);
  right->addWidget(rowBox);

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
  right->addStretch();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* close = Button("SchliessenBtn", Text("SchliessenBtn"));
  buttons->addWidget(close);
  right->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kLiquidDatabase, buttons);
  layout->addLayout(right, 1);

  // The typed temperature and its unit belong to the interpolated values only.
  connect(findChild<QLineEdit*>("TemperaturEdit"), &QLineEdit::textChanged, this, [this] { ClearResults(); });
  connect(findChild<QComboBox*>("TemperaturCombo"), &QComboBox::currentIndexChanged, this, [this] { ClearResults(); });
  connect(list_, &QListWidget::currentRowChanged, this, &TMedienDialog::ListBox1Click);
  connect(findChild<QComboBox*>("TemperaturListe"), &QComboBox::currentIndexChanged, this,
          &TMedienDialog::TemperaturListeChange);
  connect(interpolate, &QPushButton::clicked, this, &TMedienDialog::Interpolieren1Click);
  connect(takeOver, &QPushButton::clicked, this, &TMedienDialog::Uebernehmen1Click);
  connect(takeOver2, &QPushButton::clicked, this, &TMedienDialog::Uebernehmen2Click);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  Present(false);

  if (!KeepDatabase(fluids::LoadLiquidDatabase(std::filesystem::path(ToStdString(programFolder))),
                    fluids::kLiquidFileName, "\n", database_)) {
    return;
  }
  ListNames(list_, database_.liquids);
}

const fluids::LiquidRecord* TMedienDialog::Chosen() const {
  const int row = list_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= database_.liquids.size()) return nullptr;
  return &database_.liquids[static_cast<std::size_t>(row)];
}

fluids::LiquidForm TMedienDialog::ReadInputs() const {
  return {ListIndex("TemperaturListe"), EditText("TemperaturEdit"), ListIndex("TemperaturCombo")};
}

void TMedienDialog::SetResultCaptions() {
  const fluids::LiquidCaptions captions = fluids::LiquidResultCaptions(Texts(), Us());
  for (const char* name : {"DichteTitel", "DichteInterpTitel"})
    findChild<QLabel*>(name)->setText(ToQString(captions.density));
  for (const char* name : {"ViskositaetTitel", "ViskositaetInterpTitel"}) {
    findChild<QLabel*>(name)->setText(ToQString(captions.viscosity));
  }
}

// Only the interpolated values are results of a calculation; the row shown is always that of the
// list's choice.
void TMedienDialog::ClearResults() {
  for (const char* name : {"DichteInterpWert", "ViskositaetInterpWert"}) findChild<QLabel*>(name)->clear();
  findChild<QPushButton*>("Uebernehmen2Btn")->setEnabled(false);
  interpolated_.reset();
}

void TMedienDialog::showEvent(QShowEvent* event) {
  PropertyDialog::showEvent(event);
  if (!event->spontaneous()) ShowRow();  // the row in the display units of this showing
}

void TMedienDialog::ListBox1Click() {
  const fluids::LiquidRecord* liquid = Chosen();
  if (liquid == nullptr) return;
  const fluids::LiquidIdentity identity = fluids::ShowLiquid(*liquid, Texts());
  findChild<QLabel*>("NameWert")->setText(ToQString(identity.name));
  findChild<QLabel*>("FormelWert")->setText(ToQString(identity.formula));
  findChild<QLabel*>("SchmelzpunktWert")->setText(ToQString(identity.meltingPoint));
  findChild<QLabel*>("SiedepunktWert")->setText(ToQString(identity.boilingPoint));
  auto* temperatures = findChild<QComboBox*>("TemperaturListe");
  {
    const QSignalBlocker block(temperatures);
    temperatures->clear();
    for (const std::string& t : identity.temperatures) temperatures->addItem(ToQString(t));
    temperatures->setCurrentIndex(0);
  }
  ClearResults();
  ShowRow();
}

void TMedienDialog::TemperaturListeChange() { ShowRow(); }

void TMedienDialog::ShowRow() {
  const fluids::LiquidRecord* liquid = Chosen();
  row_.reset();
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(false);
  for (const char* name : {"FahrenheitWert", "DichteWert", "ViskositaetWert"}) findChild<QLabel*>(name)->clear();
  if (liquid == nullptr || ListIndex("TemperaturListe") < 0) return;
  const fluids::LiquidRowDisplay display = fluids::ShowLiquidRow(*liquid, ListIndex("TemperaturListe"), Texts(), Us());
  findChild<QLabel*>("FahrenheitWert")->setText(ToQString(display.fahrenheit));
  findChild<QLabel*>("DichteWert")->setText(ToQString(display.values.density));
  findChild<QLabel*>("ViskositaetWert")->setText(ToQString(display.values.viscosity));
  findChild<QPushButton*>("UebernehmenBtn")->setEnabled(true);
  row_ = display.values;
}

void TMedienDialog::Interpolieren1Click() {
  const fluids::LiquidRecord* liquid = Chosen();
  if (liquid == nullptr) return;
  const std::optional<fluids::LiquidOutcome> outcome =
      fluids::InterpolateLiquidDialog(*liquid, ReadInputs(), Texts(), Us());
  if (!outcome) return;  // no temperature typed
  ClearResults();
  if (outcome->values) {
    findChild<QLabel*>("DichteInterpWert")->setText(ToQString(outcome->values->density));
    findChild<QLabel*>("ViskositaetInterpWert")->setText(ToQString(outcome->values->viscosity));
    findChild<QPushButton*>("Uebernehmen2Btn")->setEnabled(true);
    interpolated_ = outcome->values;
  }
  if (outcome->message) Show(*outcome->message);
}

void TMedienDialog::Uebernehmen1Click() {
  const fluids::LiquidRecord* liquid = Chosen();
  if (liquid == nullptr || !row_) return;
  HandOver(fluids::LiquidRowTakeOver(*liquid, ReadInputs(), *row_, Us()));
}

void TMedienDialog::Uebernehmen2Click() {
  const fluids::LiquidRecord* liquid = Chosen();
  if (liquid == nullptr || !interpolated_) return;
  HandOver(fluids::LiquidInterpolatedTakeOver(*liquid, ReadInputs(), *interpolated_, Us()));
}

}  // namespace velmora::gui
