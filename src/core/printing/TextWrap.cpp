#include "printing/TextWrap.h"

#include <algorithm>

#include "text/Utf8.h"

namespace velmora::printing {
namespace {

// The length of the character starting at text[i]; a byte that starts no valid sequence counts
// as a character of its own.
std::size_t CharacterLength(std::string_view text, std::size_t i) {
  const std::size_t length = text::Utf8SequenceLength(text, i);
  return length == 0 ? 1 : length;
}

// Splits a word wider than a line: as many characters per piece as fit, at least one.
void BreakWord(std::string_view word, double width, const TextMetrics& metrics, std::vector<std::string>& lines) {
  std::size_t start = 0;
  while (start < word.size()) {
    std::size_t end = start + CharacterLength(word, start);
    while (end < word.size()) {
      const std::size_t next = end + CharacterLength(word, end);
      if (metrics.width(word.substr(start, next - start)) > width) break;
      end = next;
    }
    lines.emplace_back(word.substr(start, end - start));
    start = end;
  }
}

}  // namespace

std::vector<std::string> WrapText(std::string_view text, double width, const TextMetrics& metrics) {
  if (metrics.width(text) <= width) return {std::string(text)};  // as it is, blanks and all
  std::vector<std::string> lines;
  std::string line;
  std::size_t position = 0;
  while (position <= text.size()) {
    const std::size_t blank = std::min(text.find(' ', position), text.size());
    const std::string_view word = text.substr(position, blank - position);
    position = blank + 1;
    if (word.empty()) continue;
    const std::string joined = line.empty() ? std::string(word) : line + ' ' + std::string(word);
    if (metrics.width(joined) <= width) {
      line = joined;
      continue;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
    if (metrics.width(word) <= width) {
      line = word;
      continue;
    }
    BreakWord(word, width, metrics, lines);
    // The word's last piece may be joined by the next words.
    line = std::move(lines.back());
    lines.pop_back();
  }
  if (!line.empty() || lines.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace velmora::printing
