#include "text/TextFiles.h"

#include <fstream>
#include <iterator>

#include "text/TEncryption.h"

namespace velmora::text {

std::vector<std::string> SplitLines(std::string_view content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = content.size();
    lines.emplace_back(content.substr(start, end - start));
    // CR LF, LF and a lone CR (as old editors write) each end one line.
    start = end + (content.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return lines;
}

std::vector<std::string> ReadLines(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TextFileError("cannot open " + path.string());
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw TextFileError("cannot read " + path.string());
  return SplitLines(content);
}

std::vector<std::string> ReadScrambledLines(const std::filesystem::path& path, int slot) {
  std::vector<std::string> lines = ReadLines(path);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    try {
      lines[i] = Unscramble(lines[i], slot);
    } catch (const ScrambleError& error) {
      throw TextFileError(path.filename().string() + ", line " + std::to_string(i + 1) + ": " + error.what());
    }
  }
  return lines;
}

}  // namespace velmora::text
