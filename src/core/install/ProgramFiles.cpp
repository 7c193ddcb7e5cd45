#include "install/ProgramFiles.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace velmora::install {
namespace fs = std::filesystem;

fs::path UserDataFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome != nullptr && fs::path(dataHome).is_absolute()) return fs::path(dataHome) / "velmora";
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return fs::path(home) / ".local" / "share" / "velmora";
  return ".velmora";
}

ProgramFolders Folders(const fs::path& programFolder) { return {programFolder, UserDataFolder()}; }

bool CanWriteIn(const fs::path& folder, std::string_view name) {
  const fs::path file = folder / fs::path(name);
  std::error_code error;
  if (fs::exists(file, error)) return ::access(file.c_str(), W_OK) == 0;
  return fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

fs::path WritePath(const ProgramFolders& folders, std::string_view name, bool programWritable) {
  if (programWritable) return folders.program / fs::path(name);
  std::error_code error;
  fs::create_directories(folders.userData, error);  // a failure shows when the file is written
  return folders.userData / fs::path(name);
}

fs::path WritePath(const ProgramFolders& folders, std::string_view name) {
  return WritePath(folders, name, CanWriteIn(folders.program, name));
}

fs::path ReadPath(const ProgramFolders& folders, std::string_view name) {
  const fs::path own = folders.userData / fs::path(name);
  std::error_code error;
  if (fs::is_regular_file(own, error)) return own;
  return folders.program / fs::path(name);
}

}  // namespace velmora::install
