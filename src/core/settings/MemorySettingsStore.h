#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "settings/SettingsStore.h"

namespace velmora::settings {

// Settings held in memory: the store of the tests. It remembers the order of the writes and can be
// told to refuse them, as a full disk or a locked file would.
class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<std::string> Read(std::string_view section, std::string_view name) const override;
  bool HasSection(std::string_view section) const override;
  bool Write(std::string_view section, std::string_view name, std::string_view value) override;
  bool Flush() override { return !failWrites_; }

  void Remove(std::string_view section, std::string_view name);
  void SetFailWrites(bool fail) { failWrites_ = fail; }

  // Every (section, name) written, in order.
  const std::vector<std::pair<std::string, std::string>>& Writes() const { return writes_; }
  std::size_t ValueCount() const;

 private:
  std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> sections_;
  std::vector<std::pair<std::string, std::string>> writes_;
  bool failWrites_ = false;
};

}  // namespace velmora::settings
