#include "fluids/UserFileLocation.h"

#include <cstdlib>

#include "project/ProjectFile.h"

namespace velmora::fluids {

std::filesystem::path UserDataFolder() {
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/') {
    return std::filesystem::path(data) / "Velmora";
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    return std::filesystem::path(home) / ".local" / "share" / "Velmora";
  }
  return {};
}

std::filesystem::path UserFileLocation(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& userFolder, std::string_view fileName) {
  const std::filesystem::path beside = programFolder / fileName;
  if (userFolder.empty()) return beside;
  const std::filesystem::path own = userFolder / fileName;
  std::error_code error;
  if (std::filesystem::exists(own, error)) return own;
  return project::MayReplace(beside) ? beside : own;
}

std::filesystem::path UserFileToRead(const std::filesystem::path& programFolder,
                                     const std::filesystem::path& userFolder, std::string_view fileName) {
  const std::filesystem::path written = UserFileLocation(programFolder, userFolder, fileName);
  std::error_code error;
  if (std::filesystem::exists(written, error)) return written;
  return programFolder / fileName;
}

}  // namespace velmora::fluids
