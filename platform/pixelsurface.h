#pragma once

#include "platform/colour.h"

#include <QImage>
#include <optional>

// A memory drawing surface in the manner of the desktop's memory contexts: it may
// hold a bitmap (kept as 32-bit RGB, compatible with the screen) and carries the
// background mode and colour that drawing with it uses.
namespace platform {

enum class BackgroundMode : int { Transparent = 1, Opaque = 2 };

class PixelSurface {
public:
    // A surface with no bitmap selected: every read fails, every write is lost.
    PixelSurface() = default;

    // A surface holding a bitmap's pixels. The bitmap is shared, not copied, until
    // the surface is drawn on.
    explicit PixelSurface(const QImage& bitmap);

    // A new screen-compatible bitmap of the size, black throughout. A zero or
    // negative side, more than 2^26 pixels, or a size that cannot be allocated gives
    // a surface with no bitmap.
    static PixelSurface compatibleWithScreen(int width, int height);

    bool hasBitmap() const { return !m_bitmap.isNull(); }
    const QImage& bitmap() const;
    QImage& bitmap();

    // The colour value at a point, or −1 for a point outside the bitmap or when
    // there is no bitmap.
    ColourValue pixel(int x, int y) const;

    // Writes one pixel; false (and nothing drawn) outside the bitmap.
    bool setPixel(int x, int y, ColourValue colour);

    BackgroundMode backgroundMode() const { return m_backgroundMode; }
    void setBackgroundMode(BackgroundMode mode) { m_backgroundMode = mode; }
    ColourValue backgroundColour() const { return m_backgroundColour; }
    void setBackgroundColour(ColourValue colour) { m_backgroundColour = colour; }

    // Paints the 4-connected area around (x, y) that is bounded by the boundary
    // colour with the surface's brush, which is always the default white one.
    // Returns false without painting when the point is outside the bitmap or already
    // has the boundary colour. A system-colour boundary stands for the desktop
    // palette's colour.
    bool floodFill(int x, int y, ColourValue boundary);

private:
    // Writes the colour that a surface of one colour is still waiting for.
    void applyPendingFill() const;

    // A new bitmap is one colour throughout, and a flood fill over it only changes that
    // colour; the pixels are written once, when they are first needed.
    mutable QImage m_bitmap;
    mutable std::optional<QRgb> m_pendingFill;
    BackgroundMode m_backgroundMode = BackgroundMode::Opaque;
    ColourValue m_backgroundColour = rgbValue(255, 255, 255);
};

} // namespace platform
