#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <map>

#include "mainform/MainForm.h"
#include "project/ProjectAppearance.h"
#include "settings/RecentFileList.h"
#include "settings/StoredSettings.h"
#include "text/TextStore.h"
#include "toolkit/MessageBoxes.h"

class QAction;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;
class QWidget;

namespace velmora::gui {

class TAusgabe_Fenster;
class TBtnBottomDlg;
class TGaswarnungDlg;
class TEinstellungenDlg;

// The main input window: the chosen element with its dimensions, the medium and the gas data,
// and every command of the program. The inputs are mirrored in a MainForm model.
class TMyWindow : public QMainWindow {
  Q_OBJECT

 public:
  TMyWindow(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);
  ~TMyWindow() override;

  // The inputs as the controls hold them, and writing a model back into the controls.
  mainform::MainForm ReadForm() const;
  void WriteForm(const mainform::MainForm& form);

  // Rebuilds the element panel for the current element (labels, units, defaults, picture).
  void BuildElementPanel();
  // Chooses an element as the selection dialog does, then rebuilds the panel.
  void SelectElement(int group, int kind);

  // The calculate command (F3, tool button, "Berechnen" button). True when a column was appended.
  bool Calculate();

  TAusgabe_Fenster* ResultsWindow() const { return results_; }
  TBtnBottomDlg* SelectionDialog() const { return selection_; }
  const QString& ProjectPath() const { return projectPath_; }
  bool ProjectSaved() const { return projectSaved_; }
  int CompactHeight() const { return compactHeight_; }
  int ExpandedHeight() const { return expandedHeight_; }
  bool Expanded() const { return expanded_; }

  // Project commands (the file menu, the tool buttons, the results window's buttons).
  void NewProject();
  void OpenProject();
  bool SaveProject();
  bool SaveProjectAs();
  // Reads a project file into the table (open, open-recent, the command line).
  void ReadProject(const QString& path);
  // Opens an entry of the recent-file list by its menu caption.
  void OpenRecent(const QString& caption);
  const settings::RecentFileList& RecentFiles() const { return recent_; }

  // Sets the captions from the texts, the element panel and the project name (the form's show step).
  void PrepareFirstShow(const QStringList& arguments);

  // The per-user settings as read at start and changed by the settings dialog.
  const settings::StoredSettings& Settings() const { return settings_; }
  // Tests keep their settings in a folder of their own.
  void SetSettingsFile(QString path) { settingsFile_ = std::move(path); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildPanels();
  void SetCaptions();
  void SetGasDataEnabled(bool enabled);
  void RebuildFlowUnits();
  void RebuildViscosityUnits();
  void SetHeight(bool expanded);
  void ChooseElement();
  void ShowElementInfo();
  void ShowRoughnessInfo();
  void ShowGasFlowHints();
  void ShowTableToggled(bool visible);
  bool HasElements() const;
  QString UntitledName() const;
  MessageAnswer AskToSave(bool offerCancel);
  bool WriteProject(const QString& path);
  project::ProjectAppearance Appearance() const;
  void ApplyAppearance(const project::ProjectAppearance& appearance);
  void RebuildRecentMenu();
  void ReadUserSettings();
  void WriteUserSettings();
  void OpenSettings();
  void UpdateEditMenu();
  void ShowEditPopup(QLineEdit* edit, const QPoint& position);
  void ApplyCopiedColumn(const mainform::MainForm& form);
  QString Text(const char* key) const;
  QString InfoText(int index) const;
  QAction* AddAction(QMenu* menu, const char* name);

  const text::TextStore& texts_;
  QString programFolder_;
  int group_ = 1;
  int kind_ = 1;
  QString projectPath_;
  bool projectSaved_ = true;
  bool projectHeld_ = false;              // a project file belongs to the table
  project::ProjectAppearance pageSetup_;  // page setup and look kept with the project
  settings::RecentFileList recent_;
  std::vector<QAction*> recentActions_;  // the entries and their two separators
  bool expanded_ = false;
  int compactHeight_ = 229;
  int expandedHeight_ = 310;

  std::map<QString, QAction*> actions_;
  QWidget* elementPanel_ = nullptr;           // Element_Fenster
  QLabel* heading_ = nullptr;                 // Statisch_Element_Name1
  QLabel* picture_ = nullptr;                 // Image1
  QLineEdit* description_ = nullptr;          // Edit1
  QLineEdit* count_ = nullptr;                // VaAnz_Edit
  std::array<QLabel*, 5> slotLabels_{};       // Va1_Static ..
  std::array<QLineEdit*, 5> slotEdits_{};     // Va1_Edit ..
  std::array<QComboBox*, 5> slotUnits_{};     // ComboVar1 ..
  std::array<QLabel*, 5> slotFixedUnits_{};   // LabelVar1 ..
  QLabel* roughnessLabel_ = nullptr;          // Label4
  QLineEdit* roughness_ = nullptr;            // Edit2
  QComboBox* roughnessUnit_ = nullptr;        // ComboBox6
  QToolButton* roughnessDatabase_ = nullptr;  // SpeedButton1
  QToolButton* roughnessInfo_ = nullptr;      // SpeedButton7
  QToolButton* elementInfo_ = nullptr;        // ToolButton15

  QLineEdit* medium_ = nullptr;                 // Eingabe_Medium
  QComboBox* flowKind_ = nullptr;               // ComboBox4
  QLineEdit* flow_ = nullptr;                   // Eingabe_Volumenstrom
  QComboBox* flowUnit_ = nullptr;               // ComboBox1
  QLineEdit* density_ = nullptr;                // Eingabe_Dichte
  QComboBox* densityUnit_ = nullptr;            // ComboBox2
  QComboBox* viscosityKind_ = nullptr;          // ComboBox5
  QLineEdit* viscosity_ = nullptr;              // Eingabe_Viskositaet
  QComboBox* viscosityUnit_ = nullptr;          // ComboBox3
  QRadioButton* liquid_ = nullptr;              // Radio_fluessig
  QRadioButton* gas_ = nullptr;                 // Radio_gas
  std::array<QLabel*, 4> gasLabels_{};          // Label2N, Label4N, Label5N, Label6N
  QLineEdit* inletPressure_ = nullptr;          // Edit_EingangsdruckN
  QComboBox* inletPressureUnit_ = nullptr;      // ComboBox6N
  QLineEdit* inletTemperature_ = nullptr;       // Edit_EingangstemperaturN
  QComboBox* inletTemperatureUnit_ = nullptr;   // ComboBox7N
  QLineEdit* outletTemperature_ = nullptr;      // Edit_AusgangstemperaturN
  QComboBox* outletTemperatureUnit_ = nullptr;  // ComboBox8N

  QWidget* extraPanel_ = nullptr;  // Panel1
  QGroupBox* choice_ = nullptr;    // RadioGroup1
  std::array<QRadioButton*, 2> choiceOptions_{};
  QLabel* branchLabel_ = nullptr;     // Label6
  QLineEdit* branchFlow_ = nullptr;   // Edit3
  QLabel* branchUnit_ = nullptr;      // Label7
  QPushButton* calculate_ = nullptr;  // BitBtn1
  QMenu* editPopup_ = nullptr;        // PopupMenu1
  QLineEdit* popupTarget_ = nullptr;

  TAusgabe_Fenster* results_ = nullptr;
  TBtnBottomDlg* selection_ = nullptr;
  TGaswarnungDlg* gasNotes_ = nullptr;
  TEinstellungenDlg* settingsDialog_ = nullptr;
  settings::StoredSettings settings_;
  QString settingsFile_;
};

}  // namespace velmora::gui
