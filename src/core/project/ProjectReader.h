#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "project/ProjectAppearance.h"
#include "project/ProjectFormat.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::project {

enum class ProjectReadStatus {
  Loaded,       // the table and the appearance were read (see cellsLoaded)
  CannotOpen,   // the file could not be opened or read: nothing changes
  InvalidFile,  // not a project file, or a damaged header: nothing changes
  EmptyRow25,   // read, but an element column lacks its pressure loss: the file is invalid and a
                // new empty project takes its place
};

// What reading a project yields. Errors are values: the caller shows the messages of
// ProjectReadMessages and applies the table and appearance only as the status says.
struct ProjectReadResult {
  ProjectReadStatus status = ProjectReadStatus::InvalidFile;
  ProjectFormat format = ProjectFormat::Unknown;
  bool converted = false;        // an older format was converted to the current one
  bool cellsLoaded = false;      // false when the line count did not fit the element count; the
                                 // header was read all the same and no message is due for it
  bool branchNotice = false;     // a format "1" file holds branch pieces ("Abzweigstücke"): notice once
  results::ResultsTable table;   // title and element columns in the edition's language (row 0
                                 // renumbered); the labels are the window's to write
  ProjectAppearance appearance;  // the current appearance with what the file holds applied
  std::string detail;            // why a file was refused (for tests and logs, not shown)
};

// Reads the lines of a project file in any of the four formats ("6.0", "1", "4.0", "5.0F"): a
// final empty line is dropped, older formats are converted (and their legacy texts mended), the
// cells are translated from the stored language into the edition's, and every element column is
// checked for its row 25. `current` supplies what the file does not hold (the unit choice when
// line 2 is neither "M" nor "I", the page setup of older formats). Never throws for any input and
// allocates no more than the lines themselves justify; fuzz targets may call it directly.
ProjectReadResult ReadProjectLines(std::vector<std::string> lines, const text::TextStore& texts,
                                   const ProjectAppearance& current);

}  // namespace velmora::project
