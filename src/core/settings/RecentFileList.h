#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/SettingsStore.h"

namespace velmora::settings {

// How an entry is shown in the file menu.
enum class PathFormat { FullPath = 0, LocalPath = 1, NoPath = 2 };

// The most recently opened project files, most recent first: up to 20 are kept, `maxEntries` of
// them are offered in the file menu as "&0 name", "&1 name", ...
class RecentFileList {
 public:
  static constexpr std::size_t kKept = 20;

  using FileExists = std::function<bool(const std::string&)>;

  explicit RecentFileList(FileExists exists) : exists_(std::move(exists)) {}

  int maxEntries = 4;
  PathFormat pathFormat = PathFormat::LocalPath;

  // Records a file (an absolute path) as the most recent; a file that does not exist is not added.
  void Add(const std::string& path);
  void Clear() { paths_.clear(); }
  const std::vector<std::string>& Paths() const { return paths_; }

  // The menu captions of the shown entries; `folder` is the working folder, whose files show
  // by name only in the local-path format.
  std::vector<std::string> MenuCaptions(std::string_view folder) const;
  // The path of the entry whose caption is given; empty when none has it.
  std::string FileFor(std::string_view caption, std::string_view folder) const;

  // The section "RecentFiles": fMaxEntries, fPathFormat, fRecentFile0 … (most recent first).
  // Loading adds the stored files oldest first, so missing files drop out and the order stays.
  void Load(const SettingsStore& store, std::string_view section);
  bool Save(SettingsStore& store, std::string_view section) const;

 private:
  std::string Display(const std::string& path, std::string_view folder) const;

  FileExists exists_;
  std::vector<std::string> paths_;
};

}  // namespace velmora::settings
