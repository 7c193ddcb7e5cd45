#include "settings/MemorySettingsStore.h"

namespace velmora::settings {

std::optional<std::string> MemorySettingsStore::Read(std::string_view section, std::string_view name) const {
  const auto found = sections_.find(section);
  if (found == sections_.end()) return std::nullopt;
  const auto value = found->second.find(name);
  if (value == found->second.end()) return std::nullopt;
  return value->second;
}

bool MemorySettingsStore::HasSection(std::string_view section) const { return sections_.contains(section); }

bool MemorySettingsStore::Write(std::string_view section, std::string_view name, std::string_view value) {
  if (failWrites_) return false;
  auto found = sections_.find(section);
  if (found == sections_.end()) found = sections_.emplace(std::string(section), decltype(found->second){}).first;
  found->second.insert_or_assign(std::string(name), std::string(value));
  writes_.emplace_back(section, name);
  return true;
}

void MemorySettingsStore::Remove(std::string_view section, std::string_view name) {
  const auto found = sections_.find(section);
  if (found == sections_.end()) return;
  const auto value = found->second.find(name);
  if (value != found->second.end()) found->second.erase(value);
}

std::size_t MemorySettingsStore::ValueCount() const {
  std::size_t count = 0;
  for (const auto& [section, values] : sections_) count += values.size();
  return count;
}

}  // namespace velmora::settings
