#pragma once

#include <QString>
#include <functional>

// Modal message boxes. The program shows a real box; the theme tool writes the text
// to standard error; tests record what would have been shown.
namespace platform {

enum class MessageIcon { None, Critical, Warning, Information };

struct Message {
    QString title;
    QString text;
    MessageIcon icon = MessageIcon::None;
};

using MessageSink = std::function<void(const Message&)>;

// Shows the message with only an OK button and returns when it is closed.
void showMessage(const Message& message);

// Installs a replacement and returns the previous one; an empty function restores
// the desktop's message box.
MessageSink setMessageSink(MessageSink sink);

// A sink that writes "title: text" to standard error, for programs without a display.
void writeMessageToStandardError(const Message& message);

} // namespace platform
