#include "platform/application.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

QString applicationTitle()
{
    return QStringLiteral("Vantrel");
}

QString applicationFolder()
{
    if (!QCoreApplication::instance())
        return QDir::currentPath();
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

} // namespace platform
