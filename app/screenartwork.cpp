#include "app/screenartwork.h"

#include "resources/artwork.h"

namespace app {

ScreenArtwork::ScreenArtwork(QString file)
    : m_file(std::move(file))
{
}

const QImage& ScreenArtwork::forRatio(qreal ratio)
{
    if (ratio != m_ratio) {
        m_image = artwork::image(m_file, ratio);
        m_ratio = ratio;
    }
    return m_image;
}

} // namespace app
