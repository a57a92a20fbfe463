#include "app/linkarea.h"

#include "app/linkarea_accessible.h"
#include "platform/picturecursor.h"
#include "resources/artwork.h"

#include <QMouseEvent>

namespace app {

LinkArea::LinkArea(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    installLinkAreaAccessibility();
    setCursor(platform::cursorFromPicture(
        artwork::image(QString::fromLatin1(artwork::kHandCursorFile), devicePixelRatioF()),
        artwork::kHandCursorHotSpot));
}

void LinkArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void LinkArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        emit Click();
}

} // namespace app
