#include "settings/QtSettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include "toolkit/MessageBoxes.h"

namespace velmora::gui {
namespace {

QString KeyOf(std::string_view section, std::string_view name) {
  return ToQString(std::string(section)) + '/' + ToQString(std::string(name));
}

}  // namespace

QString SettingsFilePath(const QString& configFolder, const std::string& baseKey) {
  QStringList parts = ToQString(baseKey).split(QRegularExpression(R"([\\/])"), Qt::SkipEmptyParts);
  // Relative parts would leave the configuration folder.
  parts.removeIf([](const QString& part) { return part.trimmed().isEmpty() || part == "." || part == ".."; });
  if (!parts.isEmpty() && parts.front().compare("Software", Qt::CaseInsensitive) == 0) parts.removeFirst();
  if (parts.isEmpty()) parts << "Velmora";
  const QString file = parts.takeLast() + ".ini";
  parts.prepend(configFolder);
  parts << file;
  return QDir::cleanPath(parts.join('/'));
}

QString UserSettingsFile(const std::string& baseKey) {
  return SettingsFilePath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), baseKey);
}

QtSettingsStore::QtSettingsStore(const QString& filePath)
    : filePath_(filePath), settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

std::optional<std::string> QtSettingsStore::Read(std::string_view section, std::string_view name) const {
  const QVariant value = settings_->value(KeyOf(section, name));
  if (!value.isValid()) return std::nullopt;
  // A value edited by hand without quotes and holding a comma reads as a list.
  if (value.typeId() == QMetaType::QStringList) return ToStdString(value.toStringList().join(','));
  return ToStdString(value.toString());
}

bool QtSettingsStore::HasSection(std::string_view section) const {
  return settings_->childGroups().contains(ToQString(std::string(section)));
}

bool QtSettingsStore::Write(std::string_view section, std::string_view name, std::string_view value) {
  settings_->setValue(KeyOf(section, name), ToQString(std::string(value)));
  return true;
}

bool QtSettingsStore::Flush() {
  settings_->sync();
  switch (settings_->status()) {
    case QSettings::NoError: return true;
    case QSettings::AccessError: return false;
    case QSettings::FormatError: break;
  }
  // A damaged file read at the start keeps its format error and hides a later write error:
  // judge by the file itself.
  const QFileInfo file(filePath_);
  return file.exists() && file.isWritable();
}

}  // namespace velmora::gui
