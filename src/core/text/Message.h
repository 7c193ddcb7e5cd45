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

// Buttons a message box may offer; the answer is one of them.
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

}  // namespace velmora::text
