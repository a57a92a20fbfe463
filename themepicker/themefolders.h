#pragma once

#include <QString>
#include <QStringList>

// Where theme files are looked for, and which files of a folder a pattern names.
namespace themepicker {

// The ordinary, not hidden files of the folder whose names match the wildcard pattern
// without regard to case, in one stable order: by name without regard to case, names
// that differ only in case by their characters. The locale plays no part.
QStringList matchingFiles(const QString& folder, const QString& pattern);

// The names theme files go by.
inline const QString kThemeFilePattern = QStringLiteral("*.xbn");

// Whether the folder holds a file matching kThemeFilePattern.
bool holdsThemeFile(const QString& folder);

// The folder an installation keeps the shipped themes in.
QString installedThemesFolder();

// The program's "themes" folder: "themes" beside the executable when it holds theme files
// (a build tree), otherwise the installed themes folder.
QString programThemesFolder(const QString& programFolder, const QString& installedFolder);

} // namespace themepicker
