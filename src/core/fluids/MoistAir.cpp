#include "fluids/MoistAir.h"

#include <cmath>

#include "fluids/Air.h"
#include "fluids/AirViscosity.h"
#include "fluids/GardnerViscosity.h"
#include "fluids/SecantStep.h"
#include "fluids/Water.h"
#include "fluids/WaterViscosity.h"
#include "units/UnitFactors.h"

namespace velmora::fluids {
namespace {

constexpr long double kPascalPerBar = 1e5L;
// Molar mass of water, g/mol (CIPM-81/91).
constexpr long double kWaterMolarMass = 18.01528L;
// Molar mass of dry air with 400 µmol/mol CO₂, kg/mol (CIPM-81/91).
constexpr long double kCipmAirMolarMass = 0.0289635L;
// 1 − M_v/M_a = 1 − 0.01801528/0.0289635.
constexpr long double kMolarMassDefect = 0.37801025428556631617L;
// The viscosity mixing rule holds below 100 °C; from there on the fit in T and y.
constexpr long double kMixingRuleLimit = 373.15L;
// Up to this pressure (bar) the low-pressure viscosity stands; above it the dense-gas correction.
constexpr long double kLowPressureLimit = 1.013L;
// Start of the dew-point iteration, K.
constexpr long double kDewPointStart = 323;

}  // namespace

long double WaterVapourPressure(long double T) {
  return std::exp(1.2378847e-5L * T * T - 0.019121316L * T + 33.93711047L - 6343.1645L / T) / kPascalPerBar;
}

long double MoistAirDensity(long double phi, long double T, long double p) {
  const long double P = p * kPascalPerBar;
  const long double t = T - units::kZeroCelsiusInKelvin;
  const long double f = 1.00062L + 3.14e-8L * P + 5.6e-7L * t * t;
  const long double xv = phi / 100 * f * WaterVapourPressure(T) * kPascalPerBar / P;
  const long double PT = P / T;
  const long double Z = 1 -
                        PT * (1.58123e-6L - 2.9331e-8L * t + 1.1043e-10L * t * t + (5.707e-6L - 2.051e-8L * t) * xv +
                              (1.9898e-4L - 2.376e-6L * t) * xv * xv) +
                        PT * PT * (1.83e-11L - 7.65e-9L * xv * xv);
  return P * kCipmAirMolarMass / (Z * kAirGasConstant * T) * (1 - kMolarMassDefect * xv);
}

std::optional<long double> MoistAirViscosity(long double rho, long double phi, long double T, long double p) {
  const long double ps = WaterVapourPressure(T);
  long double mu = 0;
  if (T < kMixingRuleLimit) {
    const std::optional<long double> dryDensity = AirGasDensity(T, p);
    if (!dryDensity) return std::nullopt;
    const long double muAir = AirViscosity(*dryDensity, T);
    const long double muSteam = ViscosityWater(T, DensityRegion2(T, ps));
    const long double pv = phi / 100 * ps * kPascalPerBar;
    const long double pa = p * kPascalPerBar - pv;
    const long double rootAir = std::sqrt(kAirMolarMass);
    const long double rootWater = std::sqrt(kWaterMolarMass);
    mu = (rootAir * muAir * pa + rootWater * muSteam * pv) / (pa * rootAir + pv * rootWater);
  } else {
    const long double y = phi / 100 * ps / p;
    mu = 0.042489943L * T + 6.0453459L + y * (0.0059284286L * T - 6.8323022L) +
         y * y * (-0.011338714L * T - 0.67799257L);
  }
  if (p <= kLowPressureLimit) return mu;
  return GardnerViscosity(mu, rho, T, kAirMolarMass);
}

std::optional<long double> DewPointTemperature(long double pv) {
  return SolveBySecantStep([pv](long double T) { return WaterVapourPressure(T) - pv; }, kDewPointStart);
}

}  // namespace velmora::fluids
