#pragma once

#include <array>

namespace velmora::settings {

// Section and value names of the per-user settings. They are the stored format: an older
// settings file is read by exactly these names, so none of them may change.
namespace section {
inline constexpr const char* kGeneral = "Allgemein";
inline constexpr const char* kWindows = "Fenster";
// "Medium", "Gasdaten" and "Rohr" keep the main window's inputs: see mainform/FormFields.h.
inline constexpr const char* kRecentFiles = "RecentFiles";  // owned by the recent-file list
}  // namespace section

namespace key {
// "Allgemein"
inline constexpr const char* kMetric = "metrisch";
inline constexpr const char* kRestore = "espeichern";
inline constexpr const char* kUpgradeCheck = "upgradepruefung";
inline constexpr const char* kDecimals = "Nachkomma";
inline constexpr const char* kUserDatabaseUnits = "Ben_Daba_Einheit";
inline constexpr const char* kCaption = "Tabellenkopf";
inline constexpr std::array<const char*, 2> kStandardColumnWidths = {"RNormspaltenbreite0", "RNormspaltenbreite1"};

// "Fenster"
inline constexpr const char* kMainLeft = "HF_Left";
inline constexpr const char* kMainTop = "HF_Top";
inline constexpr std::array<const char*, 4> kResultsBounds = {"AF_Left", "AF_Top", "AF_Width", "AF_Height"};
inline constexpr std::array<const char*, 4> kShortDisplayBounds = {"KA_Left", "KA_Top", "KA_Width", "KA_Height"};
inline constexpr std::array<const char*, 4> kShortDisplayColumns = {"KA_Grid1", "KA_Grid2", "KA_Grid3", "KA_Grid4"};

}  // namespace key

// Fixed value texts.
namespace value {
inline constexpr const char* kMetricDisplay = "M";
inline constexpr const char* kUsDisplay = "I";
inline constexpr const char* kYes = "j";
inline constexpr const char* kNo = "n";
inline constexpr const char* kCaptionPath = "Pfad";
inline constexpr const char* kCaptionFile = "Datei";
inline constexpr const char* kOn = "1";  // a flag: "fluessig" holds "1" for a gas, "0" for a liquid
inline constexpr const char* kOff = "0";
}  // namespace value

}  // namespace velmora::settings
