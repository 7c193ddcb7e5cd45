#pragma once

#include <string_view>

// The form-text blocks of the coefficient databases.
namespace velmora::coefficients {

inline constexpr std::string_view kZetaBlock = "ZetaDatenbank";      // TZetaDatenbank
inline constexpr std::string_view kRoughnessBlock = "RauDatenbank";  // TRauDatenbank

}  // namespace velmora::coefficients
