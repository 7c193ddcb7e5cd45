#include "SourceTable.h"

#include <stdexcept>

#include "text/TextFiles.h"

namespace velmora::tools {
namespace {

std::vector<std::string> SplitCells(const std::string& line) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    std::string cell = line.substr(start, tab == std::string::npos ? std::string::npos : tab - start);
    for (std::size_t at = cell.find("\\n"); at != std::string::npos; at = cell.find("\\n", at + 1)) {
      cell.replace(at, 2, "\n");
    }
    cells.push_back(std::move(cell));
    if (tab == std::string::npos) return cells;
    start = tab + 1;
  }
}

}  // namespace

std::size_t SourceTable::Column(const std::string& name) const {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i] == name) return i;
  }
  throw std::runtime_error("no column " + name);
}

SourceTable ReadSourceTable(const std::filesystem::path& path) {
  SourceTable table;
  std::size_t lineNumber = 0;
  for (const std::string& line : text::ReadLines(path)) {
    ++lineNumber;
    if (line.empty() || line.front() == '#') continue;
    std::vector<std::string> cells = SplitCells(line);
    if (table.columns.empty()) {
      table.columns = std::move(cells);
      continue;
    }
    if (cells.size() > table.columns.size()) {
      throw std::runtime_error(path.string() + ":" + std::to_string(lineNumber) + ": more cells than columns");
    }
    cells.resize(table.columns.size());
    table.rows.push_back(std::move(cells));
  }
  if (table.columns.empty()) throw std::runtime_error(path.string() + ": no header line");
  return table;
}

}  // namespace velmora::tools
