#pragma once

#include <QDialog>
#include <QString>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "calculators/CalculatorForm.h"
#include "text/TextStore.h"
#include "units/UnitLists.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora::gui {

// What every calculator dialog shares: captions from its text block, the display settings of its
// results, radio groups by index, coupled unit lists, situation pictures from the program folder,
// results cleared by any change of an input, and the messages of a calculate command.
class CalculatorDialog : public QDialog {
  Q_OBJECT

 public:
  // Prepares a showing for the display settings: result captions, results cleared.
  void Present(const calculators::Display& display);

  // The chosen item of a radio group (−1 when none is chosen), and choosing one.
  int Chosen(const char* group) const;
  void Choose(const char* group, int index);

 protected:
  CalculatorDialog(const text::TextStore& texts, std::string_view block, QString programFolder, QWidget* parent);

  // Result captions for the display units.
  virtual void SetResultCaptions() {}
  // Empties every result.
  virtual void ClearResults() = 0;

  const text::TextStore& Texts() const { return texts_; }
  const calculators::Display& Settings() const { return display_; }
  QString Text(std::string_view key) const;

  // Controls named as the dialogs name them.
  QLabel* Caption(const char* name, std::string_view key = {});
  QLabel* Value(const char* name);
  QPushButton* Button(const char* name, std::string_view key);
  QLineEdit* Edit(const char* name);
  QComboBox* Combo(const char* name, std::span<const units::Unit> units = {});
  // A framed group of radio buttons with the items of the keys; item 0 chosen. `changed` runs
  // whenever another item is chosen.
  QGroupBox* RadioGroup(const char* name, std::string_view titleKey, std::initializer_list<std::string_view> itemKeys);
  // The picture label (240 × 160) and the bitmap <name>.bmp of the program folder shown in it.
  QLabel* Picture(const char* name);
  void ShowPicture(const char* label, const QString& name);
  // Choosing an entry in one of the lists chooses the same entry in the others.
  void Couple(std::initializer_list<const char*> lists);

  // Every edit, list and radio button clears the results when it changes (call once all exist).
  void ClearResultsOnChange();
  // Shows the messages of a calculate command one after another.
  void ShowOutcome(const calculators::Outcome& outcome);

  std::string EditText(const char* name) const;
  int ListIndex(const char* name) const;
  void SetLabel(const char* name, const std::string& text);
  void SetVisible(std::initializer_list<const char*> names, bool visible);

 private:
  const text::TextStore& texts_;
  std::string_view block_;
  QString programFolder_;
  calculators::Display display_;
};

}  // namespace velmora::gui
