#include "resources/handcursor.h"

#include "resources/canvas.h"

#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

// The hand's outline, finger tip at the hot spot, as whole-pixel corners.
QPainterPath handOutline()
{
    QPainterPath path;
    path.moveTo(11, 1);
    path.lineTo(13, 1);
    path.lineTo(14, 2);
    path.lineTo(14, 10); // index finger
    path.lineTo(17, 9);
    path.lineTo(18, 10);
    path.lineTo(18, 11); // middle finger
    path.lineTo(21, 10);
    path.lineTo(22, 11);
    path.lineTo(22, 12); // ring finger
    path.lineTo(25, 12);
    path.lineTo(26, 13); // little finger
    path.lineTo(26, 21);
    path.lineTo(24, 25);
    path.lineTo(23, 28);
    path.lineTo(12, 28); // wrist
    path.lineTo(11, 25);
    path.lineTo(6, 19);
    path.lineTo(5, 16);
    path.lineTo(6, 15);
    path.lineTo(8, 15);
    path.lineTo(10, 17); // thumb
    path.lineTo(10, 2);
    path.closeSubpath();
    return path;
}

} // namespace

QImage drawHandCursor(qreal ratio)
{
    QImage cursor = canvas(QSize(kHandCursorSize, kHandCursorSize), QImage::Format_ARGB32, ratio);
    cursor.fill(Qt::transparent);
    QPainter painter(&cursor);
    // No antialiasing: a cursor of a few plain colours stays crisp at any depth.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::white);
    painter.drawPath(handOutline());
    // The finger joints.
    painter.drawLine(14, 13, 14, 17);
    painter.drawLine(18, 13, 18, 17);
    painter.drawLine(22, 14, 22, 17);
    painter.end();
    return cursor;
}

} // namespace artwork
