#pragma once

#include <string_view>

// The marks and fixed sizes of the project file formats.
namespace velmora::project {

enum class ProjectFormat {
  Unknown,
  Current,         // "6.0": header of 26 lines, 26 lines per element, page setup included
  Oldest,          // "1": cells first, 25 lines per element, 9 lines of grid look at the end
  Version4,        // "4.0": 12 header lines, 25 lines per element
  Version5French,  // "5.0F": as "4.0", written by the French edition of version 5
};

inline constexpr std::string_view kCurrentMark = "6.0";
inline constexpr std::string_view kOldestMark = "1";
inline constexpr std::string_view kVersion4Mark = "4.0";
inline constexpr std::string_view kVersion5FrenchMark = "5.0F";

inline constexpr std::size_t kCurrentHeaderLines = 26;   // lines 0 … 25
inline constexpr std::size_t kVersion4HeaderLines = 12;  // lines 0 … 11 of "4.0" and "5.0F"
inline constexpr std::size_t kOldestTrailerLines = 9;    // the grid look at the end of "1"
inline constexpr std::size_t kOlderRowsPerElement = 25;  // the older formats lack row 12

// Page-setup check marks.
inline constexpr std::string_view kMarked = "markiert";
inline constexpr std::string_view kUnmarked = "unmarkiert";

}  // namespace velmora::project
