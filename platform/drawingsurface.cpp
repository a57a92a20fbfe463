#include "platform/drawingsurface.h"

#include "platform/units.h"

#include <QPainter>

namespace platform {

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
}

void DrawingSurface::line(QPointF fromTwips, QPointF toTwips)
{
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    painter.setPen(QPen(resolveColour(m_foreColour), 1));
    painter.drawLine(QPoint(pixelsFromTwips(fromTwips.x()), pixelsFromTwips(fromTwips.y())),
                     QPoint(pixelsFromTwips(toTwips.x()), pixelsFromTwips(toTwips.y())));
}

void DrawingSurface::print(const QString& text)
{
    if (m_image.isNull() || text.isEmpty())
        return;
    QPainter painter(&m_image);
    painter.setFont(m_font);
    painter.setPen(resolveColour(m_foreColour));
    const QPoint topLeft(pixelsFromTwips(m_current.x()), pixelsFromTwips(m_current.y()));
    painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), text);
}

void DrawingSurface::copyKeyed(const QImage& source, QSize pixels, QPoint to, QRgb key)
{
    if (m_image.isNull() || source.isNull())
        return;
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    const QRect from = QRect(QPoint(0, 0), pixels).intersected(rgb.rect());
    for (int y = from.top(); y <= from.bottom(); ++y) {
        for (int x = from.left(); x <= from.right(); ++x) {
            const QRgb pixel = rgb.pixel(x, y);
            const QPoint target = to + QPoint(x, y);
            if ((pixel & RGB_MASK) != (key & RGB_MASK) && m_image.rect().contains(target))
                m_image.setPixel(target, pixel);
        }
    }
}

PicturePtr DrawingSurface::snapshot() const
{
    return makePicture(m_image.copy());
}

} // namespace platform
