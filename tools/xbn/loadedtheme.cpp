#include "loadedtheme.h"

#include "platform/messagebox.h"
#include "skin/themeloader.h"
#include "toolerror.h"

#include <QFileInfo>

namespace xbn {
namespace {

// Holds back the loader's message while it is installed, so that it can be shown after
// what the load did bring.
class FailureCatch {
public:
    FailureCatch()
    {
        m_previous = platform::setMessageSink(
            [this](const platform::Message& message) { m_failure = message; });
    }
    ~FailureCatch() { platform::setMessageSink(std::move(m_previous)); }
    FailureCatch(const FailureCatch&) = delete;
    FailureCatch& operator=(const FailureCatch&) = delete;

    const std::optional<platform::Message>& failure() const { return m_failure; }

private:
    platform::MessageSink m_previous;
    std::optional<platform::Message> m_failure;
};

} // namespace

LoadedTheme loadThemeUpToFailure(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw ToolError(QStringLiteral("%1: no such file").arg(path));
    LoadedTheme theme;
    {
        FailureCatch caught;
        basGeneral::LoadThemeFile(path, theme.pictures);
        theme.failure = caught.failure();
    }
    // A failure after the list grew leaves one empty element at its end.
    if (theme.pictures.size() > 1 && !theme.pictures.back())
        theme.pictures.pop_back();
    for (std::size_t k = 0; k < theme.pictures.size(); ++k) {
        theme.cornerWidths.push_back(basGeneral::CornerWidth[k]);
        theme.cornerHeights.push_back(basGeneral::CornerHeight[k]);
    }
    return theme;
}

void requireWholeTheme(const LoadedTheme& theme, const QString& path)
{
    if (theme.failure) {
        platform::showMessage(*theme.failure);
        throw ToolError(QString(), ToolError::Kind::AlreadyReported);
    }
    if (theme.imageCount() < 1)
        throw ToolError(QStringLiteral("%1: holds no images").arg(path));
}

LoadedTheme loadTheme(const QString& path)
{
    LoadedTheme theme = loadThemeUpToFailure(path);
    requireWholeTheme(theme, path);
    return theme;
}

} // namespace xbn
