#pragma once

#include <optional>

#include "parts/TeeCatalogue.h"
#include "parts/TwoEndDialog.h"

namespace velmora::gui {

// "Norm-Teile: T-Stücke": butt-welding tees of DIN 2615-1 and ASME B16.9 by run and branch; shows
// both, the mass of one tee, and takes both bores, the edge radius (the run wall) and the branch angle
// 90° over as a branch piece with dividing or combining flow.
class TInfoTStue : public TwoEndDialog {
  Q_OBJECT

 public:
  TInfoTStue(const text::TextStore& texts, QString programFolder, QWidget* parent = nullptr);

 protected:
  void Load() override;
  bool Available(parts::FittingSheet sheet) const override;
  std::vector<std::string> FirstEnds(parts::FittingSheet sheet) const override;
  std::vector<std::string> FirstWalls(parts::FittingSheet sheet, std::size_t first) const override;
  std::vector<std::string> SecondEnds(parts::FittingSheet sheet, std::size_t first) const override;
  std::vector<std::string> SecondWalls(parts::FittingSheet sheet, std::size_t first, std::size_t second) const override;
  Shown Show(parts::FittingSheet sheet, const Selection& selection, int choice) const override;

 private:
  const parts::TeeStandard& Standard(parts::FittingSheet sheet) const;

  parts::CatalogueFile file_;
  std::optional<parts::TeeStandard> din_;
  std::optional<parts::TeeStandard> asme_;
};

}  // namespace velmora::gui
