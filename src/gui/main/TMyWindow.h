#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "calculators/CalculatorForm.h"
#include "fluids/MediumTakeOver.h"
#include "fluids/PropertyWindows.h"
#include "main/MainCommands.h"
#include "mainform/MainForm.h"
#include "parts/TakeOver.h"
#include "project/ProjectCommands.h"
#include "project/ProjectSession.h"
#include "settings/RecentFileList.h"
#include "settings/StoredSettings.h"
#include "text/TextStore.h"

class QLineEdit;

namespace velmora::gui {

class AdditionalPanel;
class CoefficientCommands;
class CurveCommand;
class CalculatorWindows;
class ElementPanel;
class HelpCommands;
class MediumPanel;
class PartsCatalogues;
class TAusgabe_Fenster;
class TBtnBottomDlg;
class TEinstellungenDlg;
class TGaswarnungDlg;
class TableChangeCommands;
class TKurzAnzeige;
class TSeiteEinrichtenDlg;

// The main input window: the chosen element with its dimensions, the medium and the gas data,
// and every command of the program. It shows the project of its ProjectSession and mirrors its
// inputs in a MainForm; the rules live in the core, the panels in classes of their own.
class TMyWindow : public QMainWindow {
  Q_OBJECT

 public:
  TMyWindow(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);
  ~TMyWindow() override;

  // The inputs as the controls hold them, and writing a model back into the controls (the element
  // panel rebuilt for the form's element first).
  mainform::MainForm ReadForm() const;
  void WriteForm(const mainform::MainForm& form);

  // Chooses an element as the selection dialog does, then rebuilds the panel.
  void SelectElement(int group, int kind);

  // The calculate command (F3, tool button, "Berechnen" button). True when a column was appended.
  bool Calculate();

  // Writes a medium handed over by a property dialog into the medium inputs.
  void ApplyMediumTakeOver(const fluids::MediumTakeOver& takeOver);
  // Chooses the element a standard-parts catalogue hands over and writes its dimensions.
  void ApplyPartTakeOver(const parts::PartTakeOver& takeOver);

  TAusgabe_Fenster* ResultsWindow() const { return results_; }
  TKurzAnzeige* ShortDisplay() const { return shortDisplay_; }
  TSeiteEinrichtenDlg* PageSetupDialog() const { return pageSetup_; }
  TBtnBottomDlg* SelectionDialog() const { return selection_; }
  // The curve command: its range dialog and curve window.
  CurveCommand* Curve() const { return curve_; }
  TableChangeCommands* TableChange() const { return tableChange_; }
  // The zeta and roughness databases.
  CoefficientCommands* Coefficients() const { return coefficients_; }
  // The standard-parts catalogues (pipes, rectangular pipes, bends, reducers, tees).
  PartsCatalogues* Parts() const { return parts_; }
  HelpCommands* Help() const { return help_; }
  const project::ProjectSession& Project() const { return session_; }
  // The project's file; nothing while it is untitled.
  std::optional<QString> ProjectPath() const;
  bool ProjectSaved() const { return session_.Saved(); }
  int CompactHeight() const { return compactHeight_; }
  int ExpandedHeight() const { return expandedHeight_; }
  bool Expanded() const { return expanded_; }

  // Project commands (the file menu, the tool buttons, the results window's buttons). Each answers
  // whether it went through.
  bool NewProject();
  bool OpenProject();
  bool SaveProject();
  bool SaveProjectAs();
  // The table's print command: the page setup dialog, when the table holds an element.
  void PrintTable();

  // Opens a named project without the save question (the command line).
  bool OpenProjectFile(const QString& path);
  // Opens an entry of the recent-file list by its menu caption.
  bool OpenRecent(const QString& caption);
  const settings::RecentFileList& RecentFiles() const { return recent_; }

  // The show step: settings read, captions set, the element panel built and the project named on
  // the command line opened (its parts joined by blanks, relative to `startFolder`); a pump design
  // (*.psa) opens in the pump quick design instead.
  void PrepareFirstShow(const QStringList& arguments, const QString& startFolder = QString());

  // The per-user settings as read at start and changed by the settings dialog.
  const settings::StoredSettings& Settings() const { return settings_; }
  // Tests keep their settings in a folder of their own.
  void SetSettingsFile(QString path) { settingsFile_ = std::move(path); }
  // Tests keep USER.DAT in a folder of their own (set before the user database is first used).
  void SetUserMediaFolder(QString folder) { properties_->SetUserMediaFolder(std::move(folder)); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildCentralWidget();
  void ConnectCommands();
  void SetCaptions();
  void BuildElementPanel();
  void SetHeight(bool expanded);
  void ChooseElement();
  void ShowInfo(const QString& text);
  QString InfoText(int index) const;
  void ApplyCopiedColumn(const mainform::MainForm& form);
  void UpdateEditMenu();
  void ShowEditPopup(QLineEdit* edit, const QPoint& position);
  void UpdateTableMenu();
  void ReadUserSettings();
  void WriteUserSettings();
  void OpenSettings();
  void OpenProperties(PropertyWindows::Window window);
  void OpenCurve();
  // The calculators' second set: pump design, NPSH, economic diameters, converters, content.
  void ConnectCalculatorsII(const std::function<calculators::Display()>& display);
  QString ProgramFileFolder() const;

  // Project: every command runs on the session, then the windows show the project as it is now.
  std::unique_ptr<project::ProjectDialogs> MakeProjectDialogs();
  project::ProjectContext ProjectContext();
  bool RunProjectCommand(const std::function<bool(const project::ProjectContext&)>& command);
  void ShowProject(bool tableReplaced);
  QString ProjectCaption() const;
  void RememberOpened();
  void RebuildRecentMenu();

  const text::TextStore& texts_;
  QString programFolder_;
  int group_ = 1;
  int kind_ = 1;
  project::ProjectSession session_;
  std::unique_ptr<project::ProjectDialogs> projectDialogs_;
  settings::RecentFileList recent_;
  std::vector<QAction*> recentActions_;  // the entries and their two separators
  bool expanded_ = false;
  int compactHeight_ = 229;
  int expandedHeight_ = 310;

  MainCommands commands_;
  ElementPanel* elementPanel_ = nullptr;
  MediumPanel* mediumPanel_ = nullptr;
  AdditionalPanel* additionalPanel_ = nullptr;
  QLineEdit* popupTarget_ = nullptr;

  TAusgabe_Fenster* results_ = nullptr;
  TBtnBottomDlg* selection_ = nullptr;
  TGaswarnungDlg* gasNotes_ = nullptr;
  TEinstellungenDlg* settingsDialog_ = nullptr;
  CurveCommand* curve_ = nullptr;
  TableChangeCommands* tableChange_ = nullptr;  // column, table and width changes of the results
  TKurzAnzeige* shortDisplay_ = nullptr;
  TSeiteEinrichtenDlg* pageSetup_ = nullptr;
  CalculatorWindows* calculators_ = nullptr;     // the calculator dialogs, each made on first use
  PropertyWindows* properties_ = nullptr;        // the property dialogs, each made on first use
  CoefficientCommands* coefficients_ = nullptr;  // the zeta and roughness databases
  PartsCatalogues* parts_ = nullptr;
  HelpCommands* help_ = nullptr;  // the manual, the about box, the upgrade commands
  settings::StoredSettings settings_;
  QString settingsFile_;
};

}  // namespace velmora::gui
