#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::tools {

// A readable data source: UTF-8, tab-separated, '#' lines are comments, the first other line
// names the columns. A "\n" in a cell stands for a line break.
struct SourceTable {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;

  // Index of a named column; throws std::runtime_error when it is missing.
  std::size_t Column(const std::string& name) const;
};

SourceTable ReadSourceTable(const std::filesystem::path& path);

}  // namespace velmora::tools
