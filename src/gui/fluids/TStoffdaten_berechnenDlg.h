#pragma once

#include <QString>
#include <array>
#include <optional>

#include "fluids/EstimationDialog.h"
#include "fluids/MixtureSlots.h"
#include "fluids/PropertyDialog.h"

class QListWidget;

namespace velmora::gui {

// Properties estimated from substance constants (STBERE.STW): state, density and viscosity of a
// substance or of a mixture of up to four, handed over as a liquid or a gas.
class TStoffdaten_berechnenDlg : public PropertyDialog {
  Q_OBJECT

 public:
  // Loads STBERE.STW from the program folder; a missing file is reported and leaves the list empty.
  TStoffdaten_berechnenDlg(const text::TextStore& texts, const QString& programFolder, QWidget* parent = nullptr);

  void ListBox1Click();   // a substance chosen: its constants
  void SuchEditChange();  // the first name that begins with (else contains) the text typed
  void Berechnen1Click();
  void Uebernehmen1Click();
  void InMischungClick();
  void Entfernen1Click(int slot);
  void MischungBerechnenClick();
  void MischungUebernehmenClick();

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;

 private:
  const fluids::SubstanceRecord* Chosen() const;
  fluids::EstimateForm ReadSingle() const;
  fluids::EstimateMixtureForm ReadMixture() const;

  fluids::SubstanceDatabase database_;
  QListWidget* list_ = nullptr;
  MixtureSlots slots_;
  std::optional<fluids::EstimateShown> single_;
  std::optional<fluids::EstimateShown> mixture_;
};

}  // namespace velmora::gui
