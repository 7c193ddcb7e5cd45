#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "parts/CatalogueFile.h"
#include "parts/FittingLines.h"
#include "text/Edition.h"

// The tee catalogue (testue.nfk): butt-welding tees for dividing or combining flow. One line
// carries a run size and every branch size offered for it.
namespace velmora::parts {

inline constexpr std::string_view kTeeFileName = "testue.nfk";

struct TeeTable {
  FittingSheet sheet;
  int first;  // lines first … last (from 1) of testue.nfk
  int last;
};
const TeeTable& FindTeeTable(FittingSheet sheet);

// EN/ISO/DIN: DN1, Da1, s1 of series 1 … 5, n, per branch b its DN2 (field 7b + 2), Da2 and walls;
// the run half-length C in field 58 and the branch heights M in fields 58 + b. ASME/ANSI: NPS1, OD1,
// STD, XS, n, per branch b its NPS2 (field 4b + 2), OD2, STD and XS; C in field 62, M in 62 + b.
const FittingLayout& TeeLayout(FittingSheet sheet);

struct TeeValues {
  bool inches = false;
  EndValues run;
  EndValues branch;
  std::optional<long double> mass;  // kg, of one tee
};

struct TeeDisplay {
  EndDisplay run;
  EndDisplay branch;
  std::string massKg;
  std::string massLb;
  // The run wall in the other unit system with 2 decimals: inches on the EN/ISO/DIN sheet, mm on
  // the ASME/ANSI sheet.
  std::string runWallConverted;
};

class TeeStandard {
 public:
  TeeStandard(const TeeTable& table, const CatalogueFile& file);

  FittingSheet Sheet() const { return table_->sheet; }
  bool Available() const { return !rows_.empty(); }
  std::vector<std::string> Runs() const;
  std::vector<std::string> RunWalls(std::size_t run, text::Edition edition) const;
  std::vector<std::string> Branches(std::size_t run) const;
  std::vector<std::string> BranchWalls(std::size_t run, std::size_t branch, text::Edition edition) const;
  TeeValues Values(std::size_t run, std::size_t runWall, std::size_t branch, std::size_t branchWall) const;

 private:
  const TeeTable* table_;
  std::vector<std::string> rows_;
};

// Mass of a tee (mm): the run pipe of length 2C, the branch from the run's bore to its end (M − Di1/2)
// less the opening cut into the run wall: π/4·((Da1² − Di1²)·2C + (Da2² − Di2²)·(M − Di1/2) − Di2²·s1)
// ·7850/10⁹ kg.
long double TeeMass(long double outerRun, long double innerRun, long double wallRun, long double halfLength,
                    long double outerBranch, long double innerBranch, long double branchHeight);

TeeDisplay ShowTee(const TeeValues& values, text::Edition edition, const std::string& massWord);

// Run bore, branch bore, edge radius (the run wall) and the branch angle 90, as a take-over hands
// them on; nothing when a bore or the run wall is not available.
std::optional<std::array<std::string, 4>> TeeTakeOverValues(const TeeValues& values, bool us, text::Edition edition);

}  // namespace velmora::parts
