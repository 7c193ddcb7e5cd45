#include "coefficients/RoughnessTakeOver.h"

#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::coefficients {

std::string ColumnDialogRoughness(std::string_view millimetres, bool us, text::Edition edition) {
  const auto value = units::ParseNumber(millimetres);
  if (!us || !value) return std::string(millimetres);
  return units::FormatNumber(*value / units::kInchInMm, 4, edition);
}

void ApplyRoughness(mainform::MainForm& form, std::string_view millimetres) {
  form.roughness = std::string(millimetres);
  form.roughnessUnit = 0;  // "mm"
}

}  // namespace velmora::coefficients
