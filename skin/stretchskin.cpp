#include "skin/stretchskin.h"

#include "platform/pixelsurface.h"
#include "platform/runtimeerror.h"
#include "platform/screenmetrics.h"
#include "platform/transparentcopy.h"
#include "platform/units.h"
#include "skin/checkedint32.h"
#include "skin/keycolour.h"
#include "skin/stretchpiece.h"

#include <cmath>

namespace basGeneral {
namespace {

using platform::PixelRect;
using platform::PixelSurface;

constexpr std::int32_t kDefaultWidth = 1000;
constexpr std::int32_t kDefaultHeight = 300;
constexpr std::int32_t kDefaultCorner = 60;
// The middle bands are drawn a third of a pixel longer than they are (at 15 twips
// per pixel), so that rounding never leaves a gap before the far corner.
constexpr std::int32_t kMiddleBandExtra = 5;
// The flood fill that prepares the work surface starts one pixel in from the corner.
constexpr int kFillSeed = 1;

// Pixels of a twip quantity at the given twips per pixel, each quantity rounded on
// its own, an exact half going to the even neighbour.
std::int32_t toPixels(CheckedInt32 twips, int twipsPerPixel)
{
    return static_cast<std::int32_t>(
        platform::roundHalfEven(double(twips.value()) / double(twipsPerPixel)));
}

// The screen's twips per pixel, read once per call.
struct Scale {
    int x;
    int y;
};

// A rectangle in twips: x and width are horizontal, y and height vertical.
struct TwipRect {
    CheckedInt32 x;
    CheckedInt32 y;
    CheckedInt32 width;
    CheckedInt32 height;
};

// Everything the nine pieces are laid out from, in twips, with the corners final.
struct Slicing {
    CheckedInt32 width;
    CheckedInt32 height;
    CheckedInt32 cornerWidth;
    CheckedInt32 cornerHeight;
    CheckedInt32 skinWidth;
    CheckedInt32 skinHeight;
};

class PieceDrawer {
public:
    PieceDrawer(PixelSurface& work, const PixelSurface& source, platform::ColourValue key,
                bool smooth, Scale scale)
        : m_work(work)
        , m_source(source)
        , m_key(key)
        , m_smooth(smooth)
        , m_scale(scale)
    {
    }

    void draw(const TwipRect& target, const TwipRect& source) const
    {
        StretchPiece(m_work, pixels(target), m_source, pixels(source), m_key, m_smooth);
    }

    PixelRect pixels(const TwipRect& r) const
    {
        return {toPixels(r.x, m_scale.x), toPixels(r.y, m_scale.y), toPixels(r.width, m_scale.x),
                toPixels(r.height, m_scale.y)};
    }

private:
    PixelSurface& m_work;
    const PixelSurface& m_source;
    platform::ColourValue m_key;
    bool m_smooth;
    Scale m_scale;
};

// Corners, then edges, then the centre; a later piece overwrites an earlier one where
// a target too small for its corners makes them overlap.
void drawNinePieces(const PieceDrawer& drawer, const Slicing& s)
{
    const CheckedInt32 w = s.width;
    const CheckedInt32 h = s.height;
    const CheckedInt32 cw = s.cornerWidth;
    const CheckedInt32 ch = s.cornerHeight;
    const CheckedInt32 sw = s.skinWidth;
    const CheckedInt32 sh = s.skinHeight;
    drawer.draw({0, 0, cw, ch}, {0, 0, cw, ch});
    drawer.draw({w - cw, 0, cw, ch}, {sw - cw, 0, cw, ch});
    drawer.draw({0, h - ch, cw, ch}, {0, sh - ch, cw, ch});
    drawer.draw({w - cw, h - ch, cw, ch}, {sw - cw, sh - ch, cw, ch});
    drawer.draw({cw, 0, w - 2 * cw + kMiddleBandExtra, ch}, {cw, 0, sw - 2 * cw, ch});
    drawer.draw({cw, h - ch, w - 2 * cw + kMiddleBandExtra, ch}, {cw, sh - ch, sw - 2 * cw, ch});
    drawer.draw({0, ch, cw, h - 2 * ch + kMiddleBandExtra}, {0, ch, cw, sh - 2 * ch});
    drawer.draw({w - cw, ch, cw, h - 2 * ch + kMiddleBandExtra}, {sw - cw, ch, cw, sh - 2 * ch});
    drawer.draw({cw, ch, w - 2 * cw + kMiddleBandExtra, h - 2 * ch + kMiddleBandExtra},
                {cw, ch, sw - 2 * cw, sh - 2 * ch});
}

// Shrinks a corner one twip at a time until the skin's middle band is wider than a
// fifth of the skin: while 5 × (skin − 2 × corner) ≤ skin. Once the first test has
// passed without overflow no later one can overflow, so the loop's end is computed
// at once: the largest corner with 10 × corner < 4 × skin. That keeps an absurd
// corner from costing billions of steps.
std::int32_t reducedCorner(std::int32_t corner, std::int32_t skin)
{
    const CheckedInt32 band = CheckedInt32(skin) - 2 * CheckedInt32(corner);
    if (5 * band > skin)
        return corner;
    const std::int64_t limit = 4 * std::int64_t{skin} - 1;
    // Floor division, since a skin of width 0 ends at −1.
    return static_cast<std::int32_t>(limit >= 0 ? limit / 10 : -((-limit + 9) / 10));
}

// A new work surface the size of the face, white unless the background is black
// (a desktop colour counts by the colour it resolves to): the fill of the fresh,
// black bitmap is bounded by the background colour.
PixelSurface preparedWorkSurface(std::int32_t width, std::int32_t height, Scale scale,
                                 platform::ColourValue background)
{
    PixelSurface work =
        PixelSurface::compatibleWithScreen(toPixels(width, scale.x), toPixels(height, scale.y));
    work.setBackgroundMode(platform::BackgroundMode::Transparent);
    work.setBackgroundColour(background);
    work.floodFill(kFillSeed, kFillSeed, background);
    return work;
}

} // namespace

void StretchSkin(const platform::PicturePtr& skin, QImage& target, std::int32_t& cornerWidth,
                 std::int32_t& cornerHeight, std::int32_t& width, std::int32_t& height, bool smooth,
                 std::int32_t background)
{
    if (!skin)
        throw platform::RuntimeError(platform::kErrObjectNotSet);
    const bool isBitmap = skin->type() == platform::PictureType::Bitmap;
    // A bitmap picture whose pixels cannot be had ends the call without drawing.
    if (isBitmap && skin->image().isNull())
        return;
    const PixelSurface source = isBitmap ? PixelSurface(skin->image()) : PixelSurface();
    const Scale scale{platform::twipsPerPixelX(), platform::twipsPerPixelY()};
    PixelSurface work = preparedWorkSurface(width, height, scale, background);

    const std::int32_t skinWidth = platform::twipsFromHimetric(skin->himetricWidth());
    const std::int32_t skinHeight = platform::twipsFromHimetric(skin->himetricHeight());
    const platform::ColourValue key = GetKeyColor(source);

    // The defaults come after the work surface is made, so it keeps the size passed in.
    if (width <= 0) {
        width = kDefaultWidth;
        height = kDefaultHeight;
    }
    if (cornerWidth <= 0) {
        cornerWidth = kDefaultCorner;
        cornerHeight = kDefaultCorner;
    }
    cornerWidth = reducedCorner(cornerWidth, skinWidth);
    cornerHeight = reducedCorner(cornerHeight, skinHeight);

    const PieceDrawer drawer(work, source, key, smooth, scale);
    drawNinePieces(drawer, {width, height, cornerWidth, cornerHeight, skinWidth, skinHeight});
    const PixelRect face = drawer.pixels({0, 0, width, height});
    platform::transparentCopy(target, face, work.bitmap(), face, key);
}

} // namespace basGeneral
