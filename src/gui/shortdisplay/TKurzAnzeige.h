#pragma once

#include <QWidget>
#include <array>

#include "results/ResultsTable.h"
#include "text/TextStore.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace velmora::gui {

class TAusgabe_Fenster;

// The short display: one line per element of the results table (number, kind and count,
// description, pressure loss) and the totals. It mirrors the table and acts on it through the
// results window: a description edited here is the element's description (row 6), moving a line
// moves the element's column, deleting a line deletes the column.
class TKurzAnzeige : public QWidget {
  Q_OBJECT

 public:
  // `table` is the table `results` shows; both outlive the window.
  TKurzAnzeige(const text::TextStore& texts, results::ResultsTable& table, TAusgabe_Fenster& results,
               QWidget* parent = nullptr);

  // Rewrites the list from the table (RefreshShortDisplay): the header for metric or US units, one
  // line per element, the totals. Done whenever the results window reports a changed table.
  void RefreshShortDisplay();

  // The current line, 1 … n (0 while the list is empty).
  int CurrentLine() const;
  void SetCurrentLine(int line);

  // Prints the list after the printer dialog; false when the list is empty, or the dialog was
  // cancelled. `project` names the project (its file, or the untitled name).
  bool Print(const QString& project);

  // The widths of the list's four columns in pixels, as the settings keep them.
  std::array<int, 4> ColumnWidths() const;
  void SetColumnWidths(const std::array<int, 4>& widths);

  // Sets every caption from the language texts (also done on every show).
  void ApplyTexts();

 public slots:
  void MoveLineUp();
  void MoveLineDown();
  void DeleteLine();

 signals:
  // A description was edited here: the project differs from its file.
  void Edited();
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void DescriptionEdited(QTableWidgetItem* item);
  void UpdateRowHeight();

  const text::TextStore& texts_;
  results::ResultsTable& table_;
  TAusgabe_Fenster& results_;
  QTableWidget* grid_ = nullptr;   // StringGrid1
  QLabel* totals_ = nullptr;       // Label1
  QPushButton* up_ = nullptr;      // Button1
  QPushButton* down_ = nullptr;    // Button2
  QPushButton* delete_ = nullptr;  // Button3
  bool refreshing_ = false;
};

}  // namespace velmora::gui
