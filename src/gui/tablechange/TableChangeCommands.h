#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "mainform/MainForm.h"
#include "project/ProjectSession.h"
#include "tablechange/ColumnWidths.h"
#include "text/TextStore.h"

class QWidget;

namespace velmora::gui {

class PartsCatalogues;
class TAusgabe_Fenster;
class TSpalteAendernDlg;
class TTabelleAendern;
class TZellbreiteDlg;

// What the table-change commands need of the main window.
struct TableChangeHooks {
  std::function<mainform::MainForm()> readForm;  // the main window's inputs, as they stand
  std::function<QString()> settingsFile;         // the user's settings file
  // The column widths were chosen and stored; the main window keeps them for its settings.
  std::function<void(const tablechange::ColumnWidths&)> widthsChosen;
  // The standard-parts catalogues that the pipe-information buttons open (none: the buttons stay off).
  PartsCatalogues* catalogues = nullptr;
};

// The table-change commands of the main window and the results window: the column dialog, the
// table dialog and the column widths. A recalculated table marks the project changed and the
// results window shows it; the main window's inputs stay as they are.
class TableChangeCommands : public QObject {
  Q_OBJECT

 public:
  // Declares the results window's column, table and width features available and answers them.
  TableChangeCommands(const text::TextStore& texts, project::ProjectSession& session, TAusgabe_Fenster& results,
                      TableChangeHooks hooks, QWidget* window);

  // The column dialog at element column `column` (the last element for the empty last column).
  void ChangeColumn(int column);
  void ChangeTable();
  void ChangeColumnWidths();
  // Applies widths to the results table and stores them in the user's settings.
  void ApplyColumnWidths(const tablechange::ColumnWidths& widths);

  TSpalteAendernDlg* ColumnDialog() const { return column_; }
  TTabelleAendern* TableDialog() const { return table_; }
  TZellbreiteDlg* WidthDialog() const { return widths_; }

 private:
  void ShowRecalculated();

  const text::TextStore& texts_;
  project::ProjectSession& session_;
  TAusgabe_Fenster& results_;
  TableChangeHooks hooks_;
  QWidget* window_;
  TSpalteAendernDlg* column_ = nullptr;
  TTabelleAendern* table_ = nullptr;
  TZellbreiteDlg* widths_ = nullptr;
};

}  // namespace velmora::gui
