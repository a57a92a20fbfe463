#pragma once

#include <QImage>
#include <QSize>

// A picture drawn for a screen's device pixel ratio: as many pixels as its logical size
// times the ratio (a partly covered pixel counts), carrying the ratio, so that a painter
// on it works in logical pixels and type and curves come out at the screen's resolution.
namespace artwork {

QImage canvas(QSize logical, QImage::Format format, qreal ratio);

} // namespace artwork
