#pragma once

#include <string>
#include <vector>

namespace velmora::text {

enum class MessageIcon { None, Error, Exclamation, Question, Information };

// One message box the program shows: its text, caption, icon and the control that gets the focus
// afterwards (the control's objectName; empty when the focus stays).
struct Message {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::None;
  std::string focus;

  bool operator==(const Message&) const = default;
};

using Messages = std::vector<Message>;

}  // namespace velmora::text
