#include "calculators/ConverterDialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"
#include "units/Numbers.h"

namespace velmora::gui {
namespace {

constexpr std::array<units::Unit, 2> kVelocityUnits = {{{"m/s", 1}, {"ft./s", 0.3048L}}};

}  // namespace

ConverterDialog::ConverterDialog(const text::TextStore& texts, std::string_view block, const char* name,
                                 QWidget* parent)
    : CalculatorDialog(texts, block, QString(), parent) {
  setObjectName(name);
  auto* layout = new QVBoxLayout(this);
  grid_ = new QGridLayout;
  layout->addLayout(grid_);
}

void ConverterDialog::AddField(const char* label, std::string_view key, const char* edit, const char* combo,
                               std::span<const units::Unit> list) {
  const int row = grid_->rowCount();
  grid_->addWidget(Caption(label, key), row, 0);
  grid_->addWidget(Edit(edit), row, 1);
  if (combo != nullptr) grid_->addWidget(Combo(combo, list), row, 2);
}

void ConverterDialog::Finish(const char* first, const char* second, bool takeOver, const char* extraButton,
                             std::string_view extraKey) {
  first_ = first;
  second_ = second;
  const int row = grid_->rowCount();
  grid_->addWidget(Caption("LabelErgebnis", "ResultLabel"), row, 0);
  QLabel* value = Value(first);
  // As high as the fields above, so that the result reads as one of them.
  value->setMinimumHeight(findChild<QLineEdit*>()->sizeHint().height());
  grid_->addWidget(value, row, 1);
  if (second != nullptr) grid_->addWidget(MakeLabel(this, second), row, 2);
  grid_->setColumnStretch(3, 1);
  static_cast<QVBoxLayout*>(layout())->addSpacing(6);  // the buttons apart from the result
  auto* buttons = new QHBoxLayout;
  buttons_ = buttons;
  QPushButton* calculate = Button("OKBtn", "CalculateBtn");
  calculate->setDefault(true);
  buttons->addWidget(calculate);
  if (extraButton != nullptr) buttons->addWidget(Button(extraButton, extraKey));
  if (takeOver) {
    QPushButton* over = Button("UebernahmeBtn", "TakeOverBtn");
    buttons->addWidget(over);
    connect(over, &QPushButton::clicked, this, [this] {
      if (!FirstResult().isEmpty()) emit TakeOverRequested();
    });
  }
  buttons->addStretch();
  QPushButton* close = Button("CancelBtn", "CloseBtn");
  buttons->addWidget(close);
  static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
  connect(calculate, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ClearResultsOnChange();
}

QString ConverterDialog::FirstResult() const { return findChild<QLabel*>(first_)->text(); }
QString ConverterDialog::SecondResult() const {
  return second_ == nullptr ? QString() : findChild<QLabel*>(second_)->text();
}

void ConverterDialog::ClearResults() {
  if (first_ != nullptr) findChild<QLabel*>(first_)->clear();
  if (second_ != nullptr) findChild<QLabel*>(second_)->clear();
}

void ConverterDialog::ShowTwo(const calculators::TwoResults& outcome) {
  ShowOutcome(outcome);
  SetLabel(first_, outcome.first);
  if (second_ != nullptr) SetLabel(second_, outcome.second);
}

void ConverterDialog::SetEdit(const char* name, const std::string& text) {
  findChild<QLineEdit*>(name)->setText(ToQString(text));
}

void ConverterDialog::SelectUnit(const char* combo, int index) { SelectEntry(findChild<QComboBox*>(combo), index); }

// NPSH

TNPSHDialog::TNPSHDialog(const text::TextStore& texts, QWidget* parent)
    : ConverterDialog(texts, calculators::kNpshBlock, "NPSHDialog", parent) {
  grid_->addWidget(Caption("Label1", "Required"), 0, 0, 1, 3);
  AddField("Label2", "SuctionLabel", "Edit1", "ComboBox1", units::PressureUnits());
  AddField("Label3", "VapourLabel", "Edit2", "ComboBox3", units::PressureUnits());
  AddField("Label4", "DensityLabel", "Edit3", "ComboBox2", units::DensityUnits());
  Finish("Label6", "Label7", false, "BitBtn1", "DatabaseBtn");
  InstallHelp(*this, texts, help::topic::kNpsh, buttons_);
  connect(findChild<QPushButton*>("BitBtn1"), &QPushButton::clicked, this, &TNPSHDialog::DatabaseRequested);
}

void TNPSHDialog::Prepare(const mainform::MainForm& main) {
  SetEdit("Edit3", main.density);
  SelectUnit("ComboBox2", main.densityUnit);
  SelectUnit("ComboBox1", main.inletPressureUnit);
  SelectUnit("ComboBox3", main.inletPressureUnit);
  ClearResults();
  findChild<QLineEdit*>("Edit1")->setFocus();
}

void TNPSHDialog::OKBtnClick() {
  ClearResults();
  ShowTwo(calculators::CalculateNpshDialog({EditText("Edit1"), ListIndex("ComboBox1"), EditText("Edit2"),
                                            ListIndex("ComboBox3"), EditText("Edit3"), ListIndex("ComboBox2")},
                                           Texts()));
}

void TNPSHDialog::TakeOverVapourPressure(const fluids::VapourPressureTakeOver& takeOver) {
  if (takeOver.vapourPressure) {
    SetEdit("Edit2", *takeOver.vapourPressure);
    SelectUnit("ComboBox3", 0);
  }
  if (takeOver.density) {
    SetEdit("Edit3", *takeOver.density);
    SelectUnit("ComboBox2", 0);
  }
}

// Pump head

TFoerderhoehe_Dlg::TFoerderhoehe_Dlg(const text::TextStore& texts, QWidget* parent)
    : ConverterDialog(texts, calculators::kPumpHeadBlock, "Foerderhoehe_Dlg", parent) {
  QLabel* explanation = Caption("Label1", "Explanation");
  explanation->setWordWrap(true);
  grid_->addWidget(explanation, 0, 0, 1, 4);
  AddField("Label2", "LossLabel", "Edit_Druck", "ComboBox1", units::PressureUnits());
  AddField("Label3", "DensityLabel", "Edit_Dichte", "ComboBox2", units::DensityUnits());
  Finish("Label5", "Label6", false);
  InstallHelp(*this, texts, help::topic::kPumpHead, buttons_);
}

void TFoerderhoehe_Dlg::Prepare(const mainform::MainForm& main, const results::ResultsTable& table) {
  const bool us = Settings().us;
  SelectUnit("ComboBox1", us ? 11 : 0);  // "psia" or "bar"
  SetEdit("Edit_Druck", calculators::TablePressureLoss(table, us, Texts().edition()));
  SetEdit("Edit_Dichte", main.density);
  SelectUnit("ComboBox2", main.densityUnit);
  ClearResults();
  if (units::ParseNumber(main.density)) OKBtnClick();
}

void TFoerderhoehe_Dlg::OKBtnClick() {
  ClearResults();
  ShowTwo(calculators::CalculatePumpHeadDialog(
      {EditText("Edit_Druck"), ListIndex("ComboBox1"), EditText("Edit_Dichte"), ListIndex("ComboBox2")}, Texts()));
}

// Velocity and flow

Tgeschw_v::Tgeschw_v(const text::TextStore& texts, QWidget* parent)
    : ConverterDialog(texts, calculators::kVelocityToFlowBlock, "geschw_v", parent) {
  AddField("Label1", "VelocityLabel", "Edit_Geschwindigkeit", "ComboBox1", kVelocityUnits);
  AddField("Label2", "DiameterLabel", "Edit_Rohrdurchmesser", "ComboVar1", calculators::MillimetreUnits());
  Finish("Label3", "Label4", true);
  InstallHelp(*this, texts, help::topic::kVelocityToFlow, buttons_);
}

void Tgeschw_v::Prepare(const mainform::MainForm& main, const results::ResultsTable& table) {
  SelectUnit("ComboBox1", Settings().us ? 1 : 0);
  SelectUnit("ComboVar1", main.dimensionUnits[0] == 1 ? 1 : 0);
  SetEdit("Edit_Rohrdurchmesser", main.dimensions[0]);
  const std::string velocity = calculators::TableLastVelocity(table, Texts().edition());
  if (!velocity.empty()) SetEdit("Edit_Geschwindigkeit", velocity);
  ClearResults();
  if (!velocity.empty()) OKBtnClick();
}

void Tgeschw_v::OKBtnClick() {
  ClearResults();
  ShowTwo(calculators::CalculateVelocityToFlowDialog({EditText("Edit_Geschwindigkeit"), ListIndex("ComboBox1"),
                                                      EditText("Edit_Rohrdurchmesser"), ListIndex("ComboVar1")},
                                                     Texts()));
}

void Tgeschw_v::ApplyTakeOver(mainform::MainForm& main) const {
  // The shown flow without its unit.
  QString flow = FirstResult();
  flow.chop(QString(" m³/h").size());
  calculators::ApplyFlowTakeOver(main, ToStdString(flow));
}

Tv_geschw::Tv_geschw(const text::TextStore& texts, QWidget* parent)
    : ConverterDialog(texts, calculators::kFlowToVelocityBlock, "v_geschw", parent) {
  AddField("Label1", "FlowLabel", "Edit_Volumenstrom", "ComboBox1", calculators::FlowUnits(0));
  AddField("Label2", "DiameterLabel", "Edit_Rohrdurchmesser", "ComboVar1", calculators::MillimetreUnits());
  Finish("Label3", "Label4", false);
  InstallHelp(*this, texts, help::topic::kFlowToVelocity, buttons_);
}

void Tv_geschw::Prepare(const mainform::MainForm& main) {
  SetEdit("Edit_Volumenstrom", main.flow);
  int unit = 0;
  if (main.flowKind == 0) {
    const std::string_view name = units::UnitName(units::FlowUnits(0), main.flowUnit);
    const auto list = calculators::FlowUnits(0);
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].name == name) unit = static_cast<int>(i);
    }
  }
  SelectUnit("ComboBox1", unit);
  SetEdit("Edit_Rohrdurchmesser", main.dimensions[0]);
  SelectUnit("ComboVar1", main.dimensionUnits[0] == 1 ? 1 : 0);
  OKBtnClick();
}

void Tv_geschw::OKBtnClick() {
  ClearResults();
  ShowTwo(calculators::CalculateFlowToVelocityDialog(
      {EditText("Edit_Volumenstrom"), ListIndex("ComboBox1"), EditText("Edit_Rohrdurchmesser"), ListIndex("ComboVar1")},
      Texts()));
}

// kv and Cv

TValveZetaDialog::TValveZetaDialog(const text::TextStore& texts, bool cv, QWidget* parent)
    : ConverterDialog(texts, cv ? calculators::kCvBlock : calculators::kKvBlock,
                      cv ? "Cv_in_ZetaDlg" : "kv_in_Zeta_Dlg", parent),
      cv_(cv) {
  AddField("Label1", "CoefficientLabel", "Edit1");
  AddField("Label2", "DiameterLabel", "Va1_Edit", "ComboVar1", calculators::MillimetreUnits());
  Finish("Label4", nullptr, true);
  InstallHelp(*this, texts, cv ? help::topic::kCvToZeta : help::topic::kKvToZeta, buttons_);
  SetEdit("Va1_Edit", "100");
}

calculators::ValveZetaForm TValveZetaDialog::Form() const {
  return {EditText("Edit1"), EditText("Va1_Edit"), ListIndex("ComboVar1")};
}

void TValveZetaDialog::Prepare(const mainform::MainForm& main) {
  SetEdit("Va1_Edit", main.dimensions[0]);
  if (main.dimensionUnits[0] >= 0 && main.dimensionUnits[0] < 2) SelectUnit("ComboVar1", main.dimensionUnits[0]);
  ClearResults();
}

void TValveZetaDialog::OKBtnClick() {
  ClearResults();
  const calculators::ValveZetaOutcome outcome = calculators::CalculateValveZetaDialog(Form(), cv_, Texts(), Settings());
  ShowOutcome(outcome);
  SetLabel("Label4", outcome.shown);
}

void TValveZetaDialog::ApplyTakeOver(mainform::MainForm& main) const {
  calculators::ApplyZetaTakeOver(main, Form(), ToStdString(FirstResult()));
}

Tkv_in_Zeta_Dlg::Tkv_in_Zeta_Dlg(const text::TextStore& texts, QWidget* parent)
    : TValveZetaDialog(texts, false, parent) {}
TCv_in_ZetaDlg::TCv_in_ZetaDlg(const text::TextStore& texts, QWidget* parent) : TValveZetaDialog(texts, true, parent) {}

// Standard to operating

TNorm_in_Betrieb_Dlg::TNorm_in_Betrieb_Dlg(const text::TextStore& texts, QWidget* parent)
    : ConverterDialog(texts, calculators::kStandardBlock, "Norm_in_Betrieb_Dlg", parent) {
  grid_->addWidget(Caption("Label1", "Note"), 0, 0, 1, 3);
  AddField("Label2", "StandardLabel", "Edit_Norm", "ComboBox1", calculators::StandardFlowUnits());
  AddField("Label3", "TemperatureLabel", "Edit_Temp", "ComboBox2", units::TemperatureUnits());
  AddField("Label4", "PressureLabel", "Edit_Druck", "ComboBox3", units::PressureUnits());
  Finish("Label5", "Label6", true);
  InstallHelp(*this, texts, help::topic::kStandardToOperating, buttons_);
  SelectUnit("ComboBox1", 2);
}

calculators::StandardFlowForm TNorm_in_Betrieb_Dlg::Form() const {
  return {EditText("Edit_Norm"),  ListIndex("ComboBox1"), EditText("Edit_Temp"),
          ListIndex("ComboBox2"), EditText("Edit_Druck"), ListIndex("ComboBox3")};
}

void TNorm_in_Betrieb_Dlg::Prepare(const mainform::MainForm& main) {
  calculators::StandardFlowForm form = Form();
  calculators::CopyGasInlet(main, form);
  SetEdit("Edit_Temp", form.temperature);
  SelectUnit("ComboBox2", form.temperatureUnit);
  SetEdit("Edit_Druck", form.pressure);
  SelectUnit("ComboBox3", form.pressureUnit);
  ClearResults();
}

void TNorm_in_Betrieb_Dlg::OKBtnClick() {
  ClearResults();
  ShowTwo(calculators::CalculateStandardToOperatingDialog(Form(), Texts(), Settings()));
}

void TNorm_in_Betrieb_Dlg::ApplyTakeOver(mainform::MainForm& main) const {
  QString flow = FirstResult();
  flow.truncate(flow.indexOf(' '));
  calculators::ApplyOperatingTakeOver(main, Form(), ToStdString(flow));
}

// Unit conversion

TEhuInfo::TEhuInfo(const text::TextStore& texts, QWidget* parent)
    : CalculatorDialog(texts, calculators::kUnitInfoBlock, QString(), parent) {
  setObjectName("EhuInfo");
  auto* layout = new QVBoxLayout(this);
  QLabel* info = Caption("Label1", "Text");
  info->setWordWrap(true);
  layout->addWidget(info);
  InstallHelp(*this, texts, help::topic::kUnits);
  // The link leads into the manual, never out of the program.
  QLabel* link = Caption("Label2");
  link->setText(QString("<a href=\"%1\">%2</a>").arg(HelpPageOf(*this), Text("Link")));
  link->setTextInteractionFlags(Qt::TextBrowserInteraction);
  connect(link, &QLabel::linkActivated, this, [this](const QString& page) { ShowHelp(this, page); });
  layout->addWidget(link);
  QPushButton* close = Button("OKBtn", "CloseBtn");
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignRight);
  setMinimumWidth(420);
}

}  // namespace velmora::gui
