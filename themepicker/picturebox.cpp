#include "themepicker/picturebox.h"

#include "platform/units.h"

#include <QPainter>

namespace themepicker {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setTwipsGeometry(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    const QSize pixels(platform::pixelsFromTwips(width), platform::pixelsFromTwips(height));
    setGeometry(platform::pixelsFromTwips(left), platform::pixelsFromTwips(top), pixels.width(),
                pixels.height());
    m_surface.setSize(pixels);
    update();
}

void PictureBox::setBackColour(platform::ColourValue colour)
{
    m_surface.setBackColour(colour);
    QPalette shades = palette();
    shades.setColor(QPalette::Window, platform::resolveColour(colour));
    setPalette(shades);
}

void PictureBox::setPicture(platform::PicturePtr picture)
{
    m_surface.setPicture(std::move(picture));
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), platform::resolveColour(backColour()));
    painter.drawImage(0, 0, m_surface.image());
}

} // namespace themepicker
