#pragma once

#include <filesystem>

#include "fluids/UserDatabase.h"
#include "text/TextStore.h"

class QWidget;

namespace velmora::gui {

// The user-defined media both user-database dialogs work on: the list read from USER.DAT once, on
// first use, and saved back on request. A file that was damaged when it was read is only replaced
// after the user agreed to it.
class UserMedia {
 public:
  // `read` is the file loaded, `write` the one saved (the same unless the program folder's copy
  // is read and the user's folder written).
  UserMedia(std::filesystem::path read, std::filesystem::path write)
      : read_(std::move(read)), write_(std::move(write)) {}

  // Reads the file the first time (its messages shown over `parent`); later calls do nothing.
  void LoadOnce(QWidget* parent, const text::TextStore& texts);
  // Reads the file again, discarding the list.
  void Reload(QWidget* parent, const text::TextStore& texts);
  // Writes the list; false when the user declined or the save failed (its message shown).
  bool Save(QWidget* parent, const text::TextStore& texts);

  fluids::UserDatabase& Database() { return database_; }
  const std::filesystem::path& WritePath() const { return write_; }

 private:
  std::filesystem::path read_;
  std::filesystem::path write_;
  fluids::UserDatabase database_;
  bool loaded_ = false;
  bool damaged_ = false;
};

}  // namespace velmora::gui
