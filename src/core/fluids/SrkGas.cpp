#include "fluids/SrkGas.h"

#include <algorithm>
#include <cmath>

#include "units/UnitFactors.h"

namespace velmora::fluids {
namespace {

// Gas constant 8.3144 J/(mol·K) in cm³·bar/(mol·K) (1 J = 10 cm³·bar).
constexpr long double kGasConstant = 83.144L;
// Ωa = 1/(9 (2^(1/3) − 1)) = 0.42748 and Ωb = (2^(1/3) − 1)/3 = 0.08664 of the Redlich–Kwong cubic.
constexpr long double kOmegaA = 0.42748L;
constexpr long double kOmegaB = 0.08664L;
// 1 mmHg in bar: 1.01325 bar/760.
constexpr long double kMillimetreMercuryInBar = 0.001333223684L;
// log10 760 = 2.880814: the Antoine curve passes through the normal boiling point at 760 mmHg.
constexpr long double kLogOfAtmosphereInMmHg = 2.880814L;

}  // namespace

long double LargestCubicRoot(long double a, long double b, long double c) {
  const long double P = b - a * a / 3;
  const long double Q = 2 * a * a * a / 27 - a * b / 3 + c;
  const long double D = Q * Q / 4 + P * P * P / 27;
  long double y = 0;
  if (D > 0) {
    const long double root = std::sqrt(D);
    y = std::cbrt(-Q / 2 + root) + std::cbrt(-Q / 2 - root);
  } else if (P < 0) {
    const long double r = std::sqrt(-P / 3);
    const long double cosPhi = std::clamp(-Q / 2 / (r * r * r), -1.0L, 1.0L);
    y = 2 * r * std::cos(std::acos(cosPhi) / 3);
  }  // else P = Q = 0: a triple root at y = 0
  return y - a / 3;
}

long double SrkCompressibility(long double A, long double B) { return LargestCubicRoot(-1, A - B - B * B, -A * B); }

long double SrkGasDensity(const SrkConstants& gas, long double T, long double p) {
  const long double Tc = gas.criticalTemperature;
  const long double pc = gas.criticalPressure;
  const long double omega = gas.acentricFactor;
  const long double a = kOmegaA * kGasConstant * kGasConstant * Tc * Tc / pc;
  const long double b = kOmegaB * kGasConstant * Tc / pc;
  const long double m = 0.48L + 1.574L * omega - 0.176L * omega * omega;
  const long double root = 1 + m * (1 - std::sqrt(T / Tc));
  const long double RT = kGasConstant * T;
  const long double A = a * root * root * p / (RT * RT);
  const long double B = b * p / RT;
  const long double Z = SrkCompressibility(A, B);
  return 1000 * gas.molarMass * p / (Z * RT);
}

long double BoilingPointAtPressure(long double p, long double Tb) {
  const long double tb = Tb - units::kZeroCelsiusInKelvin;
  const long double c = 0.0025014L * std::exp(0.8303L * std::log(Tb));  // Tb^0.8303
  const long double C = units::kZeroCelsiusInKelvin - 479 * c * c;
  const long double B = (tb + C) * (tb + C) / 230.26L / c;
  const long double A = kLogOfAtmosphereInMmHg + B / (tb + C);
  return units::kZeroCelsiusInKelvin + B / (A - std::log10(p / kMillimetreMercuryInBar)) - C;
}

}  // namespace velmora::fluids
