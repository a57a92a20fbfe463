#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// Handset drawings shared by the forum banner, the about card and the icon.
namespace artwork {

// A bar phone filling the rectangle: screen above, navigation key, 3 × 4 keypad below.
void drawCandybarPhone(QPainter& painter, const QRectF& body, const QColor& shell);

// A slider phone opened: the screen slab pushed up over the keypad slab.
void drawSliderPhone(QPainter& painter, const QRectF& body, const QColor& shell);

// The camera lens of drawSliderPhone's keypad slab, for artwork that marks it.
QRectF sliderPhoneLens(const QRectF& body);

} // namespace artwork
