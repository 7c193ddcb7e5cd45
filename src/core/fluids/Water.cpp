#include "fluids/Water.h"

#include <cmath>

#include "fluids/If97Coefficients.h"
#include "fluids/IntegerPowers.h"

namespace velmora::fluids {
namespace {

// bar → kPa: the IF97 densities divide p in kPa by R·T in kJ/kg.
constexpr long double kKiloPascalPerBar = 100;

}  // namespace

long double DensityRegion1(long double T, long double p) {
  const long double pi = p / 10 / 16.53L;
  const long double tau = 1386.0L / T;
  // γπ = Σ −n I (7.1 − π)^(I−1) (τ − 1.222)^J: exponents I − 1 from 0 to 31 (terms with I = 0 vanish), J from −41
  // to 17.
  const IntegerPowers<0, 31> a(7.1L - pi);
  const IntegerPowers<-41, 17> b(tau - 1.222L);
  long double gammaPi = 0;
  for (const if97::Term& t : if97::kRegion1) {
    if (t.I != 0) gammaPi -= t.n * t.I * a[t.I - 1] * b[t.J];
  }
  return p * kKiloPascalPerBar / (kWaterGasConstant * T * pi * gammaPi);
}

long double DensityRegion2(long double T, long double p) {
  const long double pi = p / 10;
  const long double tau = 540.0L / T;
  // γʳπ = Σ n I π^(I−1) (τ − 0.5)^J: exponents I − 1 from 0 to 23, J from 0 to 58.
  const IntegerPowers<0, 23> a(pi);
  const IntegerPowers<0, 58> b(tau - 0.5L);
  long double gammaPi = 0;
  for (const if97::Term& t : if97::kRegion2) gammaPi += t.n * t.I * a[t.I - 1] * b[t.J];
  return p * kKiloPascalPerBar / (kWaterGasConstant * T * pi * (1 / pi + gammaPi));
}

long double DensityRegion5(long double T, long double p) {
  const long double pi = p / 10;
  const long double tau = 1000.0L / T;
  const IntegerPowers<0, 2> a(pi);
  const IntegerPowers<0, 9> b(tau);
  long double gammaPi = 0;
  for (const if97::Term& t : if97::kRegion5) gammaPi += t.n * t.I * a[t.I - 1] * b[t.J];
  return p * kKiloPascalPerBar / (kWaterGasConstant * T * pi * (1 / pi + gammaPi));
}

long double SaturationPressure(long double T) {
  const auto& n = if97::kRegion4;
  const long double theta = T + n[9] / (T - n[10]);
  const long double A = theta * theta + n[1] * theta + n[2];
  const long double B = n[3] * theta * theta + n[4] * theta + n[5];
  const long double C = n[6] * theta * theta + n[7] * theta + n[8];
  const long double root = 2 * C / (-B + std::sqrt(B * B - 4 * A * C));
  const long double squared = root * root;
  return squared * squared * 10;  // MPa → bar
}

long double SaturationTemperature(long double p) {
  const auto& n = if97::kRegion4;
  const long double beta = std::sqrt(std::sqrt(p / 10));
  const long double E = beta * beta + n[3] * beta + n[6];
  const long double F = n[1] * beta * beta + n[4] * beta + n[7];
  const long double G = n[2] * beta * beta + n[5] * beta + n[8];
  const long double D = 2 * G / (-F - std::sqrt(F * F - 4 * E * G));
  return (n[10] + D - std::sqrt((n[10] + D) * (n[10] + D) - 4 * (n[9] + n[10] * D))) / 2;
}

long double BoundaryPressure23(long double T) {
  return (if97::kB23N1 + if97::kB23N2 * T + if97::kB23N3 * T * T) * 10;  // MPa → bar
}

}  // namespace velmora::fluids
