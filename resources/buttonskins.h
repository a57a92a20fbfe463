#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// The skins of the main window's buttons, each stored at its button's own size: set A
// for Exit and About, set B for the two tab-like titles, set C for the close button.
namespace artwork {

inline constexpr QSize kSkinSetASize{81, 33};
inline constexpr QSize kSkinSetBSize{129, 25};
inline constexpr QSize kSkinSetCSize{25, 17};

// What a skin shows outside its round corners: the dark grey of the bars the buttons
// sit on. It is no colour the stretch takes for transparent, so the corners are copied
// as they are.
inline constexpr QRgb kSkinCornerColour = 0xff26262a; // RGB(38, 38, 42)

// The three state pictures of a skin, 24-bit.
struct SkinSet {
    QImage normal;
    QImage hover;
    QImage pressed;
};

// Round-cornered glossy bars in a thin dark-grey frame: light grey over black, glowing
// green (A) or blue (B) under the pointer, darker grey when pressed.
SkinSet drawSkinSetA();
SkinSet drawSkinSetB();
// The red close button: one glossy red face for normal and hover, a dark face in a red
// frame when pressed. The background paints its close glyph with the same face.
SkinSet drawSkinSetC();

} // namespace artwork
