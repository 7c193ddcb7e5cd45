#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "parts/CatalogueFile.h"
#include "parts/FittingLines.h"
#include "text/Edition.h"

// The reducer catalogue (reduz.nfk): concentric butt-welding reducers, used as reductions or
// expansions. One line carries a large end and every small end offered for it.
namespace velmora::parts {

inline constexpr std::string_view kReducerFileName = "reduz.nfk";

struct ReducerTable {
  FittingSheet sheet;
  int first;  // lines first … last (from 1) of reduz.nfk
  int last;
};
const ReducerTable& FindReducerTable(FittingSheet sheet);

// EN/ISO/DIN: DN1, Da1, s1 of series 1 … 5, L, n, then per small end b its DN2 (field 7b + 3), Da2
// and walls. ASME/ANSI: NPS1, OD1, STD, XS, L, n, then per small end b its NPS2 (field 4b + 3), OD2,
// STD and XS (inches).
const FittingLayout& ReducerLayout(FittingSheet sheet);

struct ReducerValues {
  bool inches = false;
  EndValues large;
  EndValues small;
  std::optional<long double> angle;  // cone angle in degrees
  std::optional<long double> mass;   // kg, of one reducer
};

struct ReducerDisplay {
  EndDisplay large;
  EndDisplay small;
  std::string angle;
  std::string massKg;
  std::string massLb;
};

class ReducerStandard {
 public:
  ReducerStandard(const ReducerTable& table, const CatalogueFile& file);

  FittingSheet Sheet() const { return table_->sheet; }
  bool Available() const { return !rows_.empty(); }
  std::vector<std::string> LargeEnds() const;
  std::vector<std::string> LargeWalls(std::size_t large, text::Edition edition) const;
  std::vector<std::string> SmallEnds(std::size_t large) const;
  std::vector<std::string> SmallWalls(std::size_t large, std::size_t small, text::Edition edition) const;
  // Walls and small ends count from 0.
  ReducerValues Values(std::size_t large, std::size_t largeWall, std::size_t small, std::size_t smallWall) const;

 private:
  const ReducerTable* table_;
  std::vector<std::string> rows_;
};

// Cone angle of a reducer of length L between bores Di1 and Di2 (same unit), in degrees:
// arctan(((Di1 − Di2)/2)/L); nothing unless L > 0 and Di1 > Di2.
std::optional<long double> ConeAngle(long double innerLarge, long double innerSmall, long double length);

// Mass of a frustum shell of length L between the outer diameters Da1, Da2 and the bores Di1, Di2
// (mm): π/12·L·((Da1² + Da1·Da2 + Da2²) − (Di1² + Di1·Di2 + Di2²))·7850/10⁹ kg.
long double FrustumShellMass(long double length, long double outerLarge, long double outerSmall, long double innerLarge,
                             long double innerSmall);

ReducerDisplay ShowReducer(const ReducerValues& values, text::Edition edition, const std::string& massWord);

// The two bores, first the one the flow enters (the large end of a reduction, the small end of an
// expansion), and the cone angle; nothing when one of them is not available.
std::optional<std::array<std::string, 3>> ReducerTakeOverValues(const ReducerValues& values, bool expansion, bool us,
                                                                text::Edition edition);

}  // namespace velmora::parts
