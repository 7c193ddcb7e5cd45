#pragma once

#include "mainform/MainForm.h"
#include "settings/SettingsStore.h"
#include "settings/StoredSettings.h"
#include "text/Edition.h"
#include "text/TextStore.h"

namespace velmora::settings {

// Reads the settings at start (the main window's show step), given the main window's current
// (designer) inputs:
// 1. "metrisch": "I" is the US display, anything else metric.
// 2. "espeichern": "1" ("nein") keeps the defaults (ApplyDefaults) and the restore choice 1; the
//    window places are not restored.
// 3. Otherwise the general options, the window places, the medium, the gas data and the element
//    with its dimensions are restored. Any value that is damaged, or missing where an integer is
//    required (as on the first start), abandons the whole restore: metric display, the defaults,
//    restore choice 0, no window places; no message.
// 4. Whether the recent-file list has its section.
StoredSettings ReadSettings(const SettingsStore& store, text::Edition edition, const text::TextStore& texts,
                            const mainform::MainForm& form);
// The same for a main window that shows the designer defaults of the edition.
StoredSettings ReadSettings(const SettingsStore& store, text::Edition edition, const text::TextStore& texts);

}  // namespace velmora::settings
