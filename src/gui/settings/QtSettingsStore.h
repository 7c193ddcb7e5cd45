#pragma once

#include <QString>
#include <memory>
#include <string>

#include "settings/SettingsStore.h"

class QSettings;

namespace velmora::gui {

// The per-user settings file for a base key: the key's parts below "Software" become folders of
// the user's configuration folder and its last part names an INI file, so
// "Software\Velmora\Velmora6\" is <config>/Velmora/Velmora6.ini.
QString SettingsFilePath(const QString& configFolder, const std::string& baseKey);
// The same in the user's configuration folder (~/.config on Linux, AppData\Local on Windows).
QString UserSettingsFile(const std::string& baseKey);

// The settings store over an INI file: sections are INI groups, every value a string.
class QtSettingsStore : public settings::SettingsStore {
 public:
  explicit QtSettingsStore(const QString& filePath);
  ~QtSettingsStore() override;

  std::optional<std::string> Read(std::string_view section, std::string_view name) const override;
  bool HasSection(std::string_view section) const override;
  bool Write(std::string_view section, std::string_view name, std::string_view value) override;
  // Writes the file; false when it could not be written (folder or file not writable).
  bool Flush() override;

  const QString& FilePath() const { return filePath_; }

 private:
  QString filePath_;
  std::unique_ptr<QSettings> settings_;
};

}  // namespace velmora::gui
