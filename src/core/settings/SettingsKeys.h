#pragma once

#include <array>

namespace velmora::settings {

// Section and value names of the per-user settings. They are the stored format: an older
// settings file is read by exactly these names, so none of them may change.
namespace section {
inline constexpr const char* kGeneral = "Allgemein";
inline constexpr const char* kWindows = "Fenster";
inline constexpr const char* kMedium = "Medium";
inline constexpr const char* kGasData = "Gasdaten";
inline constexpr const char* kPipe = "Rohr";
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

// "Medium"
inline constexpr const char* kMedium = "Art";
inline constexpr const char* kFlowKind = "Vol_Mastrom";
inline constexpr const char* kFlow = "Menge";
inline constexpr const char* kFlowUnit = "Menge_Einheit";
inline constexpr const char* kDensity = "Dichte";
inline constexpr const char* kDensityUnit = "Dichte_Einheit";
inline constexpr const char* kViscosityKind = "Dyn_KinVisko";
inline constexpr const char* kViscosity = "Visko";
inline constexpr const char* kViscosityUnit = "Visko_Einheit";
inline constexpr const char* kLiquid = "fluessig";

// "Gasdaten"
inline constexpr const char* kInletPressure = "E_Druck";
inline constexpr const char* kInletPressureUnit = "E_Druck_Einheit";
inline constexpr const char* kInletTemperature = "E_Temp";
inline constexpr const char* kInletTemperatureUnit = "E_Temp_Einheit";
inline constexpr const char* kOutletTemperature = "A_Temp";
inline constexpr const char* kOutletTemperatureUnit = "A_Temp_Einheit";

// "Rohr"
inline constexpr const char* kGroup = "Gruppe";
inline constexpr const char* kKind = "UGruppe";
inline constexpr std::array<const char*, 5> kDimensions = {"Va1", "Va2", "Va3", "Va4", "Va5"};
inline constexpr std::array<const char*, 5> kDimensionUnits = {"Va1_Einheit", "Va2_Einheit", "Va3_Einheit",
                                                               "Va4_Einheit", "Va5_Einheit"};
inline constexpr const char* kRoughness = "VaRauh";
inline constexpr const char* kRoughnessUnit = "VaRauh_Einheit";
}  // namespace key

// Fixed value texts.
namespace value {
inline constexpr const char* kMetricDisplay = "M";
inline constexpr const char* kUsDisplay = "I";
inline constexpr const char* kYes = "j";
inline constexpr const char* kNo = "n";
inline constexpr const char* kCaptionPath = "Pfad";
inline constexpr const char* kCaptionFile = "Datei";
inline constexpr const char* kGas = "1";
inline constexpr const char* kLiquid = "0";
}  // namespace value

}  // namespace velmora::settings
