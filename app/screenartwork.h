#pragma once

#include <QImage>
#include <QString>

namespace app {

// A supplied picture as a widget paints it: drawn for the device pixel ratio of the screen
// it is shown on, and fetched again only when that ratio changes.
class ScreenArtwork {
public:
    explicit ScreenArtwork(QString file);

    const QImage& forRatio(qreal ratio);

private:
    QString m_file;
    qreal m_ratio = 0;
    QImage m_image;
};

} // namespace app
