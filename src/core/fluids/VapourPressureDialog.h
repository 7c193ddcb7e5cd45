#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fluids/VapourPressure.h"
#include "text/TextStore.h"

// The vapour-pressure/density database dialog (TDaDruDialog): a substance at a whole-degree
// temperature, its vapour pressure and liquid density, handed to the NPSH dialog or the pump
// quick design.
namespace velmora::fluids {

inline constexpr std::string_view kVapourPressureBlock = "DaDruDialog";

struct VapourPressureIdentity {
  std::string name;
  std::string formula;
  std::string molarMass;
  std::string meltingPoint;  // "0,00 °C"
  std::string boilingPoint;
};

VapourPressureIdentity ShowSubstance(const VapourPressureRecord& substance, text::Edition edition);

struct VapourPressureDisplay {
  std::string temperature;     // the whole degrees, "20"
  std::string fahrenheit;      // "(= 68 °F)"
  std::string vapourPressure;  // bar with 3 decimals, or the out-of-range text
  std::string density;         // kg/m³ with 0 decimals, or the out-of-range text
  bool valid = false;          // both values calculated: they may be handed over
};

// "Dampfdruck in bar:" and "Dichte in kg/m³:".
struct VapourPressureCaptions {
  std::string vapourPressure;
  std::string density;
};
VapourPressureCaptions VapourPressureResultCaptions(const text::TextStore& texts);

// The values at t °C, T = t + 273.15 K. A numeric fault shows the out-of-range text in place of
// a value and nothing may be handed over.
VapourPressureDisplay ShowVapourPressure(const VapourPressureRecord& substance, int t, const text::TextStore& texts);

// What the dialog hands over: both values to the NPSH dialog, the vapour pressure alone (with the
// temperature) to the pump quick design or else to the NPSH dialog, or the density alone to the
// NPSH dialog. The vapour pressure goes with unit entry 0 (bar), the density with entry 0 (kg/m³).
struct VapourPressureTakeOver {
  enum class Target { Npsh, PumpDesign };
  Target target = Target::Npsh;
  std::optional<std::string> vapourPressure;  // as displayed
  std::optional<std::string> density;         // as displayed
  std::optional<std::string> temperature;     // for the pump quick design: the whole degrees
};

// The substance named in the pump quick design's medium text: the words before "(", without the
// blank before it.
std::string PumpMediumName(std::string_view medium);

// The pump quick design's temperature as whole degrees; nothing for any other text.
std::optional<int> WholeDegrees(std::string_view text);

}  // namespace velmora::fluids
