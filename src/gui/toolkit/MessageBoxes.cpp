#include "toolkit/MessageBoxes.h"

#include <QApplication>
#include <QWidget>

namespace velmora::gui {
namespace {

MessageInterceptor& Interceptor() {
  static MessageInterceptor interceptor;
  return interceptor;
}

QMessageBox::Icon IconOf(text::MessageIcon icon) {
  switch (icon) {
    case text::MessageIcon::Error: return QMessageBox::Critical;
    case text::MessageIcon::Exclamation: return QMessageBox::Warning;
    case text::MessageIcon::Question: return QMessageBox::Question;
    case text::MessageIcon::Information: return QMessageBox::Information;
    case text::MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ButtonOf(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    case MessageAnswer::Cancel: return QMessageBox::Cancel;
    case MessageAnswer::Ok: break;
  }
  return QMessageBox::Ok;
}

MessageAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
  }
}

void FocusNamed(QWidget* parent, const std::string& name) {
  if (parent == nullptr || name.empty()) return;
  if (auto* target = parent->findChild<QWidget*>(QString::fromStdString(name))) target->setFocus(Qt::OtherFocusReason);
}

}  // namespace

QString ToQString(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
std::string ToStdString(const QString& text) { return text.toUtf8().toStdString(); }

void SetMessageInterceptor(MessageInterceptor interceptor) { Interceptor() = std::move(interceptor); }

MessageAnswer ShowMessage(QWidget* parent, const text::Message& message, MessageButtons buttons,
                          MessageAnswer defaultAnswer) {
  MessageAnswer answer = MessageAnswer::Ok;
  if (Interceptor()) {
    answer = Interceptor()(message, buttons);
  } else {
    QMessageBox box(IconOf(message.icon), ToQString(message.caption), ToQString(message.text), QMessageBox::NoButton,
                    parent);
    switch (buttons) {
      case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
      case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
      case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(ButtonOf(defaultAnswer));
    answer = AnswerOf(box.exec());
  }
  FocusNamed(parent, message.focus);
  return answer;
}

void ShowMessages(QWidget* parent, const text::Messages& messages) {
  for (const text::Message& message : messages) ShowMessage(parent, message);
}

}  // namespace velmora::gui
