#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "fluids/MediumTakeOver.h"
#include "fluids/UserDatabase.h"
#include "text/Message.h"
#include "text/TextStore.h"

// The user-defined media dialogs (TBen_Daba_Dlg edits USER.DAT, TBen_Daba_Dlg2 chooses a medium of
// it): their captions, messages and the hand-over.
namespace velmora::fluids {

inline constexpr std::string_view kUserEditBlock = "Ben_Daba_Dlg";
inline constexpr std::string_view kUserChoiceBlock = "Ben_Daba_Dlg2";

// The field captions of either dialog in the database's units: metric °C, mbar, kg/m³,
// 10^-6 kg/m s; US °F, psi, lb./cu.ft., cP.
struct UserCaptions {
  std::string temperature;
  std::string pressure;
  std::string density;
  std::string viscosity;
};
UserCaptions UserFieldCaptions(const text::TextStore& texts, std::string_view block, bool usUnits);

// "Datensatz 1 von 3"; "Datensatz 0 von 0" while the list is empty.
std::string PositionText(const text::TextStore& texts, int position, int count);

// What loading reports: a missing or unreadable file (warning, the file named), a cut-off file
// and records whose values are no numbers (information, the records kept); nothing when the file
// was read whole.
std::optional<text::Message> UserLoadMessage(const text::TextStore& texts, const UserFileRead& read,
                                             const std::filesystem::path& path);

// The question before a file that was damaged when it was read is overwritten.
text::Message UserOverwriteQuestion(const text::TextStore& texts, const std::filesystem::path& path);

// A save that failed: write-protected, or not written (the file as it was).
text::Message UserSaveFailure(const text::TextStore& texts, UserFileWrite failure, const std::filesystem::path& path);

// The record into the main window: the name as the description, density and viscosity texts, the
// phase; a gas also with the pressure (inlet) and the temperature (inlet and outlet). The main
// window's units are those the values are stored in: metric kg/m³, dynamic 10⁻⁶ kg/(m·s), mbar,
// °C; US lb./cu.ft., dynamic cP, psia, °F.
MediumTakeOver UserTakeOver(const UserRecord& record, bool usUnits);

}  // namespace velmora::fluids
