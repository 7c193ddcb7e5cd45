#include "project/ProjectReader.h"

#include "project/FormatReaders.h"
#include "project/ReadingSteps.h"
#include "project/StoredLanguage.h"

namespace velmora::project {
namespace reading {
namespace {

ReadCells ReadAnyFormat(std::vector<std::string> lines, const text::TextStore& texts, ProjectReadResult& result) {
  if (lines.empty()) throw FormatError("the file is empty");
  const std::string& mark = lines.front();
  if (mark == kCurrentMark) return ReadCurrentFormat(lines, result);
  result.converted = true;
  if (mark == kOldestMark) return ReadOldestFormat(std::move(lines), texts, result);
  if (mark == kVersion4Mark || mark == kVersion5FrenchMark) return ReadVersion4Format(std::move(lines), texts, result);
  result.converted = false;
  throw FormatError("unknown format mark");
}

}  // namespace
}  // namespace reading

ProjectReadResult ReadProjectLines(std::vector<std::string> lines, const text::TextStore& texts,
                                   const ProjectAppearance& current) {
  ProjectReadResult result;
  result.appearance = current;
  if (!lines.empty() && lines.back().empty()) lines.pop_back();

  reading::ReadCells cells;
  try {
    cells = reading::ReadAnyFormat(std::move(lines), texts, result);
  } catch (const reading::FormatError& error) {
    ProjectReadResult invalid;
    invalid.status = ProjectReadStatus::InvalidFile;
    invalid.format = result.format;
    invalid.appearance = current;
    invalid.detail = error.what();
    return invalid;
  }

  result.status = ProjectReadStatus::Loaded;
  result.cellsLoaded = cells.loaded;
  if (!cells.loaded) {
    // The grid keeps N empty element columns, whose empty row 25 makes the file invalid.
    result.detail = "the line count does not fit " + std::to_string(cells.elementCount) + " elements";
    if (cells.elementCount > 0) result.status = ProjectReadStatus::EmptyRow25;
    return result;
  }

  FromStoredLanguage(cells.columns, texts);
  for (results::ResultColumn& column : cells.columns) {
    if (column.rows[results::row::LossLarge].empty()) {
      result.status = ProjectReadStatus::EmptyRow25;
      result.detail = "an element column has an empty row 25";
    }
    result.table.AppendColumn(std::move(column));
  }
  return result;
}

}  // namespace velmora::project
