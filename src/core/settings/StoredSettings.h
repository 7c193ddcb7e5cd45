#pragma once

#include <array>
#include <optional>

#include "mainform/MainForm.h"
#include "results/DisplayOptions.h"
#include "text/Edition.h"
#include "text/TextStore.h"

namespace velmora::settings {

// Settings dialog ComboBox2: restore the inputs at the next start ("ja") or not ("nein").
enum RestoreChoice : int { kRestoreYes = 0, kRestoreNo = 1 };
// Units of the user-defined medium database (settings dialog ComboBox3).
enum UserDatabaseUnits : int { kUserDatabaseMetric = 0, kUserDatabaseUs = 1 };

inline constexpr int kMinDecimals = 0;  // range of the decimals up-down
inline constexpr int kMaxDecimals = 6;

// A window's outer top-left corner (QWidget::pos) and, where stored, its client size.
struct WindowPlace {
  int left = 0;
  int top = 0;
  bool operator==(const WindowPlace&) const = default;
};

struct WindowBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const WindowBounds&) const = default;
};

// Section "Fenster": where the main window, the results window and the short display stood.
struct WindowPlacements {
  WindowPlace mainWindow;                    // HF_Left, HF_Top
  WindowBounds resultsWindow;                // AF_Left … AF_Height
  WindowBounds shortDisplay;                 // KA_Left … KA_Height
  std::array<int, 4> shortDisplayColumns{};  // KA_Grid1 … KA_Grid4: widths of grid columns 0 … 3
  bool operator==(const WindowPlacements&) const = default;
};

// Everything the program keeps per user between two runs.
struct StoredSettings {
  results::DisplayOptions display;                    // "metrisch", "Nachkomma", "Tabellenkopf"
  int restore = kRestoreYes;                          // "espeichern"
  bool upgradeCheck = false;                          // "upgradepruefung": check for upgrades at every start
  int userDatabaseUnits = kUserDatabaseMetric;        // "Ben_Daba_Einheit"
  std::array<int, 2> standardColumnWidths{145, 150};  // "RNormspaltenbreite0/1" (standard-part tables)
  // Nothing when the places were not restored: the windows keep their designer places. Writing
  // needs them: the main window fills in the current places before it writes.
  std::optional<WindowPlacements> windows;
  mainform::MainForm form;  // the main window's inputs
  // The section of the recent-file list exists: the list loads itself from it.
  bool recentFilesStored = false;
};

// The standard-part tables' column widths when nothing is restored; English texts are wider.
std::array<int, 2> DefaultStandardColumnWidths(text::Edition edition);

// Sets every default of the settings into `settings` and its form (ApplyDefaults): the general
// options except the unit system and the restore choice, and the inputs of the medium, the gas
// data, the dimension units and the roughness. The element, the dimension texts and the inputs
// that are not stored (description, count, option, branch flow) keep what the form had.
void ApplyDefaults(StoredSettings& settings, text::Edition edition, const text::TextStore& texts);

// The settings of a first start for the main window's current (designer) inputs.
StoredSettings DefaultSettings(text::Edition edition, const text::TextStore& texts, const mainform::MainForm& form);

}  // namespace velmora::settings
