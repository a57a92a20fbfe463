#include "themepicker/styleface.h"

#include <QMouseEvent>
#include <QPointer>

namespace themepicker {

StyleFace::StyleFace(Face face, int style, QWidget* parent)
    : PictureBox(parent)
    , m_face(face)
    , m_style(style)
{
    // The hover face takes no moves: while it is in front, moves over the style change
    // nothing.
    setMouseTracking(face != Hover);
    setObjectName(QStringLiteral("State%1").arg(int(face)));
}

// A handler may lead to the page, and with it this face, being destroyed while the
// signal is out; nothing of the face is touched after it.
void StyleFace::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressed(m_style, event->button(), event->buttons());
}

void StyleFace::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit released(m_style);
}

void StyleFace::press()
{
    const QPointer<StyleFace> alive(this);
    emit pressed(m_style, Qt::LeftButton, Qt::LeftButton);
    if (alive)
        emit released(m_style);
}

void StyleFace::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (m_face != Hover)
        emit moved(m_style);
}

} // namespace themepicker
