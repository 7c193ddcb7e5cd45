#pragma once

#include <QFont>
#include <QMainWindow>
#include <functional>
#include <map>
#include <vector>

#include "hydraulics/ElementCalculation.h"
#include "hydraulics/ElementResult.h"
#include "hydraulics/MainInput.h"
#include "mainform/MainForm.h"
#include "project/ProjectAppearance.h"
#include "results/DisplayOptions.h"
#include "results/ResultsTable.h"
#include "results/Totals.h"
#include "text/TextStore.h"

class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class QAction;

namespace velmora::gui {

class ResultsGrid;
class ResultsGridModel;
enum class ToolIcon;

// The results window: the table of the calculated elements of the project (one column per
// element) with the pipeline total in the status bar.
class TAusgabe_Fenster : public QMainWindow {
  Q_OBJECT

 public:
  // Commands whose windows belong to other parts of the program. Their buttons and menu entries
  // stay disabled until the main window declares them available.
  enum class Feature { Print, ChangeColumn, ChangeTable, ColumnWidth };

  // The window shows `table`, which the project owns and which outlives the window.
  TAusgabe_Fenster(const text::TextStore& texts, results::ResultsTable& table, QWidget* parent = nullptr);
  ~TAusgabe_Fenster() override;

  // Appends the column of a calculated element (inputs in base units, results as calculated),
  // shown in the display units of the options; first the boundary-region note when
  // 2200 ≤ Re ≤ 2320. Updates the totals, enables the column buttons and selects the new column.
  // False (nothing appended) for an element outside the catalogue.
  bool AppendElement(const mainform::MainForm& form, const hydraulics::MainInput& input,
                     const hydraulics::ElementResult& result, bool laminar);
  // Shows the notes of a calculation (range note, laminar warning, gas limit) and appends the
  // element unless the calculation failed (gas limit or arithmetic error: false, nothing appended).
  bool AppendOutcome(const mainform::MainForm& form, const hydraulics::MainInput& input,
                     const hydraulics::ElementOutcome& outcome);
  // The project's table was replaced (a new or an opened project), its cells in the units of
  // `options`: shows it as it is (no conversion), relabelled and totalled, the first column selected.
  void ShowReplacedTable(const results::DisplayOptions& options);

  int ElementCount() const;
  // The grid column of the selection (1 when nothing is selected, as the grid starts).
  int SelectedColumn() const;
  void SelectColumn(int column);

  // Switching between metric and US converts the table and rewrites the row titles.
  void SetDisplayOptions(const results::DisplayOptions& options);
  const results::DisplayOptions& DisplayOptions() const { return options_; }
  const results::ResultsTable& Table() const { return table_; }
  const results::StatusTexts& Status() const { return status_; }
  QString ClipboardText() const;

  // Where "copy column into inputs" starts from: the main window's current inputs.
  void SetInputsSource(std::function<mainform::MainForm()> source) { inputsSource_ = std::move(source); }
  void SetFeatureAvailable(Feature feature, bool available);

  // The grid's look as a project keeps it: fills the widths of columns 0 … N, the row height, the
  // font with its colour, size and styles; the other fields of `appearance` stay.
  void StoreLook(project::ProjectAppearance& appearance) const;
  // Applies a stored look to the table as it is now (call after ShowReplacedTable). Values a damaged file
  // might hold are brought into range (widths 20 … 2000, row height 8 … 200, font size 4 … 72);
  // a system colour, as older files hold, gives the grid's default colour, black.
  void ApplyLook(const project::ProjectAppearance& appearance);

  // The grid's font; afterwards the row height is 2 × the font size (2.5 × above 96 dpi), and the
  // default column widths follow the font while the grid shows them.
  void ApplyGridFont(const QFont& font);
  // Sets every caption, hint and label from the language texts (also done on every show).
  void ApplyTexts();
  ResultsGrid* Grid() const { return grid_; }

 public slots:
  void DeleteSelectedColumn();
  void CopyTableToClipboard();
  void CopyColumnToInputs();
  void ZoomIn();
  void ZoomOut();
  void ChooseFont();
  // Grid column `from` goes to position `to` (a drag in the grid); the empty last column stays last.
  void MoveColumn(int from, int to);

 signals:
  void CopyToInputsRequested(velmora::mainform::MainForm form);
  void NewProjectRequested();
  void OpenProjectRequested();
  void SaveProjectRequested();
  void PrintRequested();
  void ChangeColumnRequested(int column);
  void ChangeTableRequested();
  void ColumnWidthRequested();
  // The table's columns or totals changed (the short display mirrors them).
  void TableChanged();
  // The user deleted or moved columns: the project differs from its file.
  void ColumnsEdited();
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QToolButton* AddButton(const char* name, const char* hintKey, ToolIcon icon, std::function<void()> action);
  void BuildPopupMenu();
  void Relabel();
  void RefreshTotals();
  // The totals of the elements, or the initial zero total of an empty table.
  void ShowTotals();
  void UpdateButtons();
  // Widths of the title column and default width of the element columns, in pixels.
  struct ColumnWidths {
    int title = 0;
    int column = 0;
  };
  void ApplyView(int fontSize, int rowHeight, ColumnWidths widths);
  void Zoom(long double factor);
  // The default widths for the grid's font: the title column fits the row labels of both unit
  // systems, the element columns the name, input and option rows of the catalogue's elements
  // with four-digit inputs at the decimals shown.
  ColumnWidths DeriveWidths() const;
  // Whether the grid still shows the derived widths (none stored, dragged or zoomed since).
  bool ShowsDerivedWidths() const;
  // Derives the widths anew after the font or the decimals changed; the grid takes them only
  // while it shows the derived ones, so widths from a project or chosen by the user stay.
  void RederiveWidths();
  bool HighDpi() const;
  bool Available(Feature feature) const;

  const text::TextStore& texts_;
  results::DisplayOptions options_;
  results::ResultsTable& table_;
  results::StatusTexts status_;
  std::function<mainform::MainForm()> inputsSource_;
  std::map<Feature, bool> available_;

  ResultsGridModel* model_ = nullptr;
  ResultsGrid* grid_ = nullptr;
  QLineEdit* projectEdit_ = nullptr;
  QLabel* projectLabel_ = nullptr;
  QLabel* statusLabel_ = nullptr;
  QLabel* statusTotals_ = nullptr;
  QMenu* popup_ = nullptr;
  QAction* popupPrint_ = nullptr;
  QAction* popupChangeTable_ = nullptr;
  QAction* popupChangeColumn_ = nullptr;
  std::map<std::string, QToolButton*> buttons_;  // by objectName
  std::map<std::string, std::string> hints_;     // objectName -> hint key
  int fontSize_ = 8;
  ColumnWidths derived_;
};

}  // namespace velmora::gui
