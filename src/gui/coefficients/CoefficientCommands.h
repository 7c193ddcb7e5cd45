#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <string>

#include "coefficients/ZetaTakeOver.h"
#include "mainform/MainForm.h"
#include "text/TextStore.h"

class QWidget;

namespace velmora::gui {

class TRauDatenbank;
class TSpalteAendernDlg;
class TZetaDatenbank;

// What the coefficient databases need of the main window: its inputs, and writing them back (the
// element panel rebuilt for the form's element).
struct CoefficientHooks {
  std::function<mainform::MainForm()> readForm;
  std::function<void(const mainform::MainForm&)> writeForm;
};

// The pump quick design as a target of the databases: whether it is shown, the caption of its
// visible page, and its take-overs (the zeta database's rows 1 … 3, the roughness in mm).
struct PumpDesignTarget {
  std::function<bool()> shown;
  std::function<QString()> pageText;
  std::function<void(const coefficients::ZetaChoice&, const std::array<bool, 3>&)> zeta;
  std::function<void(const std::string&)> roughness;
};

// Opens the zeta and roughness databases and hands their values to the window that is open: the
// column dialog while it is shown, else the main window. Each dialog is made on first use and
// keeps its state afterwards.
class CoefficientCommands : public QObject {
  Q_OBJECT

 public:
  // `columnDialog` (may be null) is the table change's column dialog; its database buttons open
  // the databases.
  CoefficientCommands(const text::TextStore& texts, QString programFolder, CoefficientHooks hooks,
                      TSpalteAendernDlg* columnDialog, QWidget* window);

  void SetPumpDesign(PumpDesignTarget pump) { pump_ = std::move(pump); }

  void OpenZetaDatabase();
  void OpenRoughnessDatabase();

  TZetaDatenbank* ZetaDialog();
  TRauDatenbank* RoughnessDialog();

 private:
  bool ColumnDialogShown() const;
  bool PumpDesignShown() const { return pump_.shown && pump_.shown(); }

  const text::TextStore& texts_;
  QString programFolder_;
  CoefficientHooks hooks_;
  TSpalteAendernDlg* columnDialog_;
  QWidget* window_;
  TZetaDatenbank* zeta_ = nullptr;
  TRauDatenbank* roughness_ = nullptr;
  PumpDesignTarget pump_;
};

}  // namespace velmora::gui
