#pragma once

#include <QDialog>

#include "settings/StoredSettings.h"
#include "text/TextStore.h"

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace velmora::gui {

// The settings dialog: display units, restoring the inputs at start, decimals of the results,
// units of the user-defined database and what the results window caption shows.
class TEinstellungenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TEinstellungenDlg(const text::TextStore& texts, QWidget* parent = nullptr);

  // Puts the current settings into the controls (no warning is shown for them).
  void Present(const settings::StoredSettings& settings);
  // Copies the choices of the controls into the settings: display units, decimals, caption,
  // restore choice, user-database units. Everything else stays.
  void TakeChoices(settings::StoredSettings& settings) const;
  // Shows the dialog modally with the current settings. OK copies the choices into `settings` and
  // returns true; Cancel returns false and changes nothing.
  bool Edit(settings::StoredSettings& settings);

  // Sets the captions and list items from the language texts (also done on every show).
  void ApplyTexts();

 signals:
  // The user picked the other display unit system in ComboBox1 (not yet confirmed by OK).
  void DisplayUnitsChanged(bool us);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void WarnUserDatabaseUnits();

  const text::TextStore& texts_;
  QComboBox* units_ = nullptr;           // ComboBox1: metric, US
  QComboBox* restore_ = nullptr;         // ComboBox2: "ja", "nein"
  QSpinBox* decimals_ = nullptr;         // Edit2 with its up-down, 0 … 6
  QComboBox* userDatabase_ = nullptr;    // ComboBox3: metric, US
  QGroupBox* caption_ = nullptr;         // RadioGroup1
  QRadioButton* captionPath_ = nullptr;  // item 0: path and file name
  QRadioButton* captionFile_ = nullptr;  // item 1: file name only
  QPushButton* ok_ = nullptr;            // BitBtn1
  QPushButton* cancel_ = nullptr;        // CancelBtn
};

}  // namespace velmora::gui
