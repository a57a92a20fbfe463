#include "commands.h"
#include "files.h"
#include "loadedtheme.h"
#include "platform/bitmapfile.h"
#include "toolerror.h"

#include <QDir>

namespace xbn {

void extractCommand(const QStringList& arguments, QTextStream& out)
{
    if (arguments.size() != 2)
        throw ToolError(QStringLiteral("extract needs THEME and DIR"),
                        ToolError::Kind::BadArguments);
    const QString& themePath = arguments[0];
    const LoadedTheme theme = loadTheme(themePath);
    const QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral(".")))
        throw ToolError(QStringLiteral("%1: cannot make the folder").arg(arguments[1]));
    // Each line names the file with its corner size, as pack takes it back.
    for (int k = 1; k <= theme.imageCount(); ++k) {
        const QString path =
            folder.filePath(QStringLiteral("%1.bmp").arg(k, 4, 10, QLatin1Char('0')));
        writeOutputFile(path, platform::bitmapFileBytes(*theme.pictures[k]), {themePath});
        out << path << '@' << theme.cornerWidths[k] << 'x' << theme.cornerHeights[k] << '\n';
    }
}

} // namespace xbn
