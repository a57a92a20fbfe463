#pragma once

#include <QBackingStore>
#include <QImage>
#include <QWidget>
#include <qpa/qplatformbackingstore.h>

// What a widget shows on the screen, in device pixels: its part of the pixels its window
// last handed to the window system, rather than a fresh drawing of it.
inline QImage pixelsOnScreen(const QWidget& widget)
{
    const QWidget* window = widget.window();
    const QImage shown = window->backingStore()->handle()->toImage();
    const qreal ratio = window->devicePixelRatioF();
    const QRect logical(widget.mapTo(window, QPoint()), widget.size());
    const QRect device((QPointF(logical.topLeft()) * ratio).toPoint(),
                       (QSizeF(logical.size()) * ratio).toSize());
    return shown.copy(device).convertToFormat(QImage::Format_RGB32);
}
