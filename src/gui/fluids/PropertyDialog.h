#pragma once

#include <QDialog>
#include <QListWidget>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "fluids/MediumTakeOver.h"
#include "fluids/PropertyTableFile.h"
#include "text/Message.h"
#include "text/TextStore.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QComboBox;
class QPushButton;

namespace velmora::gui {

// What every property dialog shares: captions from its text block, results cleared and take-over
// disabled by any change of an input, metric or US captions at each showing, and the hand-over of
// a medium to the main window.
class PropertyDialog : public QDialog {
  Q_OBJECT

 public:
  // Prepares a showing: captions for metric or US display, results cleared, take-over disabled.
  void Present(bool us);

 signals:
  // A take-over button was pressed: the main window writes the medium into its inputs.
  void TakeOverRequested(const fluids::MediumTakeOver& takeOver);

 protected:
  PropertyDialog(const text::TextStore& texts, std::string_view block, QWidget* parent);

  // Result captions for the current display units.
  virtual void SetResultCaptions() = 0;
  // Empties every result label and disables the take-over buttons.
  virtual void ClearResults() = 0;

  QString Text(std::string_view key) const;
  bool Us() const { return us_; }
  const text::TextStore& Texts() const { return texts_; }

  // Controls named as the dialogs name them.
  QLabel* Caption(const char* name, std::string_view key);
  QLabel* Value(const char* name);
  QPushButton* Button(const char* name, const QString& text);
  // A pressure or temperature row: caption, edit, unit list (filled, first entry chosen).
  void AddPressureRow(QGridLayout* grid, int row, std::string_view captionKey);
  void AddTemperatureRow(QGridLayout* grid, int row, std::string_view captionKey);

  // Every edit, list and option clears the results when it changes (call once all exist).
  void ClearResultsOnChange();
  // Shows a message of the calculation (its control gets the focus).
  void Show(const text::Message& message);
  // Hands the medium over and closes the dialog.
  void HandOver(const fluids::MediumTakeOver& takeOver);

  // Keeps a database read from the program folder: a file that is missing or unreadable is told
  // (the file name after `separator`) and leaves `into` as it was; skipped lines are listed.
  template <typename Database>
  bool KeepDatabase(std::optional<Database> loaded, std::string_view fileName, std::string_view separator,
                    Database& into) {
    if (!loaded) {
      Show(fluids::FileMissingMessage(texts_, block_, fileName, separator));
      return false;
    }
    into = std::move(*loaded);
    if (!into.skipped.empty()) Show(fluids::SkippedLinesMessage(texts_, block_, fileName, into.skipped));
    return true;
  }
  // Lists the records' names, the first one chosen.
  template <typename Record>
  static void ListNames(QListWidget* list, const std::vector<Record>& records) {
    for (const Record& record : records) list->addItem(QString::fromStdString(record.name));
    if (list->count() > 0) list->setCurrentRow(0);
  }

  std::string EditText(const char* name) const;
  int ListIndex(const char* name) const;

 private:
  const text::TextStore& texts_;
  std::string_view block_;
  bool us_ = false;
};

}  // namespace velmora::gui
