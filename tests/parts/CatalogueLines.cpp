#include "CatalogueLines.h"

#include "text/TEncryption.h"

namespace velmora::parts::testing {

CatalogueFile FileOf(const std::vector<std::string>& lines, bool decimalPoint) {
  std::string content;
  for (const std::string& line : lines) content += (line.empty() ? std::string() : text::Scramble(line, 3)) + "\r\n";
  return ReadCatalogueContent(content, "test.nfk", decimalPoint);
}

CatalogueFile FileWithTableAt(int first, const std::vector<std::string>& table, bool decimalPoint) {
  std::vector<std::string> lines(static_cast<std::size_t>(first - 1));
  lines.insert(lines.end(), table.begin(), table.end());
  return FileOf(lines, decimalPoint);
}

}  // namespace velmora::parts::testing
