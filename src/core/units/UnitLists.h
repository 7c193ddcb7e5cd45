#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace velmora::units {

// Mass flows divide by the density; kinematic viscosities multiply by it.
enum class DensityScale { None, Divide, Multiply };

// One entry of a unit list: the text shown and its factor to the base unit. `standard` flow
// units are standard cubic metres, converted to the operating state afterwards.
struct Unit {
  std::string_view name;
  long double factor;
  DensityScale density = DensityScale::None;
  bool standard = false;
};

// Flow units to m³/h: kind 1 mass flow, any other (0, or none chosen) volume flow.
std::span<const Unit> FlowUnits(int kind);
// Density units to kg/m³.
std::span<const Unit> DensityUnits();
// Viscosity units to 10⁻⁶ kg/(m·s): kind 1 kinematic, any other (0, or none chosen) dynamic.
std::span<const Unit> ViscosityUnits(int kind);
// The pressure list of every window (15 entries) and the temperature list (4 entries).
std::span<const Unit> PressureUnits();
std::span<const Unit> TemperatureUnits();

// Dimension lists of the element panel: mm ("mm", "in."), m ("m", "ft.") and area ("m²", "sq.yd.").
enum class LengthList { Millimetre, Metre, Area };
std::span<const Unit> LengthUnits(LengthList list);

// Pressure in bar from a value in the named unit ("psig" is gauge against 14.7 psi; "psi" is
// accepted although no list offers it). Nothing for an unknown unit.
std::optional<long double> PressureToBar(std::string_view unit, long double value);
// Temperature in K from "°C", "K", "degF" or "°R" (Réaumur). Nothing for an unknown unit.
std::optional<long double> TemperatureToKelvin(std::string_view unit, long double value);

// Operating volume flow from a standard volume flow (0 °C, 1.01325 bar) at p1 (bar abs) and T1 (K).
long double StandardToOperating(long double standardFlow, long double inletPressureBar, long double inletTemperatureK);

// Entry `index` of a unit list, checked: nullptr for an index outside the list (also −1, a list
// without a selection). Every use of a unit index goes through here.
const Unit* UnitAt(std::span<const Unit> list, int index);
// The name of entry `index`, empty outside the list.
std::string_view UnitName(std::span<const Unit> list, int index);

// Converts a value of list entry `index` to the base unit; `density` (kg/m³) serves the mass-flow
// and kinematic-viscosity entries. Nothing for an index outside the list.
std::optional<long double> ToBase(std::span<const Unit> list, int index, long double value, long double density = 1);

}  // namespace velmora::units
