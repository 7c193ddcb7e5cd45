#pragma once

#include <QString>
#include <array>
#include <optional>

#include "calculators/CalculatorDialog.h"
#include "calculators/PumpDesignDialog.h"
#include "coefficients/ZetaTakeOver.h"
#include "fluids/VapourPressureDialog.h"
#include "mainform/MainForm.h"
#include "parts/TakeOver.h"

class QTabWidget;

namespace velmora::gui {

class TPSchnellAusgabe;

// The pump quick design: medium, vapour pressure and roughness above, the suction and the pressure
// side on two pages, the data file (*.psa) and the result window. The databases it opens (standard
// pipes, zeta and roughness values, vapour pressures) hand their values back through the slots.
class TPSchnellAuslegung : public CalculatorDialog {
  Q_OBJECT

 public:
  TPSchnellAuslegung(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

  calculators::PumpDesignForm ReadForm() const;
  void WriteForm(const calculators::PumpDesignForm& form);

  void OKBtnClick();  // calculate; shows the result window
  void SpeedButton1Click(const mainform::MainForm& main);
  void BitBtnSpeichernClick();
  void BitBtnSpeichernUnterClick();
  void BitBtnDateiOeffnenClick();
  // Reads a saved design into the fields; a damaged file is told and changes nothing.
  bool OpenFile(const QString& file);
  void BitBtnLeerenClick();
  void BitBtnInfoClick();
  void SystemCurveClick();

  // The page shown: 'S' suction, 'D' pressure side.
  char VisibleSide() const;
  void ShowSide(char side);
  QString VisibleSideText() const;
  // The file of Save (empty before Save as or Open).
  const QString& FileName() const { return fileName_; }
  // Where a save asks first: set by the window that owns the dialog.
  void SetDefaultFolder(QString folder) { defaultFolder_ = std::move(folder); }
  TPSchnellAusgabe* ResultWindow() const { return output_; }
  const std::optional<calculators::PumpDesignResult>& LastResult() const { return result_; }

  // Take-overs of the databases.
  void TakeOverPipe(const parts::PartTakeOver& takeOver);
  void TakeOverZeta(const coefficients::ZetaChoice& choice, const std::array<bool, 3>& rows);
  void TakeOverRoughness(const std::string& millimetres);
  void TakeOverVapourPressure(const fluids::VapourPressureTakeOver& takeOver);

 signals:
  void MainDataRequested();
  void PipeCatalogueRequested();
  void ZetaDatabaseRequested();
  void RoughnessDatabaseRequested();
  void VapourPressureDatabaseRequested();
  void SystemCurveRequested(const calculators::PumpDesignInput& input, const calculators::PumpDesignResult& result);

 protected:
  void ClearResults() override;
  void SetResultCaptions() override;

 private:
  QWidget* BuildSide(char side);
  QWidget* BuildMedium();
  void FlowKindChanged(int kind);
  void ViscosityKindChanged(int kind);
  void VesselUnitChanged(char side);
  void PairElementFields(char side);
  bool SaveTo(const QString& file);

  QString programFolder_;
  QString fileName_;
  QString defaultFolder_;
  QTabWidget* pages_ = nullptr;
  TPSchnellAusgabe* output_ = nullptr;
  std::optional<calculators::PumpDesignInput> input_;
  std::optional<calculators::PumpDesignResult> result_;
};

}  // namespace velmora::gui
