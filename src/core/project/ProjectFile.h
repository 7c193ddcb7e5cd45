#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "project/ProjectAppearance.h"
#include "project/ProjectReader.h"
#include "results/ResultsTable.h"
#include "text/TextStore.h"

// Project files on disk: Windows-1252 text with CR LF line ends.
namespace velmora::project {

// Larger files are refused unread; a project of a thousand elements takes well under 1 MiB.
inline constexpr std::uintmax_t kMaxProjectFileSize = 64u * 1024u * 1024u;

enum class FileError {
  None,
  CannotOpen,     // missing, not a regular file, or no permission
  TooLarge,       // above kMaxProjectFileSize
  CannotRead,     // a read failed halfway
  CannotWrite,    // the temporary file could not be created or written
  CannotReplace,  // the temporary file could not take the place of the target
  ReadOnly,       // the file, or the folder a save writes into, is write-protected
};

struct ProjectFileLines {
  FileError error = FileError::None;
  std::string detail;
  std::vector<std::string> lines;  // UTF-8

  bool ok() const { return error == FileError::None; }
};

struct ProjectFileWrite {
  FileError error = FileError::None;
  std::string detail;

  bool ok() const { return error == FileError::None; }
};

// The lines of a file's bytes: valid UTF-8 that holds non-ASCII characters (after an optional
// byte-order mark) is read as UTF-8, anything else as Windows-1252; lines end at LF with an
// optional CR before it.
std::vector<std::string> DecodeProjectBytes(std::string_view bytes);

// The bytes of a file: every line in Windows-1252 ('?' for what the code page cannot hold),
// followed by CR LF.
std::string EncodeProjectLines(const std::vector<std::string>& lines);

// Reads a project file as lines (the final empty line is ReadProjectLines' to drop).
ProjectFileLines ReadProjectFile(const std::filesystem::path& path);

// Whether a save may replace `path` (its link target): the file, when there is one, and its folder
// must be writable — by the user's rights and by their write-protection bits, which are honoured
// even where the rights alone would allow the write (as for an administrator).
bool MayReplace(const std::filesystem::path& path);

// Writes the lines so that a failure never harms the file already there: the bytes go to a
// temporary file beside the target (beside the file a symbolic link points to, which stays a
// link), which is flushed and closed and then renamed over the target (keeping the target's
// permissions). On failure the temporary file is removed. A write-protected target is refused
// (ReadOnly) untouched.
ProjectFileWrite WriteProjectFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Reads a project file and its lines in one step; a file that cannot be read gives the status
// CannotOpen.
ProjectReadResult OpenProject(const std::filesystem::path& path, const text::TextStore& texts,
                              const ProjectAppearance& current);

// Writes the table in the current format.
ProjectFileWrite SaveProject(const std::filesystem::path& path, const results::ResultsTable& table,
                             const ProjectAppearance& appearance, const text::TextStore& texts);

}  // namespace velmora::project
