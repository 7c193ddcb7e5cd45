#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <span>

#include "calculators/CalculatorDialog.h"
#include "calculators/Converters.h"
#include "fluids/VapourPressureDialog.h"
#include "mainform/MainForm.h"
#include "results/ResultsTable.h"

class QGridLayout;
class QHBoxLayout;

namespace velmora::gui {

// The pattern of the small converters: labelled fields with their unit lists in a grid, a result
// row of two labels, "Berechnen", an optional take-over and "Schließen"; any change clears the
// results.
class ConverterDialog : public CalculatorDialog {
  Q_OBJECT

 public:
  virtual void OKBtnClick() = 0;
  // The two result labels.
  QString FirstResult() const;
  QString SecondResult() const;

 signals:
  void TakeOverRequested();

 protected:
  ConverterDialog(const text::TextStore& texts, std::string_view block, const char* name, QWidget* parent);
  // A row: caption (label key), edit and unit list (no list for an empty name).
  void AddField(const char* label, std::string_view key, const char* edit, const char* combo = nullptr,
                std::span<const units::Unit> list = {});
  // The result row and the buttons; call once the fields are there.
  void Finish(const char* first, const char* second, bool takeOver, const char* extraButton = nullptr,
              std::string_view extraKey = {});
  void ClearResults() override;
  void ShowTwo(const calculators::TwoResults& outcome);
  void SetEdit(const char* name, const std::string& text);
  void SelectUnit(const char* combo, int index);

  QGridLayout* grid_ = nullptr;
  QHBoxLayout* buttons_ = nullptr;  // the button row, made by Finish
  const char* first_ = nullptr;
  const char* second_ = nullptr;
};

// NPSH value; "&Datenbank" opens the vapour-pressure database, whose values it receives.
class TNPSHDialog : public ConverterDialog {
  Q_OBJECT
 public:
  TNPSHDialog(const text::TextStore& texts, QWidget* parent = nullptr);
  // On showing: the density and its unit from the main window, both pressure lists at the main
  // window's pressure unit.
  void Prepare(const mainform::MainForm& main);
  void OKBtnClick() override;
  void TakeOverVapourPressure(const fluids::VapourPressureTakeOver& takeOver);
 signals:
  void DatabaseRequested();
};

// Pump head of a pressure loss.
class TFoerderhoehe_Dlg : public ConverterDialog {
  Q_OBJECT
 public:
  TFoerderhoehe_Dlg(const text::TextStore& texts, QWidget* parent = nullptr);
  // On showing: the table's total loss (bar, US psia) and the main window's density; computed at once.
  void Prepare(const mainform::MainForm& main, const results::ResultsTable& table);
  void OKBtnClick() override;
};

// Velocity to volume flow, with its take-over into the main window's flow.
class Tgeschw_v : public ConverterDialog {
  Q_OBJECT
 public:
  Tgeschw_v(const text::TextStore& texts, QWidget* parent = nullptr);
  void Prepare(const mainform::MainForm& main, const results::ResultsTable& table);
  void OKBtnClick() override;
  void ApplyTakeOver(mainform::MainForm& main) const;
};

// Volume flow to velocity.
class Tv_geschw : public ConverterDialog {
  Q_OBJECT
 public:
  Tv_geschw(const text::TextStore& texts, QWidget* parent = nullptr);
  void Prepare(const mainform::MainForm& main);
  void OKBtnClick() override;
};

// kv (or Cv) to ζ, with its take-over as element 12/1 of the main window.
class TValveZetaDialog : public ConverterDialog {
  Q_OBJECT
 public:
  void Prepare(const mainform::MainForm& main);
  void OKBtnClick() override;
  void ApplyTakeOver(mainform::MainForm& main) const;

 protected:
  TValveZetaDialog(const text::TextStore& texts, bool cv, QWidget* parent);

 private:
  calculators::ValveZetaForm Form() const;
  bool cv_;
};

class Tkv_in_Zeta_Dlg : public TValveZetaDialog {
  Q_OBJECT
 public:
  explicit Tkv_in_Zeta_Dlg(const text::TextStore& texts, QWidget* parent = nullptr);
};

class TCv_in_ZetaDlg : public TValveZetaDialog {
  Q_OBJECT
 public:
  explicit TCv_in_ZetaDlg(const text::TextStore& texts, QWidget* parent = nullptr);
};

// Standard to operating cubic metres, with its take-over into the main window's gas inputs.
class TNorm_in_Betrieb_Dlg : public ConverterDialog {
  Q_OBJECT
 public:
  TNorm_in_Betrieb_Dlg(const text::TextStore& texts, QWidget* parent = nullptr);
  void Prepare(const mainform::MainForm& main);
  void OKBtnClick() override;
  void ApplyTakeOver(mainform::MainForm& main) const;

 private:
  calculators::StandardFlowForm Form() const;
};

// Unit conversion in the program: every input field converts the unit chosen in its list; the
// link (and F1) opens the manual's page of the unit lists.
class TEhuInfo : public CalculatorDialog {
  Q_OBJECT
 public:
  TEhuInfo(const text::TextStore& texts, QWidget* parent = nullptr);

 protected:
  void ClearResults() override {}
};

}  // namespace velmora::gui
