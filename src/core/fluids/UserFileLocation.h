#pragma once

#include <filesystem>
#include <string_view>

// Where the program keeps a file it writes itself (USER.DAT): beside the program while that
// folder may be written, otherwise (an installed program) in the user's data folder.
namespace velmora::fluids {

// The user's data folder of the program: $XDG_DATA_HOME/Velmora, else $HOME/.local/share/Velmora;
// empty when neither variable is set.
std::filesystem::path UserDataFolder();

// The file `fileName` is written to: in the user's folder when it is already there (an earlier
// save went there) or when the program folder (or its copy of the file) may not be written, else
// in the program folder.
std::filesystem::path UserFileLocation(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& userFolder, std::string_view fileName);

// The file to read: the written location when it exists, else the program folder's copy.
std::filesystem::path UserFileToRead(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& userFolder, std::string_view fileName);

}  // namespace velmora::fluids
