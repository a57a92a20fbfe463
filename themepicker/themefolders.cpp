#include "themepicker/themefolders.h"

#include <QDir>
#include <algorithm>

namespace themepicker {

QStringList matchingFiles(const QString& folder, const QString& pattern)
{
    // An empty path would name the working folder.
    if (folder.isEmpty())
        return {};
    QStringList names = QDir(folder).entryList({pattern}, QDir::Files, QDir::Unsorted);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    return names;
}

bool holdsThemeFile(const QString& folder)
{
    return !matchingFiles(folder, kThemeFilePattern).isEmpty();
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
