#pragma once

#include "platform/colour.h"
#include "platform/picture.h"
#include "platform/units.h"

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>

namespace platform {

// A control's persistent drawing surface: what is drawn on it stays until the surface is
// cleared or given a new background picture, and the control shows it as it is. Positions
// are in twips; the pixels underneath are the image that skin routines draw on.
//
// On a screen with more device pixels than logical ones the surface also keeps the face as
// the screen shows it: the same pixels enlarged without blending, with the text printed
// at the screen's own resolution, so captions stay sharp while every pixel rule holds in
// logical pixels.
class DrawingSurface {
public:
    // Keeps the content's top-left part; new pixels take the background colour.
    void setSize(QSize pixels);
    QSize size() const { return m_image.size(); }

    // The colour that clearing and a new background picture start from. Changing it does
    // not erase what is drawn.
    void setBackColour(ColourValue colour) { m_backColour = colour; }
    ColourValue backColour() const { return m_backColour; }

    // Resets the whole surface to the background colour with the picture (if any) at its
    // top-left corner. The picture is shared, not copied.
    void setPicture(PicturePtr picture);
    const PicturePtr& picture() const { return m_picture; }

    // Removes everything drawn since the background picture was assigned.
    void clear();

    void setForeColour(ColourValue colour) { m_foreColour = colour; }
    ColourValue foreColour() const { return m_foreColour; }
    void setFont(const QFont& font) { m_font = font; }
    const QFont& font() const { return m_font; }

    // The text position (CurrentX, CurrentY) in twips.
    void setCurrentPosition(QPointF twips) { m_current = twips; }
    QPointF currentPosition() const { return m_current; }

    // A one-pixel line in the drawing colour, from one end to the other, both included.
    void line(QPointF fromTwips, QPointF toTwips);

    // Prints the text with its top-left corner at the text position, in the surface font
    // and drawing colour, on a transparent background.
    void print(const QString& text);

    // Copies a rectangle of the source from its top-left corner to the pixel position,
    // unscaled, leaving out every pixel of the key colour.
    void copyKeyed(const QImage& source, QSize pixels, QPoint to, QRgb key);

    // A new picture of the current content.
    PicturePtr snapshot() const;

    // The screen's device pixels per logical pixel. Changing it redraws the shown face from
    // the logical pixels, text included, until the next print.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return m_ratio; }
    // The face as the screen shows it: the logical image itself at ratio 1, otherwise an
    // image of the device's resolution that carries the ratio.
    const QImage& deviceImage() const { return isEnlarged() ? m_device : m_image; }

    // The pixels themselves, for routines that draw on them directly; the shown face
    // follows such drawing at the next clearing or background picture.
    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }

private:
    void paintBackground();
    bool isEnlarged() const { return m_ratio != 1.0; }
    void enlargeWhole();
    // Draws on the logical pixels and, enlarged, on the shown face: the drawing goes on a
    // transparent layer whose enlargement is laid over the face.
    template <typename Drawing> void drawOnBoth(Drawing draw);

    QImage m_image;
    PicturePtr m_picture;
    ColourValue m_backColour = kButtonFace;
    ColourValue m_foreColour = kButtonText;
    QFont m_font;
    QPointF m_current;
    qreal m_ratio = 1.0;
    QImage m_device;
};

} // namespace platform
