#include "parts/TInfoTStue.h"

#include "help/HelpTopics.h"

namespace velmora::gui {
namespace {

constexpr int kMassWord = 31;  // "Masse:"
// The element pictures of the branch pieces with dividing (5/5) and combining flow (5/6).
constexpr std::array<int, 2> kPictures = {2205, 2206};

}  // namespace

TInfoTStue::TInfoTStue(const text::TextStore& texts, QString programFolder, QWidget* parent)
    : TwoEndDialog(texts, std::move(programFolder), "InfoTStue", kPictures, false, parent),
      din_(std::in_place, parts::FindTeeTable(parts::FittingSheet::Din), file_),
      asme_(std::in_place, parts::FindTeeTable(parts::FittingSheet::Asme), file_) {
  Build(help::topic::kTees);
}

void TInfoTStue::Load() {
  file_ = LoadFile(parts::kTeeFileName);
  din_.emplace(parts::FindTeeTable(parts::FittingSheet::Din), file_);
  asme_.emplace(parts::FindTeeTable(parts::FittingSheet::Asme), file_);
}

const parts::TeeStandard& TInfoTStue::Standard(parts::FittingSheet sheet) const {
  return sheet == parts::FittingSheet::Din ? *din_ : *asme_;
}

bool TInfoTStue::Available(parts::FittingSheet sheet) const { return Standard(sheet).Available(); }

std::vector<std::string> TInfoTStue::FirstEnds(parts::FittingSheet sheet) const { return Standard(sheet).Runs(); }

std::vector<std::string> TInfoTStue::FirstWalls(parts::FittingSheet sheet, std::size_t first) const {
  return Standard(sheet).RunWalls(first, Edition());
}

std::vector<std::string> TInfoTStue::SecondEnds(parts::FittingSheet sheet, std::size_t first) const {
  return Standard(sheet).Branches(first);
}

std::vector<std::string> TInfoTStue::SecondWalls(parts::FittingSheet sheet, std::size_t first,
                                                 std::size_t second) const {
  return Standard(sheet).BranchWalls(first, second, Edition());
}

TwoEndDialog::Shown TInfoTStue::Show(parts::FittingSheet sheet, const Selection& s, int choice) const {
  const parts::TeeValues values = Standard(sheet).Values(s.first, s.firstWall, s.second, s.secondWall);
  const parts::TeeDisplay display = parts::ShowTee(values, Edition(), Texts().GlobalText(kMassWord));
  Shown shown{display.run, display.branch, {}, display.massKg, display.massLb, std::nullopt};
  if (const auto dimensions = parts::TeeTakeOverValues(values, Us(), Edition())) {
    const std::string name = Name(sheet == parts::FittingSheet::Din ? "Norm1" : "ANorm1");
    shown.takeOver = parts::PartTakeOver{
        parts::PartKind::Tee, name, 5, choice == 1 ? 6 : 5, {dimensions->begin(), dimensions->end()}, Us()};
  }
  return shown;
}

}  // namespace velmora::gui
