#include "fluids/AirAncillary.h"

#include <cmath>

#include "fluids/Air.h"

namespace velmora::fluids {
namespace {

// The maximum condentherm pressure of the ancillary equations, bar (3.78502 MPa).
constexpr long double kAncillaryPressure = 37.8502L;

long double Theta(long double T) { return 1 - T / kAirReducingTemperature; }

}  // namespace

long double AirBubblePressure(long double T) {
  const long double theta = Theta(T);
  const long double sum = 0.2260724L * std::sqrt(theta) - 7.080499L * theta + 5.700283L * std::pow(theta, 1.5L) -
                          12.44017L * theta * theta + 17.81926L * std::pow(theta, 2.5L) -
                          10.81364L * theta * theta * theta;
  return kAncillaryPressure * std::exp(kAirReducingTemperature / T * sum);
}

long double AirDewPressure(long double T) {
  const long double theta = Theta(T);
  const long double sum = -0.1567266L * std::sqrt(theta) - 5.539635L * theta + 0.7567212L * std::pow(theta, 2.5L) -
                          3.514322L * theta * theta * theta * theta;
  return kAncillaryPressure * std::exp(kAirReducingTemperature / T * sum);
}

long double AirBubbleDensity(long double T) {
  const long double theta = Theta(T);
  const long double reduced = 1 + 44.3413L * std::pow(theta, 0.65L) - 240.073L * std::pow(theta, 0.85L) +
                              285.139L * std::pow(theta, 0.95L) - 88.3366L * std::pow(theta, 1.1L) -
                              0.892181L * std::log(T / kAirReducingTemperature);
  return reduced * kAirReducingMassDensity;
}

long double AirMeltingTemperature(long double p) {
  return 59.75L * std::pow((p / 10 / 0.005265L - 1) / 35493.5L + 1, 1 / 1.78963L);
}

}  // namespace velmora::fluids
