#pragma once

// The factors between the US (and a few other) units the program offers and its metric base
// units, each read "one <unit> in <base unit>". Several are rounded figures the program has
// always used; they are part of its results and must stay as they are, exact or not.
namespace velmora::units {

// Lengths and areas.

// 25.4 mm per inch, exact by the international yard and pound agreement of 1959.
inline constexpr long double kInchInMm = 25.4L;
// 0.3048 m per foot, exact by the international yard and pound agreement of 1959.
inline constexpr long double kFootInMetre = 0.3048L;
// 0.8361274 m² per square yard: 0.9144² = 0.83612736 exactly, rounded to seven decimals.
inline constexpr long double kSquareYardInSquareMetre = 0.8361274L;
// 144 square inches per square foot (12²): 1 psi = 144 lbw./sq.ft.
inline constexpr long double kSquareInchesPerSquareFoot = 144.0L;

// Volumes.

// 0.158987 m³ per US petroleum barrel: 42 gal of 231 cu.in. = 0.158987294928 m³ exactly,
// rounded to six decimals.
inline constexpr long double kBarrelInCubicMetre = 0.158987L;
// 42 US gallons per petroleum barrel, by definition of the barrel.
inline constexpr long double kGallonsPerBarrel = 42.0L;

// Density and viscosity.

// 16.0184655 kg/m³ per lb./cu.ft., the program's figure (0.45359237 kg/0.3048³ m³ is 16.0184634).
inline constexpr long double kPoundPerCubicFootInKgPerCubicMetre = 16.0184655L;
// 1000·10⁻⁶ kg/(m·s) per centipoise: 1 cP = 1 mPa·s.
inline constexpr long double kCentipoiseInMicroPascalSecond = 1000.0L;

// Pressures.

// 0.068947581976 bar per psi, the program's figure (the exact one is 0.0689475729317 bar).
inline constexpr long double kPsiInBar = 0.068947581976L;
// 0.000478802653 bar per lbw./sq.ft.: kPsiInBar/144 = 0.000478802652611, rounded to 12 decimals.
inline constexpr long double kLbwPerSquareFootInBar = 0.000478802653L;
// 0.478802653 mbar per lbw./sq.ft.: the same figure in mbar, written out as its own decimal.
inline constexpr long double kLbwPerSquareFootInMbar = 0.478802653L;
// 1.01325 bar per standard atmosphere, exact by definition (101325 Pa).
inline constexpr long double kAtmosphereInBar = 1.01325L;
// 14.7 psi, the atmosphere that the gauge unit psig counts from (14.6959 rounded).
inline constexpr long double kAtmosphereInPsi = 14.7L;

// Temperatures.

// 273.15 K at 0 °C, exact by definition of the Celsius scale.
inline constexpr long double kZeroCelsiusInKelvin = 273.15L;
// 0.55556 K per degF: 5/9 rounded to five decimals.
inline constexpr long double kFahrenheitDegreeInKelvin = 0.55556L;
// 255.38 K at 0 degF, the program's figure (459.67·5/9 = 255.3722); with the rounded 5/9,
// 32 degF gives 273.15792 K rather than 273.15.
inline constexpr long double kZeroFahrenheitInKelvin = 255.38L;
// 1.25 K per degree Réaumur (80 °R from freezing to boiling), exact.
inline constexpr long double kReaumurDegreeInKelvin = 1.25L;

}  // namespace velmora::units
