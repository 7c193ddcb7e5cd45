#include "settings/RecentFileList.h"

#include <algorithm>

#include "settings/StoredInteger.h"

namespace velmora::settings {
namespace {

constexpr std::string_view kMaxEntries = "fMaxEntries";
constexpr std::string_view kPathFormat = "fPathFormat";
constexpr std::string_view kRecentFile = "fRecentFile";

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithoutTrailingSlash(std::string_view folder) {
  std::string result(folder);
  while (result.size() > 1 && result.back() == '/') result.pop_back();
  return result;
}

}  // namespace

// Paths keep their case: file names on this platform are case-sensitive.
void RecentFileList::Add(const std::string& path) {
  if (path.empty() || !exists_(path)) return;
  std::erase(paths_, path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kKept) paths_.resize(kKept);
}

std::string RecentFileList::Display(const std::string& path, std::string_view folder) const {
  switch (pathFormat) {
    case PathFormat::FullPath: return path;
    case PathFormat::NoPath: return NameOf(path);
    case PathFormat::LocalPath: break;
  }
  return FolderOf(path) == WithoutTrailingSlash(folder) ? NameOf(path) : path;
}

std::vector<std::string> RecentFileList::MenuCaptions(std::string_view folder) const {
  std::vector<std::string> captions;
  for (std::size_t n = 0; n < paths_.size() && static_cast<int>(n) < maxEntries; ++n) {
    captions.push_back("&" + std::to_string(n) + " " + Display(paths_[n], folder));
  }
  return captions;
}

std::string RecentFileList::FileFor(std::string_view caption, std::string_view folder) const {
  const std::vector<std::string> captions = MenuCaptions(folder);
  for (std::size_t n = 0; n < captions.size(); ++n) {
    if (captions[n] == caption) return paths_[n];
  }
  return {};
}

void RecentFileList::Load(const SettingsStore& store, std::string_view section) {
  Clear();
  if (const auto value = store.Read(section, kMaxEntries)) {
    if (const auto number = ParseStoredInteger(*value)) maxEntries = *number;
  }
  if (const auto value = store.Read(section, kPathFormat)) {
    if (const auto number = ParseStoredInteger(*value); number && *number >= 0 && *number <= 2) {
      pathFormat = static_cast<PathFormat>(*number);
    }
  }
  for (int n = static_cast<int>(kKept) - 1; n >= 0; --n) {
    if (const auto path = store.Read(section, std::string(kRecentFile) + std::to_string(n))) Add(*path);
  }
  if (maxEntries < 1) maxEntries = 4;
}

bool RecentFileList::Save(SettingsStore& store, std::string_view section) const {
  bool ok = store.Write(section, kMaxEntries, std::to_string(maxEntries));
  ok = store.Write(section, kPathFormat, std::to_string(static_cast<int>(pathFormat))) && ok;
  // Slots beyond the list are emptied so that files dropped from it do not return.
  for (std::size_t n = 0; n < kKept; ++n) {
    ok = store.Write(section, std::string(kRecentFile) + std::to_string(n), n < paths_.size() ? paths_[n] : "") && ok;
  }
  return ok;
}

}  // namespace velmora::settings
