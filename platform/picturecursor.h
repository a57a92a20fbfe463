#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>

namespace platform {

// A mouse pointer made from a picture, with its hot spot in the picture's pixels.
QCursor cursorFromPicture(const QImage& picture, QPoint hotSpot);

} // namespace platform
