#pragma once

#include <QDialog>
#include <optional>

#include "tablechange/ColumnWidths.h"
#include "text/TextStore.h"

class QLineEdit;

namespace velmora::gui {

// The column-width dialog "Ändern Spaltenbreite": the width of the results table's title column
// and of its other columns.
class TZellbreiteDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TZellbreiteDlg(const text::TextStore& texts, QWidget* parent = nullptr);

  // Shows the current widths, the focus in the title-column field.
  void Present(const tablechange::ColumnWidths& current);
  // "&OK": the typed widths when they read (else the message, and the dialog stays);
  // "&Standard": the standard widths of the edition. Either closes the dialog with Chosen() set.
  void TakeTyped();
  void TakeStandard();
  // What OK or Standard chose; nothing after Cancel.
  const std::optional<tablechange::ColumnWidths>& Chosen() const { return chosen_; }

  void ApplyTexts();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const text::TextStore& texts_;
  QLineEdit* title_ = nullptr;  // Edit2
  QLineEdit* other_ = nullptr;  // Edit1
  std::optional<tablechange::ColumnWidths> chosen_;
};

}  // namespace velmora::gui
