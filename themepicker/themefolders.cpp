#include "themepicker/themefolders.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>

namespace themepicker {

QStringList matchingFiles(const QString& folder, const QString& pattern)
{
    const QRegularExpression match(QRegularExpression::wildcardToRegularExpression(pattern),
                                   QRegularExpression::CaseInsensitiveOption);
    QStringList names;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return names;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Unsorted)) {
        if (match.match(name).hasMatch())
            names << name;
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    return names;
}

bool holdsThemeFile(const QString& folder)
{
    return !matchingFiles(folder, QStringLiteral("*.xbn")).isEmpty();
}

QString installedThemesFolder()
{
    return QStringLiteral(VANTREL_INSTALLED_THEMES);
}

QString programThemesFolder(const QString& programFolder, const QString& installedFolder)
{
    const QString beside = programFolder + QStringLiteral("/themes");
    return holdsThemeFile(beside) ? beside : installedFolder;
}

} // namespace themepicker
