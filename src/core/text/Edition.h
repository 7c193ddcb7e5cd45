#pragma once

#include <string_view>

namespace velmora::text {

// The language letter of an installation: 'D' German, 'E' English, 'F' French, 'H' Dutch.
using Edition = char;

inline constexpr Edition kEditions[] = {'D', 'E', 'F', 'H'};

// 0 for 'D', 1 for 'E', 2 for 'F', 3 for 'H'; -1 for any other letter.
constexpr int EditionIndex(Edition edition) {
  switch (edition) {
    case 'D': return 0;
    case 'E': return 1;
    case 'F': return 2;
    case 'H': return 3;
    default: return -1;
  }
}

constexpr bool IsEdition(Edition edition) { return EditionIndex(edition) >= 0; }

// The ISO 639-1 code of the edition's language: "de", "en", "fr", "nl"; empty for any other letter.
constexpr std::string_view LanguageCode(Edition edition) {
  constexpr std::string_view kCodes[] = {"de", "en", "fr", "nl"};
  return IsEdition(edition) ? kCodes[static_cast<unsigned>(EditionIndex(edition))] : std::string_view();
}

// English writes a decimal point, the other editions a decimal comma.
constexpr char DecimalSeparator(Edition edition) { return edition == 'E' ? '.' : ','; }

}  // namespace velmora::text
