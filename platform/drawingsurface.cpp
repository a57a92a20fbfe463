#include "platform/drawingsurface.h"

#include "platform/units.h"

#include <QPainter>
#include <QtMath>

namespace platform {
namespace {

// The device pixels that cover a logical size; a partly covered pixel counts.
QSize deviceSize(QSize logical, qreal ratio)
{
    return QSize(qCeil(logical.width() * ratio), qCeil(logical.height() * ratio));
}

// Every logical pixel becomes a block of device pixels of its own colour: no blending, so
// bitmaps keep their hard edges and one-pixel details stay square.
QImage enlarged(const QImage& image, qreal ratio)
{
    QImage device = image.scaled(deviceSize(image.size(), ratio), Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
    device.setDevicePixelRatio(ratio);
    return device;
}

void printText(QImage& target, const QFont& font, const QColor& colour, QPoint topLeft,
               const QString& text)
{
    QPainter painter(&target);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), text);
}

void copyKeyedPixels(QImage& target, const QImage& rgb, QSize pixels, QPoint to, QRgb key)
{
    const QRect from = QRect(QPoint(0, 0), pixels).intersected(rgb.rect());
    for (int y = from.top(); y <= from.bottom(); ++y) {
        for (int x = from.left(); x <= from.right(); ++x) {
            const QRgb pixel = rgb.pixel(x, y);
            const QPoint at = to + QPoint(x, y);
            if ((pixel & RGB_MASK) != (key & RGB_MASK) && target.rect().contains(at))
                target.setPixel(at, pixel);
        }
    }
}

} // namespace

void DrawingSurface::setSize(QSize pixels)
{
    pixels = pixels.expandedTo(QSize(0, 0));
    if (pixels == m_image.size())
        return;
    QImage resized(pixels, QImage::Format_RGB32);
    resized.fill(toPixel(m_backColour));
    if (!m_image.isNull() && !resized.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, m_image);
    }
    m_image = resized;
    enlargeWhole();
}

void DrawingSurface::setPicture(PicturePtr picture)
{
    m_picture = std::move(picture);
    paintBackground();
}

void DrawingSurface::clear()
{
    paintBackground();
}

void DrawingSurface::paintBackground()
{
    if (m_image.isNull())
        return;
    m_image.fill(toPixel(m_backColour));
    if (m_picture && !m_picture->image().isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, m_picture->image());
    }
    enlargeWhole();
}

void DrawingSurface::setDevicePixelRatio(qreal ratio)
{
    if (ratio <= 0 || ratio == m_ratio)
        return;
    m_ratio = ratio;
    enlargeWhole();
}

void DrawingSurface::enlargeWhole()
{
    m_device = isEnlarged() && !m_image.isNull() ? enlarged(m_image, m_ratio) : QImage();
}

template <typename Drawing> void DrawingSurface::drawOnBoth(Drawing draw)
{
    draw(m_image);
    if (!isEnlarged())
        return;
    QImage layer(m_image.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    draw(layer);
    QPainter painter(&m_device);
    painter.drawImage(0, 0, enlarged(layer, m_ratio));
}

void DrawingSurface::line(QPointF fromTwips, QPointF toTwips)
{
    if (m_image.isNull())
        return;
    const QPoint from(pixelsFromTwips(fromTwips.x()), pixelsFromTwips(fromTwips.y()));
    const QPoint to(pixelsFromTwips(toTwips.x()), pixelsFromTwips(toTwips.y()));
    const QPen pen(resolveColour(m_foreColour), 1);
    drawOnBoth([&](QImage& target) {
        QPainter painter(&target);
        painter.setPen(pen);
        painter.drawLine(from, to);
    });
}

void DrawingSurface::print(const QString& text)
{
    if (m_image.isNull() || text.isEmpty())
        return;
    const QPoint topLeft(pixelsFromTwips(m_current.x()), pixelsFromTwips(m_current.y()));
    const QColor colour = resolveColour(m_foreColour);
    printText(m_image, m_font, colour, topLeft, text);
    if (isEnlarged())
        printText(m_device, m_font, colour, topLeft, text);
}

void DrawingSurface::copyKeyed(const QImage& source, QSize pixels, QPoint to, QRgb key)
{
    if (m_image.isNull() || source.isNull())
        return;
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    drawOnBoth([&](QImage& target) { copyKeyedPixels(target, rgb, pixels, to, key); });
}

PicturePtr DrawingSurface::snapshot() const
{
    return makePicture(m_image.copy());
}

} // namespace platform
