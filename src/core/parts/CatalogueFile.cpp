#include "parts/CatalogueFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "text/TEncryption.h"
#include "text/TextFiles.h"

namespace velmora::parts {

std::string_view CatalogueFile::Line(int n) const {
  if (n < 1 || static_cast<std::size_t>(n) > lines.size()) return {};
  return lines[static_cast<std::size_t>(n - 1)];
}

std::vector<std::string> CatalogueFile::DataLines(int first, int last) const {
  std::vector<std::string> data;
  for (int n = std::max(first, 1); n <= last && static_cast<std::size_t>(n) <= lines.size(); ++n) {
    const std::string_view line = Line(n);
    if (line.find_first_not_of(" \t") != std::string_view::npos) data.emplace_back(line);
  }
  return data;
}

CatalogueFile ReadCatalogueContent(std::string_view content, std::string name, bool decimalPoint) {
  CatalogueFile file;
  file.name = std::move(name);
  file.lines = text::SplitLines(content);
  for (std::size_t i = 0; i < file.lines.size(); ++i) {
    std::string& line = file.lines[i];
    try {
      line = text::Unscramble(line, kPartsKeySlot);
    } catch (const text::ScrambleError&) {
      line.clear();
      file.damagedLines.push_back(static_cast<int>(i + 1));
    }
    if (decimalPoint) std::replace(line.begin(), line.end(), ',', '.');
  }
  return file;
}

CatalogueFile LoadCatalogueFile(const std::filesystem::path& folder, std::string_view name, bool decimalPoint) {
  const std::filesystem::path path = folder / name;
  std::error_code error;
  std::ifstream in;
  if (std::filesystem::is_regular_file(path, error)) in.open(path, std::ios::binary);
  std::string content;
  if (in.is_open()) content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad()) {
    CatalogueFile file;
    file.name = std::string(name);
    file.missing = true;
    return file;
  }
  return ReadCatalogueContent(content, std::string(name), decimalPoint);
}

}  // namespace velmora::parts
