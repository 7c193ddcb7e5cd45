#include "fluids/PropertyWindows.h"

#include <filesystem>

#include "fluids/PropertyDialog.h"
#include "fluids/TBen_Daba_Dlg.h"
#include "fluids/TBen_Daba_Dlg2.h"
#include "fluids/TIAPWSDlg.h"
#include "fluids/TKuehlsolen.h"
#include "fluids/TLuftDialog.h"
#include "fluids/TLuftSattDlg.h"
#include "fluids/TLuft_feuchtDlg.h"
#include "fluids/TMedienDialog.h"
#include "fluids/TSattdampfDialog.h"
#include "fluids/TStoffdaten_berechnenDlg.h"
#include "fluids/TStoffwerteGaseNeu.h"
#include "fluids/TWaermetraegerDlg.h"
#include "fluids/TWaessrigeLsgDlg.h"
#include "fluids/UserDatabase.h"
#include "fluids/UserMedia.h"
#include "install/ProgramFiles.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

PropertyWindows::PropertyWindows(const text::TextStore& texts, QString programFolder, const int* userUnits,
                                 QWidget* owner)
    : QObject(owner), texts_(texts), programFolder_(std::move(programFolder)), userUnits_(userUnits), owner_(owner) {}

PropertyWindows::~PropertyWindows() = default;

void PropertyWindows::Open(Window window, bool us) {
  PropertyDialog*& dialog = windows_[static_cast<int>(window)];
  if (dialog == nullptr) {
    dialog = Make(window);
    connect(dialog, &PropertyDialog::TakeOverRequested, this, &PropertyWindows::TakeOverRequested);
  }
  dialog->Present(us);
  dialog->exec();
}

PropertyDialog* PropertyWindows::Make(Window window) {
  switch (window) {
    case Window::Water: return new TIAPWSDlg(texts_, owner_);
    case Window::SaturatedWater: return new TSattdampfDialog(texts_, owner_);
    case Window::DryAir: return new TLuftDialog(texts_, owner_);
    case Window::HumidAir: return new TLuft_feuchtDlg(texts_, owner_);
    case Window::SaturatedAir: return new TLuftSattDlg(texts_, owner_);
    case Window::Liquids: return new TMedienDialog(texts_, programFolder_, owner_);
    case Window::Gases: return new TStoffwerteGaseNeu(texts_, programFolder_, owner_);
    case Window::Brines: return new TKuehlsolen(texts_, owner_);
    case Window::Oils: return new TWaermetraegerDlg(texts_, programFolder_, owner_);
    case Window::AqueousSolutions: return new TWaessrigeLsgDlg(texts_, programFolder_, owner_);
    case Window::Estimate: return new TStoffdaten_berechnenDlg(texts_, programFolder_, owner_);
    case Window::UserMediaChoice: return new TBen_Daba_Dlg2(texts_, UserMediaStore(), userUnits_, owner_);
    case Window::UserMediaEdit: return new TBen_Daba_Dlg(texts_, UserMediaStore(), userUnits_, owner_);
    case Window::kCount: break;
  }
  return nullptr;
}

UserMedia* PropertyWindows::UserMediaStore() {
  if (userMedia_) return userMedia_.get();
  if (!userMediaFolder_.isEmpty()) {
    const std::filesystem::path file = std::filesystem::path(ToStdString(userMediaFolder_)) / fluids::kUserFileName;
    userMedia_ = std::make_unique<UserMedia>(file, file);
  } else {
    const install::ProgramFolders folders = install::Folders(ToStdString(programFolder_));
    userMedia_ = std::make_unique<UserMedia>(install::ReadPath(folders, fluids::kUserFileName),
                                             install::WritePath(folders, fluids::kUserFileName));
  }
  return userMedia_.get();
}

}  // namespace velmora::gui
