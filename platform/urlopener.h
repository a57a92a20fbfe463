#pragma once

#include <QUrl>
#include <functional>

// Opens a web address in the user's browser. The result is of no interest to the
// callers; tests install an opener that records the address or fails.
namespace platform {

using UrlOpener = std::function<void(const QUrl&)>;

void openUrl(const QUrl& url);

// Installs a replacement opener and returns the previous one; an empty function
// restores the desktop's own.
UrlOpener setUrlOpener(UrlOpener opener);

} // namespace platform
