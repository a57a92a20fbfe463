#pragma once

#include "platform/picture.h"

#include <QColor>
#include <QSize>
#include <array>

// Skins for the gallery, drawn in code: a glossy bar with a thin dark frame and round
// corners, its corners outside the frame in magenta, the colour the stretch leaves out.
namespace gallery {

struct SkinStyle {
    QColor upper; // the upper, glossy half
    QColor lower; // the lower half
    QColor frame;
};

platform::PicturePtr drawSkin(QSize pixels, const SkinStyle& style, int radius);

// Normal, hover and pressed pictures of one style.
using SkinSet = std::array<platform::PicturePtr, 3>;

SkinSet greySet(QSize pixels);     // grey; hover glows green
SkinSet blueGlowSet(QSize pixels); // grey; hover glows blue
SkinSet redSet(QSize pixels);      // red; pressed is dark inside a red frame

// A small picture for a button face: a folder-like shape on a key-coloured ground.
platform::PicturePtr drawIcon(int side);

} // namespace gallery
