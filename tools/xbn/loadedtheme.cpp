#include "loadedtheme.h"

#include "platform/messagebox.h"
#include "skin/themeloader.h"
#include "toolerror.h"

#include <QFileInfo>

namespace xbn {
namespace {

// Passes the loader's messages on to the installed sink and notes that one came.
class FailureWatch {
public:
    FailureWatch()
    {
        m_previous = platform::setMessageSink({});
        platform::setMessageSink([this](const platform::Message& message) {
            m_failed = true;
            if (m_previous)
                m_previous(message);
            else
                platform::writeMessageToStandardError(message);
        });
    }
    ~FailureWatch() { platform::setMessageSink(std::move(m_previous)); }
    FailureWatch(const FailureWatch&) = delete;
    FailureWatch& operator=(const FailureWatch&) = delete;

    bool failed() const { return m_failed; }

private:
    platform::MessageSink m_previous;
    bool m_failed = false;
};

} // namespace

LoadedTheme loadTheme(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw ToolError(QStringLiteral("%1: no such file").arg(path));
    LoadedTheme theme;
    {
        FailureWatch watch;
        basGeneral::LoadThemeFile(path, theme.pictures);
        if (watch.failed())
            throw ToolError(QString(), ToolError::Kind::AlreadyReported);
    }
    if (theme.imageCount() < 1)
        throw ToolError(QStringLiteral("%1: holds no images").arg(path));
    for (std::size_t k = 0; k < theme.pictures.size(); ++k) {
        theme.cornerWidths.push_back(basGeneral::CornerWidth[k]);
        theme.cornerHeights.push_back(basGeneral::CornerHeight[k]);
    }
    return theme;
}

} // namespace xbn
