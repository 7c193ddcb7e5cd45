#pragma once

#include <string>
#include <vector>

#include "project/ProjectReader.h"
#include "results/ResultColumn.h"

// Pieces of ReadProjectLines: the reading of each format up to its element columns.
namespace velmora::project::reading {

// The element columns a format reader found, still in the stored language.
struct ReadCells {
  std::size_t elementCount = 0;  // N of the file
  bool loaded = false;           // false: the line count did not fit N, no cells
  std::vector<results::ResultColumn> columns;
};

// Each fills the format and appearance (and the branch notice) of `result` and returns the cells,
// or raises FormatError. The lines come without their final empty line.
ReadCells ReadCurrentFormat(const std::vector<std::string>& lines, ProjectReadResult& result);  // CurrentFormat.cpp
ReadCells ReadOldestFormat(std::vector<std::string> lines, const text::TextStore& texts, ProjectReadResult& result);
ReadCells ReadVersion4Format(std::vector<std::string> lines, const text::TextStore& texts, ProjectReadResult& result);

}  // namespace velmora::project::reading
