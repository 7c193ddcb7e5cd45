#pragma once

#include <QDialog>

#include "printing/TablePrinting.h"
#include "project/ProjectAppearance.h"
#include "text/TextStore.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace velmora::gui {

// The page setup of the printed results table: scale to a font size or fit to a number of pages
// wide, wrapping, paper, margins, the footer; Print, Preview and Cancel. The choices belong to the
// project (its appearance): Print and Preview take them, Cancel leaves them as they were.
class TSeiteEinrichtenDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TSeiteEinrichtenDlg(const text::TextStore& texts, QWidget* parent = nullptr);

  // Puts a project's choices into the controls; the header line shows the project title.
  void Present(const project::ProjectAppearance& appearance, const QString& headerLine);
  // Copies the controls' choices into the page setup fields of `appearance`; the rest stays.
  void TakeChoices(project::ProjectAppearance& appearance) const;

  // Shows the dialog for the table of `source` until it is printed or cancelled; Print and Preview
  // take the choices into `appearance`. True when that changed the project's page setup.
  bool Run(project::ProjectAppearance& appearance, const TablePrintSource& source);

  // Sets the captions from the language texts (also done on every show).
  void ApplyTexts();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  enum class Output { Print, Preview };
  // Takes and checks the choices, then prints or previews; the messages of wrong choices instead.
  void Produce(Output output);
  void UpdateEnabled();
  // The margins follow a change of their unit.
  void ConvertMargins(int unit);

  const text::TextStore& texts_;
  project::ProjectAppearance* appearance_ = nullptr;  // while Run shows the dialog
  const TablePrintSource* source_ = nullptr;
  bool changed_ = false;
  // The choices as presented: what a print compares with (an entry the list lacks reads back as
  // the list's default without the user changing anything).
  project::ProjectAppearance presented_;

  QRadioButton* scale_ = nullptr;    // RadioButton1
  QSpinBox* fontSize_ = nullptr;     // Edit1
  QRadioButton* fit_ = nullptr;      // RadioButton2
  QSpinBox* pagesWide_ = nullptr;    // Edit2
  QCheckBox* wrap_ = nullptr;        // CheckBox3
  QComboBox* paper_ = nullptr;       // ComboBox2
  QLineEdit* margins_[4] = {};       // Edit4 … Edit7
  QComboBox* marginUnit_ = nullptr;  // ComboBox1
  int marginUnitShown_ = 0;          // the unit the margin edits hold
  QLineEdit* header_ = nullptr;      // Edit3, the project title (read only)
  QLineEdit* footer_ = nullptr;      // Edit8
  QCheckBox* showPath_ = nullptr;    // CheckBox1
  QPushButton* print_ = nullptr;
  QPushButton* preview_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace velmora::gui
