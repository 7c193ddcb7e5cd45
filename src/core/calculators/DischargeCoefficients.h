#pragma once

#include <optional>

// Discharge coefficients μ of openings in vessel walls, as tables over their shape parameter.
// Every table is interpolated linearly between neighbouring points; outside its range it gives
// nothing (the dialogs show their range message instead).
namespace velmora::calculators {

enum class SmallOpening {
  SharpEdged = 0,            // μ = 0.60
  Nozzle = 1,                // μ = 0.98
  ConicalExtension = 2,      // μ(θ), cone angle 10° … 90°
  CylindricalExtension = 3,  // μ = 0.82
  ExtensionWithNozzle = 4,   // μ = 0.96·k(n), n = d²/D² 0.1 … 1
};

// Whether μ of the kind is computed from inputs (angle or diameters) rather than fixed.
bool ComputedCoefficient(SmallOpening kind);
// μ of a kind with a fixed coefficient.
long double FixedCoefficient(SmallOpening kind);

// Conical extension (a diverging mouthpiece) of cone angle θ in degrees, 10 ≤ θ ≤ 90.
std::optional<long double> ConicalExtensionMu(long double angle);
// Extension pipe with a nozzle of area ratio n = d²/D², 0.1 ≤ n ≤ 1.
std::optional<long double> NozzleExtensionMu(long double areaRatio);

// Large sharp-edged rectangular side opening of height h over width b, 0 ≤ h/b ≤ 2.
std::optional<long double> LargeSideOpeningMu(long double heightOverWidth);
// Large bottom opening of diameter d in a vessel of diameter D, 0 ≤ d/D ≤ 0.5.
std::optional<long double> LargeBottomOpeningMu(long double diameterRatio);

}  // namespace velmora::calculators
