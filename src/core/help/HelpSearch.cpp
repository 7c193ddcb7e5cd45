#include "help/HelpSearch.h"

#include <algorithm>
#include <cctype>

namespace velmora::help {
namespace {

bool IsWordByte(unsigned char c) { return std::isalnum(c) || c >= 0x80; }

std::vector<std::string> Words(std::string_view folded) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : folded) {
    if (IsWordByte(static_cast<unsigned char>(c))) {
      word += c;
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

// How often `word` starts a word of `folded`.
int CountWordStarts(std::string_view folded, std::string_view word) {
  int count = 0;
  for (std::size_t at = folded.find(word); at != std::string_view::npos; at = folded.find(word, at + 1)) {
    if (at == 0 || !IsWordByte(static_cast<unsigned char>(folded[at - 1]))) ++count;
  }
  return count;
}

}  // namespace

std::string FoldCase(std::string_view text) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    if (c < 0x80) {
      out[i] = static_cast<char>(std::tolower(c));
      continue;
    }
    if (i + 1 >= out.size()) break;
    const auto next = static_cast<unsigned char>(out[i + 1]);
    // U+00C0 … U+00DE (not ×): C3 80 … C3 9E, lower case is 0x20 further.
    if (c == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97) out[i + 1] = static_cast<char>(next + 0x20);
    if (c == 0xC5 && next == 0x92) out[i + 1] = static_cast<char>(0x93);  // Œ → œ
    ++i;
  }
  return out;
}

std::vector<SearchHit> Search(const HelpBook& book, std::string_view query) {
  const std::vector<std::string> words = Words(FoldCase(query));
  std::vector<SearchHit> hits;
  if (words.empty()) return hits;
  for (const HelpPage& page : book.Pages()) {
    const std::string title = FoldCase(page.title);
    const std::string text = FoldCase(page.text);
    int score = 0;
    bool all = true;
    for (const std::string& word : words) {
      const int inTitle = CountWordStarts(title, word);
      const int inText = CountWordStarts(text, word);
      if (inTitle + inText == 0) {
        all = false;
        break;
      }
      score += 10 * inTitle + inText;
    }
    if (all) hits.push_back({&page, score});
  }
  std::stable_sort(hits.begin(), hits.end(), [](const SearchHit& a, const SearchHit& b) { return a.score > b.score; });
  return hits;
}

}  // namespace velmora::help
