#include "calculators/TPSchnellAuslegung.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "calculators/PumpDesignFile.h"
#include "calculators/TPSchnellAusgabe.h"
#include "help/HelpTopics.h"
#include "text/GlobalTexts.h"
#include "toolkit/Controls.h"
#include "toolkit/FileDialogs.h"
#include "toolkit/Help.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

using calculators::kPumpElements;
using calculators::kPumpFittings;

// The fittings' edits and captions in the file's order.
constexpr const char* kFittingStems[kPumpFittings] = {"Edit_Bogen", "Edit_Ventil",   "Edit_Rue_Ventil",
                                                      "Edit_Hahn",  "Edit_Schieber", "Edit_Rue_Klappe"};
constexpr std::string_view kFittingKeys[kPumpFittings] = {"Bends", "GlobeValves", "LiftCheckValves",
                                                          "Cocks", "GateValves",  "SwingCheckValves"};

QString Name(const char* stem, char side) { return QString("%1_%2").arg(stem).arg(side); }
QString Name(const char* stem, int n, const char* tail, char side) {
  return QString("%1%2%3_%4").arg(stem).arg(n).arg(tail).arg(side);
}

}  // namespace

TPSchnellAuslegung::TPSchnellAuslegung(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : CalculatorDialog(texts, calculators::kPumpDesignBlock, programFolder, parent),
      programFolder_(std::move(programFolder)) {
  setObjectName("PSchnellAuslegung");
  auto* layout = new QVBoxLayout(this);
  // The medium beside the picture of the plant, whose symbols the labels of both pages use.
  auto* top = new QHBoxLayout;
  top->addWidget(BuildMedium(), 1);
  top->addWidget(Picture("ImageAnlage"), 0, Qt::AlignBottom);
  layout->addLayout(top);
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  pages_->addTab(BuildSide('S'), Text("SuctionPage"));
  pages_->addTab(BuildSide('D'), Text("PressurePage"));
  layout->addWidget(pages_);
  auto* buttons = new QHBoxLayout;
  QPushButton* calculate = Button("OKBtn", "CalculateBtn");
  calculate->setDefault(true);
  buttons->addWidget(calculate);
  const std::pair<const char*, const char*> fileButtons[] = {
      {"BitBtnDateiOeffnen", "OpenBtn"}, {"BitBtnSpeichern", "SaveBtn"},  {"BitBtnSpeichernUnter", "SaveAsBtn"},
      {"BitBtnLeeren", "ClearBtn"},      {"BitBtnKennlinie", "CurveBtn"}, {"BitBtnInfo", "InfoBtn"}};
  for (const auto& [name, key] : fileButtons) buttons->addWidget(Button(name, key));
  buttons->addStretch();
  QPushButton* close = Button("CancelBtn", "CloseBtn");
  buttons->addWidget(close);
  layout->addLayout(buttons);
  InstallHelp(*this, texts, help::topic::kPumpDesign, buttons);
  output_ = new TPSchnellAusgabe(texts, this);

  connect(calculate, &QPushButton::clicked, this, &TPSchnellAuslegung::OKBtnClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  const auto on = [this](const char* button, auto handler) {
    connect(findChild<QPushButton*>(button), &QPushButton::clicked, this, handler);
  };
  on("BitBtnDateiOeffnen", &TPSchnellAuslegung::BitBtnDateiOeffnenClick);
  on("BitBtnSpeichern", &TPSchnellAuslegung::BitBtnSpeichernClick);
  on("BitBtnSpeichernUnter", &TPSchnellAuslegung::BitBtnSpeichernUnterClick);
  on("BitBtnLeeren", &TPSchnellAuslegung::BitBtnLeerenClick);
  on("BitBtnInfo", &TPSchnellAuslegung::BitBtnInfoClick);
  on("BitBtnKennlinie", &TPSchnellAuslegung::SystemCurveClick);
  on("SpeedButton1", &TPSchnellAuslegung::MainDataRequested);
  on("Dabank", &TPSchnellAuslegung::RoughnessDatabaseRequested);
  on("BitBtn1", &TPSchnellAuslegung::VapourPressureDatabaseRequested);
  on("BitBtnRohrS", &TPSchnellAuslegung::PipeCatalogueRequested);
  on("BitBtnRohrD", &TPSchnellAuslegung::PipeCatalogueRequested);
  on("BitBtnZetaS", &TPSchnellAuslegung::ZetaDatabaseRequested);
  on("BitBtnZetaD", &TPSchnellAuslegung::ZetaDatabaseRequested);
  connect(findChild<QComboBox*>("ComboBox1"), &QComboBox::currentIndexChanged, this,
          &TPSchnellAuslegung::FlowKindChanged);
  connect(findChild<QComboBox*>("ComboBox4"), &QComboBox::currentIndexChanged, this,
          &TPSchnellAuslegung::ViscosityKindChanged);
  ClearResultsOnChange();
  WriteForm(calculators::PumpDesignForm::Defaults(texts.edition()));
  ShowPicture("ImageAnlage", calculators::kPumpPlantPicture);
  setWindowTitle(Text("Caption"));
}

QWidget* TPSchnellAuslegung::BuildMedium() {
  auto* box = new QGroupBox(Text("MediumGroup"), this);
  box->setObjectName("GroupBoxMedium");
  auto* grid = new QGridLayout(box);
  int row = 0;
  grid->addWidget(Caption("LabelPumpe", "PumpLabel"), row, 0);
  grid->addWidget(Edit("Edit_Pumpe"), row, 1, 1, 2);
  grid->addWidget(Button("SpeedButton1", "MainDataBtn"), row++, 3, 1, 2);
  grid->addWidget(Caption("LabelMedium", "MediumLabel"), row, 0);
  grid->addWidget(Edit("Edit1"), row++, 1, 1, 2);
  QComboBox* kind = Combo("ComboBox1");
  kind->addItems({Text("FlowVolume"), Text("FlowMass")});
  // The whole caption ("Volumenstrom:") even where the window is narrower than it would like to be
  // (a window opens at most two thirds of the screen wide).
  kind->setMinimumWidth(kind->sizeHint().width());
  grid->addWidget(kind, row, 0);
  grid->addWidget(Edit("Edit3"), row, 1);
  grid->addWidget(Combo("ComboBox2", calculators::PumpFlowUnits(0)), row, 2);
  grid->addWidget(Caption("LabelDichte", "DensityLabel"), row, 3);
  grid->addWidget(Edit("Edit4"), row, 4);
  grid->addWidget(Combo("ComboBox3", units::DensityUnits()), row++, 5);
  QComboBox* viscosity = Combo("ComboBox4");
  viscosity->addItems({Text("ViscosityDynamic"), Text("ViscosityKinematic")});
  viscosity->setMinimumWidth(viscosity->sizeHint().width());
  grid->addWidget(viscosity, row, 0);
  grid->addWidget(Edit("Edit5"), row, 1);
  grid->addWidget(Combo("ComboBox5", calculators::PumpViscosityUnits(0)), row, 2);
  grid->addWidget(Caption("LabelTemp", "TemperatureLabel"), row, 3);
  grid->addWidget(Edit("Edit_Temp"), row, 4);
  grid->addWidget(Caption("LabelTempUnit", "TemperatureUnit"), row++, 5);
  grid->addWidget(Caption("LabelDampfdruck", "VapourPressureLabel"), row, 0);
  grid->addWidget(Edit("Edit_Dampfdruck"), row, 1);
  grid->addWidget(Combo("Combo_Dampfdruck", units::PressureUnits()), row, 2);
  grid->addWidget(Button("BitBtn1", "VapourDatabaseBtn"), row++, 3);
  grid->addWidget(Caption("LabelRauigkeit", "RoughnessLabel"), row, 0);
  grid->addWidget(Edit("Edit2"), row, 1);
  grid->addWidget(Combo("ComboBox6", calculators::MillimetreUnits()), row, 2);
  grid->addWidget(Button("Dabank", "RoughnessBtn"), row++, 3);
  return box;
}

QWidget* TPSchnellAuslegung::BuildSide(char side) {
  auto* page = new QWidget(this);
  page->setObjectName(Name("TabSheet", side));
  auto* grid = new QGridLayout(page);
  const auto name = [side](const char* stem) { return Name(stem, side).toUtf8(); };
  int row = 0;
  const auto field = [&](const char* label, std::string_view key, const char* edit, const char* combo,
                         std::span<const units::Unit> list) {
    grid->addWidget(Caption(name(label).constData(), key), row, 0);
    grid->addWidget(Edit(name(edit).constData()), row, 1);
    grid->addWidget(Combo(name(combo).constData(), list), row, 2);
    ++row;
  };
  field("LabelBehaelter", side == 'S' ? "SuctionVesselLabel" : "PressureVesselLabel", "Edit_Behaelter",
        "Combo_Behaelter", units::PressureUnits());
  field("LabelGeo", side == 'S' ? "SuctionHeightLabel" : "PressureHeightLabel", "Edit_Geo", "Combo_Geo",
        calculators::MetreUnits());
  if (side == 'S') grid->addWidget(Caption("LabelGeoHinweis", "SuctionHeightHint"), row - 1, 3, 1, 3);
  field("LabelRohrlaenge", "LengthLabel", "Edit_Rohrlaenge", "Combo_Rohrlaenge", calculators::MetreUnits());
  field("LabelDurchmesser", "DiameterLabel", "Edit_Durchmesser", "Combo_Durchmesser", calculators::MillimetreUnits());
  grid->addWidget(Button(side == 'S' ? "BitBtnRohrS" : "BitBtnRohrD", "PipeBtn"), row - 1, 3);

  auto* fittings = new QGroupBox(Text("FittingsGroup"), page);
  auto* fittingGrid = new QGridLayout(fittings);
  for (int i = 0; i < kPumpFittings; ++i) {
    QLabel* label = MakeLabel(fittings, name((std::string("Label") + kFittingStems[i]).c_str()).constData());
    label->setText(Text(kFittingKeys[i]) + ":");
    QLineEdit* count = MakeEdit(fittings, name(kFittingStems[i]).constData());
    count->setMaximumWidth(60);
    auto* upDown = new QSpinBox(fittings);
    upDown->setObjectName(Name((std::string("UpDown") + (kFittingStems[i] + 4)).c_str(), side));
    upDown->setRange(0, 999);
    upDown->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    upDown->setMaximumWidth(18);
    upDown->setStyleSheet("QSpinBox { color: transparent; }");
    upDown->setFocusPolicy(Qt::NoFocus);  // the tab key goes from count to count
    connect(upDown, &QSpinBox::valueChanged, count, [count](int value) { count->setText(QString::number(value)); });
    connect(count, &QLineEdit::textEdited, upDown, [upDown](const QString& text) {
      bool whole = false;
      const int value = text.toInt(&whole);
      if (whole) {
        const QSignalBlocker block(upDown);
        upDown->setValue(value);
      }
    });
    const int r = i % 3;
    const int c = (i / 3) * 3;
    fittingGrid->addWidget(label, r, c);
    auto* cell = new QHBoxLayout;
    cell->setSpacing(0);
    cell->addWidget(count);
    cell->addWidget(upDown);
    fittingGrid->addLayout(cell, r, c + 1);
  }
  // Each count stays beside its name; the room left over goes to the right.
  fittingGrid->setColumnMinimumWidth(2, 24);
  fittingGrid->setColumnStretch(5, 1);
  grid->addWidget(fittings, row++, 0, 1, 6);

  auto* elements = new QGroupBox(Text("ElementsGroup"), page);
  auto* elementGrid = new QGridLayout(elements);
  elementGrid->addWidget(MakeLabel(elements, name("LabelAnzahl").constData()), 0, 0);
  elementGrid->addWidget(MakeLabel(elements, name("LabelElement").constData()), 0, 1);
  elementGrid->addWidget(MakeLabel(elements, name("LabelZeta").constData()), 0, 2);
  // "or pressure loss" and its unit ("in bar") head the same column.
  auto* lossHeading = new QHBoxLayout;
  lossHeading->addWidget(MakeLabel(elements, name("LabelDP").constData()));
  lossHeading->addWidget(MakeLabel(elements, name("Label_dP").constData()));
  lossHeading->addStretch();
  elementGrid->addLayout(lossHeading, 0, 3);
  elements->findChild<QLabel*>(Name("LabelAnzahl", side))->setText(Text("CountHeading"));
  elements->findChild<QLabel*>(Name("LabelElement", side))->setText(Text("NameHeading"));
  elements->findChild<QLabel*>(Name("LabelZeta", side))->setText(Text("ZetaHeading"));
  elements->findChild<QLabel*>(Name("LabelDP", side))->setText(Text("LossHeading"));
  for (int n = 1; n <= kPumpElements; ++n) {
    MakeEdit(elements, Name("Edit_Anzahl", n, "", side).toUtf8().constData())->setMaximumWidth(60);
    elementGrid->addWidget(elements->findChild<QLineEdit*>(Name("Edit_Anzahl", n, "", side)), n, 0);
    elementGrid->addWidget(MakeEdit(elements, Name("Edit_Element", n, "", side).toUtf8().constData()), n, 1);
    elementGrid->addWidget(MakeEdit(elements, Name("Edit_Zeta", n, "", side).toUtf8().constData()), n, 2);
    elementGrid->addWidget(MakeEdit(elements, Name("Edit_Element", n, "_dP", side).toUtf8().constData()), n, 3);
  }
  elementGrid->addWidget(Button(side == 'S' ? "BitBtnZetaS" : "BitBtnZetaD", "ZetaBtn"), kPumpElements + 1, 2);
  elementGrid->setColumnStretch(1, 1);
  grid->addWidget(elements, row++, 0, 1, 6);
  grid->setColumnStretch(5, 1);

  connect(findChild<QComboBox*>(Name("Combo_Behaelter", side)), &QComboBox::currentIndexChanged, this,
          [this, side] { VesselUnitChanged(side); });
  PairElementFields(side);
  return page;
}

void TPSchnellAuslegung::PairElementFields(char side) {
  // Typing into the ζ or the pressure loss of an element clears the other one.
  for (int n = 1; n <= kPumpElements; ++n) {
    auto* zeta = findChild<QLineEdit*>(Name("Edit_Zeta", n, "", side));
    auto* loss = findChild<QLineEdit*>(Name("Edit_Element", n, "_dP", side));
    connect(zeta, &QLineEdit::textEdited, loss, [loss] { loss->clear(); });
    connect(loss, &QLineEdit::textEdited, zeta, [zeta] { zeta->clear(); });
  }
}

void TPSchnellAuslegung::VesselUnitChanged(char side) {
  findChild<QLabel*>(Name("Label_dP", side))
      ->setText(ToQString(calculators::ElementLossCaption(Texts(), ListIndex(Name("Combo_Behaelter", side).toUtf8()))));
}

void TPSchnellAuslegung::FlowKindChanged(int kind) {
  FillUnitList(findChild<QComboBox*>("ComboBox2"), calculators::PumpFlowUnits(kind));
}

void TPSchnellAuslegung::ViscosityKindChanged(int kind) {
  FillUnitList(findChild<QComboBox*>("ComboBox5"), calculators::PumpViscosityUnits(kind));
}

void TPSchnellAuslegung::SetResultCaptions() {}
void TPSchnellAuslegung::ClearResults() {
  input_.reset();
  result_.reset();
}

calculators::PumpDesignForm TPSchnellAuslegung::ReadForm() const {
  calculators::PumpDesignForm f;
  f.pump = EditText("Edit_Pumpe");
  f.roughness = EditText("Edit2");
  f.roughnessUnit = ListIndex("ComboBox6");
  f.medium = EditText("Edit1");
  f.flowKind = ListIndex("ComboBox1");
  f.flow = EditText("Edit3");
  f.flowUnit = ListIndex("ComboBox2");
  f.density = EditText("Edit4");
  f.densityUnit = ListIndex("ComboBox3");
  f.viscosityKind = ListIndex("ComboBox4");
  f.viscosity = EditText("Edit5");
  f.viscosityUnit = ListIndex("ComboBox5");
  f.temperature = EditText("Edit_Temp");
  f.vapourPressure = EditText("Edit_Dampfdruck");
  f.vapourPressureUnit = ListIndex("Combo_Dampfdruck");
  for (const char side : {'S', 'D'}) {
    calculators::PumpLineForm& line = side == 'S' ? f.suction : f.pressure;
    const auto text = [&](const QString& name) { return EditText(name.toUtf8().constData()); };
    const auto index = [&](const QString& name) { return ListIndex(name.toUtf8().constData()); };
    line.vesselPressure = text(Name("Edit_Behaelter", side));
    line.vesselUnit = index(Name("Combo_Behaelter", side));
    line.height = text(Name("Edit_Geo", side));
    line.heightUnit = index(Name("Combo_Geo", side));
    line.diameter = text(Name("Edit_Durchmesser", side));
    line.diameterUnit = index(Name("Combo_Durchmesser", side));
    line.length = text(Name("Edit_Rohrlaenge", side));
    line.lengthUnit = index(Name("Combo_Rohrlaenge", side));
    for (std::size_t i = 0; i < kPumpFittings; ++i) line.fittings[i] = text(Name(kFittingStems[i], side));
    for (int n = 1; n <= kPumpElements; ++n) {
      calculators::PumpElementForm& e = line.elements[static_cast<std::size_t>(n - 1)];
      e.count = text(Name("Edit_Anzahl", n, "", side));
      e.name = text(Name("Edit_Element", n, "", side));
      e.zeta = text(Name("Edit_Zeta", n, "", side));
      e.pressureLoss = text(Name("Edit_Element", n, "_dP", side));
    }
  }
  return f;
}

void TPSchnellAuslegung::WriteForm(const calculators::PumpDesignForm& f) {
  const auto set = [this](const QString& name, const std::string& text) {
    findChild<QLineEdit*>(name)->setText(ToQString(text));
  };
  const auto choose = [this](const QString& name, int index) { SelectEntry(findChild<QComboBox*>(name), index); };
  set("Edit_Pumpe", f.pump);
  set("Edit2", f.roughness);
  choose("ComboBox6", f.roughnessUnit);
  set("Edit1", f.medium);
  choose("ComboBox1", f.flowKind);
  FlowKindChanged(f.flowKind);
  set("Edit3", f.flow);
  choose("ComboBox2", f.flowUnit);
  set("Edit4", f.density);
  choose("ComboBox3", f.densityUnit);
  choose("ComboBox4", f.viscosityKind);
  ViscosityKindChanged(f.viscosityKind);
  set("Edit5", f.viscosity);
  choose("ComboBox5", f.viscosityUnit);
  set("Edit_Temp", f.temperature);
  set("Edit_Dampfdruck", f.vapourPressure);
  choose("Combo_Dampfdruck", f.vapourPressureUnit);
  for (const char side : {'S', 'D'}) {
    const calculators::PumpLineForm& line = side == 'S' ? f.suction : f.pressure;
    set(Name("Edit_Behaelter", side), line.vesselPressure);
    choose(Name("Combo_Behaelter", side), line.vesselUnit);
    set(Name("Edit_Geo", side), line.height);
    choose(Name("Combo_Geo", side), line.heightUnit);
    set(Name("Edit_Durchmesser", side), line.diameter);
    choose(Name("Combo_Durchmesser", side), line.diameterUnit);
    set(Name("Edit_Rohrlaenge", side), line.length);
    choose(Name("Combo_Rohrlaenge", side), line.lengthUnit);
    for (std::size_t i = 0; i < kPumpFittings; ++i) {
      set(Name(kFittingStems[i], side), line.fittings[i]);
      auto* upDown = findChild<QSpinBox*>(Name((std::string("UpDown") + (kFittingStems[i] + 4)).c_str(), side));
      const QSignalBlocker block(upDown);
      upDown->setValue(ToQString(line.fittings[i]).toInt());
    }
    for (int n = 1; n <= kPumpElements; ++n) {
      const calculators::PumpElementForm& e = line.elements[static_cast<std::size_t>(n - 1)];
      set(Name("Edit_Anzahl", n, "", side), e.count);
      set(Name("Edit_Element", n, "", side), e.name);
      set(Name("Edit_Zeta", n, "", side), e.zeta);
      set(Name("Edit_Element", n, "_dP", side), e.pressureLoss);
    }
    VesselUnitChanged(side);
  }
}

char TPSchnellAuslegung::VisibleSide() const { return pages_->currentIndex() == 1 ? 'D' : 'S'; }
void TPSchnellAuslegung::ShowSide(char side) { pages_->setCurrentIndex(side == 'D' ? 1 : 0); }
QString TPSchnellAuslegung::VisibleSideText() const { return pages_->tabText(pages_->currentIndex()); }

void TPSchnellAuslegung::OKBtnClick() {
  ClearResults();
  const calculators::PumpDesignForm form = ReadForm();
  const calculators::PumpDesignOutcome outcome = calculators::CalculatePumpDesignDialog(form, Texts(), Settings());
  // The page of a refused field is brought to the front, so that the box names a visible field.
  if (!outcome.page.empty()) ShowSide(outcome.page[0]);
  ShowOutcome(outcome);
  if (!outcome.result) return;
  input_ = outcome.input;
  result_ = outcome.result;
  output_->ShowResults(form, outcome.shown);
  output_->exec();
}

void TPSchnellAuslegung::SpeedButton1Click(const mainform::MainForm& main) {
  calculators::PumpDesignForm form = ReadForm();
  calculators::CopyMainMedium(main, form);
  WriteForm(form);
}

bool TPSchnellAuslegung::SaveTo(const QString& file) {
  const std::optional<text::Message> failed =
      calculators::SavePumpDesign(ToStdString(file), ReadForm(), Settings().us, Texts());
  if (failed) {
    ShowMessage(this, *failed);
    return false;
  }
  fileName_ = file;
  setWindowTitle(Text("FileCaption") + ": " + file);
  return true;
}

void TPSchnellAuslegung::BitBtnSpeichernClick() {
  if (fileName_.isEmpty()) {
    BitBtnSpeichernUnterClick();
    return;
  }
  SaveTo(fileName_);
}

void TPSchnellAuslegung::BitBtnSpeichernUnterClick() {
  const QString folder = defaultFolder_.isEmpty() ? programFolder_ : defaultFolder_;
  QDir().mkpath(folder);  // the user's data folder of an installed program may not exist yet
  const QString file =
      ChooseFile(this, {FileDialogKind::Save, Text("FilterSave"), "psa",
                        fileName_.isEmpty() ? QDir(folder).filePath(Text("DefaultFileName")) : fileName_});
  if (!file.isEmpty()) SaveTo(file);
}

void TPSchnellAuslegung::BitBtnDateiOeffnenClick() {
  const QString file = ChooseFile(this, {FileDialogKind::Open, Text("FilterOpen"), "psa", fileName_});
  if (!file.isEmpty()) OpenFile(file);
}

bool TPSchnellAuslegung::OpenFile(const QString& file) {
  const calculators::PumpFileRead read = calculators::LoadPumpDesign(ToStdString(file), Texts().edition());
  if (!read.form) {
    ShowMessage(this, calculators::PumpFileMessage(Texts(), ToStdString(file), read));
    return false;
  }
  WriteForm(*read.form);
  fileName_ = file;
  setWindowTitle(Text("FileCaption") + ": " + file);
  return true;
}

void TPSchnellAuslegung::BitBtnLeerenClick() {
  setWindowTitle(Text("Caption"));
  fileName_.clear();
  for (QLineEdit* edit : findChildren<QLineEdit*>()) edit->clear();
  for (QSpinBox* upDown : findChildren<QSpinBox*>()) {
    const QSignalBlocker block(upDown);
    upDown->setValue(0);
  }
  for (const char side : {'S', 'D'}) {
    for (const char* stem : kFittingStems) findChild<QLineEdit*>(Name(stem, side))->setText("0");
    for (int n = 1; n <= kPumpElements; ++n) findChild<QLineEdit*>(Name("Edit_Anzahl", n, "", side))->setText("0");
  }
}

void TPSchnellAuslegung::BitBtnInfoClick() {
  std::string text;
  for (int i = 1; i <= 9; ++i) {
    text += Texts().FormText(calculators::kPumpDesignBlock, "Info" + std::to_string(i));
    if (i < 9) text += "\n\n";
  }
  ShowMessage(this, {text, Texts().GlobalText(text::global::kInformationCaption), text::MessageIcon::Information, {}});
}

void TPSchnellAuslegung::SystemCurveClick() {
  const calculators::PumpDesignOutcome outcome =
      calculators::CalculatePumpDesignDialog(ReadForm(), Texts(), Settings());
  if (!outcome.page.empty()) ShowSide(outcome.page[0]);
  if (!outcome.result) {
    ShowOutcome(outcome);
    return;
  }
  input_ = outcome.input;
  result_ = outcome.result;
  emit SystemCurveRequested(*input_, *result_);
}

void TPSchnellAuslegung::TakeOverPipe(const parts::PartTakeOver& takeOver) {
  const parts::TakeOverTarget target =
      VisibleSide() == 'S' ? parts::TakeOverTarget::PumpSuction : parts::TakeOverTarget::PumpPressure;
  const parts::TakeOverWrites writes = parts::WritesFor(takeOver, target);
  for (const parts::TextWrite& write : writes.texts) {
    if (auto* edit = findChild<QLineEdit*>(ToQString(write.control))) edit->setText(ToQString(write.text));
  }
  for (const parts::UnitWrite& write : writes.units) {
    if (auto* combo = findChild<QComboBox*>(ToQString(write.control))) SelectEntry(combo, write.entry);
  }
}

void TPSchnellAuslegung::TakeOverZeta(const coefficients::ZetaChoice& choice, const std::array<bool, 3>& rows) {
  const char side = VisibleSide();
  for (int n = 1; n <= kPumpElements; ++n) {
    if (!rows[static_cast<std::size_t>(n - 1)]) continue;
    findChild<QLineEdit*>(Name("Edit_Element", n, "", side))->setText(ToQString(choice.designation));
    findChild<QLineEdit*>(Name("Edit_Zeta", n, "", side))->setText(ToQString(choice.zeta));
    findChild<QLineEdit*>(Name("Edit_Element", n, "_dP", side))->clear();
  }
}

void TPSchnellAuslegung::TakeOverRoughness(const std::string& millimetres) {
  findChild<QLineEdit*>("Edit2")->setText(ToQString(millimetres));
  SelectEntry(findChild<QComboBox*>("ComboBox6"), 0);
}

void TPSchnellAuslegung::TakeOverVapourPressure(const fluids::VapourPressureTakeOver& takeOver) {
  if (takeOver.vapourPressure) {
    findChild<QLineEdit*>("Edit_Dampfdruck")->setText(ToQString(*takeOver.vapourPressure));
    SelectEntry(findChild<QComboBox*>("Combo_Dampfdruck"), 0);
  }
  if (takeOver.temperature) findChild<QLineEdit*>("Edit_Temp")->setText(ToQString(*takeOver.temperature));
}

}  // namespace velmora::gui
