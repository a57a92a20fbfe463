#pragma once

#include "button/buttonhost.h"
#include "button/ctlbutton.h"
#include "platform/messagebox.h"
#include "platform/picture.h"
#include "support/messagerecorder.h"

#include <QImage>
#include <QStringList>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

// A test name made of a case's description.
inline std::string caseName(const char* what)
{
    std::string name = what;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

// A host that records what a button reports and answers with fixed ambient values.
class RecordingHost final : public ButtonHost {
public:
    QFont ambientFont(const ctlButton&) const override { return font; }
    QString displayName(const ctlButton&) const override { return name; }
    void propertyChanged(ctlButton&, const QString& propertyName) override
    {
        reported << propertyName;
    }

    QFont font{QStringLiteral("DejaVu Sans"), 11};
    QString name = QStringLiteral("ctlButton1");
    QStringList reported;
};

inline constexpr QRgb kSkinFill = qRgb(200, 30, 30);
inline constexpr QRgb kMagenta = qRgb(255, 0, 255);

// A plain skin of one colour (not a key candidate, so the key is magenta) whose
// bottom-left pixel is magenta: a transparent spot in an unscaled corner.
inline platform::PicturePtr makeSkin(QSize pixels, QRgb fill = kSkinFill)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(fill);
    image.setPixel(0, pixels.height() - 1, kMagenta);
    return platform::makePicture(image);
}

inline platform::PicturePtr makeFilled(QSize pixels, QRgb fill)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(fill);
    return platform::makePicture(image);
}

// Whether any pixel of the image has exactly the colour.
inline bool hasPixel(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & RGB_MASK) == (colour & RGB_MASK))
                return true;
    return false;
}

// A shown button of the given pixel size with a recording host and a pointer that the
// test places.
struct ButtonFixture {
    explicit ButtonFixture(QSize pixels = {100, 30})
    {
        button.setHost(&host);
        button.setPointerQuery([this] { return pointerOverButton ? &button : &elsewhere; });
        button.resize(pixels);
        button.show();
        host.reported.clear();
    }

    RecordingHost host;
    QWidget elsewhere;
    ctlButton button;
    bool pointerOverButton = true;
};
