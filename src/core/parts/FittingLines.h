#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/Edition.h"

// What the fitting catalogues (bends, reducers, tees) share: the wall choices of an end and the
// lines that carry a first end with all the second ends offered for it.
namespace velmora::parts {

enum class FittingSheet { Din, Asme };  // DINSheet "EN/ISO/DIN" (mm), ANSISheet "ASME/ANSI" (inches)

// The walls of an end: series 1 … 5 (EN/ISO/DIN, "0" = the series does not exist) or the standard
// ("STD") and extra-strong ("XS") wall (ASME/ANSI).
inline constexpr int kDinSeries = 5;
inline constexpr int kAsmeWalls = 2;
constexpr int WallCount(FittingSheet sheet) { return sheet == FittingSheet::Din ? kDinSeries : kAsmeWalls; }

// The wall list of an end whose walls start at field `firstWall`: "1 (2,6)" … or "2 ( - )" for a
// series that does not exist; "0,154 STD" and "0,218 XS".
std::vector<std::string> WallChoices(std::string_view line, int firstWall, FittingSheet sheet, text::Edition edition);

// One end of a fitting: outer diameter and wall as the table gives them, and the bore.
struct EndValues {
  std::string outerField;
  std::string wallField;
  std::optional<long double> outer;
  std::optional<long double> wall;  // nothing for "0", a blank or a text that is no number
  std::optional<long double> inner;
};
EndValues ReadEnd(std::string_view line, int outerField, int wallField);

// Texts of an end: outer diameter and wall as given, bore in mm (1 decimal) and inches (3).
struct EndDisplay {
  std::string outer;
  std::string wall;
  std::string innerMm;
  std::string innerInches;
};
EndDisplay ShowEnd(const EndValues& end, bool inches, text::Edition edition);

// Where a line of reducers or tees keeps its parts: field `countField` holds the number n of second
// ends; second end b (1 … n) is named in field stride·b + offset, its outer diameter follows, then its
// walls. `lengthField` holds the reducer's length or the tee's run half-length; a tee's branch b has
// its height in field branchLengthBase + b (0: none).
struct FittingLayout {
  FittingSheet sheet;
  int countField;
  int stride;
  int offset;
  int lengthField;
  int branchLengthBase;

  int NameField(int b) const { return stride * b + offset; }
  int OuterField(int b) const { return NameField(b) + 1; }
  int FirstWallField(int b) const { return NameField(b) + 2; }
};

// The number of second ends a line offers: its count field, limited to the ends the line can hold
// (their outer diameter field exists, and for tees they end before the heights); 0 when the count
// is no whole number.
int SecondEndCount(std::string_view line, const FittingLayout& layout);

// The size lists: field 1 of every line; the names of a line's second ends.
std::vector<std::string> FirstEndNames(const std::vector<std::string>& lines);
std::vector<std::string> SecondEndNames(std::string_view line, const FittingLayout& layout);

}  // namespace velmora::parts
