#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace platform {
namespace {

MessageSink& currentSink()
{
    static MessageSink sink;
    return sink;
}

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

void showDesktopMessage(const Message& message)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        writeMessageToStandardError(message);
        return;
    }
    QMessageBox box(toQtIcon(message.icon), message.title, message.text, QMessageBox::Ok);
    box.exec();
}

} // namespace

void showMessage(const Message& message)
{
    if (const MessageSink& sink = currentSink())
        sink(message);
    else
        showDesktopMessage(message);
}

MessageSink setMessageSink(MessageSink sink)
{
    MessageSink previous = std::move(currentSink());
    currentSink() = std::move(sink);
    return previous;
}

void writeMessageToStandardError(const Message& message)
{
    const QByteArray line = (message.title + QStringLiteral(": ") + message.text).toLocal8Bit();
    std::fprintf(stderr, "%s\n", line.constData());
}

} // namespace platform
