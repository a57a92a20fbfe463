// Feeds arbitrary bytes to the theme loader as a theme file, with the message box off.

#include "platform/eventpump.h"
#include "platform/messagebox.h"
#include "skin/themeloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

QString& themePath()
{
    static QString path;
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    platform::setMessageSink([](const platform::Message&) {});
    platform::setEventPass([] {});
    themePath() = QDir::temp().filePath(
        QStringLiteral("vantrel-fuzz-%1.xbn").arg(QCoreApplication::applicationPid()));
    std::atexit([] { QFile::remove(themePath()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(themePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    std::vector<platform::PicturePtr> list;
    basGeneral::LoadThemeFile(themePath(), list);
    return 0;
}
