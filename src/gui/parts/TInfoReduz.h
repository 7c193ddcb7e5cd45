#pragma once

#include <optional>

#include "parts/ReducerCatalogue.h"
#include "parts/TwoEndDialog.h"

namespace velmora::gui {

// "Norm-Teile: Reduzierungen / Erweiterungen": concentric reducers of DIN 2616-1 and ASME B16.9 by
// large and small end; shows both ends, the cone angle and the mass and takes both bores and the
// angle over as a gradual contraction (reduction) or expansion.
class TInfoReduz : public TwoEndDialog {
  Q_OBJECT

 public:
  TInfoReduz(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

 protected:
  void Load() override;
  bool Available(parts::FittingSheet sheet) const override;
  std::vector<std::string> FirstEnds(parts::FittingSheet sheet) const override;
  std::vector<std::string> FirstWalls(parts::FittingSheet sheet, std::size_t first) const override;
  std::vector<std::string> SecondEnds(parts::FittingSheet sheet, std::size_t first) const override;
  std::vector<std::string> SecondWalls(parts::FittingSheet sheet, std::size_t first, std::size_t second) const override;
  Shown Show(parts::FittingSheet sheet, const Selection& selection, int choice) const override;

 private:
  const parts::ReducerStandard& Standard(parts::FittingSheet sheet) const;

  parts::CatalogueFile file_;
  std::optional<parts::ReducerStandard> din_;
  std::optional<parts::ReducerStandard> asme_;
};

}  // namespace velmora::gui
