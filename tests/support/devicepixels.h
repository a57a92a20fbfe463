#pragma once

#include <QImage>
#include <QRect>
#include <QSet>

// Looking at pictures drawn for a screen with more device pixels than logical ones.

// Whether some aligned block of block × block pixels inside the area holds more than one
// colour: detail finer than a logical pixel enlarged by the block's side.
inline bool hasDetailFinerThanBlocks(const QImage& image, int block, QRect area = {})
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (area.isNull())
        area = rgb.rect();
    for (int top = area.top(); top + block <= area.bottom() + 1; top += block)
        for (int left = area.left(); left + block <= area.right() + 1; left += block)
            for (int y = top; y < top + block; ++y)
                for (int x = left; x < left + block; ++x)
                    if (rgb.pixel(x, y) != rgb.pixel(left, top))
                        return true;
    return false;
}

inline QSet<QRgb> coloursOf(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(rgb.pixel(x, y));
    return colours;
}
