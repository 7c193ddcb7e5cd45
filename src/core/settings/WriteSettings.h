#pragma once

#include "settings/SettingsStore.h"
#include "settings/StoredSettings.h"

namespace velmora::settings {

// Writes every value at close, section by section ("Allgemein", "Fenster", "Medium", "Gasdaten",
// "Rohr"), whatever the restore choice says. The window places are written when present (the main
// window always passes its current ones). The recent-file list writes its own section. False when
// the store refused a value or could not save them: the caller shows that the settings could not
// be saved.
bool WriteSettings(SettingsStore& store, const StoredSettings& settings);

}  // namespace velmora::settings
