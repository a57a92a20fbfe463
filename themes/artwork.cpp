#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace themeart {
namespace {

const QColor kKey(255, 0, 255);

QColor shaded(QColor colour, Face face)
{
    switch (face) {
    case Face::Hover: return colour.lighter(118);
    case Face::Pressed: return colour.darker(125);
    case Face::Normal: break;
    }
    return colour;
}

QImage canvas(QSize size, QColor fill)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QLinearGradient verticalGradient(QRectF area, QColor top, QColor bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

} // namespace

QImage roundedFace(QColor colour, Face face, QSize size, int radius)
{
    QImage image = canvas(size, kKey);
    const QColor body = shaded(colour, face);
    const QRectF area = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top = body.lighter(140);
    QColor bottom = body.darker(130);
    if (face == Face::Pressed)
        std::swap(top, bottom);
    // Without smoothing, the corners hold only face colours and exact magenta.
    QPainter painter(&image);
    painter.setPen(QPen(body.darker(180), 1));
    painter.setBrush(verticalGradient(area, top, bottom));
    painter.drawRoundedRect(area, radius, radius);
    return image;
}

QImage flatFace(QColor colour, Face face, QSize size)
{
    const QColor body = shaded(colour, face);
    QImage image = canvas(size, body);
    QPainter painter(&image);
    painter.setPen(body.darker(face == Face::Pressed ? 200 : 150));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    if (face == Face::Hover)
        painter.drawRect(image.rect().adjusted(1, 1, -2, -2));
    return image;
}

QImage bevelFace(QColor colour, Face face, QSize size)
{
    const QColor body = face == Face::Hover ? colour.lighter(110) : colour;
    QImage image = canvas(size, body);
    const QColor light(240, 240, 240);
    const QColor shadow = colour.darker(160);
    const QColor rim(32, 32, 32);
    const bool sunken = face == Face::Pressed;
    QPainter painter(&image);
    const QRect r = image.rect().adjusted(0, 0, -1, -1);
    const auto bevel = [&](QRect edge, QColor topLeft, QColor bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(edge.topLeft(), edge.topRight());
        painter.drawLine(edge.topLeft(), edge.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(edge.bottomLeft(), edge.bottomRight());
        painter.drawLine(edge.topRight(), edge.bottomRight());
    };
    bevel(r, sunken ? rim : light, sunken ? light : rim);
    bevel(r.adjusted(1, 1, -1, -1), sunken ? shadow : body.lighter(130), sunken ? body : shadow);
    painter.end();

    QList<QRgb> table;
    for (const QColor& c : {light, shadow, rim, body, body.lighter(130)})
        table += c.rgb();
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

QImage glassFace(QColor colour, Face face, QSize size, int radius)
{
    QImage image = canvas(size, kKey);
    const QColor body = shaded(colour, face);
    const QRectF area = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainter painter(&image);
    painter.setPen(QPen(body.darker(220), 1));
    painter.setBrush(
        verticalGradient(area, body.darker(face == Face::Pressed ? 140 : 110), body.lighter(150)));
    painter.drawRoundedRect(area, radius, radius);
    const QRectF gloss = area.adjusted(2, 2, -2, -area.height() / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(gloss, body.lighter(face == Face::Pressed ? 125 : 175),
                                      body.lighter(115)));
    painter.drawRoundedRect(gloss, radius - 2, radius - 2);
    return image;
}

} // namespace themeart
