#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "parts/CatalogueFile.h"
#include "text/Edition.h"

// The rectangular-pipe catalogue (rechteck.nfk): hollow sections and ducts, square and rectangular.
namespace velmora::parts {

enum class RectSheet { Din, Asme };  // DINSheet "EN/ISO/DIN" (mm), ANSISheet "ASME/ANSI" (inches)
enum class RectShape { Square, Rectangular };

inline constexpr std::string_view kRectFileName = "rechteck.nfk";
// Walls a size line may list: from field 4 (EN/ISO/DIN) or 5 (ASME/ANSI), up to the first empty one.
inline constexpr int kMaxRectWalls = 10;

struct RectTable {
  RectSheet sheet;
  int standard;  // list position on its sheet, from 1
  RectShape shape;
  int first;  // lines first … last (from 1) of rechteck.nfk
  int last;
  bool innerSizes;  // ducts: the listed sizes are the inner sizes
};

std::span<const RectTable> RectTables();
const RectTable* FindRectTable(RectSheet sheet, int standard, RectShape shape);
int RectStandardCount(RectSheet sheet);
int FirstWallField(RectSheet sheet);

struct RectValues {
  bool inches = false;
  std::optional<long double> width;  // inner width and height, table unit
  std::optional<long double> height;
  std::optional<long double> massPerMetre;  // kg/m
};

// The texts of the result labels: inner width and height in mm and inches, mass in kg/m and lb/ft.
struct RectDisplay {
  std::string widthMm;
  std::string widthInches;
  std::string heightMm;
  std::string heightInches;
  std::string massKg;
  std::string massLb;
};

class RectStandard {
 public:
  RectStandard(const RectTable& table, const CatalogueFile& file);

  const RectTable& Table() const { return *table_; }
  bool Available() const { return !rows_.empty(); }
  // field 2 + " x " + field 3 of every line.
  std::vector<std::string> Sizes(text::Edition edition) const;
  std::vector<std::string> Walls(std::size_t size, text::Edition edition) const;
  RectValues Values(std::size_t size, std::size_t wall) const;

 private:
  const RectTable* table_;
  std::vector<std::string> rows_;
};

RectDisplay ShowRect(const RectValues& values, text::Edition edition);

// Inner width and height as a take-over hands them on (mm with one decimal or inches with three);
// nothing when either is not available.
std::optional<std::pair<std::string, std::string>> RectTakeOverValues(const RectValues& values, bool us,
                                                                      text::Edition edition);

}  // namespace velmora::parts
