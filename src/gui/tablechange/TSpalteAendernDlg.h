#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "mainform/MainForm.h"
#include "results/DisplayOptions.h"
#include "results/ResultsTable.h"
#include "tablechange/ColumnFields.h"
#include "text/TextStore.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace velmora::gui {

class PartsCatalogues;

// The column dialog "Tabellenspalte ändern und neu berechnen": one element column of the results
// table loaded into the dialog's fields, edited and recalculated in place. The main window's
// inputs are never touched: the column is recalculated on a copy of them.
class TSpalteAendernDlg : public QDialog {
  Q_OBJECT

 public:
  // The dialog edits `table`, which the project owns and which outlives the dialog.
  TSpalteAendernDlg(const text::TextStore& texts, results::ResultsTable& table, QWidget* parent = nullptr);

  // The main window's inputs (what "take over" copies, where a copied column starts from) and the
  // results window's display options.
  void SetInputsSource(std::function<mainform::MainForm()> source) { inputsSource_ = std::move(source); }
  void SetOptionsSource(std::function<results::DisplayOptions()> source) { optionsSource_ = std::move(source); }
  // The catalogues that "Rohr-Informationen" opens for the column's element (none: the button is off).
  void SetCatalogues(PartsCatalogues* catalogues);
  // "Rohr-Informationen": the catalogue of the column's element; its take-over fills the fields.
  void OpenCatalogue();

  // Loads element column `column` (brought into 1 … number of elements); "Berechnungsnr." runs
  // over the element columns.
  void Present(int column);
  int Column() const;

  // "Spalte neu &berechnen": checks the fields, recalculates the column in place and reports the
  // column number; true when the column was recalculated.
  bool RecalculateColumn();
  // "Förderelement-Daten von Hauptfenster übernehmen": the main window's medium into the fields.
  void TakeOverMedium();

  // The fields as they stand.
  tablechange::ColumnFields Fields() const;

  // Take-overs of the zeta and roughness databases: the zeta into the line that holds it (element 2
  // of 12/1, element 3 of 12/2) and, when given, the description; the roughness text as it is.
  void TakeOverZeta(const QString& zeta, const QString& description);
  void TakeOverRoughness(const QString& roughness);
  // Whether the dialog shows the column in US units (the roughness then in inches).
  bool UsDisplay() const { return Options().us; }

  void ApplyTexts();

 signals:
  // Column `column` of the table was replaced by its recalculation.
  void ColumnRecalculated(int column);
  // The database buttons: BitBtnZeta, BitBtnZeta2 and BitBtnRau.
  void ZetaDatabaseRequested();
  void RoughnessDatabaseRequested();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMedium(QGridLayout* grid, int& row);
  void BuildElement(QGridLayout* grid, int& row);
  QWidget* BuildGasPanel();
  void ConnectChanges();
  void Load(int column);
  void ShowMedium(const tablechange::Medium& medium);
  void ShowPhase(bool gas);
  void ShowLine(std::size_t line, const tablechange::InputLine& input);
  void ClearResults();
  void EnablePipeButton();
  results::DisplayOptions Options() const;
  mainform::MainForm MainWindowInputs() const;

  const text::TextStore& texts_;
  results::ResultsTable& table_;
  std::function<mainform::MainForm()> inputsSource_;
  std::function<results::DisplayOptions()> optionsSource_;
  bool loading_ = false;

  QSpinBox* column_ = nullptr;  // Edit1 with UpDown1
  QLineEdit* medium_ = nullptr;
  QLabel* phase_ = nullptr;  // Label3
  QRadioButton* liquid_ = nullptr;
  QRadioButton* gas_ = nullptr;
  QComboBox* flowKind_ = nullptr;  // ComboBox7
  QLineEdit* flow_ = nullptr;
  QComboBox* flowUnit_ = nullptr;  // ComboBox4
  QLineEdit* density_ = nullptr;
  QComboBox* densityUnit_ = nullptr;    // ComboBox5
  QComboBox* viscosityKind_ = nullptr;  // ComboBox8
  QLineEdit* viscosity_ = nullptr;
  QComboBox* viscosityUnit_ = nullptr;   // ComboBox6
  QLineEdit* description_ = nullptr;     // Edit6
  QLabel* element_ = nullptr;            // Label12
  QSpinBox* count_ = nullptr;            // Edit11 with UpDown2
  std::array<QLabel*, 6> lineLabels_{};  // Element 1 … 5, the roughness
  std::array<QLineEdit*, 6> lineEdits_{};
  std::array<tablechange::InputLine, 6> lines_{};  // as loaded
  QPushButton* roughnessDatabase_ = nullptr;       // BitBtnRau
  QPushButton* pipeButton_ = nullptr;              // BitBtnRohr
  PartsCatalogues* catalogues_ = nullptr;
  int group_ = 0;  // the loaded column's element
  int kind_ = 0;
  std::array<QPushButton*, 2> zetaDatabase_{};  // BitBtnZeta, BitBtnZeta2 beside lines 2 and 3
  int zetaLine_ = -1;                           // the line of the known zeta (12/1: 1, 12/2: 2)
  QWidget* gasPanel_ = nullptr;
  QLineEdit* pressure_ = nullptr;
  QComboBox* pressureUnit_ = nullptr;  // ComboBox1
  QLineEdit* inletTemperature_ = nullptr;
  QComboBox* inletUnit_ = nullptr;  // ComboBox2
  QLineEdit* outletTemperature_ = nullptr;
  QComboBox* outletUnit_ = nullptr;   // ComboBox3
  std::array<QLabel*, 4> results_{};  // Label13 … Label16: the losses of the loaded column
};

}  // namespace velmora::gui
