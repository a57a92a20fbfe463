// Drawing a button's face: the state picture (or a plain bevel), then picture and caption.
#include "button/captionlabel.h"
#include "button/ctlbutton.h"
#include "button/facelayout.h"
#include "platform/units.h"
#include "skin/busyguard.h"

#include <exception>

namespace {

constexpr platform::ColourValue kBevelDark = 0x808080;
constexpr platform::ColourValue kBevelLight = 0xE0E0E0;
constexpr platform::ColourValue kDisabledText = 0x888888;
constexpr double kOnePixel = platform::kTwipsPerPixel;

// The label font's name, size and bold flag, the size in the unit the font was given in.
QFont faceFont(const QFont& labelFont)
{
    QFont font(labelFont.family());
    if (labelFont.pixelSize() > 0)
        font.setPixelSize(labelFont.pixelSize());
    else
        font.setPointSizeF(labelFont.pointSizeF());
    font.setBold(labelFont.bold());
    return font;
}

} // namespace

void ctlButton::Draw(bool Down, std::int16_t lngState)
{
    try {
        basGeneral::WaitWhileBusy(2, false, QStringLiteral("Draw"));
        {
            // The flag is released on every way out, so that a face that fails to draw
            // does not make every later guarded entry wait its full time.
            basGeneral::BusyScope busy(basGeneral::SubBusy);
            drawStateFace(Down, lngState);
        }
        if (!m.ToolbarMode)
            ComposeFace(Down);
    } catch (const std::exception&) {
        // A face that cannot be drawn stays as far as it got until the next Draw.
    }
    update();
}

void ctlButton::drawStateFace(bool Down, std::int16_t lngState)
{
    m_surface.setDevicePixelRatio(devicePixelRatioF());
    m_surface.setSize(size());
    if (!m.PicState1) {
        m.FaceState = lngState == 1 || lngState == 2 ? lngState : std::int16_t{0};
        m_surface.clear();
        drawBevel(Down);
        return;
    }
    switch (lngState) {
    case 1:
        m.FaceState = 1;
        m_surface.setPicture(m.PicState2);
        break;
    case 2:
        m.FaceState = 2;
        m_surface.setPicture(m.PicState3);
        break;
    default:
        m.FaceState = 0;
        m_surface.setPicture(m.PicState1);
        break;
    }
}

// A one-pixel raised bevel, sunken when pressed.
void ctlButton::drawBevel(bool Down)
{
    const double W = widthTwips(), H = heightTwips();
    m_surface.setForeColour(Down ? kBevelDark : kBevelLight);
    m_surface.line({0, 0}, {W, 0});
    m_surface.line({0, 0}, {0, H});
    m_surface.setForeColour(Down ? kBevelLight : kBevelDark);
    m_surface.line({W - kOnePixel, 0}, {W - kOnePixel, H});
    m_surface.line({0, H - kOnePixel}, {W, H - kOnePixel});
}

void ctlButton::ComposeFace(bool Down)
{
    const platform::Picture& picture = *m.ButtonPicture;
    double picW = 0, picH = 0;
    const QImage* bitmap = nullptr;
    m.HasPicture = !picture.isEmpty();
    if (m.HasPicture) {
        // Only a bitmap has pixels to copy; another kind of picture keeps its room.
        if (picture.type() == platform::PictureType::Bitmap && !picture.image().isNull())
            bitmap = &picture.image();
        picW = platform::twipsFromHimetric(picture.himetricWidth());
        picH = platform::twipsFromHimetric(picture.himetricHeight());
    }

    m_surface.setForeColour(Enabled() ? demo_caption->foreColour() : kDisabledText);
    m_surface.setBackColour(demo_caption->backColour());
    m_surface.setFont(faceFont(demo_caption->font()));

    if (m.HasPicture)
        growToPicture(picW, picH);

    const button::FaceInput input{widthTwips(), heightTwips(),        m.HasPicture, picW,
                                  picH,         demo_caption->text(), Down};
    const button::FaceLayout layout = button::layoutFace(
        input, [this](const QString& text) { return QSizeF(demo_caption->extentTwips(text)); });
    if (bitmap)
        m_surface.copyKeyed(*bitmap, layout.pictureSize, layout.pictureAt, bitmap->pixel(0, 0));
    m_surface.setCurrentPosition(layout.captionAt);
    m_surface.print(layout.shownCaption);
    m_shownCaption = layout.shownCaption;
}

// The button grows to its picture's size plus a margin, height first; each change runs
// the resize handling at once, even while the button is hidden.
void ctlButton::growToPicture(double pictureWidth, double pictureHeight)
{
    const auto resizeAtOnce = [this](QSize pixels) {
        const QSize old = size();
        resize(pixels);
        if (size() != old)
            handlePendingResize(old);
        update();
    };
    if (heightTwips() < pictureHeight + button::kPictureMargin)
        resizeAtOnce({width(), platform::pixelsFromTwips(pictureHeight + button::kPictureMargin)});
    if (widthTwips() < pictureWidth + button::kPictureMargin)
        resizeAtOnce({platform::pixelsFromTwips(pictureWidth + button::kPictureMargin), height()});
    m_surface.setSize(size());
}
