#pragma once

#include "platform/colour.h"
#include "platform/drawingsurface.h"
#include "platform/picture.h"

#include <QWidget>

namespace themepicker {

// A picture box placed in twips: it shows its persistent image, which is its background
// colour with its picture at the top-left corner plus whatever is drawn on it.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Left, top, width and height in twips; each converts to pixels on its own.
    void setTwipsGeometry(int left, int top, int width, int height);
    void moveTwips(int left, int top) { setTwipsGeometry(left, top, m_width, m_height); }
    void resizeTwips(int width, int height) { setTwipsGeometry(m_left, m_top, width, height); }
    int leftTwips() const { return m_left; }
    int topTwips() const { return m_top; }
    int widthTwips() const { return m_width; }
    int heightTwips() const { return m_height; }

    void setBackColour(platform::ColourValue colour);
    platform::ColourValue backColour() const { return m_surface.backColour(); }

    // Resets the image to the background colour with the picture (shared) on it.
    void setPicture(platform::PicturePtr picture);
    const platform::PicturePtr& picture() const { return m_surface.picture(); }

    platform::DrawingSurface& surface() { return m_surface; }
    const QImage& image() const { return m_surface.image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    platform::DrawingSurface m_surface;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
};

} // namespace themepicker
