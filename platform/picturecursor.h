#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>

namespace platform {

// A mouse pointer made from a picture, with its hot spot in the picture's logical pixels
// (a picture drawn for a device pixel ratio carries that ratio).
QCursor cursorFromPicture(const QImage& picture, QPoint hotSpot);

} // namespace platform
