#include "fluids/WaterViscosity.h"

#include <cmath>

#include "fluids/IntegerPowers.h"

namespace velmora::fluids {
namespace {

// Reference constants of the IAPS 1985 viscosity formulation.
constexpr long double kReferenceTemperature = 647.226L;  // K
constexpr long double kReferenceDensity = 317.763L;      // kg/m³
constexpr long double kReferenceViscosity = 55.071L;     // 10⁻⁶ Pa·s

// IAPS 1985 viscosity formulation, Table 1: H₀ … H₃ of the dilute-gas part.
constexpr long double kH[] = {1.0L, 0.978197L, 0.579829L, -0.202354L};

struct Hij {
  int i;
  int j;
  long double h;
};
// IAPS 1985 viscosity formulation, Table 2: the 19 non-zero Hᵢⱼ of the residual part.
constexpr Hij kHij[] = {
    {0, 0, 0.5132047L}, {0, 1, 0.2151778L},    {0, 2, -0.2818107L}, {0, 3, 0.1778064L}, {0, 4, -0.0417661L},
    {1, 0, 0.3205656L}, {1, 1, 0.7317883L},    {1, 2, -1.070786L},  {1, 3, 0.460504L},  {1, 5, -0.01578386L},
    {2, 1, 1.241044L},  {2, 2, -1.263184L},    {2, 3, 0.2340379L},  {3, 1, 1.476783L},  {3, 3, -0.4924179L},
    {3, 4, 0.1600435L}, {3, 6, -0.003629481L}, {4, 0, -0.7782567L}, {5, 0, 0.1885447L},
};

}  // namespace

long double ViscosityWater(long double T, long double rho) {
  const long double inverseT = kReferenceTemperature / T;
  const long double reducedRho = rho / kReferenceDensity;
  const IntegerPowers<0, 3> ti(inverseT);
  long double dilute = 0;
  for (int i = 0; i < 4; ++i) dilute += kH[i] * ti[i];
  const IntegerPowers<0, 5> a(inverseT - 1);
  const IntegerPowers<0, 6> b(reducedRho - 1);
  long double sum = 0;
  for (const Hij& term : kHij) sum += term.h * a[term.i] * b[term.j];
  return kReferenceViscosity * std::sqrt(T / kReferenceTemperature) / dilute * std::exp(reducedRho * sum);
}

}  // namespace velmora::fluids
