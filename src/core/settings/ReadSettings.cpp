#include "settings/ReadSettings.h"

#include <climits>

#include "catalogue/ElementLayout.h"
#include "mainform/FormFields.h"
#include "settings/SettingsKeys.h"
#include "settings/StoredInteger.h"

namespace velmora::settings {
namespace {

constexpr int kTwoWayList = 2;  // volume/mass flow, dynamic/kinematic, metric/US, "mm"/"in."

// Reads the values of one section after another and remembers the first damaged one; the restore
// is judged once at the end.
class Restorer {
 public:
  explicit Restorer(const SettingsStore& store) : store_(store) {}

  void Section(const char* section) { section_ = section; }

  // A missing text reads as empty, as the platform's string values did.
  std::string Text(const char* name) const { return store_.Read(section_, name).value_or(std::string()); }

  int Integer(const char* name, int min = INT_MIN, int max = INT_MAX) {
    const std::optional<int> value = ParseStoredInteger(Text(name));
    if (!value || *value < min || *value > max) {
      failed_ = true;
      return 0;
    }
    return *value;
  }

  // A list index must name an entry of the list.
  int Index(const char* name, std::size_t entries) { return Integer(name, 0, static_cast<int>(entries) - 1); }

  void Fail() { failed_ = true; }
  bool Failed() const { return failed_; }

 private:
  const SettingsStore& store_;
  const char* section_ = "";
  bool failed_ = false;
};

void RestoreGeneral(Restorer& in, StoredSettings& settings) {
  in.Section(section::kGeneral);
  settings.upgradeCheck = in.Text(key::kUpgradeCheck) == value::kYes;
  for (std::size_t i = 0; i < 2; ++i) settings.standardColumnWidths[i] = in.Integer(key::kStandardColumnWidths[i]);
  settings.display.decimals = in.Integer(key::kDecimals, kMinDecimals, kMaxDecimals);
  settings.userDatabaseUnits = in.Index(key::kUserDatabaseUnits, kTwoWayList);
  settings.display.captionShowsPath = in.Text(key::kCaption) == value::kCaptionPath;
}

WindowBounds ReadBounds(Restorer& in, const std::array<const char*, 4>& names) {
  return {in.Integer(names[0]), in.Integer(names[1]), in.Integer(names[2]), in.Integer(names[3])};
}

WindowPlacements RestoreWindows(Restorer& in) {
  in.Section(section::kWindows);
  WindowPlacements windows;
  windows.mainWindow = {in.Integer(key::kMainLeft), in.Integer(key::kMainTop)};
  windows.resultsWindow = ReadBounds(in, key::kResultsBounds);
  windows.shortDisplay = ReadBounds(in, key::kShortDisplayBounds);
  for (std::size_t i = 0; i < 4; ++i) windows.shortDisplayColumns[i] = in.Integer(key::kShortDisplayColumns[i]);
  return windows;
}

// The main window's inputs, field by field in their stored order.
void RestoreInputs(Restorer& in, mainform::MainForm& form) {
  for (const mainform::FormField& field : mainform::FormFields()) {
    if (field.section == nullptr) continue;
    in.Section(field.section);
    switch (field.kind) {
      case mainform::FieldKind::Text: field.text(form) = in.Text(field.key); break;
      case mainform::FieldKind::Index:
        // An index must name an entry of its list; the element panel's lists take any integer and
        // stay without a selection where the element has no such entry.
        field.number(form) =
            field.entries != nullptr ? in.Index(field.key, field.entries(form)) : in.Integer(field.key);
        break;
      case mainform::FieldKind::Element: field.number(form) = in.Integer(field.key); break;
      case mainform::FieldKind::Option: field.number(form) = in.Integer(field.key, 0, 1); break;
      case mainform::FieldKind::Flag: field.flag(form) = in.Text(field.key) == value::kOn; break;
    }
  }
  // An element the catalogue does not know is damage, not a choice.
  if (catalogue::FindLayout(form.elementGroup, form.elementKind) == nullptr) in.Fail();
}

// The restore of the general options, the window places and the inputs; nothing when a value is
// damaged.
std::optional<StoredSettings> Restore(const SettingsStore& store, StoredSettings settings) {
  Restorer in(store);
  RestoreGeneral(in, settings);
  settings.windows = RestoreWindows(in);
  RestoreInputs(in, settings.form);
  if (in.Failed()) return std::nullopt;
  return settings;
}

}  // namespace

StoredSettings ReadSettings(const SettingsStore& store, text::Edition edition, const text::TextStore& texts,
                            const mainform::MainForm& form) {
  StoredSettings settings;
  settings.form = form;
  settings.standardColumnWidths = DefaultStandardColumnWidths(edition);
  settings.display.us = store.Read(section::kGeneral, key::kMetric) == value::kUsDisplay;
  // An empty or unreadable restore choice counts as "ja".
  settings.restore = store.Read(section::kGeneral, key::kRestore) == "1" ? kRestoreNo : kRestoreYes;

  if (settings.restore == kRestoreNo) {
    ApplyDefaults(settings, edition, texts);
  } else if (std::optional<StoredSettings> restored = Restore(store, settings)) {
    settings = std::move(*restored);
  } else {
    // First start or damaged values: metric display, the defaults, restore choice "ja".
    settings.display.us = false;
    ApplyDefaults(settings, edition, texts);
  }
  settings.recentFilesStored = store.HasSection(section::kRecentFiles);
  return settings;
}

StoredSettings ReadSettings(const SettingsStore& store, text::Edition edition, const text::TextStore& texts) {
  return ReadSettings(store, edition, texts, mainform::MainForm::Defaults(edition));
}

}  // namespace velmora::settings
