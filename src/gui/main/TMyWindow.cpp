#include "main/TMyWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>

#include "calculators/CalculatorWindows.h"
#include "calculators/PumpDesignFile.h"
#include "calculators/TPSchnellAuslegung.h"
#include "catalogue/ElementLayout.h"
#include "coefficients/CoefficientCommands.h"
#include "curve/CurveCommand.h"
#include "elements/TBtnBottomDlg.h"
#include "fluids/PropertyWindows.h"
#include "fluids/TGaswarnungDlg.h"
#include "fluids/WaterDialogs.h"
#include "help/HelpCommands.h"
#include "help/THilfeFenster.h"
#include "hydraulics/CalculateElement.h"
#include "install/ProgramFiles.h"
#include "main/AdditionalPanel.h"
#include "main/ElementPanel.h"
#include "main/FormBinding.h"
#include "main/MediumPanel.h"
#include "mainform/CalculateCommand.h"
#include "parts/PartsCatalogues.h"
#include "printing/TSeiteEinrichtenDlg.h"
#include "results/ResultsGrid.h"
#include "results/TAusgabe_Fenster.h"
#include "settings/QtSettingsStore.h"
#include "settings/ReadSettings.h"
#include "settings/SettingsKeys.h"
#include "settings/TEinstellungenDlg.h"
#include "settings/WriteSettings.h"
#include "shortdisplay/TKurzAnzeige.h"
#include "tablechange/TableChangeCommands.h"
#include "text/GlobalTexts.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr const char* kTitle = "Velmora 6.260";
constexpr int kRecentEntriesShown = 6;

QLineEdit* FocusedEdit() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

}  // namespace

TMyWindow::TMyWindow(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : QMainWindow(parent),
      texts_(texts),
      programFolder_(std::move(programFolder)),
      recent_([](const std::string& path) { return QFileInfo::exists(ToQString(path)); }) {
  recent_.maxEntries = kRecentEntriesShown;
  setObjectName("MyWindow");
  setWindowTitle("Velmora 6.0");
  commands_.Build(*this, texts_.edition());
  BuildCentralWidget();
  results_ = new TAusgabe_Fenster(texts_, session_.Table(), this);
  selection_ = new TBtnBottomDlg(texts_, programFolder_, this);
  gasNotes_ = new TGaswarnungDlg(texts_, this);
  settingsDialog_ = new TEinstellungenDlg(texts_, this);
  curve_ = new CurveCommand(texts_, this);
  shortDisplay_ = new TKurzAnzeige(texts_, session_.Table(), *results_, this);
  pageSetup_ = new TSeiteEinrichtenDlg(texts_, this);
  projectDialogs_ = MakeProjectDialogs();
  parts_ = new PartsCatalogues(
      texts_, programFolder_, [this] { return settings_.display.us; }, this);
  tableChange_ = new TableChangeCommands(texts_, session_, *results_,
                                         {[this] { return ReadForm(); }, [this] { return settingsFile_; },
                                          [this](const tablechange::ColumnWidths& w) {
                                            settings_.standardColumnWidths = {w.title, w.other};
                                          },
                                          parts_},
                                         this);
  coefficients_ = new CoefficientCommands(
      texts_, programFolder_,
      {[this] { return ReadForm(); }, [this](const mainform::MainForm& form) { WriteForm(form); }},
      tableChange_->ColumnDialog(), this);
  properties_ = new PropertyWindows(texts_, programFolder_, &settings_.userDatabaseUnits, this);
  connect(properties_, &PropertyWindows::TakeOverRequested, this, &TMyWindow::ApplyMediumTakeOver);
  settingsFile_ = UserSettingsFile(texts_.GlobalText(text::global::kSettingsKey));
  ConnectCommands();
  mainform::MainForm form = mainform::MainForm::Defaults(texts_.edition());
  form.medium = texts_.GlobalText(text::global::kDefaultMedium);
  WriteForm(form);
}

TMyWindow::~TMyWindow() = default;

void TMyWindow::BuildCentralWidget() {
  auto* central = new QWidget(this);
  central->setObjectName("Hauptpanel");
  setCentralWidget(central);
  auto* outer = new QVBoxLayout(central);
  auto* panels = new QHBoxLayout;
  elementPanel_ = new ElementPanel(texts_, programFolder_, central);
  mediumPanel_ = new MediumPanel(texts_, central);
  panels->addWidget(elementPanel_, 3);
  panels->addWidget(mediumPanel_, 2);
  outer->addLayout(panels);
  additionalPanel_ = new AdditionalPanel(texts_, central);
  outer->addWidget(additionalPanel_);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  auto* calculate = new QPushButton(central);
  calculate->setObjectName("BitBtn1");
  calculate->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  bottom->addWidget(calculate);
  outer->addLayout(bottom);
  connect(calculate, &QPushButton::clicked, this, [this] { Calculate(); });

  // Every edit offers the copy/paste/delete popup of the window.
  for (QLineEdit* edit : central->findChildren<QLineEdit*>()) {
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QLineEdit::customContextMenuRequested, this,
            [this, edit](const QPoint& position) { ShowEditPopup(edit, position); });
  }
  connect(elementPanel_, &ElementPanel::InfoRequested, this, [this] { ShowInfo(InfoText(group_ * 9 + kind_)); });
  connect(elementPanel_, &ElementPanel::RoughnessInfoRequested, this,
          [this] { ShowInfo(InfoText(1) + "\n" + InfoText(2)); });
  connect(mediumPanel_, &MediumPanel::GasFlowHintsRequested, this, [this] {
    ShowInfo(InfoText(3) + "\n" + InfoText(4) + InfoText(5) + "\n" + InfoText(6) + "\n\n" + InfoText(7) + "\n" +
             InfoText(8));
  });
  connect(mediumPanel_, &MediumPanel::FlowUnitChanged, additionalPanel_, &AdditionalPanel::SetFlowUnit);
}

void TMyWindow::ConnectCommands() {
  const auto on = [this](const char* command, auto handler) {
    connect(&commands_[command], &QAction::triggered, this, handler);
  };
  on("Beenden1", [this] { close(); });
  on("Neu1", [this] { NewProject(); });
  on("ffnen1", [this] { OpenProject(); });
  on("Speichern1", [this] { SaveProject(); });
  on("Speichernunter1", [this] { SaveProjectAs(); });
  on("Rohrleitungselementwhlen1", [this] { ChooseElement(); });
  on("Berechnen2", [this] { Calculate(); });
  on("Einstellungen2", [this] { OpenSettings(); });
  on("StoffdatenWasser1", [this] { OpenProperties(PropertyWindows::Window::Water); });
  on("StoffdatenWasserSttigungszustand1", [this] { OpenProperties(PropertyWindows::Window::SaturatedWater); });
  on("StoffdatenLuft1", [this] { OpenProperties(PropertyWindows::Window::DryAir); });
  on("StoffdatenfeuchteLuft1", [this] { OpenProperties(PropertyWindows::Window::HumidAir); });
  on("StoffdatenLuftSttigungszustand1", [this] { OpenProperties(PropertyWindows::Window::SaturatedAir); });
  on("Druckverlustkurve1", [this] { OpenCurve(); });
  calculators_ = new CalculatorWindows(texts_, programFolder_, this);
  const auto display = [this] { return calculators::Display{settings_.display.us, settings_.display.decimals}; };
  on("DrosselblendeAuslegung1", [this, display] { calculators_->OpenOrificeDesign(ReadForm(), display()); });
  on("KonstanterFlssigkeitsspiegel1", [this, display] { calculators_->OpenOutflow(display()); });
  on("AbnehmenderFlssigkeitsspiegel1", [this, display] { calculators_->OpenDrainingTime(display()); });
  on("VorhandenesGerinneberechnen1", [this, display] { calculators_->OpenOpenChannel(display()); });
  on("Gerinneauslegen1", [this, display] { calculators_->OpenChannelDesign(display()); });
  ConnectCalculatorsII(display);
  on("StoffdatensonstigeMedien1", [this] { OpenProperties(PropertyWindows::Window::Liquids); });
  on("StoffdatensonstigeGase1", [this] { OpenProperties(PropertyWindows::Window::Gases); });
  on("ZetaDatenbank1", [this] { coefficients_->OpenZetaDatabase(); });
  connect(elementPanel_, &ElementPanel::RoughnessDatabaseRequested, coefficients_,
          &CoefficientCommands::OpenRoughnessDatabase);
  const auto catalogue = [this](parts::PartKind part) {
    return [this, part] { parts_->Open(part, [this](const parts::PartTakeOver& t) { ApplyPartTakeOver(t); }); };
  };
  on("Rohre1", catalogue(parts::PartKind::Pipe));
  on("Rohrerechteckig1", catalogue(parts::PartKind::Rectangle));
  on("Bgen1", catalogue(parts::PartKind::Bend));
  on("ReduzierungenErweiterungen1", catalogue(parts::PartKind::Reducer));
  on("T1", catalogue(parts::PartKind::Tee));
  on("Kuehlsolenberechnen", [this] { OpenProperties(PropertyWindows::Window::Brines); });
  on("Wrmetrgerleberechnen1", [this] { OpenProperties(PropertyWindows::Window::Oils); });
  on("WssrigeLsungenberechnen1", [this] { OpenProperties(PropertyWindows::Window::AqueousSolutions); });
  on("Stoffdatenabschtzen1", [this] { OpenProperties(PropertyWindows::Window::Estimate); });
  on("BenutzerdefinierteDatenbank1", [this] { OpenProperties(PropertyWindows::Window::UserMediaChoice); });
  on("Stoffdatenbankbearbeiten1", [this] { OpenProperties(PropertyWindows::Window::UserMediaEdit); });
  help_ = new HelpCommands(texts_, programFolder_, this);
  on("Index1", [this] { help_->ShowIndex(); });
  on("AufUpgradesprfen1", [this] { help_->ShowUpgrades(false, settings_.upgradeCheck); });
  on("Upgradesinstallieren1", [this] { help_->ShowUpgrades(true, settings_.upgradeCheck); });
  on("Info1", [this] { help_->ShowAbout(); });
  on("Kopieren1", [] {
    if (QLineEdit* edit = FocusedEdit()) edit->copy();
  });
  on("Einfgen1", [] {
    if (QLineEdit* edit = FocusedEdit()) edit->paste();
  });
  on("Lschen1", [] {
    if (QLineEdit* edit = FocusedEdit()) edit->del();
  });
  on("Kopieren2", [this] {
    if (popupTarget_ != nullptr) popupTarget_->copy();
  });
  on("Einfgen2", [this] {
    if (popupTarget_ != nullptr) popupTarget_->paste();
  });
  on("Lschen2", [this] {
    if (popupTarget_ != nullptr) popupTarget_->del();
  });
  on("GewhlteSpalteentfernen1", [this] { results_->DeleteSelectedColumn(); });
  on("KopiereninZwischenablage1", [this] { results_->CopyTableToClipboard(); });
  on("KopiereninEingabefelder1", [this] { results_->CopyColumnToInputs(); });
  on("Ansichtgrer1", [this] { results_->ZoomIn(); });
  on("Ansichtkleiner1", [this] { results_->ZoomOut(); });
  on("Schriftartndern1", [this] { results_->ChooseFont(); });
  on("GewhlteTabellenspaltendern1", [this] { tableChange_->ChangeColumn(results_->SelectedColumn()); });
  on("GlobaleTabellennderungen1", [this] { tableChange_->ChangeTable(); });
  on("Spaltenbreitendern1", [this] { tableChange_->ChangeColumnWidths(); });
  connect(&commands_["abelleanzeigen1"], &QAction::toggled, results_, &QWidget::setVisible);

  connect(&commands_.Menu("Datei1"), &QMenu::aboutToShow, this, [this] {
    commands_["Speichern1"].setEnabled(session_.HasElements());
    commands_["Speichernunter1"].setEnabled(session_.HasElements());
  });
  connect(&commands_.Menu("Bearbeiten1"), &QMenu::aboutToShow, this, &TMyWindow::UpdateEditMenu);
  connect(&commands_.Menu("Tabelle1"), &QMenu::aboutToShow, this, &TMyWindow::UpdateTableMenu);

  connect(results_, &TAusgabe_Fenster::Closed, this, [this] { commands_["abelleanzeigen1"].setChecked(false); });
  connect(results_, &TAusgabe_Fenster::CopyToInputsRequested, this, &TMyWindow::ApplyCopiedColumn);
  results_->SetInputsSource([this] { return ReadForm(); });
  // Deleting or moving columns changes the project as much as a calculation does.
  connect(results_, &TAusgabe_Fenster::ColumnsEdited, this, [this] { session_.MarkChanged(); });
  connect(results_, &TAusgabe_Fenster::NewProjectRequested, this, &TMyWindow::NewProject);
  connect(results_, &TAusgabe_Fenster::OpenProjectRequested, this, &TMyWindow::OpenProject);
  connect(results_, &TAusgabe_Fenster::SaveProjectRequested, this, &TMyWindow::SaveProject);

  // Printing the table and the short display; the short display mirrors the table by itself.
  results_->SetFeatureAvailable(TAusgabe_Fenster::Feature::Print, true);
  connect(results_, &TAusgabe_Fenster::PrintRequested, this, &TMyWindow::PrintTable);
  on("Tabelledrucken2", [this] { PrintTable(); });
  on("Kurzanzeigedrucken1", [this] { shortDisplay_->Print(ProjectCaption()); });
  connect(&commands_["Kurzanzeigeanzeigen1"], &QAction::toggled, shortDisplay_, &QWidget::setVisible);
  connect(shortDisplay_, &TKurzAnzeige::Closed, this, [this] { commands_["Kurzanzeigeanzeigen1"].setChecked(false); });
  connect(shortDisplay_, &TKurzAnzeige::Edited, this, [this] { session_.MarkChanged(); });
}

void TMyWindow::ConnectCalculatorsII(const std::function<calculators::Display()>& display) {
  const auto on = [this](const char* command, auto handler) {
    connect(&commands_[command], &QAction::triggered, this, handler);
  };
  calculators_->SetMainWindow({[this] { return ReadForm(); }, [this](const mainform::MainForm& f) { WriteForm(f); },
                               [this]() -> const results::ResultsTable& { return session_.Table(); }});
  on("PumpenSchnellauslegung1", [this, display] { calculators_->OpenPumpDesign(display()); });
  on("NPSHWert1", [this, display] { calculators_->OpenNpsh(display()); });
  on("Nennweite1", [this, display] { calculators_->OpenEconomicDiameter(false, display()); });
  on("NennweiteGase1", [this, display] { calculators_->OpenEconomicDiameter(true, display()); });
  on("Frderhhe1", [this, display] { calculators_->OpenPumpHead(display()); });
  on("GeschwindigkeitinVolumenstrom1", [this, display] { calculators_->OpenVelocityToFlow(display()); });
  on("VolumenstrominGeschwindigkeit1", [this, display] { calculators_->OpenFlowToVelocity(display()); });
  on("NormminBetriebsm1", [this, display] { calculators_->OpenStandardToOperating(display()); });
  on("kvinZeta1", [this, display] { calculators_->OpenValveZeta(false, display()); });
  on("CvinZeta1", [this, display] { calculators_->OpenValveZeta(true, display()); });
  on("RohrInhaltFllzeit1", [this, display] { calculators_->OpenPipelineContent(display()); });
  on("Einheitenumrechnen1", [this] { calculators_->OpenUnitConverterInfo(); });
  connect(&commands_.Menu("Berechnen1"), &QMenu::aboutToShow, this,
          [this] { commands_["RohrInhaltFllzeit1"].setEnabled(session_.HasElements()); });
  // The pump quick design's databases take over into it while it is shown.
  connect(calculators_, &CalculatorWindows::PumpPipeCatalogueRequested, this, [this] {
    TPSchnellAuslegung* pump = calculators_->PumpDesign();
    parts_->Open(
        parts::PartKind::Pipe, [pump](const parts::PartTakeOver& t) { pump->TakeOverPipe(t); }, pump);
  });
  connect(calculators_, &CalculatorWindows::PumpZetaDatabaseRequested, coefficients_,
          &CoefficientCommands::OpenZetaDatabase);
  connect(calculators_, &CalculatorWindows::PumpRoughnessDatabaseRequested, coefficients_,
          &CoefficientCommands::OpenRoughnessDatabase);
  coefficients_->SetPumpDesign(
      {[this] { return calculators_->PumpDesignShown(); },
       [this] { return calculators_->PumpDesign()->VisibleSideText(); },
       [this](const coefficients::ZetaChoice& c, const std::array<bool, 3>& rows) {
         calculators_->PumpDesign()->TakeOverZeta(c, rows);
       },
       [this](const std::string& value) { calculators_->PumpDesign()->TakeOverRoughness(value); }});
  calculators_->PumpDesign()->SetDefaultFolder(ProgramFileFolder());
}

void TMyWindow::PrintTable() {
  if (!session_.HasElements()) return;
  results_->StoreLook(session_.Appearance());  // the grid's column widths, for wrapping
  const results::StatusTexts& status = results_->Status();
  const TablePrintSource source{&session_.Table(), ToQString(status.label + " " + status.totals),
                                ProjectPath().value_or(QString()), results_->Grid()->font(),
                                static_cast<double>(results_->Grid()->logicalDpiX())};
  if (pageSetup_->Run(session_.Appearance(), source)) session_.MarkChanged();
}

QString TMyWindow::ProgramFileFolder() const {
  // Files the program writes for the user go to the program folder while it may be written to.
  const std::string name = texts_.FormText(calculators::kPumpDesignBlock, "DefaultFileName");
  return ToQString(install::WriteFolder(install::Folders(ToStdString(programFolder_)), name).string());
}

QString TMyWindow::InfoText(int index) const {
  const std::string key = "info" + std::to_string(index);
  return texts_.HasFormText(text::kMainWindowBlock, key) ? ToQString(texts_.FormText(text::kMainWindowBlock, key))
                                                         : QString();
}

void TMyWindow::ShowInfo(const QString& text) {
  ShowMessage(
      this,
      {ToStdString(text), texts_.GlobalText(text::global::kInformationCaption), text::MessageIcon::Information, {}});
}

void TMyWindow::SetCaptions() {
  commands_.SetCaptions(texts_);
  elementPanel_->SetCaptions();
  mediumPanel_->SetCaptions();
  additionalPanel_->SetCaptions();
  findChild<QPushButton*>("BitBtn1")->setText(ToQString(texts_.FormText(text::kMainWindowBlock, "BitBtn1")));
  commands_["StoffdatenWasserSttigungszustand1"].setText(
      ToQString(texts_.FormText(fluids::kSaturatedWaterBlock, "MenuItem")));
}

void TMyWindow::PrepareFirstShow(const QStringList& arguments, const QString& startFolder) {
  ReadUserSettings();  // builds the element panel and fills the inputs, before the captions
  SetCaptions();
  setWindowTitle(kTitle);
  ShowProject(true);
  // Designer places: the input window at the top, the table below it.
  move(20, 20);
  results_->setGeometry(20, 20 + frameGeometry().height() + 40, 900, 540);
  shortDisplay_->move(20 + frameGeometry().width() + 20, 20);
  if (settings_.windows) {
    const settings::WindowPlacements& places = *settings_.windows;
    move(places.mainWindow.left, places.mainWindow.top);
    results_->move(places.resultsWindow.left, places.resultsWindow.top);
    results_->resize(places.resultsWindow.width, places.resultsWindow.height);
    shortDisplay_->move(places.shortDisplay.left, places.shortDisplay.top);
    shortDisplay_->resize(places.shortDisplay.width, places.shortDisplay.height);
    shortDisplay_->SetColumnWidths(places.shortDisplayColumns);
  }
  results_->show();
  // Once the window is on screen: the upgrade check at every start, when the user asked for it.
  if (settings_.upgradeCheck) QTimer::singleShot(0, help_, &HelpCommands::CheckAtStart);
  // All parameters joined by single blanks name one project file (paths with blanks), relative to
  // the folder the program was started in.
  if (!arguments.isEmpty()) {
    const QDir start(startFolder.isEmpty() ? QDir::currentPath() : startFolder);
    const QString file = start.absoluteFilePath(arguments.join(' '));
    if (file.endsWith(".psa", Qt::CaseInsensitive)) {
      // A pump design opens in its window once the main window is on screen.
      QTimer::singleShot(0, this, [this, file] {
        calculators_->OpenPumpDesignFile(file, {settings_.display.us, settings_.display.decimals});
      });
    } else {
      OpenProjectFile(file);
    }
  }
}

void TMyWindow::BuildElementPanel() {
  const catalogue::ElementLayout* layout = catalogue::FindLayout(group_, kind_);
  if (layout == nullptr) return;
  elementPanel_->ShowElement(*layout, !InfoText(group_ * 9 + kind_).isEmpty());
  additionalPanel_->SetFlowUnit(mediumPanel_->FlowUnit());
  SetHeight(additionalPanel_->ShowElement(*layout));
}

void TMyWindow::SetHeight(bool expanded) {
  expanded_ = expanded;
  additionalPanel_->setVisible(expanded);
  // The window takes the height its inputs need (compact without, expanded with Panel1) and keeps
  // its width.
  centralWidget()->layout()->activate();
  layout()->activate();
  resize(std::max(width(), sizeHint().width()), sizeHint().height());
  (expanded ? expandedHeight_ : compactHeight_) = height();
}

void TMyWindow::ChooseElement() {
  selection_->Present(group_, kind_);
  if (selection_->exec() == QDialog::Accepted && selection_->ChosenGroup() > 0) {
    SelectElement(selection_->ChosenGroup(), selection_->ChosenKind());
  }
}

void TMyWindow::SelectElement(int group, int kind) {
  if (catalogue::FindLayout(group, kind) == nullptr) return;
  group_ = group;
  kind_ = kind;
  BuildElementPanel();
}

mainform::MainForm TMyWindow::ReadForm() const {
  mainform::MainForm form = ReadControls(*this);
  form.elementGroup = group_;
  form.elementKind = kind_;
  return form;
}

void TMyWindow::WriteForm(const mainform::MainForm& form) {
  group_ = form.elementGroup;
  kind_ = form.elementKind;
  BuildElementPanel();
  WriteControls(*this, form);
}

void TMyWindow::ApplyCopiedColumn(const mainform::MainForm& form) {
  // The copied column names its element: the panel is rebuilt for it, then every input restored.
  WriteForm(form);
  selection_->Present(group_, kind_);
}

bool TMyWindow::Calculate() {
  const mainform::MainForm form = ReadForm();
  const mainform::CalculateChecks checks = mainform::CheckCalculateInputs(form, texts_);
  if (checks.showGasNotes) gasNotes_->exec();
  if (!checks.input) {
    ShowMessages(this, checks.messages);
    return false;
  }
  const hydraulics::ElementOutcome outcome = hydraulics::CalculateElement(*checks.input);
  // The results window shows the notes of the calculation and appends the column.
  const bool appended = results_->AppendOutcome(form, *checks.input, outcome);
  if (outcome.Error) ShowMessage(this, {ToStdString(InfoText(0)), {}, text::MessageIcon::None, {}});
  if (!appended) return false;
  session_.MarkChanged();
  return true;
}

void TMyWindow::UpdateEditMenu() {
  QWidget* focused = QApplication::focusWidget();
  QLineEdit* edit = FocusedEdit();
  const bool list = qobject_cast<QComboBox*>(focused) != nullptr;
  const bool selection = edit != nullptr && edit->hasSelectedText();
  commands_["Kopieren1"].setEnabled(!list && selection);
  commands_["Lschen1"].setEnabled(!list && selection);
  commands_["Einfgen1"].setEnabled(!list && edit != nullptr && !QApplication::clipboard()->text().isEmpty());
}

void TMyWindow::ShowEditPopup(QLineEdit* edit, const QPoint& position) {
  popupTarget_ = edit;
  commands_["Kopieren2"].setEnabled(edit->hasSelectedText());
  commands_["Lschen2"].setEnabled(edit->hasSelectedText());
  commands_["Einfgen2"].setEnabled(!QApplication::clipboard()->text().isEmpty());
  commands_.Menu("PopupMenu1").popup(edit->mapToGlobal(position));
}

void TMyWindow::UpdateTableMenu() {
  const bool elements = session_.HasElements();
  commands_["KopiereninZwischenablage1"].setEnabled(elements);
  commands_["GewhlteSpalteentfernen1"].setEnabled(elements);
  commands_["GewhlteTabellenspaltendern1"].setEnabled(elements);
  commands_["GlobaleTabellennderungen1"].setEnabled(elements);
  commands_["KopiereninEingabefelder1"].setEnabled(session_.Table().IsElementColumn(results_->SelectedColumn()));
  commands_["Tabelledrucken2"].setEnabled(elements);
  commands_["Kurzanzeigedrucken1"].setEnabled(elements);
}

void TMyWindow::ReadUserSettings() {
  const QtSettingsStore store(settingsFile_);
  settings_ = settings::ReadSettings(store, texts_.edition(), texts_, ReadForm());
  WriteForm(settings_.form);
  selection_->Present(group_, kind_);
  session_.Appearance().us = settings_.display.us;
  if (settings_.recentFilesStored) recent_.Load(store, settings::section::kRecentFiles);
  RebuildRecentMenu();
}

void TMyWindow::WriteUserSettings() {
  settings_.form = ReadForm();
  settings::WindowPlacements places = settings_.windows.value_or(settings::WindowPlacements{});
  places.shortDisplay = {shortDisplay_->pos().x(), shortDisplay_->pos().y(), shortDisplay_->width(),
                         shortDisplay_->height()};
  places.shortDisplayColumns = shortDisplay_->ColumnWidths();
  places.mainWindow = {pos().x(), pos().y()};
  places.resultsWindow = {results_->pos().x(), results_->pos().y(), results_->width(), results_->height()};
  settings_.windows = places;
  QtSettingsStore store(settingsFile_);
  const bool recentSaved = recent_.Save(store, settings::section::kRecentFiles);
  if (!settings::WriteSettings(store, settings_) || !recentSaved) {
    ShowMessage(this,
                {texts_.FormText(text::kMainWindowBlock, "msgSettingsNotSaved"), {}, text::MessageIcon::None, {}});
  }
}

void TMyWindow::OpenSettings() {
  const results::DisplayOptions before = settings_.display;
  if (!settingsDialog_->Edit(settings_)) return;
  results_->SetDisplayOptions(settings_.display);  // converts the table when metric/US changed
  if (before.us != settings_.display.us || before.decimals != settings_.display.decimals)
    calculators_->DisplayChanged({settings_.display.us, settings_.display.decimals});
  session_.Appearance().us = settings_.display.us;
  results_->setWindowTitle(ProjectCaption());
}

void TMyWindow::OpenProperties(PropertyWindows::Window window) { properties_->Open(window, settings_.display.us); }

void TMyWindow::ApplyMediumTakeOver(const fluids::MediumTakeOver& takeOver) {
  mainform::MainForm form = ReadForm();
  fluids::WriteTakeOver(takeOver, form);
  WriteForm(form);
  findChild<QLineEdit*>("Eingabe_Medium")->setFocus();
}

void TMyWindow::ApplyPartTakeOver(const parts::PartTakeOver& takeOver) {
  const parts::TakeOverWrites writes = parts::WritesFor(takeOver, parts::TakeOverTarget::MainWindow);
  if (writes.element) SelectElement(writes.element->first, writes.element->second);
  mainform::MainForm form = ReadForm();
  parts::ApplyWrites(writes, form);
  WriteForm(form);
  selection_->Present(group_, kind_);
}

void TMyWindow::OpenCurve() {
  // The curve recalculates the table as the results window shows it, with the medium of the inputs.
  curve_->Run({&session_.Table(), ReadForm(), results_->DisplayOptions().us, results_->windowTitle(),
               results_->Grid()->font()});
}

void TMyWindow::closeEvent(QCloseEvent* event) {
  if (!RunProjectCommand(project::CloseProject)) {
    event->ignore();  // the unsaved table could not be saved: the window stays
    return;
  }
  WriteUserSettings();
  results_->close();
  shortDisplay_->close();
  if (help_->HelpWindow() != nullptr) help_->HelpWindow()->close();
  QMainWindow::closeEvent(event);
}

}  // namespace velmora::gui
