#include "tablechange/TTabelleAendern.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
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
#include "units/UnitLists.h"

namespace velmora::gui {
namespace {

QSpinBox* ColumnSelector(QWidget* parent, const char* name) {
  auto* selector = new QSpinBox(parent);
  selector->setObjectName(name);
  selector->setRange(1, 1);
  // Only the up-down changes the column: the edit is read-only.
  if (auto* edit = selector->findChild<QLineEdit*>()) edit->setReadOnly(true);
  return selector;
}

QComboBox* LengthUnits(QWidget* parent, const char* name) {
  QComboBox* combo = MakeCombo(parent, name);
  FillUnitList(combo, units::LengthUnits(units::LengthList::Millimetre));
  return combo;
}

QPushButton* PipeButton(QWidget* parent, const char* name) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  button->setEnabled(false);  // until the catalogues are known
  return button;
}

// "%1" replaced by `value`.
std::string WithValue(std::string text, const std::string& value) {
  if (const std::size_t at = text.find("%1"); at != std::string::npos) text.replace(at, 2, value);
  return text;
}

}  // namespace

TTabelleAendern::TTabelleAendern(const text::TextStore& texts, results::ResultsTable& table, QWidget* parent)
    : QDialog(parent), texts_(texts), table_(table) {
  setObjectName(QString::fromUtf8(tablechange::kTableBlock.data(), tablechange::kTableBlock.size()));

  auto* rangeGroup = new QGroupBox(this);
  rangeGroup->setObjectName("RadioGroup1");
  whole_ = new QRadioButton(rangeGroup);
  whole_->setObjectName("RadioGroup1_0");
  range_ = new QRadioButton(rangeGroup);
  range_->setObjectName("RadioGroup1_1");
  from_ = ColumnSelector(rangeGroup, "Edit1");
  to_ = ColumnSelector(rangeGroup, "Edit2");
  auto* rangeRow = new QHBoxLayout;
  rangeRow->addWidget(range_);
  rangeRow->addWidget(MakeLabel(rangeGroup, "Label1"));
  rangeRow->addWidget(from_);
  rangeRow->addWidget(MakeLabel(rangeGroup, "Label2"));
  rangeRow->addWidget(to_);
  rangeRow->addStretch();
  auto* rangeLayout = new QVBoxLayout(rangeGroup);
  rangeLayout->addWidget(whole_);
  rangeLayout->addLayout(rangeRow);
  whole_->setChecked(true);

  medium_ = new QCheckBox(this);
  medium_->setObjectName("CheckBox2");
  summary_ = MakeLabel(this, "LabelMedium");
  summary_->setIndent(20);
  auto* note = MakeLabel(this, "Label3");
  note->setIndent(20);
  note->setWordWrap(true);

  auto* sizes = new QGroupBox(this);
  sizes->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(sizes);
  circular_ = new QCheckBox(sizes);
  circular_->setObjectName("CheckBox3");
  diameter_ = MakeEdit(sizes, "Edit4");
  diameterUnit_ = LengthUnits(sizes, "ComboBox2");
  rectangular_ = new QCheckBox(sizes);
  rectangular_->setObjectName("CheckBox4");
  width_ = MakeEdit(sizes, "Edit5");
  widthUnit_ = LengthUnits(sizes, "ComboBox3");
  height_ = MakeEdit(sizes, "Edit6");
  heightUnit_ = LengthUnits(sizes, "ComboBox4");
  grid->addWidget(circular_, 0, 0, 1, 4);
  grid->addWidget(MakeLabel(sizes, "Label4"), 1, 0);
  grid->addWidget(diameter_, 1, 1);
  grid->addWidget(diameterUnit_, 1, 2);
  grid->addWidget(PipeButton(sizes, "BitBtnRohr1"), 1, 3);
  grid->addWidget(rectangular_, 2, 0, 1, 4);
  grid->addWidget(MakeLabel(sizes, "Label5"), 3, 0);
  grid->addWidget(width_, 3, 1);
  grid->addWidget(widthUnit_, 3, 2);
  grid->addWidget(PipeButton(sizes, "BitBtnRohr2"), 3, 3, 2, 1);
  grid->addWidget(MakeLabel(sizes, "Label6"), 4, 0);
  grid->addWidget(height_, 4, 1);
  grid->addWidget(heightUnit_, 4, 2);
  grid->setColumnMinimumWidth(0, 20);

  auto* recalculate = new QPushButton(this);
  recalculate->setObjectName("BitBtn1");
  recalculate->setDefault(true);
  auto* close = new QPushButton(this);
  close->setObjectName("BitBtn2");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(recalculate);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(rangeGroup);
  layout->addWidget(medium_);
  layout->addWidget(summary_);
  layout->addWidget(note);
  layout->addWidget(sizes);
  InstallHelp(*this, texts, help::topic::kTableChange, buttons);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(recalculate, &QPushButton::clicked, this, [this] { RecalculateTable(); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(findChild<QPushButton*>("BitBtnRohr1"), &QPushButton::clicked, this, [this] { OpenCatalogue(false); });
  connect(findChild<QPushButton*>("BitBtnRohr2"), &QPushButton::clicked, this, [this] { OpenCatalogue(true); });
  for (QAbstractButton* toggle : std::initializer_list<QAbstractButton*>{range_, medium_, circular_, rectangular_}) {
    connect(toggle, &QAbstractButton::toggled, this, &TTabelleAendern::EnableInputs);
  }
  ApplyTexts();
  EnableInputs();
}

void TTabelleAendern::ApplyTexts() {
  const auto form = [this](const char* key) { return ToQString(texts_.FormText(tablechange::kTableBlock, key)); };
  setWindowTitle(form("Caption"));
  findChild<QGroupBox*>("RadioGroup1")->setTitle(form("RadioGroup1"));
  findChild<QGroupBox*>("GroupBox1")->setTitle(form("GroupBox1"));
  whole_->setText(form("RadioGroup1_0"));
  range_->setText(form("RadioGroup1_1"));
  for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
    findChild<QLabel*>(name)->setText(form(name));
  }
  medium_->setText(form("CheckBox2"));
  circular_->setText(form("CheckBox3"));
  rectangular_->setText(form("CheckBox4"));
  for (const char* name : {"BitBtnRohr1", "BitBtnRohr2", "BitBtn1", "BitBtn2"}) {
    findChild<QPushButton*>(name)->setText(form(name));
  }
  ShowMediumSummary();
}

void TTabelleAendern::showEvent(QShowEvent* event) {
  ApplyTexts();
  QDialog::showEvent(event);
}

mainform::MainForm TTabelleAendern::MainWindowInputs() const {
  if (inputsSource_) return inputsSource_();
  mainform::MainForm form = mainform::MainForm::Defaults(texts_.edition());
  form.medium = texts_.GlobalText(text::global::kDefaultMedium);
  return form;
}

void TTabelleAendern::SetCatalogues(PartsCatalogues* catalogues) {
  catalogues_ = catalogues;
  for (const char* name : {"BitBtnRohr1", "BitBtnRohr2"})
    findChild<QPushButton*>(name)->setEnabled(catalogues != nullptr);
}

void TTabelleAendern::OpenCatalogue(bool rectangular) {
  if (catalogues_ == nullptr) return;
  catalogues_->Open(
      rectangular ? parts::PartKind::Rectangle : parts::PartKind::Pipe,
      [this](const parts::PartTakeOver& takeOver) {
        ApplyTakeOver(*this, parts::WritesFor(takeOver, parts::TakeOverTarget::TableDialog));
      },
      this);
}

void TTabelleAendern::Present() {
  const int last = std::max(1, table_.ElementCount());
  for (QSpinBox* selector : {from_, to_}) {
    const QSignalBlocker block(selector);
    selector->setRange(1, last);
  }
  to_->setValue(last);
  ShowMediumSummary();
}

void TTabelleAendern::ShowMediumSummary() {
  // Medium, flow, density and viscosity as the main window holds them, each with its unit.
  const mainform::MainForm form = MainWindowInputs();
  const auto form_text = [this](const char* key) { return texts_.FormText(tablechange::kTableBlock, key); };
  const auto unit = [](std::span<const units::Unit> list, int index) {
    return std::string(units::UnitName(list, index));
  };
  const std::string summary =
      form_text("SumMedium") + " " + form.medium + "\n" + form_text("SumFlow") + " " + form.flow + " " +
      unit(units::FlowUnits(form.flowKind), form.flowUnit) + "\n" + form_text("SumDensity") + " " + form.density + " " +
      unit(units::DensityUnits(), form.densityUnit) + "\n" + form_text("SumViscosity") + " " + form.viscosity + " " +
      unit(units::ViscosityUnits(form.viscosityKind), form.viscosityUnit);
  summary_->setText(ToQString(summary));
}

void TTabelleAendern::EnableInputs() {
  from_->setEnabled(range_->isChecked());
  to_->setEnabled(range_->isChecked());
  summary_->setEnabled(medium_->isChecked());
  for (QWidget* input : std::initializer_list<QWidget*>{diameter_, diameterUnit_})
    input->setEnabled(circular_->isChecked());
  for (QWidget* input : std::initializer_list<QWidget*>{width_, widthUnit_, height_, heightUnit_}) {
    input->setEnabled(rectangular_->isChecked());
  }
}

tablechange::TableChangeRequest TTabelleAendern::Request() const {
  tablechange::TableChangeRequest request;
  request.wholeTable = whole_->isChecked();
  request.from = from_->value();
  request.to = to_->value();
  request.changeMedium = medium_->isChecked();
  request.changeCircular = circular_->isChecked();
  request.diameter = ToStdString(diameter_->text());
  request.diameterUnit = diameterUnit_->currentIndex();
  request.changeRectangular = rectangular_->isChecked();
  request.width = ToStdString(width_->text());
  request.widthUnit = widthUnit_->currentIndex();
  request.height = ToStdString(height_->text());
  request.heightUnit = heightUnit_->currentIndex();
  return request;
}

bool TTabelleAendern::RecalculateTable() {
  const mainform::MainForm window = MainWindowInputs();
  const tablechange::RequestCheck check =
      tablechange::CheckTableChange(Request(), window, texts_, table_.ElementCount());
  if (!check.messages.empty()) {
    if (check.closeDialog) {
      // The main window's medium is wrong: the dialog closes and the main window shows the field.
      reject();
      ShowMessages(parentWidget(), check.messages);
    } else {
      ShowMessages(this, check.messages);
    }
    return false;
  }
  if (!check.change) return false;  // nothing ticked
  const results::DisplayOptions options = optionsSource_ ? optionsSource_() : results::DisplayOptions{};
  const tablechange::ColumnCalculator calculator(texts_, options, window);
  const tablechange::TableChangeOutcome outcome = tablechange::ChangeTable(table_, *check.change, calculator);
  if (outcome.failure) {
    ShowFailure(*outcome.failure);
    return false;
  }
  ShowNotes(outcome.notes);
  // A change that touched no column (only rectangular elements ticked in a table of pipes) must not
  // pass for one that did.
  const bool changed = outcome.recalculated > 0;
  if (changed) emit TableRecalculated();
  ShowMessage(this, {texts_.FormText(tablechange::kTableBlock, changed ? "msgDone" : "msgNothingTouched"),
                     texts_.GlobalText(text::global::kInformationCaption),
                     text::MessageIcon::Information,
                     {}});
  return changed;
}

void TTabelleAendern::ShowFailure(const tablechange::ColumnFailure& failure) {
  // One box: the table stays as it was, which column failed, and why.
  std::string text = WithValue(texts_.FormText(tablechange::kTableBlock, "msgFailed"), std::to_string(failure.column));
  std::string caption = texts_.GlobalText(text::global::kErrorCaption);
  for (const text::Message& reason : failure.messages) {
    text += "\n\n" + reason.text;
    if (!reason.caption.empty()) caption = reason.caption;
  }
  ShowMessage(this, {text, caption, text::MessageIcon::Error, {}});
}

void TTabelleAendern::ShowNotes(const std::vector<tablechange::ColumnNote>& notes) {
  // The same note of several columns is shown once, naming its columns.
  std::vector<std::pair<text::Message, std::string>> grouped;
  for (const tablechange::ColumnNote& note : notes) {
    auto same = std::find_if(grouped.begin(), grouped.end(), [&](const auto& g) { return g.first == note.note; });
    if (same == grouped.end()) {
      grouped.emplace_back(note.note, std::to_string(note.column));
    } else {
      same->second += ", " + std::to_string(note.column);
    }
  }
  for (auto& [note, columns] : grouped) {
    text::Message shown = note;
    shown.text = WithValue(texts_.FormText(tablechange::kTableBlock, "msgNoteColumns"), columns) + "\n\n" + note.text;
    ShowMessage(this, shown);
  }
}

}  // namespace velmora::gui
