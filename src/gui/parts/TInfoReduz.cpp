#include "parts/TInfoReduz.h"

#include "help/HelpTopics.h"

namespace velmora::gui {
namespace {

constexpr int kMassWord = 31;  // "Masse:"
// The element pictures of the gradual contraction (3/4) and the gradual expansion (3/2).
constexpr std::array<int, 2> kPictures = {1804, 1802};

}  // namespace

TInfoReduz::TInfoReduz(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : TwoEndDialog(texts, std::move(programFolder), "InfoReduz", kPictures, true, parent),
      din_(std::in_place, parts::FindReducerTable(parts::FittingSheet::Din), file_),
      asme_(std::in_place, parts::FindReducerTable(parts::FittingSheet::Asme), file_) {
  Build(help::topic::kReducers);
}

void TInfoReduz::Load() {
  file_ = LoadFile(parts::kReducerFileName);
  din_.emplace(parts::FindReducerTable(parts::FittingSheet::Din), file_);
  asme_.emplace(parts::FindReducerTable(parts::FittingSheet::Asme), file_);
}

const parts::ReducerStandard& TInfoReduz::Standard(parts::FittingSheet sheet) const {
  return sheet == parts::FittingSheet::Din ? *din_ : *asme_;
}

bool TInfoReduz::Available(parts::FittingSheet sheet) const { return Standard(sheet).Available(); }

std::vector<std::string> TInfoReduz::FirstEnds(parts::FittingSheet sheet) const { return Standard(sheet).LargeEnds(); }

std::vector<std::string> TInfoReduz::FirstWalls(parts::FittingSheet sheet, std::size_t first) const {
  return Standard(sheet).LargeWalls(first, Edition());
}

std::vector<std::string> TInfoReduz::SecondEnds(parts::FittingSheet sheet, std::size_t first) const {
  return Standard(sheet).SmallEnds(first);
}

std::vector<std::string> TInfoReduz::SecondWalls(parts::FittingSheet sheet, std::size_t first,
                                                 std::size_t second) const {
  return Standard(sheet).SmallWalls(first, second, Edition());
}

TwoEndDialog::Shown TInfoReduz::Show(parts::FittingSheet sheet, const Selection& s, int choice) const {
  const parts::ReducerValues values = Standard(sheet).Values(s.first, s.firstWall, s.second, s.secondWall);
  const parts::ReducerDisplay display = parts::ShowReducer(values, Edition(), Texts().GlobalText(kMassWord));
  Shown shown{display.large, display.small, display.angle, display.massKg, display.massLb, std::nullopt};
  const bool expansion = choice == 1;
  if (const auto dimensions = parts::ReducerTakeOverValues(values, expansion, Us(), Edition())) {
    const std::string name = Name(sheet == parts::FittingSheet::Din ? "Norm1" : "ANorm1");
    shown.takeOver = parts::PartTakeOver{
        parts::PartKind::Reducer, name, 3, expansion ? 2 : 4, {dimensions->begin(), dimensions->end()}, Us()};
  }
  return shown;
}

}  // namespace velmora::gui
