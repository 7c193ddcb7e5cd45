#pragma once

#include <filesystem>
#include <string_view>

// Where the program reads and writes the files it changes (the user-defined media USER.DAT, the
// defaults of the pump quick design, ...). They lie in the program folder while it is writable, as
// in a build or a folder the user unpacked; an installed program folder belongs to the system, and
// then each user keeps their own copy in their data folder.
namespace velmora::install {

struct ProgramFolders {
  std::filesystem::path program;   // where the program and its shipped data files lie
  std::filesystem::path userData;  // the user's data folder (UserDataFolder())
};

// The user's data folder of the program: $XDG_DATA_HOME/velmora, else ~/.local/share/velmora
// ($HOME), else the relative folder ".velmora".
std::filesystem::path UserDataFolder();

// The program folder and the user's data folder.
ProgramFolders Folders(const std::filesystem::path& programFolder);

// Whether the program may write the file `name` in `folder`: an existing file that is writable, or
// a new file in a writable folder. A file or folder without any write permission counts as
// write-protected even for a user (root) the system would let write, as the saving of files does.
bool CanWriteIn(const std::filesystem::path& folder, std::string_view name);

// The folder the file `name` is written to: the user's data folder once the user's own copy exists
// there (an earlier save went there; reading takes that copy too), else the program folder when
// the program may write there, else the user's data folder. `programWritable` is
// CanWriteIn(program, name). Nothing is created.
std::filesystem::path WriteFolder(const ProgramFolders& folders, std::string_view name, bool programWritable);
std::filesystem::path WriteFolder(const ProgramFolders& folders, std::string_view name);

// Where to write the file `name`: in its WriteFolder, which is created when missing.
std::filesystem::path WritePath(const ProgramFolders& folders, std::string_view name, bool programWritable);
std::filesystem::path WritePath(const ProgramFolders& folders, std::string_view name);

// Where to read the file `name`: the user's copy when one exists (the program could not write the
// program folder), otherwise the program folder's.
std::filesystem::path ReadPath(const ProgramFolders& folders, std::string_view name);

}  // namespace velmora::install
