#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::settings {

// Where the per-user settings live: string values by section and value name. The program keeps
// one store per user; tests use MemorySettingsStore.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The value, or nothing when the section or the value does not exist.
  virtual std::optional<std::string> Read(std::string_view section, std::string_view name) const = 0;
  virtual bool HasSection(std::string_view section) const = 0;
  // Writes (creating the section if needed). False when the value cannot be stored.
  virtual bool Write(std::string_view section, std::string_view name, std::string_view value) = 0;
  // Makes the written values durable. False when they could not all be saved.
  virtual bool Flush() { return true; }
};

}  // namespace velmora::settings
