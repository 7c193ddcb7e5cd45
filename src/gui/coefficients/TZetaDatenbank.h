#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "coefficients/ZetaDatabase.h"
#include "coefficients/ZetaTakeOver.h"
#include "text/TextStore.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velmora::gui {

// The zeta database "Datenbank Zeta-Werte von Armaturen": the manufacturers' files (*.ZTA) of a
// folder, the fittings of the chosen file, their nominal diameters and the zeta value of the
// chosen one. The dialog keeps its state from show to show; OK hands the choice to its caller.
class TZetaDatenbank : public QDialog {
  Q_OBJECT

 public:
  // `folder` holds the manufacturers' files: the program folder.
  TZetaDatenbank(const text::TextStore& texts, QString folder, QWidget* parent = nullptr);

  // What OK took over; nothing after closing without it.
  const std::optional<coefficients::ZetaChoice>& Chosen() const { return chosen_; }
  // Forgets the last choice; the lists stay as they are.
  void Present() { chosen_.reset(); }

  void ApplyTexts();

  // The pump quick design's target rows: shown (with the caption of its visible page) while that
  // window is open, hidden otherwise; which of rows 1 … 3 are checked.
  void ShowPumpRows(bool visible, const QString& page);
  std::array<bool, 3> PumpRowsChecked() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FillManufacturers();
  void LoadManufacturer(int row);
  void ShowFitting(int row);
  void ShowSize(int row);
  void Clear();
  void TakeOver();

  const text::TextStore& texts_;
  QString folder_;
  bool shownBefore_ = false;
  std::vector<coefficients::ZetaManufacturer> manufacturers_;
  coefficients::ZetaTable table_;  // of the chosen manufacturer; empty after a load error
  std::optional<coefficients::ZetaChoice> chosen_;

  QListWidget* files_ = nullptr;          // FileListBox1
  QListWidget* designations_ = nullptr;   // ListBox1
  QListWidget* sizes_ = nullptr;          // ListBox2
  QLineEdit* zeta_ = nullptr;             // Edit1
  QCheckBox* describe_ = nullptr;         // CheckBox1
  std::array<QCheckBox*, 3> pumpRows_{};  // CheckBox2 … CheckBox4: rows of the pump quick design
  QLabel* pumpPage_ = nullptr;            // the page the rows belong to
  QPushButton* ok_ = nullptr;             // OKBtn
};

}  // namespace velmora::gui
