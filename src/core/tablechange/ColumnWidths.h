#pragma once

#include <array>
#include <optional>
#include <string>

#include "settings/SettingsStore.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The widths of the results table's columns as the column-width dialog sets them: the title column
// and every other column, in pixels, kept in the user's settings ("Allgemein",
// "RNormspaltenbreite0" and "RNormspaltenbreite1").
namespace velmora::tablechange {

struct ColumnWidths {
  int title = 0;
  int other = 0;

  bool operator==(const ColumnWidths&) const = default;
};

// What a width may be: narrower columns could not be seen or grabbed again, wider ones not shown.
inline constexpr int kMinColumnWidth = 20;
inline constexpr int kMaxColumnWidth = 2000;  // excluded

struct WidthsCheck {
  std::optional<ColumnWidths> widths;
  text::Messages messages;  // why not: an invalid or out-of-range field (the dialog's Edit2, Edit1)
};

// Reads the dialog's two fields, the title column first; each a number, rounded to whole pixels,
// from kMinColumnWidth up to below kMaxColumnWidth.
WidthsCheck ReadColumnWidths(const std::string& title, const std::string& other, const text::TextStore& texts);

// "&Standard": 150 for the other columns; 150 for the title column in English, 145 otherwise.
ColumnWidths StandardColumnWidths(text::Edition edition);

// Stores the widths in the user's settings; false when the store could not keep them.
bool StoreColumnWidths(settings::SettingsStore& store, const ColumnWidths& widths);

}  // namespace velmora::tablechange
