#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "help/HelpBook.h"

namespace velmora::help {

// A page found by the search, best first.
struct SearchHit {
  const HelpPage* page;
  int score;
};

// The pages holding every word of the query (case ignored, also for accented Latin letters); a
// word counts wherever it starts a word of the page ("rohr" finds "Rohrreibung"), words in the
// title count ten times. An empty query finds nothing.
std::vector<SearchHit> Search(const HelpBook& book, std::string_view query);

// The text in lower case: ASCII, the Latin-1 letters (Ä, É, Ñ ...) and Œ.
std::string FoldCase(std::string_view text);

}  // namespace velmora::help
