#include "main/TMyWindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "catalogue/ElementLayout.h"
#include "elements/TBtnBottomDlg.h"
#include "fluids/TGaswarnungDlg.h"
#include "results/TAusgabe_Fenster.h"
#include "settings/QtSettingsStore.h"
#include "settings/ReadSettings.h"
#include "settings/SettingsKeys.h"
#include "settings/TEinstellungenDlg.h"
#include "settings/WriteSettings.h"
#include "toolkit/MessageBoxes.h"
#include "units/UnitLists.h"

namespace velmora::gui {
namespace {

constexpr const char* kBlock = "MyWindow";
constexpr const char* kTitle = "Velmora 6.260";
constexpr int kInfoCaption = 75;
constexpr int kUntitled = 143;

// The menus in menu order; items of features still to come are present but disabled.
struct MenuEntry {
  const char* name;  // objectName and text key; "-" is a separator
  bool enabled;
};

struct MenuDefinition {
  const char* name;
  std::initializer_list<MenuEntry> items;
};

const MenuDefinition kMenus[] = {
    {"Datei1",
     {{"Neu1", true},
      {"ffnen1", true},
      {"Speichern1", true},
      {"Speichernunter1", true},
      {"-", true},
      {"Beenden1", true}}},
    {"Bearbeiten1", {{"Kopieren1", true}, {"Einfgen1", true}, {"Lschen1", true}}},
    {"Rohrleitungselement1", {{"Rohrleitungselementwhlen1", true}}},
    {"NormTeile1",
     {{"Rohre1", false},
      {"Rohrerechteckig1", false},
      {"Bgen1", false},
      {"ReduzierungenErweiterungen1", false},
      {"T1", false},
      {"-", true},
      {"ZetaDatenbank1", false}}},
    {"N12",
     {{"StoffdatenWasser1", false},
      {"StoffdatenLuft1", false},
      {"StoffdatenfeuchteLuft1", false},
      {"StoffdatenLuftSttigungszustand1", false},
      {"StoffdatensonstigeMedien1", false},
      {"StoffdatensonstigeGase1", false},
      {"Stoffdatenabschtzen1", false},
      {"WssrigeLsungenberechnen1", false},
      {"Kuehlsolenberechnen", false},
      {"Wrmetrgerleberechnen1", false},
      {"-", true},
      {"BenutzerdefinierteDatenbank1", false},
      {"Stoffdatenbankbearbeiten1", false}}},
    {"Berechnen1",
     {{"Berechnen2", true},
      {"Druckverlustkurve1", false},
      {"-", true},
      {"Nennweite1", false},
      {"NennweiteGase1", false},
      {"Frderhhe1", false},
      {"NPSHWert1", false},
      {"RohrInhaltFllzeit1", false},
      {"PumpenSchnellauslegung1", false},
      {"-", true},
      {"GeschwindigkeitinVolumenstrom1", false},
      {"VolumenstrominGeschwindigkeit1", false},
      {"NormminBetriebsm1", false},
      {"kvinZeta1", false},
      {"CvinZeta1", false},
      {"-", true},
      {"VorhandenesGerinneberechnen1", false},
      {"Gerinneauslegen1", false},
      {"KonstanterFlssigkeitsspiegel1", false},
      {"AbnehmenderFlssigkeitsspiegel1", false},
      {"DrosselblendeAuslegung1", false},
      {"Einheitenumrechnen1", false}}},
    {"Tabelle1",
     {{"abelleanzeigen1", true},
      {"Tabelledrucken2", false},
      {"-", true},
      {"GewhlteTabellenspaltendern1", false},
      {"GlobaleTabellennderungen1", false},
      {"-", true},
      {"Schriftartndern1", true},
      {"Ansichtgrer1", true},
      {"Ansichtkleiner1", true},
      {"Spaltenbreitendern1", false},
      {"-", true},
      {"GewhlteSpalteentfernen1", true},
      {"KopiereninZwischenablage1", true},
      {"KopiereninEingabefelder1", true},
      {"-", true},
      {"Kurzanzeigeanzeigen1", false},
      {"Kurzanzeigedrucken1", false}}},
    {"Extras1", {{"Einstellungen2", true}}},
    {"Hilfe1",
     {{"Index1", false},
      {"-", true},
      {"AufUpgradesprfen1", false},
      {"Upgradesinstallieren1", false},
      {"-", true},
      {"Info1", true}}},
};

// Tool bar: button name, standard icon, enabled.
struct ToolEntry {
  const char* name;
  QStyle::StandardPixmap icon;
  bool enabled;
};

const ToolEntry kTools[] = {
    {"ToolButton4", QStyle::SP_FileIcon, true},
    {"ToolButton6", QStyle::SP_DialogOpenButton, true},
    {"ToolButton16", QStyle::SP_DialogSaveButton, true},
    {"ToolButton1", QStyle::SP_FileDialogListView, true},
    {"ToolButton3", QStyle::SP_FileDialogDetailedView, false},
    {"ToolButton2", QStyle::SP_FileDialogContentsView, false},
    {"ToolButton5", QStyle::SP_MediaPlay, true},
    {"ToolButton7", QStyle::SP_DriveCDIcon, false},
    {"ToolButton8", QStyle::SP_DriveNetIcon, false},
    {"ToolButton9", QStyle::SP_DriveFDIcon, false},
    {"ToolButton10", QStyle::SP_DirIcon, false},
    {"ToolButton11", QStyle::SP_DirLinkIcon, false},
    {"ToolButton12", QStyle::SP_DirHomeIcon, false},
    {"ToolButton13", QStyle::SP_DriveHDIcon, false},
    {"ToolButton14", QStyle::SP_ComputerIcon, false},
};

const char* const kSlotNames[] = {"1", "2", "3", "4", "5"};

QLineEdit* MakeEdit(QWidget* parent, const char* name, int maxLength = 0) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMinimumWidth(90);
  if (maxLength > 0) edit->setMaxLength(maxLength);
  return edit;
}

QComboBox* MakeCombo(QWidget* parent, const char* name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setMinimumWidth(95);
  return combo;
}

QLabel* MakeLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  return label;
}

void FillCombo(QComboBox* combo, std::span<const units::Unit> list) {
  const QSignalBlocker block(combo);
  combo->clear();
  for (const units::Unit& unit : list) {
    combo->addItem(QString::fromUtf8(unit.name.data(), static_cast<qsizetype>(unit.name.size())));
  }
  combo->setCurrentIndex(0);
}

}  // namespace

TMyWindow::TMyWindow(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : QMainWindow(parent),
      texts_(texts),
      programFolder_(std::move(programFolder)),
      recent_([](const std::string& path) { return QFileInfo::exists(ToQString(path)); }) {
  recent_.maxEntries = 6;
  setObjectName("MyWindow");
  setWindowTitle("Velmora 6.0");
  BuildMenus();
  BuildToolBar();
  BuildPanels();
  results_ = new TAusgabe_Fenster(texts_, this);
  selection_ = new TBtnBottomDlg(texts_, programFolder_, this);
  gasNotes_ = new TGaswarnungDlg(texts_, this);
  settingsDialog_ = new TEinstellungenDlg(texts_, this);
  settingsFile_ = UserSettingsFile(texts_.GlobalText(114));
  connect(actions_["Einstellungen2"], &QAction::triggered, this, &TMyWindow::OpenSettings);
  connect(results_, &TAusgabe_Fenster::Closed, this, [this] { actions_["abelleanzeigen1"]->setChecked(false); });
  connect(results_, &TAusgabe_Fenster::CopyToInputsRequested, this, &TMyWindow::ApplyCopiedColumn);
  results_->SetInputsSource([this] { return ReadForm(); });
  // Deleting or moving columns changes the project as much as a calculation does.
  connect(results_, &TAusgabe_Fenster::TableChanged, this, [this] { projectSaved_ = false; });
  connect(results_, &TAusgabe_Fenster::NewProjectRequested, this, &TMyWindow::NewProject);
  connect(results_, &TAusgabe_Fenster::OpenProjectRequested, this, &TMyWindow::OpenProject);
  connect(results_, &TAusgabe_Fenster::SaveProjectRequested, this, &TMyWindow::SaveProject);
  WriteForm(mainform::MainForm::Defaults(texts_.edition()));
  medium_->setText(ToQString(texts_.GlobalText(150)));
}

TMyWindow::~TMyWindow() = default;

QString TMyWindow::Text(const char* key) const { return ToQString(texts_.FormText(kBlock, key)); }

QString TMyWindow::InfoText(int index) const {
  const std::string key = "info" + std::to_string(index);
  return texts_.HasFormText(kBlock, key) ? ToQString(texts_.FormText(kBlock, key)) : QString();
}

QAction* TMyWindow::AddAction(QMenu* menu, const char* name) {
  auto* action = menu->addAction(QString());
  action->setObjectName(name);
  actions_[name] = action;
  return action;
}

void TMyWindow::BuildMenus() {
  for (const MenuDefinition& definition : kMenus) {
    QMenu* menu = menuBar()->addMenu(QString());
    menu->setObjectName(definition.name);
    menu->menuAction()->setObjectName(QString(definition.name) + "Action");
    actions_[definition.name] = menu->menuAction();
    for (const MenuEntry& entry : definition.items) {
      if (QString(entry.name) == "-") {
        menu->addSeparator();
        continue;
      }
      AddAction(menu, entry.name)->setEnabled(entry.enabled);
    }
  }
  actions_["Berechnen2"]->setShortcut(Qt::Key_F3);
  actions_["Index1"]->setShortcut(Qt::Key_F1);
  actions_["abelleanzeigen1"]->setCheckable(true);
  actions_["abelleanzeigen1"]->setChecked(true);
  // The unit converter is a German-language document.
  actions_["Einheitenumrechnen1"]->setVisible(texts_.edition() == 'D');
  if (texts_.edition() != 'H') {
    actions_["Kopieren1"]->setShortcut(QKeySequence::Copy);
    actions_["Einfgen1"]->setShortcut(QKeySequence::Paste);
    actions_["Lschen1"]->setShortcut(QKeySequence::Delete);
  }

  connect(actions_["Beenden1"], &QAction::triggered, this, &QWidget::close);
  connect(actions_["Neu1"], &QAction::triggered, this, &TMyWindow::NewProject);
  connect(actions_["ffnen1"], &QAction::triggered, this, &TMyWindow::OpenProject);
  connect(actions_["Speichern1"], &QAction::triggered, this, &TMyWindow::SaveProject);
  connect(actions_["Speichernunter1"], &QAction::triggered, this, &TMyWindow::SaveProjectAs);
  auto* file = findChild<QMenu*>("Datei1");
  connect(file, &QMenu::aboutToShow, this, [this] {
    actions_["Speichern1"]->setEnabled(HasElements());
    actions_["Speichernunter1"]->setEnabled(HasElements());
  });
  connect(actions_["Rohrleitungselementwhlen1"], &QAction::triggered, this, &TMyWindow::ChooseElement);
  connect(actions_["Berechnen2"], &QAction::triggered, this, [this] { Calculate(); });
  connect(actions_["abelleanzeigen1"], &QAction::toggled, this, &TMyWindow::ShowTableToggled);
  connect(actions_["Info1"], &QAction::triggered, this,
          [this] { QMessageBox::about(this, Text("Info1").remove('&'), QString(kTitle) + "\n" + Text("Splash")); });
  findChild<QMenu*>("Bearbeiten1")
      ->connect(findChild<QMenu*>("Bearbeiten1"), &QMenu::aboutToShow, this, &TMyWindow::UpdateEditMenu);
  connect(actions_["Kopieren1"], &QAction::triggered, this, [this] {
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) edit->copy();
  });
  connect(actions_["Einfgen1"], &QAction::triggered, this, [this] {
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) edit->paste();
  });
  connect(actions_["Lschen1"], &QAction::triggered, this, [this] {
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) edit->del();
  });
  auto* table = findChild<QMenu*>("Tabelle1");
  connect(table, &QMenu::aboutToShow, this, [this] {
    const bool hasElements = results_->ElementCount() > 0;
    actions_["KopiereninZwischenablage1"]->setEnabled(hasElements);
    actions_["GewhlteSpalteentfernen1"]->setEnabled(hasElements);
    const int selected = results_->SelectedColumn();
    actions_["KopiereninEingabefelder1"]->setEnabled(hasElements && selected >= 1 &&
                                                     selected <= results_->ElementCount());
  });
  connect(actions_["GewhlteSpalteentfernen1"], &QAction::triggered, this, [this] { results_->DeleteSelectedColumn(); });
  connect(actions_["KopiereninZwischenablage1"], &QAction::triggered, this,
          [this] { results_->CopyTableToClipboard(); });
  connect(actions_["KopiereninEingabefelder1"], &QAction::triggered, this, [this] { results_->CopyColumnToInputs(); });
  connect(actions_["Ansichtgrer1"], &QAction::triggered, this, [this] { results_->ZoomIn(); });
  connect(actions_["Ansichtkleiner1"], &QAction::triggered, this, [this] { results_->ZoomOut(); });
  connect(actions_["Schriftartndern1"], &QAction::triggered, this, [this] { results_->ChooseFont(); });

  editPopup_ = new QMenu(this);
  editPopup_->setObjectName("PopupMenu1");
  AddAction(editPopup_, "Kopieren2");
  AddAction(editPopup_, "Einfgen2");
  AddAction(editPopup_, "Lschen2");
  connect(actions_["Kopieren2"], &QAction::triggered, this, [this] {
    if (popupTarget_) popupTarget_->copy();
  });
  connect(actions_["Einfgen2"], &QAction::triggered, this, [this] {
    if (popupTarget_) popupTarget_->paste();
  });
  connect(actions_["Lschen2"], &QAction::triggered, this, [this] {
    if (popupTarget_) popupTarget_->del();
  });
}

void TMyWindow::BuildToolBar() {
  QToolBar* bar = addToolBar(QString());
  bar->setObjectName("ToolBar1");
  bar->setMovable(false);
  for (const ToolEntry& entry : kTools) {
    auto* button = new QToolButton(bar);
    button->setObjectName(entry.name);
    button->setIcon(style()->standardIcon(entry.icon));
    button->setEnabled(entry.enabled);
    button->setAutoRaise(true);
    bar->addWidget(button);
    if (QString(entry.name) == "ToolButton2" || QString(entry.name) == "ToolButton16" ||
        QString(entry.name) == "ToolButton5") {
      bar->addSeparator();
    }
  }
  connect(findChild<QToolButton*>("ToolButton1"), &QToolButton::clicked, this, &TMyWindow::ChooseElement);
  connect(findChild<QToolButton*>("ToolButton4"), &QToolButton::clicked, this, &TMyWindow::NewProject);
  connect(findChild<QToolButton*>("ToolButton6"), &QToolButton::clicked, this, &TMyWindow::OpenProject);
  connect(findChild<QToolButton*>("ToolButton16"), &QToolButton::clicked, this, &TMyWindow::SaveProject);
  connect(findChild<QToolButton*>("ToolButton5"), &QToolButton::clicked, this, [this] { Calculate(); });
}

void TMyWindow::BuildPanels() {
  auto* central = new QWidget(this);
  central->setObjectName("Hauptpanel");
  setCentralWidget(central);
  auto* outer = new QVBoxLayout(central);
  auto* panels = new QHBoxLayout;
  outer->addLayout(panels);

  // Element panel: heading, picture on the left, the inputs on the right.
  auto* element = new QGroupBox(central);
  element->setObjectName("Element_Fenster");
  elementPanel_ = element;
  auto* elementGrid = new QGridLayout(element);
  auto* headingRow = new QHBoxLayout;
  auto* title = MakeLabel(element, "Ueberschrift_Element");
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  heading_ = MakeLabel(element, "Statisch_Element_Name1");
  heading_->setFont(bold);
  elementInfo_ = new QToolButton(element);
  elementInfo_->setObjectName("ToolButton15");
  elementInfo_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  elementInfo_->setAutoRaise(true);
  headingRow->addWidget(title);
  headingRow->addWidget(heading_, 1);
  headingRow->addWidget(elementInfo_);
  elementGrid->addLayout(headingRow, 0, 0, 1, 4);
  picture_ = MakeLabel(element, "Image1");
  picture_->setFixedSize(240, 160);
  picture_->setFrameShape(QFrame::StyledPanel);
  picture_->setAlignment(Qt::AlignCenter);
  elementGrid->addWidget(picture_, 1, 0, 8, 1, Qt::AlignTop);

  elementGrid->addWidget(MakeLabel(element, "Label2"), 1, 1);
  description_ = MakeEdit(element, "Edit1");
  elementGrid->addWidget(description_, 1, 2, 1, 2);
  elementGrid->addWidget(MakeLabel(element, "LabelAnz"), 2, 1);
  count_ = MakeEdit(element, "VaAnz_Edit", 3);
  count_->setMinimumWidth(50);
  count_->setMaximumWidth(60);
  elementGrid->addWidget(count_, 2, 2);
  for (int slot = 0; slot < 5; ++slot) {
    const QString n = kSlotNames[slot];
    slotLabels_[slot] = MakeLabel(element, ("Va" + n + "_Static").toLatin1());
    slotEdits_[slot] = MakeEdit(element, ("Va" + n + "_Edit").toLatin1());
    slotUnits_[slot] = MakeCombo(element, ("ComboVar" + n).toLatin1());
    slotFixedUnits_[slot] = MakeLabel(element, ("LabelVar" + n).toLatin1());
    auto* unitBox = new QHBoxLayout;
    unitBox->addWidget(slotUnits_[slot]);
    unitBox->addWidget(slotFixedUnits_[slot]);
    elementGrid->addWidget(slotLabels_[slot], 3 + slot, 1);
    elementGrid->addWidget(slotEdits_[slot], 3 + slot, 2);
    elementGrid->addLayout(unitBox, 3 + slot, 3);
    FillCombo(slotUnits_[slot], units::LengthUnits(units::LengthList::Millimetre));
  }
  roughnessLabel_ = MakeLabel(element, "Label4");
  roughness_ = MakeEdit(element, "Edit2");
  roughnessUnit_ = MakeCombo(element, "ComboBox6");
  FillCombo(roughnessUnit_, units::LengthUnits(units::LengthList::Millimetre));
  roughnessDatabase_ = new QToolButton(element);
  roughnessDatabase_->setObjectName("SpeedButton1");
  roughnessDatabase_->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
  roughnessDatabase_->setEnabled(false);
  roughnessInfo_ = new QToolButton(element);
  roughnessInfo_->setObjectName("SpeedButton7");
  roughnessInfo_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  auto* roughnessUnitBox = new QHBoxLayout;
  roughnessUnitBox->addWidget(roughnessUnit_);
  roughnessUnitBox->addWidget(roughnessDatabase_);
  roughnessUnitBox->addWidget(roughnessInfo_);
  elementGrid->addWidget(roughnessLabel_, 8, 1);
  elementGrid->addWidget(roughness_, 8, 2);
  elementGrid->addLayout(roughnessUnitBox, 8, 3);
  elementGrid->setRowStretch(9, 1);
  panels->addWidget(element, 3);

  // Medium panel.
  auto* mediumPanel = new QGroupBox(central);
  mediumPanel->setObjectName("Medium_Fenster");
  auto* mediumGrid = new QGridLayout(mediumPanel);
  auto* mediumTitle = MakeLabel(mediumPanel, "Ueberschrift_Medium");
  mediumTitle->setFont(bold);
  auto* gasHints = new QToolButton(mediumPanel);
  gasHints->setObjectName("ToolButton17");
  gasHints->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
  gasHints->setAutoRaise(true);
  mediumGrid->addWidget(mediumTitle, 0, 0, 1, 2);
  mediumGrid->addWidget(gasHints, 0, 2, Qt::AlignRight);
  mediumGrid->addWidget(MakeLabel(mediumPanel, "Medium_Titel"), 1, 0);
  medium_ = MakeEdit(mediumPanel, "Eingabe_Medium");
  mediumGrid->addWidget(medium_, 1, 1, 1, 2);
  flowKind_ = MakeCombo(mediumPanel, "ComboBox4");
  flowKind_->addItems({QString(), QString()});
  flow_ = MakeEdit(mediumPanel, "Eingabe_Volumenstrom");
  flowUnit_ = MakeCombo(mediumPanel, "ComboBox1");
  mediumGrid->addWidget(flowKind_, 2, 0);
  mediumGrid->addWidget(flow_, 2, 1);
  mediumGrid->addWidget(flowUnit_, 2, 2);
  mediumGrid->addWidget(MakeLabel(mediumPanel, "Dichte_Titel"), 3, 0);
  density_ = MakeEdit(mediumPanel, "Eingabe_Dichte");
  densityUnit_ = MakeCombo(mediumPanel, "ComboBox2");
  FillCombo(densityUnit_, units::DensityUnits());
  mediumGrid->addWidget(density_, 3, 1);
  mediumGrid->addWidget(densityUnit_, 3, 2);
  viscosityKind_ = MakeCombo(mediumPanel, "ComboBox5");
  viscosityKind_->addItems({QString(), QString()});
  viscosity_ = MakeEdit(mediumPanel, "Eingabe_Viskositaet");
  viscosityUnit_ = MakeCombo(mediumPanel, "ComboBox3");
  mediumGrid->addWidget(viscosityKind_, 4, 0);
  mediumGrid->addWidget(viscosity_, 4, 1);
  mediumGrid->addWidget(viscosityUnit_, 4, 2);
  liquid_ = new QRadioButton(mediumPanel);
  liquid_->setObjectName("Radio_fluessig");
  gas_ = new QRadioButton(mediumPanel);
  gas_->setObjectName("Radio_gas");
  auto* phaseRow = new QHBoxLayout;
  phaseRow->addWidget(liquid_);
  phaseRow->addWidget(gas_);
  phaseRow->addStretch();
  mediumGrid->addLayout(phaseRow, 5, 0, 1, 3);
  const char* gasLabelNames[] = {"Label2N", "Label4N", "Label5N", "Label6N"};
  for (int i = 0; i < 4; ++i) gasLabels_[static_cast<std::size_t>(i)] = MakeLabel(mediumPanel, gasLabelNames[i]);
  mediumGrid->addWidget(gasLabels_[0], 6, 0, 1, 3);
  inletPressure_ = MakeEdit(mediumPanel, "Edit_EingangsdruckN");
  inletPressureUnit_ = MakeCombo(mediumPanel, "ComboBox6N");
  FillCombo(inletPressureUnit_, units::PressureUnits());
  inletTemperature_ = MakeEdit(mediumPanel, "Edit_EingangstemperaturN");
  inletTemperatureUnit_ = MakeCombo(mediumPanel, "ComboBox7N");
  FillCombo(inletTemperatureUnit_, units::TemperatureUnits());
  outletTemperature_ = MakeEdit(mediumPanel, "Edit_AusgangstemperaturN");
  outletTemperatureUnit_ = MakeCombo(mediumPanel, "ComboBox8N");
  FillCombo(outletTemperatureUnit_, units::TemperatureUnits());
  mediumGrid->addWidget(gasLabels_[1], 7, 0);
  mediumGrid->addWidget(inletPressure_, 7, 1);
  mediumGrid->addWidget(inletPressureUnit_, 7, 2);
  mediumGrid->addWidget(gasLabels_[2], 8, 0);
  mediumGrid->addWidget(inletTemperature_, 8, 1);
  mediumGrid->addWidget(inletTemperatureUnit_, 8, 2);
  mediumGrid->addWidget(gasLabels_[3], 9, 0);
  mediumGrid->addWidget(outletTemperature_, 9, 1);
  mediumGrid->addWidget(outletTemperatureUnit_, 9, 2);
  mediumGrid->setRowStretch(10, 1);
  panels->addWidget(mediumPanel, 2);

  // Additional data: the element's two-way choice or the branch flow.
  extraPanel_ = new QWidget(central);
  extraPanel_->setObjectName("Panel1");
  auto* extraRow = new QHBoxLayout(extraPanel_);
  extraRow->setContentsMargins(0, 0, 0, 0);
  choice_ = new QGroupBox(extraPanel_);
  choice_->setObjectName("RadioGroup1");
  auto* choiceRow = new QHBoxLayout(choice_);
  auto* choiceGroup = new QButtonGroup(choice_);
  for (int i = 0; i < 2; ++i) {
    choiceOptions_[static_cast<std::size_t>(i)] = new QRadioButton(choice_);
    choiceOptions_[static_cast<std::size_t>(i)]->setObjectName(QString("RadioGroup1_%1").arg(i));
    choiceGroup->addButton(choiceOptions_[static_cast<std::size_t>(i)], i);
    choiceRow->addWidget(choiceOptions_[static_cast<std::size_t>(i)]);
  }
  branchLabel_ = MakeLabel(extraPanel_, "Label6");
  branchFlow_ = MakeEdit(extraPanel_, "Edit3");
  branchFlow_->setMaximumWidth(140);
  branchUnit_ = MakeLabel(extraPanel_, "Label7");
  extraRow->addWidget(choice_);
  extraRow->addWidget(branchLabel_);
  extraRow->addWidget(branchFlow_);
  extraRow->addWidget(branchUnit_);
  extraRow->addStretch();
  outer->addWidget(extraPanel_);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  calculate_ = new QPushButton(central);
  calculate_->setObjectName("BitBtn1");
  calculate_->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  bottom->addWidget(calculate_);
  outer->addLayout(bottom);

  // Every edit offers the copy/paste/delete popup of the window.
  for (QLineEdit* edit : central->findChildren<QLineEdit*>()) {
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QLineEdit::customContextMenuRequested, this,
            [this, edit](const QPoint& position) { ShowEditPopup(edit, position); });
  }

  connect(calculate_, &QPushButton::clicked, this, [this] { Calculate(); });
  connect(elementInfo_, &QToolButton::clicked, this, &TMyWindow::ShowElementInfo);
  connect(roughnessInfo_, &QToolButton::clicked, this, &TMyWindow::ShowRoughnessInfo);
  connect(gasHints, &QToolButton::clicked, this, &TMyWindow::ShowGasFlowHints);
  connect(flowKind_, &QComboBox::currentIndexChanged, this, [this] { RebuildFlowUnits(); });
  connect(flowUnit_, &QComboBox::currentIndexChanged, this, [this] { branchUnit_->setText(flowUnit_->currentText()); });
  connect(viscosityKind_, &QComboBox::currentIndexChanged, this, [this] { RebuildViscosityUnits(); });
  connect(liquid_, &QRadioButton::toggled, this, [this](bool checked) { SetGasDataEnabled(!checked); });
}

void TMyWindow::RebuildFlowUnits() {
  FillCombo(flowUnit_, units::FlowUnits(flowKind_->currentIndex()));
  branchUnit_->setText(flowUnit_->currentText());
}

void TMyWindow::RebuildViscosityUnits() {
  FillCombo(viscosityUnit_, units::ViscosityUnits(viscosityKind_->currentIndex()));
}

void TMyWindow::SetGasDataEnabled(bool enabled) {
  for (QWidget* widget :
       std::initializer_list<QWidget*>{inletPressure_, inletPressureUnit_, inletTemperature_, inletTemperatureUnit_,
                                       outletTemperature_, outletTemperatureUnit_}) {
    widget->setEnabled(enabled);
  }
  for (QLabel* label : gasLabels_) {
    label->setEnabled(enabled);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, enabled ? QColor(Qt::black) : QColor(128, 128, 128));
    label->setPalette(palette);
  }
}

void TMyWindow::SetCaptions() {
  for (const auto& [name, action] : actions_) {
    if (texts_.HasFormText(kBlock, ToStdString(name))) action->setText(Text(ToStdString(name).c_str()));
  }
  for (const MenuDefinition& definition : kMenus) {
    findChild<QMenu*>(definition.name)->setTitle(Text(definition.name));
  }
  for (const ToolEntry& entry : kTools) findChild<QToolButton*>(entry.name)->setToolTip(Text(entry.name));
  elementInfo_->setToolTip(Text("ToolButton15"));
  findChild<QToolButton*>("ToolButton17")->setToolTip(Text("ToolButton17"));
  roughnessDatabase_->setToolTip(Text("SpeedButton1"));
  roughnessInfo_->setToolTip(Text("SpeedButton7"));
  for (const char* name : {"Ueberschrift_Element", "Label2", "LabelAnz", "Label4", "Ueberschrift_Medium",
                           "Medium_Titel", "Dichte_Titel", "Label2N", "Label4N", "Label5N", "Label6N", "Label6"}) {
    findChild<QLabel*>(name)->setText(Text(name));
  }
  liquid_->setText(Text("Radio_fluessig"));
  gas_->setText(Text("Radio_gas"));
  flowKind_->setItemText(0, Text("ComboBox4_0"));
  flowKind_->setItemText(1, Text("ComboBox4_1"));
  viscosityKind_->setItemText(0, Text("ComboBox5_0"));
  viscosityKind_->setItemText(1, Text("ComboBox5_1"));
  calculate_->setText(Text("BitBtn1"));
}

void TMyWindow::PrepareFirstShow(const QStringList& arguments) {
  ReadUserSettings();  // builds the element panel and fills the inputs, before the captions
  SetCaptions();
  projectPath_ = ToQString(texts_.GlobalText(kUntitled));
  // All parameters joined by single blanks name one project file (paths with blanks).
  if (!arguments.isEmpty()) projectPath_ = arguments.join(' ');
  setWindowTitle(kTitle);
  results_->ClearTable(projectPath_);
  // Designer places: the input window at the top, the table below it.
  move(20, 20);
  results_->setGeometry(20, 20 + frameGeometry().height() + 40, 900, 540);
  results_->SetProjectPath(projectPath_);
  if (settings_.windows) {
    const settings::WindowPlacements& places = *settings_.windows;
    move(places.mainWindow.left, places.mainWindow.top);
    results_->move(places.resultsWindow.left, places.resultsWindow.top);
    results_->resize(places.resultsWindow.width, places.resultsWindow.height);
  }
  results_->show();
  if (!arguments.isEmpty()) ReadProject(projectPath_);
}

void TMyWindow::SetHeight(bool expanded) {
  expanded_ = expanded;
  extraPanel_->setVisible(expanded);
  // The window takes the height its inputs need (compact without, expanded with Panel1) and keeps
  // its width.
  centralWidget()->layout()->activate();
  layout()->activate();
  resize(std::max(width(), sizeHint().width()), sizeHint().height());
  if (expanded) {
    expandedHeight_ = height();
  } else {
    compactHeight_ = height();
  }
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

void TMyWindow::ShowElementInfo() {
  ShowMessage(
      this,
      {ToStdString(InfoText(group_ * 9 + kind_)), texts_.GlobalText(kInfoCaption), text::MessageIcon::Information, {}});
}

void TMyWindow::ShowRoughnessInfo() {
  ShowMessage(this, {ToStdString(InfoText(1) + "\n" + InfoText(2)),
                     texts_.GlobalText(kInfoCaption),
                     text::MessageIcon::Information,
                     {}});
}

void TMyWindow::ShowGasFlowHints() {
  const QString lines =
      InfoText(3) + "\n" + InfoText(4) + InfoText(5) + "\n" + InfoText(6) + "\n\n" + InfoText(7) + "\n" + InfoText(8);
  ShowMessage(this, {ToStdString(lines), texts_.GlobalText(kInfoCaption), text::MessageIcon::Information, {}});
}

void TMyWindow::ShowTableToggled(bool visible) { results_->setVisible(visible); }

void TMyWindow::UpdateEditMenu() {
  QWidget* focused = QApplication::focusWidget();
  auto* edit = qobject_cast<QLineEdit*>(focused);
  const bool list = qobject_cast<QComboBox*>(focused) != nullptr;
  const bool selection = edit != nullptr && edit->hasSelectedText();
  actions_["Kopieren1"]->setEnabled(!list && selection);
  actions_["Lschen1"]->setEnabled(!list && selection);
  actions_["Einfgen1"]->setEnabled(!list && edit != nullptr && !QApplication::clipboard()->text().isEmpty());
}

void TMyWindow::ShowEditPopup(QLineEdit* edit, const QPoint& position) {
  popupTarget_ = edit;
  actions_["Kopieren2"]->setEnabled(edit->hasSelectedText());
  actions_["Lschen2"]->setEnabled(edit->hasSelectedText());
  actions_["Einfgen2"]->setEnabled(!QApplication::clipboard()->text().isEmpty());
  editPopup_->popup(edit->mapToGlobal(position));
}

void TMyWindow::ReadUserSettings() {
  const QtSettingsStore store(settingsFile_);
  settings_ = settings::ReadSettings(store, texts_.edition(), texts_, ReadForm());
  group_ = settings_.form.elementGroup;
  kind_ = settings_.form.elementKind;
  BuildElementPanel();
  WriteForm(settings_.form);
  selection_->Present(group_, kind_);
  results_->SetDisplayOptions(settings_.display);
  if (settings_.recentFilesStored) recent_.Load(store, settings::section::kRecentFiles);
  RebuildRecentMenu();
}

void TMyWindow::WriteUserSettings() {
  settings_.form = ReadForm();
  settings::WindowPlacements places = settings_.windows.value_or(settings::WindowPlacements{});
  if (!settings_.windows) {
    // Designer place of the short display until that window exists.
    places.shortDisplay = {20, 420, 400, 300};
    places.shortDisplayColumns = {100, 80, 80, 80};
  }
  places.mainWindow = {pos().x(), pos().y()};
  places.resultsWindow = {results_->pos().x(), results_->pos().y(), results_->width(), results_->height()};
  settings_.windows = places;
  QtSettingsStore store(settingsFile_);
  const bool recentSaved = recent_.Save(store, settings::section::kRecentFiles);
  if (!settings::WriteSettings(store, settings_) || !recentSaved) {
    ShowMessage(this, {ToStdString(Text("msgSettingsNotSaved")), {}, text::MessageIcon::None, {}});
  }
}

void TMyWindow::OpenSettings() {
  if (!settingsDialog_->Edit(settings_)) return;
  results_->SetDisplayOptions(settings_.display);  // converts the table when metric/US changed
  results_->SetProjectPath(projectPath_);
}

void TMyWindow::closeEvent(QCloseEvent* event) {
  if (!projectSaved_ && HasElements() && AskToSave(false) == MessageAnswer::Yes) SaveProject();
  WriteUserSettings();
  results_->close();
  QMainWindow::closeEvent(event);
}

}  // namespace velmora::gui
