#include "platform/urlopener.h"

#include <QDesktopServices>

namespace platform {
namespace {

UrlOpener& currentOpener()
{
    static UrlOpener opener;
    return opener;
}

} // namespace

void openUrl(const QUrl& url)
{
    if (const UrlOpener& opener = currentOpener())
        opener(url);
    else
        QDesktopServices::openUrl(url);
}

UrlOpener setUrlOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(currentOpener());
    currentOpener() = std::move(opener);
    return previous;
}

} // namespace platform
