#include "calculators/StricklerTable.h"

namespace velmora::calculators {
namespace {

// Strickler coefficients in m^(1/3)/s by channel kind and condition (1/n of Manning's n), as the
// hydraulic engineering tables give them; ranges cover the scatter of the surface's condition.
constexpr std::string_view kSmoothLinings[] = {"100",   "90-100", "90-95", "90", "80-90", "65-70",
                                               "60-65", "60",     "50-60", "55", "50"};
constexpr std::string_view kMetal[] = {"90-95", "90", "65-70"};
constexpr std::string_view kEarth[] = {"60", "50", "45-50", "45", "40", "35", "30", "25-30", "20-25"};
constexpr std::string_view kRock[] = {"25-30", "20-25", "15-20"};
constexpr std::string_view kMasonry[] = {"80", "70-80", "60", "60", "50", "45-50"};
constexpr std::string_view kTimber[] = {"95", "90", "80", "65-70"};
constexpr std::string_view kNatural[] = {"40", "33-35", "30-35", "30", "28", "25-28", "19-22"};

constexpr std::span<const std::string_view> kKinds[kStricklerKinds] = {kSmoothLinings, kMetal,  kEarth,  kRock,
                                                                       kMasonry,       kTimber, kNatural};

}  // namespace

std::span<const std::string_view> StricklerCoefficients(int kind) {
  if (kind < 1 || kind > kStricklerKinds) return {};
  return kKinds[kind - 1];
}

std::string_view StricklerTakeOver(std::string_view coefficient) {
  return coefficient.substr(0, coefficient.find('-'));
}

}  // namespace velmora::calculators
