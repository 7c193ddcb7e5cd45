#include "parts/FittingLines.h"

#include <algorithm>
#include <cmath>

#include "parts/PartNumbers.h"
#include "text/FieldOf.h"
#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::parts {
namespace {

// No line of a table offers more second ends than this; a larger count is damaged data.
constexpr int kMostSecondEnds = 60;

int FieldCount(std::string_view line) { return static_cast<int>(std::count(line.begin(), line.end(), '\t')) + 1; }

}  // namespace

std::vector<std::string> WallChoices(std::string_view line, int firstWall, FittingSheet sheet, text::Edition edition) {
  std::vector<std::string> choices;
  if (sheet == FittingSheet::Asme) {
    const char* const names[] = {" STD", " XS"};
    for (int j = 0; j < kAsmeWalls; ++j) {
      choices.push_back(ShowAsGiven(text::FieldView(line, firstWall + j), edition) + names[j]);
    }
    return choices;
  }
  for (int series = 1; series <= kDinSeries; ++series) {
    const std::string_view field = text::FieldView(line, firstWall + series - 1);
    const std::string wall = ReadDimension(field) ? ShowAsGiven(field, edition) : std::string(" - ");
    choices.push_back(std::to_string(series) + " (" + wall + ")");
  }
  return choices;
}

EndValues ReadEnd(std::string_view line, int outerField, int wallField) {
  EndValues end;
  end.outerField = text::FieldOf(line, outerField);
  end.wallField = text::FieldOf(line, wallField);
  end.outer = ReadDimension(end.outerField);
  end.wall = ReadDimension(end.wallField);
  end.inner = Bore(end.outer, end.wall);
  return end;
}

EndDisplay ShowEnd(const EndValues& end, bool inches, text::Edition edition) {
  EndDisplay shown;
  shown.outer = ShowAsGiven(end.outerField, edition);
  shown.wall = ShowAsGiven(end.wallField, edition);
  std::optional<long double> mm;
  std::optional<long double> in;
  if (end.inner) {
    mm = ToMm(*end.inner, inches);
    in = *mm / units::kInchInMm;
  }
  shown.innerMm = ShowNumber(mm, 1, edition);
  shown.innerInches = ShowNumber(in, 3, edition);
  return shown;
}

int SecondEndCount(std::string_view line, const FittingLayout& layout) {
  const std::optional<long double> count = units::ParseNumber(text::FieldView(line, layout.countField));
  if (!count || *count < 1 || *count != std::floor(*count) || *count > kMostSecondEnds) return 0;
  int n = static_cast<int>(*count);
  const int fields = FieldCount(line);
  while (n > 0 && (layout.OuterField(n) > fields ||
                   (layout.branchLengthBase > 0 &&
                    layout.FirstWallField(n) + WallCount(layout.sheet) - 1 >= layout.lengthField))) {
    --n;
  }
  return n;
}

std::vector<std::string> FirstEndNames(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  for (const std::string& line : lines) {
    const std::string_view name = text::FieldView(line, 1);
    names.emplace_back(IsBlank(name) ? kNotAvailable : name);
  }
  return names;
}

std::vector<std::string> SecondEndNames(std::string_view line, const FittingLayout& layout) {
  std::vector<std::string> names;
  const int n = SecondEndCount(line, layout);
  for (int b = 1; b <= n; ++b) {
    const std::string_view name = text::FieldView(line, layout.NameField(b));
    names.emplace_back(IsBlank(name) ? kNotAvailable : name);
  }
  return names;
}

}  // namespace velmora::parts
