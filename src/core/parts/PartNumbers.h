#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/Edition.h"

// Reading the dimensions of a table line and showing derived values, as every catalogue does.
namespace velmora::parts {

// What a label shows for a value that the table does not give in a usable form (a wall of "0",
// a field that is no number, a wall that leaves no bore).
inline constexpr std::string_view kNotAvailable = "-";

// 0.4536 kg per pound: the avoirdupois pound (0.45359237 kg exactly) as the catalogues have
// always rounded it; their lb and lb/ft figures are part of what they show.
inline constexpr long double kPoundInKg = 0.4536L;
// 7850 kg/m³: carbon steel, the density of every steel fitting and hollow section.
inline constexpr long double kSteelDensity = 7850.0L;
inline constexpr long double kPi = 3.14159265358979323846264338327950288L;

// True when the field holds nothing but blanks.
bool IsBlank(std::string_view field);

// A dimension of a table field: a finite number greater than 0 (blanks removed, a decimal comma
// or point); nothing for a blank field, a text that is no number, zero or a negative number.
std::optional<long double> ReadDimension(std::string_view field);

// The field as the table gives it, with the edition's decimal separator ("60,3" or "60.3"), or
// kNotAvailable when it is not a dimension.
std::string ShowAsGiven(std::string_view field, text::Edition edition);

// The number with `decimals` decimals, or kNotAvailable for nothing.
std::string ShowNumber(const std::optional<long double>& value, int decimals, text::Edition edition);

// Decimals of a mass: none from 100 on, one from 1 on, two below.
int MassDecimals(long double mass);

// A mass and its pound figure (kg / factor), both with the decimals of the kg figure; both
// kNotAvailable for nothing. `perFoot` shows lb/ft from kg/m.
struct MassTexts {
  std::string kg;
  std::string lb;
};
MassTexts ShowMass(const std::optional<long double>& kg, bool perFoot, text::Edition edition);

// A length in mm from a value in the table's unit.
long double ToMm(long double value, bool inches);

// The bore of a tube: outer − 2·wall when both are dimensions and it is greater than 0.
std::optional<long double> Bore(const std::optional<long double>& outer, const std::optional<long double>& wall);

}  // namespace velmora::parts
