#include "fluids/TDaDruDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr int kListWidth = 230;
constexpr int kListHeight = 380;    // about 28 names without scrolling
constexpr int kStepInterval = 300;  // ms between two raises of the step while the control is held

}  // namespace

TDaDruDialog::TDaDruDialog(const text::TextStore& texts, const QString& programFolder, QWidget* parent)
    : PropertyDialog(texts, fluids::kVapourPressureBlock, parent), programFolder_(programFolder) {
  setObjectName("DaDruDialog");
  auto* layout = new QHBoxLayout(this);
  list_ = new QListWidget(this);
  list_->setObjectName("ListBox1");
  list_->setMinimumWidth(kListWidth);
  list_->setMinimumHeight(kListHeight);
  layout->addWidget(list_);

  auto* right = new QVBoxLayout;
  auto* identity = new QGridLayout;
  const char* const rows[][2] = {{"StoffLabel", "NameWert"},
                                 {"FormelLabel", "FormelWert"},
                                 {"MolmasseLabel", "MolmasseWert"},
                                 {"SchmelzpunktLabel", "SchmelzpunktWert"},
                                 {"SiedepunktLabel", "SiedepunktWert"}};
  int row = 0;
  for (const auto& [caption, value] : rows) {
    identity->addWidget(Caption(caption, caption), row, 0);
    identity->addWidget(Caption(value, {}), row, 1);
    ++row;
  }
  identity->setColumnStretch(2, 1);
  right->addLayout(identity);

  auto* state = new QGridLayout;
  state->addWidget(Caption("TemperaturLabel", "TemperaturLabel"), 0, 0);
  auto* temperatureRow = new QHBoxLayout;
  QLineEdit* edit = MakeEdit(this, "TemperaturEdit");
  edit->setReadOnly(true);
  edit->setAlignment(Qt::AlignRight);
  temperatureRow->addWidget(edit);
  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  auto* up = new QToolButton(this);
  up->setObjectName("UpDown1Up");
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(this);
  down->setObjectName("UpDown1Down");
  down->setArrowType(Qt::DownArrow);
  for (QToolButton* arrow : {up, down}) {
    arrow->setAutoRepeat(true);
    arrow->setFixedSize(18, 13);
    arrows->addWidget(arrow);
  }
  temperatureRow->addLayout(arrows);
  temperatureRow->addWidget(Caption("FahrenheitWert", {}));
  temperatureRow->addStretch();
  state->addLayout(temperatureRow, 0, 1);
  state->addWidget(Caption("DampfdruckTitel", {}), 1, 0);
  state->addWidget(Value("DampfdruckWert"), 1, 1, Qt::AlignLeft);
  state->addWidget(Caption("DichteTitel", {}), 2, 0);
  state->addWidget(Value("DichteWert"), 2, 1, Qt::AlignLeft);
  state->setColumnStretch(2, 1);
  right->addSpacing(8);
  right->addLayout(state);
  right->addSpacing(8);
  right->addWidget(Caption("Hinweis1", "Hinweis1"));
  right->addWidget(Caption("Hinweis2", "Hinweis2"));
  right->addStretch();

  auto* buttons = new QGridLayout;
  QPushButton* both = Button("BeideBtn", Text("BeideBtn"));
  QPushButton* pressureOnly = Button("NurDampfdruckBtn", Text("NurDampfdruckBtn"));
  QPushButton* densityOnly = Button("NurDichteBtn", Text("NurDichteBtn"));
  QPushButton* cancel = Button("AbbrechenBtn", Text("AbbrechenBtn"));
  buttons->addWidget(both, 0, 0);
  buttons->addWidget(pressureOnly, 0, 1);
  buttons->addWidget(densityOnly, 1, 0);
  buttons->addWidget(cancel, 1, 1);
  right->addLayout(buttons);
  auto* helpRow = new QHBoxLayout;
  helpRow->addStretch();
  right->addLayout(helpRow);
  InstallHelp(*this, texts, help::topic::kVapourPressureDatabase, helpRow);
  layout->addLayout(right, 1);

  timer_ = new QTimer(this);
  timer_->setObjectName("UpDownTimer");
  timer_->setInterval(kStepInterval);
  connect(timer_, &QTimer::timeout, this, [this] { step_ = fluids::NextUpDownStep(step_); });
  for (QToolButton* arrow : {up, down}) {
    connect(arrow, &QToolButton::pressed, this, [this] {
      if (timer_->isActive()) return;  // a repetition while held
      step_ = 1;
      timer_->start();
    });
    connect(arrow, &QToolButton::released, this, [this, arrow] {
      if (arrow->isDown()) return;  // a repetition while held, not the release
      step_ = 1;
      timer_->stop();
    });
  }
  connect(up, &QToolButton::clicked, this, [this] { StepBy(1); });
  connect(down, &QToolButton::clicked, this, [this] { StepBy(-1); });
  connect(list_, &QListWidget::currentRowChanged, this, &TDaDruDialog::ListBox1Click);
  connect(both, &QPushButton::clicked, this, &TDaDruDialog::BeideClick);
  connect(pressureOnly, &QPushButton::clicked, this, &TDaDruDialog::NurDampfdruckClick);
  connect(densityOnly, &QPushButton::clicked, this, &TDaDruDialog::NurDichteClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  Present(false);
}

const fluids::VapourPressureRecord* TDaDruDialog::Chosen() const {
  const int row = list_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= database_.substances.size()) return nullptr;
  return &database_.substances[static_cast<std::size_t>(row)];
}

void TDaDruDialog::SetResultCaptions() {
  const fluids::VapourPressureCaptions captions = fluids::VapourPressureResultCaptions(Texts());
  findChild<QLabel*>("DampfdruckTitel")->setText(ToQString(captions.vapourPressure));
  findChild<QLabel*>("DichteTitel")->setText(ToQString(captions.density));
}

void TDaDruDialog::ClearResults() {
  for (const char* name : {"DampfdruckWert", "DichteWert"}) findChild<QLabel*>(name)->clear();
  for (const char* name : {"BeideBtn", "NurDampfdruckBtn", "NurDichteBtn"})
    findChild<QPushButton*>(name)->setEnabled(false);
  shown_.reset();
}

void TDaDruDialog::showEvent(QShowEvent* event) {
  PropertyDialog::showEvent(event);
  if (event->spontaneous()) return;
  SetResultCaptions();
  if (!KeepDatabase(fluids::LoadVapourPressureDatabase(std::filesystem::path(ToStdString(programFolder_))),
                    fluids::kVapourPressureFileName, " ", database_)) {
    return;
  }
  const QSignalBlocker block(list_);
  for (const fluids::VapourPressureRecord& substance : database_.substances) list_->addItem(ToQString(substance.name));
  int chosen = list_->count() > 0 ? 0 : -1;
  if (pump_) {
    const std::string name = fluids::PumpMediumName(pump_->medium);
    for (std::size_t i = 0; i < database_.substances.size(); ++i) {
      if (database_.substances[i].name == name) chosen = static_cast<int>(i);
    }
  }
  list_->setCurrentRow(chosen);
  ListBox1Click();
  if (pump_) {
    if (const std::optional<int> t = fluids::WholeDegrees(pump_->temperature)) SetTemperature(*t);
  }
}

void TDaDruDialog::hideEvent(QHideEvent* event) {
  PropertyDialog::hideEvent(event);
  if (event->spontaneous()) return;
  const QSignalBlocker block(list_);
  list_->clear();
  database_ = {};
  ClearResults();
}

void TDaDruDialog::ListBox1Click() {
  const fluids::VapourPressureRecord* substance = Chosen();
  if (substance == nullptr) return;
  const fluids::VapourPressureIdentity identity = fluids::ShowSubstance(*substance, Texts().edition());
  findChild<QLabel*>("NameWert")->setText(ToQString(identity.name));
  findChild<QLabel*>("FormelWert")->setText(ToQString(identity.formula));
  findChild<QLabel*>("MolmasseWert")->setText(ToQString(identity.molarMass));
  findChild<QLabel*>("SchmelzpunktWert")->setText(ToQString(identity.meltingPoint));
  findChild<QLabel*>("SiedepunktWert")->setText(ToQString(identity.boilingPoint));
  range_ = fluids::UpDownRange(*substance);
  temperature_ = range_.lowest;
  Recalculate();
}

void TDaDruDialog::SetTemperature(int t) {
  if (Chosen() == nullptr) return;
  temperature_ = std::clamp(t, range_.lowest, range_.highest);
  Recalculate();
}

void TDaDruDialog::StepBy(int direction) { SetTemperature(temperature_ + direction * step_); }

void TDaDruDialog::Recalculate() {
  ClearResults();
  const fluids::VapourPressureRecord* substance = Chosen();
  if (substance == nullptr) return;
  const fluids::VapourPressureDisplay display = fluids::ShowVapourPressure(*substance, temperature_, Texts());
  findChild<QLineEdit*>("TemperaturEdit")->setText(ToQString(display.temperature));
  findChild<QLabel*>("FahrenheitWert")->setText(ToQString(display.fahrenheit));
  findChild<QLabel*>("DampfdruckWert")->setText(ToQString(display.vapourPressure));
  findChild<QLabel*>("DichteWert")->setText(ToQString(display.density));
  if (!display.valid) return;
  shown_ = display;
  // With the pump quick design visible only the vapour pressure goes over (to it).
  findChild<QPushButton*>("BeideBtn")->setEnabled(!pump_);
  findChild<QPushButton*>("NurDampfdruckBtn")->setEnabled(true);
  findChild<QPushButton*>("NurDichteBtn")->setEnabled(!pump_);
}

void TDaDruDialog::HandOverValues(fluids::VapourPressureTakeOver takeOver) {
  emit ValuesHandedOver(takeOver);
  accept();
}

void TDaDruDialog::BeideClick() {
  if (!shown_ || pump_) return;
  HandOverValues({fluids::VapourPressureTakeOver::Target::Npsh, shown_->vapourPressure, shown_->density, {}});
}

void TDaDruDialog::NurDampfdruckClick() {
  if (!shown_) return;
  if (pump_) {
    HandOverValues(
        {fluids::VapourPressureTakeOver::Target::PumpDesign, shown_->vapourPressure, {}, shown_->temperature});
  } else {
    HandOverValues({fluids::VapourPressureTakeOver::Target::Npsh, shown_->vapourPressure, {}, {}});
  }
}

void TDaDruDialog::NurDichteClick() {
  if (!shown_ || pump_) return;
  HandOverValues({fluids::VapourPressureTakeOver::Target::Npsh, {}, shown_->density, {}});
}

}  // namespace velmora::gui
