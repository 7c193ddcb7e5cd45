#pragma once

#include <QDialog>
#include <functional>

#include "mainform/MainForm.h"
#include "results/DisplayOptions.h"
#include "results/ResultsTable.h"
#include "tablechange/TableChange.h"
#include "text/TextStore.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace velmora::gui {

class PartsCatalogues;

// The table dialog "Tabelle ändern und neu berechnen": the main window's medium and/or a new pipe
// diameter, width and height for every element of the table or of a range, all recalculated.
// Either every touched column is recalculated or the table stays as it was.
class TTabelleAendern : public QDialog {
  Q_OBJECT

 public:
  TTabelleAendern(const text::TextStore& texts, results::ResultsTable& table, QWidget* parent = nullptr);

  void SetInputsSource(std::function<mainform::MainForm()> source) { inputsSource_ = std::move(source); }
  void SetOptionsSource(std::function<results::DisplayOptions()> source) { optionsSource_ = std::move(source); }
  // The catalogues that the pipe-information buttons open (none: the buttons are off).
  void SetCatalogues(PartsCatalogues* catalogues);

  // Prepares a showing: the range runs over the element columns, the medium summary shows the
  // main window's medium.
  void Present();
  // "Tabelle neu &berechnen": true when at least one column was recalculated.
  bool RecalculateTable();
  // What the controls ask for.
  tablechange::TableChangeRequest Request() const;

  void ApplyTexts();

 signals:
  void TableRecalculated();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowMediumSummary();
  void ShowFailure(const tablechange::ColumnFailure& failure);
  void ShowNotes(const std::vector<tablechange::ColumnNote>& notes);
  void EnableInputs();
  void OpenCatalogue(bool rectangular);
  mainform::MainForm MainWindowInputs() const;

  const text::TextStore& texts_;
  results::ResultsTable& table_;
  std::function<mainform::MainForm()> inputsSource_;
  std::function<results::DisplayOptions()> optionsSource_;

  QRadioButton* whole_ = nullptr;      // RadioGroup1 item 0
  QRadioButton* range_ = nullptr;      // item 1
  QSpinBox* from_ = nullptr;           // Edit1 with UpDown1
  QSpinBox* to_ = nullptr;             // Edit2 with UpDown2
  QCheckBox* medium_ = nullptr;        // CheckBox2
  QLabel* summary_ = nullptr;          // the main window's medium
  QCheckBox* circular_ = nullptr;      // CheckBox3
  QLineEdit* diameter_ = nullptr;      // Edit4
  QComboBox* diameterUnit_ = nullptr;  // ComboBox2
  QCheckBox* rectangular_ = nullptr;   // CheckBox4
  QLineEdit* width_ = nullptr;         // Edit5
  QComboBox* widthUnit_ = nullptr;     // ComboBox3
  QLineEdit* height_ = nullptr;        // Edit6
  QComboBox* heightUnit_ = nullptr;    // ComboBox4
  PartsCatalogues* catalogues_ = nullptr;
};

}  // namespace velmora::gui
