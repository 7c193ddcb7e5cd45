#pragma once

#include <string>
#include <vector>

#include "settings/MemorySettingsStore.h"
#include "settings/StoredSettings.h"

namespace velmora::settings::samples {

struct StoredValue {
  std::string section;
  std::string name;
  std::string value;
};

// The values an earlier run wrote (typed out by hand from the table of stored values): US
// display, 5 decimals, air as a mass flow through a circular bend.
const std::vector<StoredValue>& EarlierRun();

MemorySettingsStore StoreOf(const std::vector<StoredValue>& values);

// Field by field, so that a failure names the field.
void ExpectSameSettings(const StoredSettings& actual, const StoredSettings& expected);

}  // namespace velmora::settings::samples
