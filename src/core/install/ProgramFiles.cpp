#include "install/ProgramFiles.h"

#include <sys/stat.h>
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

namespace {

// A file or folder that exists and may be written: some write permission and the system's consent.
bool Writable(const fs::path& path, int mode) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return false;
  return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), mode) == 0;
}

}  // namespace

bool CanWriteIn(const fs::path& folder, std::string_view name) {
  const fs::path file = folder / fs::path(name);
  std::error_code error;
  if (fs::exists(file, error)) return Writable(file, W_OK) && Writable(folder, W_OK | X_OK);
  return fs::is_directory(folder, error) && Writable(folder, W_OK | X_OK);
}

fs::path WriteFolder(const ProgramFolders& folders, std::string_view name, bool programWritable) {
  std::error_code error;
  if (fs::is_regular_file(folders.userData / fs::path(name), error)) return folders.userData;
  return programWritable ? folders.program : folders.userData;
}

fs::path WriteFolder(const ProgramFolders& folders, std::string_view name) {
  return WriteFolder(folders, name, CanWriteIn(folders.program, name));
}

fs::path WritePath(const ProgramFolders& folders, std::string_view name, bool programWritable) {
  const fs::path folder = WriteFolder(folders, name, programWritable);
  std::error_code error;
  fs::create_directories(folder, error);  // a failure shows when the file is written
  return folder / fs::path(name);
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
