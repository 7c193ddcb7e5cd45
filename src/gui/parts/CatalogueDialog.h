#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "parts/CatalogueFile.h"
#include "parts/TakeOver.h"
#include "text/TextStore.h"

class QButtonGroup;
class QGridLayout;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace velmora::gui {

// Receives what a catalogue takes over: the window that opened it writes the values into itself.
using TakeOverReceiver = std::function<void(const parts::PartTakeOver&)>;

// What every standard-parts catalogue shares: its text block, its table file read on the first
// showing (a missing or damaged file is reported once and leaves the lists empty), the display
// units of a showing and the receiver of its take-over, and controls named as the catalogue names
// them.
class CatalogueDialog : public QDialog {
  Q_OBJECT

 public:
  // Prepares a showing: the take-over in inches (US display) or mm, and who receives it. A choice
  // (reduction or expansion, dividing or combining flow) may be fixed by the window that asks.
  void Present(bool us, TakeOverReceiver receiver, std::optional<int> fixedChoice = std::nullopt);

 protected:
  // An entry of a standards list: a standard without a table is not available.
  struct StandardItem {
    QString text;
    bool available = false;
  };

  // The table files lie in the program folder.
  CatalogueDialog(const text::TextStore& texts, QString programFolder, std::string_view block, QWidget* parent);

  // Loads the tables on the first showing and fills the dialog; called by Present.
  virtual void FillOnce() = 0;
  // Applies a fixed choice (or frees the choices) at each showing; the default has no choice.
  virtual void FixChoice(std::optional<int> choice);

  // The table file from the program folder; a missing file or damaged lines are reported.
  parts::CatalogueFile LoadFile(std::string_view name);

  QString Text(std::string_view key) const;
  // A standard's list entry: its name, followed by the not-available text when it has no table.
  StandardItem StandardEntry(std::string_view key, bool available) const;
  std::string Name(std::string_view key) const;
  text::Edition Edition() const { return texts_.edition(); }
  const text::TextStore& Texts() const { return texts_; }
  bool Us() const { return us_; }
  const QString& ProgramFolder() const { return programFolder_; }
  void HandOver(const parts::PartTakeOver& takeOver);

  // Controls.
  QListWidget* List(QWidget* parent, const char* name, int minimumWidth);
  QLabel* Caption(QWidget* parent, const char* name, const QString& text = QString());
  QLabel* Value(QWidget* parent, const char* name);
  // A titled group of options (RadioGroup), the first checked; side by side or one below the other.
  QGroupBox* Choice(QWidget* parent, const char* name, std::initializer_list<std::string_view> keys,
                    QButtonGroup** group, bool sideBySide = false);
  QPushButton* Button(const char* name, std::string_view key);
  // A list with its heading above it, at (row, column) of the grid.
  QLabel* AddList(QGridLayout* grid, int row, int column, QLabel* heading, QListWidget* list);
  // A row of results: caption, then value and unit pairs.
  void AddValues(QGridLayout* grid, int row, const QString& caption,
                 std::initializer_list<std::pair<QLabel*, const char*>> values);
  // The information button of a catalogue.
  QWidget* InfoButton(const char* name, std::string_view hintKey, std::string_view textKey);

  // Refills a list without change signals and selects `row` (the first by default) when it exists.
  static void Fill(QListWidget* list, const std::vector<std::string>& entries, int row = 0);
  static void Fill(QListWidget* list, const QStringList& entries, int row = 0);
  // Fills a standards list: an entry without a table is shown greyed and cannot be chosen; the first
  // entry with a table is chosen (none when there is none).
  static void FillStandards(QListWidget* list, const std::vector<StandardItem>& items);
  static int Row(const QListWidget* list);
  static std::size_t Index(const QListWidget* list);

 private:
  const text::TextStore& texts_;
  QString programFolder_;
  std::string_view block_;
  bool us_ = false;
  bool filled_ = false;
  TakeOverReceiver receiver_;
};

}  // namespace velmora::gui
