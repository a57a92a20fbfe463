#include "arguments.h"
#include "commands.h"
#include "files.h"
#include "loadedtheme.h"
#include "platform/colour.h"
#include "platform/screenmetrics.h"
#include "platform/units.h"
#include "skin/busyguard.h"
#include "skin/stretchskin.h"
#include "toolerror.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace xbn {
namespace {

// Faces larger than this are no button; the limit keeps the stacked picture in memory.
constexpr int kLargestFace = 4096;
constexpr int kFacesPerStyle = 3;

struct RenderRequest {
    QString theme;
    int style = 0;
    Size face;
    QString output;
    QRgb background = 0;
};

RenderRequest parseRenderArguments(const QStringList& arguments)
{
    RenderRequest request;
    request.background = platform::toPixel(platform::kButtonFace);
    QStringList positional;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != QLatin1String("--background")) {
            positional += arguments[i];
        } else if (++i < arguments.size()) {
            request.background = parseColour(arguments[i]);
        } else {
            throw ToolError(QStringLiteral("--background needs RRGGBB"),
                            ToolError::Kind::BadArguments);
        }
    }
    if (positional.size() != 4)
        throw ToolError(QStringLiteral("render needs THEME, STYLE, WxH and OUT.png"),
                        ToolError::Kind::BadArguments);
    request.theme = positional[0];
    request.style = parseCount(positional[1], 332, QStringLiteral("style"));
    request.face = parseSize(positional[2], kLargestFace, QStringLiteral("face size"));
    if (request.face.width < 1 || request.face.height < 1)
        throw ToolError(QStringLiteral("a face must be at least 1x1 pixels"),
                        ToolError::Kind::BadArguments);
    request.output = positional[3];
    return request;
}

// Holds the skin stretch at 15 twips per pixel, the scale the button's sizes assume.
class FixedScale {
public:
    FixedScale() { platform::setTwipsPerPixel(platform::kTwipsPerPixel, platform::kTwipsPerPixel); }
    ~FixedScale() { platform::setTwipsPerPixel(0, 0); }
    FixedScale(const FixedScale&) = delete;
    FixedScale& operator=(const FixedScale&) = delete;
};

// One state picture as the button builds it: its surface in its background colour,
// the skin stretched onto it in smooth mode, key-coloured parts letting the colour show.
QImage buttonFace(const LoadedTheme& theme, int image, const RenderRequest& request)
{
    QImage face(request.face.width, request.face.height, QImage::Format_RGB32);
    face.fill(request.background);
    std::int32_t cornerWidth = theme.cornerWidths[image] * platform::kTwipsPerPixel;
    std::int32_t cornerHeight = theme.cornerHeights[image] * platform::kTwipsPerPixel;
    std::int32_t width = request.face.width * platform::kTwipsPerPixel;
    std::int32_t height = request.face.height * platform::kTwipsPerPixel;
    basGeneral::BusyScope busy(basGeneral::SubBusy);
    basGeneral::StretchSkin(theme.pictures[image], face, cornerWidth, cornerHeight, width, height,
                            true, platform::kButtonFace);
    return face;
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

void renderCommand(const QStringList& arguments, QTextStream& out)
{
    const RenderRequest request = parseRenderArguments(arguments);
    const LoadedTheme theme = loadTheme(request.theme);
    const int first = kFacesPerStyle * request.style + 1;
    if (first + kFacesPerStyle - 1 > theme.imageCount())
        throw ToolError(QStringLiteral("%1 holds %2 images; style %3 needs images %4 to %5")
                            .arg(request.theme)
                            .arg(theme.imageCount())
                            .arg(request.style)
                            .arg(first)
                            .arg(first + kFacesPerStyle - 1));

    const FixedScale scale;
    QImage stacked(request.face.width, request.face.height * kFacesPerStyle, QImage::Format_RGB32);
    {
        QPainter painter(&stacked);
        for (int k = 0; k < kFacesPerStyle; ++k)
            painter.drawImage(0, k * request.face.height, buttonFace(theme, first + k, request));
    }
    writeOutputFile(request.output, pngBytes(stacked), {request.theme});
    out << request.output << ": style " << request.style << ", " << request.face.width << 'x'
        << request.face.height << " faces\n";
}

} // namespace xbn
