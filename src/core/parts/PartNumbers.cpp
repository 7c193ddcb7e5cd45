#include "parts/PartNumbers.h"

#include "units/Numbers.h"
#include "units/UnitFactors.h"

namespace velmora::parts {

bool IsBlank(std::string_view field) { return field.find_first_not_of(' ') == std::string_view::npos; }

std::optional<long double> ReadDimension(std::string_view field) {
  if (IsBlank(field)) return std::nullopt;
  const std::optional<long double> value = units::ParseNumber(field);
  if (!value || !(*value > 0)) return std::nullopt;
  return value;
}

std::string ShowAsGiven(std::string_view field, text::Edition edition) {
  if (!ReadDimension(field)) return std::string(kNotAvailable);
  std::string shown;
  for (const char c : field) {
    if (c == ' ') continue;
    shown.push_back(c == ',' || c == '.' ? text::DecimalSeparator(edition) : c);
  }
  return shown;
}

std::string ShowNumber(const std::optional<long double>& value, int decimals, text::Edition edition) {
  if (!value) return std::string(kNotAvailable);
  return units::FormatNumber(*value, decimals, edition);
}

int MassDecimals(long double mass) {
  if (mass >= 100) return 0;
  if (mass >= 1) return 1;
  return 2;
}

MassTexts ShowMass(const std::optional<long double>& kg, bool perFoot, text::Edition edition) {
  if (!kg) return {std::string(kNotAvailable), std::string(kNotAvailable)};
  const int decimals = MassDecimals(*kg);
  const long double lb = perFoot ? *kg * units::kFootInMetre / kPoundInKg : *kg / kPoundInKg;
  return {units::FormatNumber(*kg, decimals, edition), units::FormatNumber(lb, decimals, edition)};
}

long double ToMm(long double value, bool inches) { return inches ? value * units::kInchInMm : value; }

std::optional<long double> Bore(const std::optional<long double>& outer, const std::optional<long double>& wall) {
  if (!outer || !wall) return std::nullopt;
  const long double bore = *outer - 2 * *wall;
  if (!(bore > 0)) return std::nullopt;
  return bore;
}

}  // namespace velmora::parts
