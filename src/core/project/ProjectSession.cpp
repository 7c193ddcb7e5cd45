#include "project/ProjectSession.h"

#include <system_error>

namespace velmora::project {
namespace fs = std::filesystem;

bool ProjectSession::IsOwnFile(const fs::path& path) const {
  if (!path_) return false;
  std::error_code error;
  return fs::equivalent(LinkTarget(path), LinkTarget(*path_), error) && !error;
}

void ProjectSession::StartNew() {
  table_.ClearTable();
  ++generation_;
  path_.reset();
  Release();
  readOnly_ = false;
  saved_ = true;
}

void ProjectSession::Release() { lock_.Release(); }

OpenOutcome ProjectSession::Open(const fs::path& path, const text::TextStore& texts, OpenMode mode) {
  OpenOutcome outcome;
  // Opening the project's own file again keeps the hold this program already has.
  const bool alreadyHeld = IsOwnFile(path) && lock_.Held();
  bool readOnly = mode == OpenMode::ReadOnly;
  ProjectLock lock;
  if (!readOnly && !alreadyHeld) {
    switch (lock.Acquire(path)) {
      case ProjectLock::Status::Locked: break;
      case ProjectLock::Status::InUse: outcome.status = OpenOutcome::Status::InUse; return outcome;
      case ProjectLock::Status::Unavailable: readOnly = true; break;  // nobody can hold a file there
    }
  }
  // A write-protected file can be read and shown, but not saved again.
  if (!MayReplace(path)) readOnly = true;

  outcome.read = OpenProject(path, texts, appearance_);
  switch (outcome.read.status) {
    case ProjectReadStatus::Loaded:
      table_ = std::move(outcome.read.table);
      ++generation_;
      appearance_ = outcome.read.appearance;
      path_ = path;
      if (!alreadyHeld) lock_ = std::move(lock);
      if (readOnly) lock_.Release();  // a reader leaves the file to whoever may write it
      readOnly_ = readOnly;
      saved_ = true;
      outcome.status = OpenOutcome::Status::Opened;
      break;
    case ProjectReadStatus::EmptyRow25:
      StartNew();
      outcome.status = OpenOutcome::Status::Abandoned;
      break;
    case ProjectReadStatus::CannotOpen:
    case ProjectReadStatus::InvalidFile: outcome.status = OpenOutcome::Status::Failed; break;
  }
  return outcome;
}

WriteStatus ProjectSession::Save(const text::TextStore& texts) {
  if (!path_) return WriteStatus::NoFile;
  if (readOnly_) return WriteStatus::ReadOnly;
  return Write(*path_, texts);
}

WriteStatus ProjectSession::SaveAs(const fs::path& path, const text::TextStore& texts) {
  if (IsOwnFile(path) && lock_.Held()) return Save(texts);
  ProjectLock lock;
  if (lock.Acquire(path) == ProjectLock::Status::InUse) return WriteStatus::InUse;
  const WriteStatus written = Write(path, texts);
  if (written != WriteStatus::Written) return written;
  path_ = path;
  lock_ = std::move(lock);
  readOnly_ = false;
  return written;
}

WriteStatus ProjectSession::Write(const fs::path& path, const text::TextStore& texts) {
  const ProjectFileWrite written = SaveProject(path, table_, appearance_, texts);
  switch (written.error) {
    case FileError::None: saved_ = true; return WriteStatus::Written;
    case FileError::ReadOnly: return WriteStatus::ReadOnly;
    default: return WriteStatus::Failed;
  }
}

}  // namespace velmora::project
