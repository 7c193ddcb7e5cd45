#include "tablechange/TSpalteAendernDlg.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "help/HelpTopics.h"
#include "parts/PartsCatalogues.h"
#include "parts/TakeOver.h"
#include "tablechange/DialogTexts.h"
#include "text/GlobalTexts.h"
#include "toolkit/Controls.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"
#include "units/Numbers.h"
#include "units/UnitLists.h"

namespace velmora::gui {
namespace {

constexpr std::size_t kRoughnessLine = 5;  // after the five element lines
const char* const kLineEdits[] = {"Edit_Element1", "Edit_Element2", "Edit_Element3",
                                  "Edit_Element4", "Edit_Element5", "Edit_Rauhigkeit"};
const char* const kLineLabels[] = {"Label_Element1", "Label_Element2", "Label_Element3",
                                   "Label_Element4", "Label_Element5", "Label_Rauhigkeit"};

QFrame* Bevel(QWidget* parent, const char* name) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

// A button of a database or catalogue that opens in a later version of the dialog.
QPushButton* LaterButton(QWidget* parent, const char* name) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  button->setEnabled(false);
  return button;
}

// A button that opens a coefficient database; its take-over comes back through TakeOverZeta and
// TakeOverRoughness.
QPushButton* DatabaseButton(QWidget* parent, const char* name) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  return button;
}

int CountOf(const std::string& text) {
  const auto value = units::ParseNumber(text);
  const auto rounded = value ? units::RoundToInt(*value) : std::nullopt;
  return std::clamp(rounded.value_or(1), 1, mainform::MainForm::kMaxCount);
}

}  // namespace

TSpalteAendernDlg::TSpalteAendernDlg(const text::TextStore& texts, results::ResultsTable& table, QWidget* parent)
    : QDialog(parent), texts_(texts), table_(table) {
  setObjectName(QString::fromUtf8(tablechange::kColumnBlock.data(), tablechange::kColumnBlock.size()));
  auto* left = new QGridLayout;
  int row = 0;
  BuildMedium(left, row);
  left->addWidget(Bevel(this, "Bevel1"), row++, 0, 1, 3);
  BuildElement(left, row);

  gasPanel_ = BuildGasPanel();
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addWidget(gasPanel_, 0, Qt::AlignTop);

  auto* recalculate = new QPushButton(this);
  recalculate->setObjectName("BitBtn2");
  recalculate->setDefault(true);
  auto* close = new QPushButton(this);
  close->setObjectName("BitBtn3");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(recalculate);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(Bevel(this, "Bevel2"));
  InstallHelp(*this, texts, help::topic::kColumnChange, buttons);
  layout->addLayout(buttons);
  // The dialog takes the size its shown parts need: narrower without the gas data.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(recalculate, &QPushButton::clicked, this, [this] { RecalculateColumn(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  ConnectChanges();
  ApplyTexts();
  ShowPhase(false);
}

void TSpalteAendernDlg::BuildMedium(QGridLayout* grid, int& row) {
  column_ = new QSpinBox(this);
  column_->setObjectName("Edit1");
  column_->setRange(1, 1);
  grid->addWidget(MakeLabel(this, "Label1"), row, 0);
  grid->addWidget(column_, row++, 1);

  medium_ = MakeEdit(this, "Edit2");
  grid->addWidget(MakeLabel(this, "Label2"), row, 0);
  grid->addWidget(medium_, row++, 1, 1, 2);

  phase_ = MakeLabel(this, "Label3");
  QFont bold = phase_->font();
  bold.setBold(true);
  phase_->setFont(bold);
  liquid_ = new QRadioButton(this);
  liquid_->setObjectName("Radio_Fluessig");
  gas_ = new QRadioButton(this);
  gas_->setObjectName("Radio_Gas");
  auto* phases = new QHBoxLayout;
  phases->addWidget(liquid_);
  phases->addWidget(gas_);
  phases->addStretch();
  grid->addWidget(phase_, row, 0);
  grid->addLayout(phases, row++, 1, 1, 2);

  flowKind_ = MakeCombo(this, "ComboBox7");
  flowKind_->addItems({QString(), QString()});
  flow_ = MakeEdit(this, "Edit3");
  flowUnit_ = MakeCombo(this, "ComboBox4");
  FillUnitList(flowUnit_, units::FlowUnits(0));
  grid->addWidget(flowKind_, row, 0);
  grid->addWidget(flow_, row, 1);
  grid->addWidget(flowUnit_, row++, 2);

  density_ = MakeEdit(this, "Edit4");
  densityUnit_ = MakeCombo(this, "ComboBox5");
  FillUnitList(densityUnit_, units::DensityUnits());
  grid->addWidget(MakeLabel(this, "Label5"), row, 0);
  grid->addWidget(density_, row, 1);
  grid->addWidget(densityUnit_, row++, 2);

  viscosityKind_ = MakeCombo(this, "ComboBox8");
  viscosityKind_->addItems({QString(), QString()});
  viscosity_ = MakeEdit(this, "Edit5");
  viscosityUnit_ = MakeCombo(this, "ComboBox6");
  FillUnitList(viscosityUnit_, units::ViscosityUnits(0));
  grid->addWidget(viscosityKind_, row, 0);
  grid->addWidget(viscosity_, row, 1);
  grid->addWidget(viscosityUnit_, row++, 2);

  auto* takeOver = new QPushButton(this);
  takeOver->setObjectName("BitBtn1");
  connect(takeOver, &QPushButton::clicked, this, &TSpalteAendernDlg::TakeOverMedium);
  grid->addWidget(takeOver, row++, 0, 1, 3);
}

void TSpalteAendernDlg::BuildElement(QGridLayout* grid, int& row) {
  description_ = MakeEdit(this, "Edit6");
  grid->addWidget(MakeLabel(this, "Label6"), row, 0);
  grid->addWidget(description_, row++, 1, 1, 2);

  element_ = MakeLabel(this, "Label12");
  grid->addWidget(element_, row, 0, 1, 2);
  pipeButton_ = LaterButton(this, "BitBtnRohr");
  connect(pipeButton_, &QPushButton::clicked, this, &TSpalteAendernDlg::OpenCatalogue);
  grid->addWidget(pipeButton_, row++, 2);

  count_ = new QSpinBox(this);
  count_->setObjectName("Edit11");
  count_->setRange(1, mainform::MainForm::kMaxCount);
  grid->addWidget(MakeLabel(this, "Label11"), row, 0);
  grid->addWidget(count_, row++, 1);

  zetaDatabase_ = {DatabaseButton(this, "BitBtnZeta"), DatabaseButton(this, "BitBtnZeta2")};
  roughnessDatabase_ = DatabaseButton(this, "BitBtnRau");
  for (QPushButton* button : zetaDatabase_) {
    connect(button, &QPushButton::clicked, this, &TSpalteAendernDlg::ZetaDatabaseRequested);
  }
  connect(roughnessDatabase_, &QPushButton::clicked, this, &TSpalteAendernDlg::RoughnessDatabaseRequested);
  for (std::size_t line = 0; line < lineEdits_.size(); ++line) {
    lineLabels_[line] = MakeLabel(this, kLineLabels[line]);
    lineEdits_[line] = MakeEdit(this, kLineEdits[line]);
    grid->addWidget(lineLabels_[line], row, 0);
    grid->addWidget(lineEdits_[line], row, 1);
    // The known resistance coefficient stands in line 2 of 12/1 and in line 3 of 12/2.
    if (line == 1 || line == 2) grid->addWidget(zetaDatabase_[line - 1], row, 2);
    if (line == kRoughnessLine) grid->addWidget(roughnessDatabase_, row, 2);
    ++row;
  }

  grid->addWidget(Bevel(this, "Bevel3"), row++, 0, 1, 3);
  const char* const resultNames[] = {"Label13", "Label14", "Label15", "Label16"};
  for (std::size_t i = 0; i < results_.size(); ++i) results_[i] = MakeLabel(this, resultNames[i]);
  for (std::size_t i = 0; i < results_.size(); i += 2) {
    grid->addWidget(results_[i], row, 0);
    grid->addWidget(results_[i + 1], row++, 1, 1, 2);
  }
}

QWidget* TSpalteAendernDlg::BuildGasPanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName("Panel_Gas");
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(12, 0, 0, 0);
  grid->addWidget(MakeLabel(panel, "Label_Gase"), 0, 0, 1, 3);
  pressure_ = MakeEdit(panel, "Edit_Eingangsdruck");
  pressureUnit_ = MakeCombo(panel, "ComboBox1");
  FillUnitList(pressureUnit_, units::PressureUnits());
  inletTemperature_ = MakeEdit(panel, "Edit_Eingangstemperatur");
  inletUnit_ = MakeCombo(panel, "ComboBox2");
  FillUnitList(inletUnit_, units::TemperatureUnits());
  outletTemperature_ = MakeEdit(panel, "Edit_Ausgangstemperatur");
  outletUnit_ = MakeCombo(panel, "ComboBox3");
  FillUnitList(outletUnit_, units::TemperatureUnits());
  const std::tuple<const char*, QLineEdit*, QComboBox*> rows[] = {
      {"Label_Eingangsdruck", pressure_, pressureUnit_},
      {"Label_Eingangstemperatur", inletTemperature_, inletUnit_},
      {"Label_Ausgangstemperatur", outletTemperature_, outletUnit_},
  };
  int row = 1;
  for (const auto& [label, edit, unit] : rows) {
    grid->addWidget(MakeLabel(panel, label), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(unit, row++, 2);
  }
  grid->setRowStretch(row, 1);
  return panel;
}

void TSpalteAendernDlg::ConnectChanges() {
  // Shown results always belong to the shown inputs: any change clears them.
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    if (edit->parent() == column_ || edit->parent() == count_) continue;
    connect(edit, &QLineEdit::textChanged, this, &TSpalteAendernDlg::ClearResults);
  }
  connect(count_, &QSpinBox::valueChanged, this, &TSpalteAendernDlg::ClearResults);
  for (QComboBox* unit : {flowUnit_, densityUnit_, viscosityUnit_, pressureUnit_, inletUnit_, outletUnit_}) {
    connect(unit, &QComboBox::currentIndexChanged, this, &TSpalteAendernDlg::ClearResults);
  }
  connect(flowKind_, &QComboBox::currentIndexChanged, this, [this](int kind) {
    FillUnitList(flowUnit_, units::FlowUnits(kind));
    ClearResults();
  });
  connect(viscosityKind_, &QComboBox::currentIndexChanged, this, [this](int kind) {
    FillUnitList(viscosityUnit_, units::ViscosityUnits(kind));
    ClearResults();
  });
  connect(gas_, &QRadioButton::toggled, this, [this](bool gas) {
    ShowPhase(gas);
    ClearResults();
  });
  connect(column_, &QSpinBox::valueChanged, this, [this](int column) {
    if (!loading_) Load(column);
  });
}

void TSpalteAendernDlg::ApplyTexts() {
  const auto form = [this](const char* key) { return ToQString(texts_.FormText(tablechange::kColumnBlock, key)); };
  setWindowTitle(form("Caption"));
  for (const char* name : {"Label1", "Label2", "Label5", "Label6", "Label11", "Label_Gase", "Label_Eingangsdruck",
                           "Label_Eingangstemperatur", "Label_Ausgangstemperatur"}) {
    findChild<QLabel*>(name)->setText(form(name));
  }
  liquid_->setText(form("Radio_Fluessig"));
  gas_->setText(form("Radio_Gas"));
  flowKind_->setItemText(0, form("ComboBox7_0"));
  flowKind_->setItemText(1, form("ComboBox7_1"));
  viscosityKind_->setItemText(0, form("ComboBox8_0"));
  viscosityKind_->setItemText(1, form("ComboBox8_1"));
  for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtnRohr"}) {
    findChild<QPushButton*>(name)->setText(form(name));
  }
  for (QPushButton* button : zetaDatabase_) button->setText(form("BitBtnZeta"));
  roughnessDatabase_->setText(form("BitBtnRau"));
  phase_->setText(form(gas_->isChecked() ? "PhaseGas" : "PhaseLiquid"));
}

void TSpalteAendernDlg::showEvent(QShowEvent* event) {
  ApplyTexts();
  QDialog::showEvent(event);
}

results::DisplayOptions TSpalteAendernDlg::Options() const {
  return optionsSource_ ? optionsSource_() : results::DisplayOptions{};
}

mainform::MainForm TSpalteAendernDlg::MainWindowInputs() const {
  if (inputsSource_) return inputsSource_();
  mainform::MainForm form = mainform::MainForm::Defaults(texts_.edition());
  form.medium = texts_.GlobalText(text::global::kDefaultMedium);
  return form;
}

int TSpalteAendernDlg::Column() const { return column_->value(); }

void TSpalteAendernDlg::Present(int column) {
  {
    const QSignalBlocker block(column_);
    column_->setRange(1, std::max(1, table_.ElementCount()));
  }
  Load(std::clamp(column, 1, std::max(1, table_.ElementCount())));
}

void TSpalteAendernDlg::Load(int column) {
  loading_ = true;
  column_->setValue(column);
  const tablechange::ColumnFields fields = tablechange::LoadColumnFields(table_, column, texts_, Options());
  ShowMedium(fields.medium);
  pressure_->setText(ToQString(fields.inletPressure));
  inletTemperature_->setText(ToQString(fields.inletTemperature));
  outletTemperature_->setText(ToQString(fields.outletTemperature));
  // A unit the list does not offer leaves the list as it is.
  if (fields.inletPressureUnit) SelectEntry(pressureUnit_, *fields.inletPressureUnit);
  if (fields.inletTemperatureUnit) SelectEntry(inletUnit_, *fields.inletTemperatureUnit);
  if (fields.outletTemperatureUnit) SelectEntry(outletUnit_, *fields.outletTemperatureUnit);
  description_->setText(ToQString(fields.description));
  element_->setText(ToQString(fields.element));
  group_ = fields.group;
  kind_ = fields.kind;
  EnablePipeButton();
  count_->setValue(CountOf(fields.count));
  for (std::size_t line = 0; line < fields.inputs.size(); ++line) ShowLine(line, fields.inputs[line]);
  ShowLine(kRoughnessLine, fields.roughness);
  const bool knownZeta = fields.group == 12;
  zetaDatabase_[0]->setVisible(knownZeta && fields.kind == 1);
  zetaDatabase_[1]->setVisible(knownZeta && fields.kind == 2);
  zetaLine_ = knownZeta && (fields.kind == 1 || fields.kind == 2) ? fields.kind : -1;
  results_[0]->setText(ToQString(fields.lossSmall.label));
  results_[1]->setText(ToQString(fields.lossSmall.value));
  results_[2]->setText(ToQString(fields.lossLarge.label));
  results_[3]->setText(ToQString(fields.lossLarge.value));
  loading_ = false;
}

void TSpalteAendernDlg::ShowMedium(const tablechange::Medium& medium) {
  medium_->setText(ToQString(medium.medium));
  (medium.gas ? gas_ : liquid_)->setChecked(true);
  ShowPhase(medium.gas);
  flowKind_->setCurrentIndex(medium.flowKind == 1 ? 1 : 0);  // rebuilds the flow units
  SelectEntry(flowUnit_, medium.flowUnit);
  flow_->setText(ToQString(medium.flow));
  density_->setText(ToQString(medium.density));
  SelectEntry(densityUnit_, medium.densityUnit);
  viscosityKind_->setCurrentIndex(medium.viscosityKind == 1 ? 1 : 0);
  SelectEntry(viscosityUnit_, medium.viscosityUnit);
  viscosity_->setText(ToQString(medium.viscosity));
}

void TSpalteAendernDlg::ShowPhase(bool gas) {
  phase_->setText(ToQString(texts_.FormText(tablechange::kColumnBlock, gas ? "PhaseGas" : "PhaseLiquid")));
  gasPanel_->setVisible(gas);
}

void TSpalteAendernDlg::ShowLine(std::size_t line, const tablechange::InputLine& input) {
  lines_[line] = input;
  lineLabels_[line]->setVisible(input.shown);
  lineEdits_[line]->setVisible(input.shown);
  // Labelled like every other field of the dialog; the label of the row itself stays in lines_.
  const QString label = ToQString(input.label);
  lineLabels_[line]->setText(label.endsWith(':') ? label : label + ':');
  lineEdits_[line]->setText(ToQString(input.value));
  if (line == kRoughnessLine) roughnessDatabase_->setVisible(input.shown);
}

void TSpalteAendernDlg::SetCatalogues(PartsCatalogues* catalogues) {
  catalogues_ = catalogues;
  EnablePipeButton();
}

void TSpalteAendernDlg::EnablePipeButton() {
  pipeButton_->setEnabled(catalogues_ != nullptr && parts::CatalogueFor(group_, kind_).has_value());
}

void TSpalteAendernDlg::OpenCatalogue() {
  const std::optional<parts::PartKind> part = parts::CatalogueFor(group_, kind_);
  if (catalogues_ == nullptr || !part) return;
  // The reducer and tee catalogues keep to the use the column's element stands for.
  const bool withChoice = *part == parts::PartKind::Reducer || *part == parts::PartKind::Tee;
  catalogues_->Open(
      *part,
      [this](const parts::PartTakeOver& takeOver) {
        ApplyTakeOver(*this, parts::WritesFor(takeOver, parts::TakeOverTarget::ColumnDialog));
      },
      this, withChoice ? std::optional<int>(parts::ChoiceFor(group_, kind_)) : std::nullopt);
}

void TSpalteAendernDlg::ClearResults() {
  if (loading_) return;
  results_[1]->clear();
  results_[3]->clear();
}

tablechange::ColumnFields TSpalteAendernDlg::Fields() const {
  tablechange::ColumnFields fields;
  tablechange::Medium& m = fields.medium;
  m.medium = ToStdString(medium_->text());
  m.gas = gas_->isChecked();
  m.flowKind = flowKind_->currentIndex();
  m.flow = ToStdString(flow_->text());
  m.flowUnit = flowUnit_->currentIndex();
  m.density = ToStdString(density_->text());
  m.densityUnit = densityUnit_->currentIndex();
  m.viscosityKind = viscosityKind_->currentIndex();
  m.viscosity = ToStdString(viscosity_->text());
  m.viscosityUnit = viscosityUnit_->currentIndex();
  fields.inletPressure = ToStdString(pressure_->text());
  fields.inletPressureUnit = pressureUnit_->currentIndex();
  fields.inletTemperature = ToStdString(inletTemperature_->text());
  fields.inletTemperatureUnit = inletUnit_->currentIndex();
  fields.outletTemperature = ToStdString(outletTemperature_->text());
  fields.outletTemperatureUnit = outletUnit_->currentIndex();
  fields.description = ToStdString(description_->text());
  fields.element = ToStdString(element_->text());
  fields.count = std::to_string(count_->value());
  for (std::size_t line = 0; line < lineEdits_.size(); ++line) {
    tablechange::InputLine& input = line == kRoughnessLine ? fields.roughness : fields.inputs[line];
    input = {lines_[line].shown, lines_[line].label, ToStdString(lineEdits_[line]->text())};
  }
  return fields;
}

void TSpalteAendernDlg::TakeOverZeta(const QString& zeta, const QString& description) {
  if (zetaLine_ < 0) return;
  lineEdits_[static_cast<std::size_t>(zetaLine_)]->setText(zeta);
  if (!description.isEmpty()) description_->setText(description);
}

void TSpalteAendernDlg::TakeOverRoughness(const QString& roughness) { lineEdits_[kRoughnessLine]->setText(roughness); }

void TSpalteAendernDlg::TakeOverMedium() { ShowMedium(tablechange::Medium::Of(MainWindowInputs())); }

bool TSpalteAendernDlg::RecalculateColumn() {
  const int column = Column();
  if (!table_.IsElementColumn(column)) return false;
  const tablechange::ColumnCalculator calculator(texts_, Options(), MainWindowInputs());
  tablechange::ColumnResult result = tablechange::RecalculateColumn(table_, column, Fields(), calculator);
  if (!result.ok()) {
    ShowMessages(this, result.failure);
    return false;
  }
  ShowMessages(this, result.notes);
  table_.Column(column) = std::move(*result.column);
  Load(column);
  emit ColumnRecalculated(column);
  ShowMessage(this, {texts_.FormText(tablechange::kColumnBlock, "msgRecalculated") + " " + std::to_string(column),
                     texts_.GlobalText(text::global::kInformationCaption),
                     text::MessageIcon::Information,
                     {}});
  return true;
}

}  // namespace velmora::gui
