#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "parts/CatalogueFile.h"
#include "parts/FittingLines.h"
#include "text/Edition.h"

// The bend catalogue (boegen.nfk): butt-welding pipe bends of 45°, 90° and 180°.
namespace velmora::parts {

inline constexpr std::string_view kBendFileName = "boegen.nfk";

// Shape A (45°), B (90°), C (180°).
enum class BendShape { A, B, C };
int BendAngle(BendShape shape);

struct BendTable {
  FittingSheet sheet;
  int standard;  // list position on its sheet, from 1
  int first;     // lines first … last (from 1) of boegen.nfk
  int last;
};
std::span<const BendTable> BendTables();
const BendTable* FindBendTable(FittingSheet sheet, int standard);
int BendStandardCount(FittingSheet sheet);

// EN/ISO/DIN lines: DN, outer diameter, walls of series 1 … 5, radii of the types 2, 3, 5, 10, 20.
// ASME/ANSI lines: NPS, outer diameter, radius, STD and XS wall (inches).
inline constexpr int kBendTypes = 5;
inline constexpr int kDinFirstRadiusField = 8;
inline constexpr int kAsmeRadiusField = 3;
inline constexpr int kAsmeFirstWallField = 4;
// The types list of the EN/ISO/DIN sheet: type number and the radius as a multiple of Da.
std::array<std::string, kBendTypes> BendTypeNames(text::Edition edition);

struct BendValues {
  bool inches = false;
  EndValues pipe;
  std::string radiusField;
  std::optional<long double> radius;
  std::optional<long double> mass;  // kg, of one bend
  int angle = 90;
};

struct BendDisplay {
  EndDisplay pipe;
  std::string radiusMm;
  std::string radiusInches;
  std::string massKg;
  std::string massLb;
};

class BendStandard {
 public:
  BendStandard(const BendTable& table, const CatalogueFile& file);

  const BendTable& Table() const { return *table_; }
  bool Available() const { return !rows_.empty(); }
  std::vector<std::string> Sizes() const;
  // Series 1 … 5 of a size (EN/ISO/DIN) or its STD and XS walls (ASME/ANSI).
  std::vector<std::string> Walls(std::size_t size, text::Edition edition) const;
  // `wall` from 0; `type` from 0 (EN/ISO/DIN only).
  BendValues Values(std::size_t size, std::size_t wall, std::size_t type, BendShape shape) const;

 private:
  const BendTable* table_;
  std::vector<std::string> rows_;
};

BendDisplay ShowBend(const BendValues& values, text::Edition edition);

// Inner diameter, radius and angle as a take-over hands them on (mm or inches); nothing when the
// bore or the radius is not available.
std::optional<std::array<std::string, 3>> BendTakeOverValues(const BendValues& values, bool us, text::Edition edition);

}  // namespace velmora::parts
