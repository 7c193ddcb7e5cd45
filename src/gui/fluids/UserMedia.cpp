#include "fluids/UserMedia.h"

#include "fluids/UserDatabaseDialog.h"
#include "toolkit/MessageBoxes.h"

namespace velmora::gui {

void UserMedia::LoadOnce(QWidget* parent, const text::TextStore& texts) {
  if (!loaded_) Reload(parent, texts);
}

void UserMedia::Reload(QWidget* parent, const text::TextStore& texts) {
  loaded_ = true;
  const fluids::UserFileRead read = fluids::ReadUserFile(read_);
  damaged_ = read.Damaged();
  database_.Replace(read.records);
  if (const std::optional<text::Message> message = fluids::UserLoadMessage(texts, read, read_)) {
    ShowMessage(parent, *message);
  }
}

bool UserMedia::Save(QWidget* parent, const text::TextStore& texts) {
  if (damaged_ && read_ == write_ &&
      ShowMessage(parent, fluids::UserOverwriteQuestion(texts, write_), MessageButtons::YesNo, MessageAnswer::No) !=
          MessageAnswer::Yes) {
    return false;
  }
  const fluids::UserFileWrite written = fluids::WriteUserFile(write_, database_.Records());
  if (written != fluids::UserFileWrite::Written) {
    ShowMessage(parent, fluids::UserSaveFailure(texts, written, write_));
    return false;
  }
  damaged_ = false;
  read_ = write_;
  return true;
}

}  // namespace velmora::gui
