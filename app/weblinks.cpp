#include "app/weblinks.h"

namespace app {
namespace {

QUrl page(const char* host, const char* path)
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(QString::fromUtf8(host));
    url.setPath(QString::fromUtf8(path));
    return url;
}

} // namespace

QUrl forumPage()
{
    return page(VANTREL_FORUM_HOST, "/vb/index.php");
}

QUrl siteHomePage()
{
    return page(VANTREL_SITE_HOST, "/");
}

} // namespace app
