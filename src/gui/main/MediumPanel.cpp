#include "main/MediumPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

#include "text/GlobalTexts.h"
#include "toolkit/Controls.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

// The disabled gas labels are grey (RGB 128, 128, 128) as the designer drew them.
const QColor kDisabledLabel(128, 128, 128);

}  // namespace

MediumPanel::MediumPanel(const text::TextStore& texts, QWidget* parent) : QGroupBox(parent), texts_(texts) {
  setObjectName("Medium_Fenster");
  auto* grid = new QGridLayout(this);
  auto* title = MakeLabel(this, "Ueberschrift_Medium");
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  auto* hints = new QToolButton(this);
  hints->setObjectName("ToolButton17");
  hints->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  hints->setAutoRaise(true);
  grid->addWidget(title, 0, 0, 1, 2);
  grid->addWidget(hints, 0, 2, Qt::AlignRight);

  // One row: a caption (a label or a kind list), the edit, the unit list.
  int row = 1;
  const auto addRow = [&](QWidget* caption, const char* edit, QComboBox* unit) {
    grid->addWidget(caption, row, 0);
    grid->addWidget(MakeEdit(this, edit), row, 1);
    grid->addWidget(unit, row, 2);
    ++row;
  };
  grid->addWidget(MakeLabel(this, "Medium_Titel"), row, 0);
  grid->addWidget(MakeEdit(this, "Eingabe_Medium"), row, 1, 1, 2);
  ++row;
  flowKind_ = MakeCombo(this, "ComboBox4");
  flowKind_->addItems({QString(), QString()});
  flowUnit_ = MakeCombo(this, "ComboBox1");
  addRow(flowKind_, "Eingabe_Volumenstrom", flowUnit_);
  auto* densityUnit = MakeCombo(this, "ComboBox2");
  FillUnitList(densityUnit, units::DensityUnits());
  addRow(MakeLabel(this, "Dichte_Titel"), "Eingabe_Dichte", densityUnit);
  viscosityKind_ = MakeCombo(this, "ComboBox5");
  viscosityKind_->addItems({QString(), QString()});
  viscosityUnit_ = MakeCombo(this, "ComboBox3");
  addRow(viscosityKind_, "Eingabe_Viskositaet", viscosityUnit_);

  liquid_ = new QRadioButton(this);
  liquid_->setObjectName("Radio_fluessig");
  auto* gas = new QRadioButton(this);
  gas->setObjectName("Radio_gas");
  auto* phaseRow = new QHBoxLayout;
  phaseRow->addWidget(liquid_);
  phaseRow->addWidget(gas);
  phaseRow->addStretch();
  grid->addLayout(phaseRow, row++, 0, 1, 3);

  const char* const labelNames[] = {"Label2N", "Label4N", "Label5N", "Label6N"};
  for (std::size_t i = 0; i < gasLabels_.size(); ++i) gasLabels_[i] = MakeLabel(this, labelNames[i]);
  grid->addWidget(gasLabels_[0], row++, 0, 1, 3);
  auto* pressureUnit = MakeCombo(this, "ComboBox6N");
  FillUnitList(pressureUnit, units::PressureUnits());
  auto* inletUnit = MakeCombo(this, "ComboBox7N");
  FillUnitList(inletUnit, units::TemperatureUnits());
  auto* outletUnit = MakeCombo(this, "ComboBox8N");
  FillUnitList(outletUnit, units::TemperatureUnits());
  addRow(gasLabels_[1], "Edit_EingangsdruckN", pressureUnit);
  addRow(gasLabels_[2], "Edit_EingangstemperaturN", inletUnit);
  addRow(gasLabels_[3], "Edit_AusgangstemperaturN", outletUnit);
  gasInputs_ = {findChild<QLineEdit*>("Edit_EingangsdruckN"),      pressureUnit,
                findChild<QLineEdit*>("Edit_EingangstemperaturN"), inletUnit,
                findChild<QLineEdit*>("Edit_AusgangstemperaturN"), outletUnit};
  grid->setRowStretch(row, 1);

  RebuildFlowUnits();
  RebuildViscosityUnits();
  liquid_->setChecked(true);
  SetGasDataEnabled(false);
  connect(flowKind_, &QComboBox::currentIndexChanged, this, [this] { RebuildFlowUnits(); });
  connect(flowUnit_, &QComboBox::currentIndexChanged, this, [this] { emit FlowUnitChanged(FlowUnit()); });
  connect(viscosityKind_, &QComboBox::currentIndexChanged, this, [this] { RebuildViscosityUnits(); });
  connect(liquid_, &QRadioButton::toggled, this, [this](bool checked) { SetGasDataEnabled(!checked); });
  connect(hints, &QToolButton::clicked, this, &MediumPanel::GasFlowHintsRequested);
}

QString MediumPanel::FlowUnit() const { return flowUnit_->currentText(); }

void MediumPanel::SetCaptions() {
  const auto text = [&](const char* key) { return ToQString(texts_.FormText(text::kMainWindowBlock, key)); };
  for (const char* name :
       {"Ueberschrift_Medium", "Medium_Titel", "Dichte_Titel", "Label2N", "Label4N", "Label5N", "Label6N"}) {
    findChild<QLabel*>(name)->setText(text(name));
  }
  liquid_->setText(text("Radio_fluessig"));
  findChild<QRadioButton*>("Radio_gas")->setText(text("Radio_gas"));
  flowKind_->setItemText(0, text("ComboBox4_0"));
  flowKind_->setItemText(1, text("ComboBox4_1"));
  viscosityKind_->setItemText(0, text("ComboBox5_0"));
  viscosityKind_->setItemText(1, text("ComboBox5_1"));
  findChild<QToolButton*>("ToolButton17")->setToolTip(text("ToolButton17"));
}

void MediumPanel::RebuildFlowUnits() {
  FillUnitList(flowUnit_, units::FlowUnits(flowKind_->currentIndex()));
  emit FlowUnitChanged(FlowUnit());
}

void MediumPanel::RebuildViscosityUnits() {
  FillUnitList(viscosityUnit_, units::ViscosityUnits(viscosityKind_->currentIndex()));
}

void MediumPanel::SetGasDataEnabled(bool enabled) {
  for (QWidget* input : gasInputs_) input->setEnabled(enabled);
  for (QLabel* label : gasLabels_) {
    label->setEnabled(enabled);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, enabled ? QColor(Qt::black) : kDisabledLabel);
    label->setPalette(palette);
  }
}

}  // namespace velmora::gui
