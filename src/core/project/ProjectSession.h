#pragma once

#include <filesystem>
#include <optional>

#include "project/ProjectAppearance.h"
#include "project/ProjectFile.h"
#include "project/ProjectLock.h"
#include "project/ProjectReader.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

namespace velmora::project {

// How a project is opened: for editing (held against other programs), or only for reading when
// another program holds it.
enum class OpenMode { Edit, ReadOnly };

// What opening a project came to. A failed open changes nothing: the project open before stays,
// with its file.
struct OpenOutcome {
  enum class Status {
    Opened,     // the file's table and appearance took the project's place
    InUse,      // another program holds the file; nothing was read (ask, then open read-only)
    Failed,     // not opened: see the read result's status and messages
    Abandoned,  // read, but invalid (an element without its pressure loss): the project is new and empty
  } status = Status::Failed;
  ProjectReadResult read;  // the reader's result (for its messages), when the file was read
};

// What writing the project came to.
enum class WriteStatus {
  Written,
  NoFile,    // the project has no file yet: Save as must name one
  ReadOnly,  // the project was opened read-only, or its file or folder is write-protected
  InUse,     // Save as: another program holds the chosen file
  Failed,    // the file could not be written; the previous file is unchanged
};

// The current project: its file (none while untitled), whether this program holds that file, the
// saved flag, the appearance (units, page setup, grid look) and the results table. Every change of
// file goes through here, so that the table, the file and its lock always belong together.
class ProjectSession {
 public:
  const std::optional<std::filesystem::path>& Path() const { return path_; }
  // Opened only for reading: the file stays as it is.
  bool ReadOnly() const { return readOnly_; }
  // The table matches its file (or is empty and untitled); cleared by every change of the table.
  bool Saved() const { return saved_; }
  void MarkChanged() { saved_ = false; }
  bool HasElements() const { return table_.ElementCount() > 0; }

  // Counts the replacements of the table (a new or an opened project), so that a window can tell
  // a replaced table from a changed one.
  unsigned Generation() const { return generation_; }

  results::ResultsTable& Table() { return table_; }
  const results::ResultsTable& Table() const { return table_; }
  ProjectAppearance& Appearance() { return appearance_; }
  const ProjectAppearance& Appearance() const { return appearance_; }

  // A new project: the table emptied (title included), no file, saved. The appearance stays.
  void StartNew();
  // Lets the file go (another program may take it); the table stays as it is.
  void Release();

  // Reads the project at `path` (relative paths as the caller resolved them) and holds its file.
  OpenOutcome Open(const std::filesystem::path& path, const text::TextStore& texts, OpenMode mode = OpenMode::Edit);
  // Writes the table into the project's own file.
  WriteStatus Save(const text::TextStore& texts);
  // Writes the table into `path`, which then is the project's file.
  WriteStatus SaveAs(const std::filesystem::path& path, const text::TextStore& texts);

 private:
  bool IsOwnFile(const std::filesystem::path& path) const;
  WriteStatus Write(const std::filesystem::path& path, const text::TextStore& texts);

  std::optional<std::filesystem::path> path_;
  ProjectLock lock_;
  bool readOnly_ = false;
  bool saved_ = true;
  unsigned generation_ = 0;
  results::ResultsTable table_;
  ProjectAppearance appearance_;
};

}  // namespace velmora::project
