#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

#include "text/Message.h"

class QWidget;

namespace velmora::gui {

using text::MessageAnswer;
using text::MessageButtons;

// Every message box of the program goes through here. It shows the message modally, then moves
// the focus to the control named by message.focus (searched among the parent's children).
MessageAnswer ShowMessage(QWidget* parent, const text::Message& message, MessageButtons buttons = MessageButtons::Ok,
                          MessageAnswer defaultAnswer = MessageAnswer::Ok);

// Shows the messages one after another; the focus ends on the last message's control.
void ShowMessages(QWidget* parent, const text::Messages& messages);

// Tests replace the modal box with a function that records the message and answers it.
using MessageInterceptor = std::function<MessageAnswer(const text::Message&, MessageButtons)>;
void SetMessageInterceptor(MessageInterceptor interceptor);

QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);

}  // namespace velmora::gui
