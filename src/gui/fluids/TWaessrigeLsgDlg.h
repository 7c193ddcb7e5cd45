#pragma once

#include <QString>
#include <array>
#include <optional>

#include "fluids/AqueousDialog.h"
#include "fluids/MixtureSlots.h"
#include "fluids/PropertyDialog.h"

class QListWidget;

namespace velmora::gui {

// Aqueous solutions (WAESSRIG.STW): density and viscosity of one solute in water, or of a mixture
// of up to four, handed over as a liquid.
class TWaessrigeLsgDlg : public PropertyDialog {
  Q_OBJECT

 public:
  // Loads WAESSRIG.STW from the program folder; a missing file is reported and leaves the list empty.
  TWaessrigeLsgDlg(const text::TextStore& texts, const QString& programFolder, QWidget* parent = nullptr);

  void ListBox1Click();  // a solute chosen: its short text
  void Berechnen1Click();
  void Uebernehmen1Click();
  void InMischungClick();          // the chosen solute into the first empty slot
  void Entfernen1Click(int slot);  // slot 0…3 emptied
  void MischungBerechnenClick();
  void MischungUebernehmenClick();

 protected:
  void SetResultCaptions() override;
  void ClearResults() override;

 private:
  const fluids::SoluteRecord* Chosen() const;
  fluids::AqueousForm ReadInputs() const;
  fluids::MixtureForm ReadMixture() const;

  fluids::AqueousDatabase database_;
  QListWidget* list_ = nullptr;
  MixtureSlots slots_;
  std::optional<fluids::AqueousShown> values_;
  std::optional<fluids::AqueousShown> mixture_;
};

}  // namespace velmora::gui
