#include "main/MainCommands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <initializer_list>

#include "text/GlobalTexts.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

constexpr std::string_view kSeparator = "-";

}  // namespace

struct MenuEntry {
  const char* name;  // objectName and text key; "-" is a separator
  bool enabled = true;
};

struct MenuDefinition {
  const char* name;
  std::initializer_list<MenuEntry> items;
};

namespace {

constexpr bool kLater = false;  // a command whose window is still to come

const MenuDefinition kMenus[] = {
    {"Datei1", {{"Neu1"}, {"ffnen1"}, {"Speichern1"}, {"Speichernunter1"}, {"-"}, {"Beenden1"}}},
    {"Bearbeiten1", {{"Kopieren1"}, {"Einfgen1"}, {"Lschen1"}}},
    {"Rohrleitungselement1", {{"Rohrleitungselementwhlen1"}}},
    {"NormTeile1",
     {{"Rohre1"}, {"Rohrerechteckig1"}, {"Bgen1"}, {"ReduzierungenErweiterungen1"}, {"T1"}, {"-"}, {"ZetaDatenbank1"}}},
    {"N12",
     {{"StoffdatenWasser1"},
      {"StoffdatenWasserSttigungszustand1"},
      {"StoffdatenLuft1"},
      {"StoffdatenfeuchteLuft1"},
      {"StoffdatenLuftSttigungszustand1"},
      {"StoffdatensonstigeMedien1"},
      {"StoffdatensonstigeGase1"},
      {"Stoffdatenabschtzen1"},
      {"WssrigeLsungenberechnen1"},
      {"Kuehlsolenberechnen"},
      {"Wrmetrgerleberechnen1"},
      {"-"},
      {"BenutzerdefinierteDatenbank1"},
      {"Stoffdatenbankbearbeiten1"}}},
    {"Berechnen1",
     {{"Berechnen2"},
      {"Druckverlustkurve1"},
      {"-"},
      {"Nennweite1"},
      {"NennweiteGase1"},
      {"Frderhhe1"},
      {"NPSHWert1"},
      {"RohrInhaltFllzeit1"},
      {"PumpenSchnellauslegung1"},
      {"-"},
      {"GeschwindigkeitinVolumenstrom1"},
      {"VolumenstrominGeschwindigkeit1"},
      {"NormminBetriebsm1"},
      {"kvinZeta1"},
      {"CvinZeta1"},
      {"-"},
      {"VorhandenesGerinneberechnen1"},
      {"Gerinneauslegen1"},
      {"KonstanterFlssigkeitsspiegel1"},
      {"AbnehmenderFlssigkeitsspiegel1"},
      {"DrosselblendeAuslegung1"},
      {"Einheitenumrechnen1"}}},
    {"Tabelle1",
     {{"abelleanzeigen1"},
      {"Tabelledrucken2"},
      {"-"},
      {"GewhlteTabellenspaltendern1"},
      {"GlobaleTabellennderungen1"},
      {"-"},
      {"Schriftartndern1"},
      {"Ansichtgrer1"},
      {"Ansichtkleiner1"},
      {"Spaltenbreitendern1"},
      {"-"},
      {"GewhlteSpalteentfernen1"},
      {"KopiereninZwischenablage1"},
      {"KopiereninEingabefelder1"},
      {"-"},
      {"Kurzanzeigeanzeigen1"},
      {"Kurzanzeigedrucken1"}}},
    {"Extras1", {{"Einstellungen2"}}},
    {"Hilfe1", {{"Index1"}, {"-"}, {"AufUpgradesprfen1"}, {"Upgradesinstallieren1"}, {"-"}, {"Info1"}}},
};

// Menus that pop up over a control instead of standing in the menu bar.
const MenuDefinition kPopups[] = {
    {"PopupMenu1", {{"Kopieren2"}, {"Einfgen2"}, {"Lschen2"}}},
};

// A tool button: its name (and hint key), the command it triggers, its icon, a separator after it.
struct ToolEntry {
  const char* name;
  const char* command;
  QStyle::StandardPixmap icon;
  bool separatorAfter = false;
};

const ToolEntry kTools[] = {
    {"ToolButton4", "Neu1", QStyle::SP_FileIcon},
    {"ToolButton6", "ffnen1", QStyle::SP_DialogOpenButton},
    {"ToolButton16", "Speichern1", QStyle::SP_DialogSaveButton, true},
    {"ToolButton1", "Rohrleitungselementwhlen1", QStyle::SP_FileDialogListView},
    {"ToolButton3", "Rohre1", QStyle::SP_FileDialogDetailedView},
    {"ToolButton2", "ZetaDatenbank1", QStyle::SP_FileDialogContentsView, true},
    {"ToolButton5", "Berechnen2", QStyle::SP_MediaPlay, true},
    {"ToolButton7", "StoffdatenWasser1", QStyle::SP_DriveCDIcon},
    {"ToolButton8", "StoffdatenLuft1", QStyle::SP_DriveNetIcon},
    {"ToolButton9", "StoffdatenfeuchteLuft1", QStyle::SP_DriveFDIcon},
    {"ToolButton10", "StoffdatensonstigeMedien1", QStyle::SP_DirIcon},
    {"ToolButton11", "StoffdatensonstigeGase1", QStyle::SP_DirLinkIcon},
    {"ToolButton12", "Kuehlsolenberechnen", QStyle::SP_DirHomeIcon},
    {"ToolButton13", "Wrmetrgerleberechnen1", QStyle::SP_DriveHDIcon},
    {"ToolButton14", "BenutzerdefinierteDatenbank1", QStyle::SP_ComputerIcon},
};

}  // namespace

void MainCommands::AddItems(QMenu& menu, const MenuDefinition& definition) {
  menu.setObjectName(definition.name);
  menus_[definition.name] = &menu;
  for (const MenuEntry& entry : definition.items) {
    if (entry.name == kSeparator) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString());
    action->setObjectName(entry.name);
    action->setEnabled(entry.enabled);
    actions_[entry.name] = action;
  }
}

void MainCommands::Build(QMainWindow& window, text::Edition edition) {
  for (const MenuDefinition& definition : kMenus) {
    QMenu* menu = window.menuBar()->addMenu(QString());
    menu->menuAction()->setObjectName(QString(definition.name) + "Action");
    AddItems(*menu, definition);
  }
  for (const MenuDefinition& definition : kPopups) AddItems(*new QMenu(&window), definition);
  (*this)["Berechnen2"].setShortcut(Qt::Key_F3);
  (*this)["Index1"].setShortcut(Qt::Key_F1);
  // The desktop's usual keys where the program itself defines none.
  (*this)["Neu1"].setShortcut(QKeySequence::New);
  (*this)["ffnen1"].setShortcut(QKeySequence::Open);
  (*this)["Speichern1"].setShortcut(QKeySequence::Save);
  (*this)["Speichernunter1"].setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  (*this)["Beenden1"].setShortcut(QKeySequence::Quit);
  (*this)["abelleanzeigen1"].setCheckable(true);
  (*this)["abelleanzeigen1"].setChecked(true);
  (*this)["Kurzanzeigeanzeigen1"].setCheckable(true);
  // The unit converter is a German-language document.
  (*this)["Einheitenumrechnen1"].setVisible(edition == 'D');
  // The Dutch edition leaves copy, paste and delete without keys.
  if (edition != 'H') {
    (*this)["Kopieren1"].setShortcut(QKeySequence::Copy);
    (*this)["Einfgen1"].setShortcut(QKeySequence::Paste);
    (*this)["Lschen1"].setShortcut(QKeySequence::Delete);
  }

  QToolBar* bar = window.addToolBar(QString());
  bar->setObjectName("ToolBar1");
  bar->setMovable(false);
  for (const ToolEntry& entry : kTools) {
    QAction& action = (*this)[entry.command];
    action.setIcon(window.style()->standardIcon(entry.icon));
    action.setIconVisibleInMenu(false);
    auto* button = new QToolButton(bar);
    button->setObjectName(entry.name);
    button->setDefaultAction(&action);
    button->setAutoRaise(true);
    bar->addWidget(button);
    if (entry.separatorAfter) bar->addSeparator();
  }
}

void MainCommands::SetCaptions(const text::TextStore& texts) const {
  for (const auto& [name, action] : actions_) {
    if (texts.HasFormText(text::kMainWindowBlock, name))
      action->setText(ToQString(texts.FormText(text::kMainWindowBlock, name)));
  }
  for (const auto& [name, menu] : menus_) {
    if (texts.HasFormText(text::kMainWindowBlock, name))
      menu->setTitle(ToQString(texts.FormText(text::kMainWindowBlock, name)));
  }
  // A tool button shows its action's tool tip: the button's own hint.
  for (const ToolEntry& entry : kTools) {
    (*this)[entry.command].setToolTip(ToQString(texts.FormText(text::kMainWindowBlock, entry.name)));
  }
}

QAction& MainCommands::operator[](std::string_view name) const {
  const auto found = actions_.find(name);
  if (found == actions_.end()) qFatal("no command named %.*s", static_cast<int>(name.size()), name.data());
  return *found->second;
}

QMenu& MainCommands::Menu(std::string_view name) const {
  const auto found = menus_.find(name);
  if (found == menus_.end()) qFatal("no menu named %.*s", static_cast<int>(name.size()), name.data());
  return *found->second;
}

}  // namespace velmora::gui
