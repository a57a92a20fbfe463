#pragma once

#include <QColor>
#include <QImage>

// The faces of our own themes, drawn in code so that every build makes the same files.
namespace themeart {

enum class Face { Normal, Hover, Pressed };

// A rounded button with a vertical gradient and a border; the outside of the rounded
// corners is magenta, the key colour that lets the button's background show through.
QImage roundedFace(QColor colour, Face face, QSize size, int radius);

// A flat face with a one-pixel border in a darker shade of its colour.
QImage flatFace(QColor colour, Face face, QSize size);

// A raised (or, pressed, sunken) bevelled face in at most 16 colours, as an indexed image.
QImage bevelFace(QColor colour, Face face, QSize size);

// A glassy face: a dark rim, a gradient body and a bright gloss over its upper half.
QImage glassFace(QColor colour, Face face, QSize size, int radius);

} // namespace themeart
