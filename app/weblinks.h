#pragma once

#include <QUrl>

// The two pages the window's link areas open. Only the paths are fixed; the hosts are
// chosen when the program is built.
namespace app {

// The handset forum's index page, behind the banner.
QUrl forumPage();

// The web site's home page, behind the logo.
QUrl siteHomePage();

} // namespace app
