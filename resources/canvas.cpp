#include "resources/canvas.h"

#include <QtMath>

namespace artwork {

QImage canvas(QSize logical, QImage::Format format, qreal ratio)
{
    QImage image(qCeil(logical.width() * ratio), qCeil(logical.height() * ratio), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace artwork
