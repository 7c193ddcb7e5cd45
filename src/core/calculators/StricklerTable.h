#pragma once

#include <span>
#include <string_view>

// The Manning-Strickler coefficients k_St (m^(1/3)/s) of the coefficient database: seven kinds of
// channel, each with its conditions, a coefficient or a range "low-high" per condition. The names
// of kinds and conditions are language texts of the database window (keys Kind<k>, Cond<k>_<c>).
namespace velmora::calculators {

inline constexpr int kStricklerKinds = 7;

// The coefficient texts of kind k (1 … 7) in list order; empty outside.
std::span<const std::string_view> StricklerCoefficients(int kind);

// The text taken over into a k_St field: a range gives its lower value ("90-100" → "90").
std::string_view StricklerTakeOver(std::string_view coefficient);

}  // namespace velmora::calculators
