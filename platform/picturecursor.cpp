#include "platform/picturecursor.h"

#include <QPixmap>

namespace platform {

QCursor cursorFromPicture(const QImage& picture, QPoint hotSpot)
{
    return QCursor(QPixmap::fromImage(picture), hotSpot.x(), hotSpot.y());
}

} // namespace platform
