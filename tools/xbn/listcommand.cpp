#include "commands.h"
#include "loadedtheme.h"
#include "toolerror.h"

namespace xbn {

void listCommand(const QStringList& arguments, QTextStream& out)
{
    if (arguments.size() != 1)
        throw ToolError(QStringLiteral("list needs THEME"), ToolError::Kind::BadArguments);
    // What loaded before a failure is listed, then the loader's message follows.
    const LoadedTheme theme = loadThemeUpToFailure(arguments[0]);
    for (int k = 1; k <= theme.imageCount(); ++k) {
        const QImage& image = theme.pictures[k]->image();
        out << k << ' ' << image.width() << 'x' << image.height() << " corner "
            << theme.cornerWidths[k] << 'x' << theme.cornerHeights[k] << '\n';
    }
    out.flush();
    requireWholeTheme(theme, arguments[0]);
}

} // namespace xbn
