#include "arguments.h"
#include "commands.h"
#include "files.h"
#include "loadedtheme.h"
#include "platform/bitmapfile.h"
#include "skin/themeloader.h"
#include "themepack.h"
#include "toolerror.h"

#include <QTemporaryFile>
#include <QtEndian>

namespace xbn {
namespace {

struct PackRequest {
    QString output;
    Size defaultCorner{5, 5};
    bool keepDepth = false;
    std::vector<ImageArgument> images;
};

PackRequest parsePackArguments(const QStringList& arguments)
{
    PackRequest request;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--corner")) {
            if (++i == arguments.size())
                throw ToolError(QStringLiteral("--corner needs WxH"),
                                ToolError::Kind::BadArguments);
            request.defaultCorner = parseSize(arguments[i], 255, QStringLiteral("corner"));
        } else if (argument == QLatin1String("--keep-depth")) {
            request.keepDepth = true;
        } else if (request.output.isEmpty()) {
            request.output = argument;
        } else {
            request.images.push_back(parseImageArgument(argument));
        }
    }
    if (request.images.empty())
        throw ToolError(QStringLiteral("pack needs OUT.xbn and at least one IMAGE"),
                        ToolError::Kind::BadArguments);
    if (request.images.size() > static_cast<std::size_t>(basGeneral::kMaxThemeImages))
        throw ToolError(
            QStringLiteral("a theme file holds at most %1 images").arg(basGeneral::kMaxThemeImages),
            ToolError::Kind::BadArguments);
    return request;
}

// The bitmap file of a bitmap input up to its declared size.
QByteArray bitmapAsGiven(const QByteArray& bytes)
{
    const auto declared = qFromLittleEndian<std::uint32_t>(bytes.constData() + 2);
    return declared == 0 ? bytes : bytes.left(declared);
}

PackedImage packedImage(const ImageArgument& argument, const PackRequest& request)
{
    const Size corner = argument.corner.value_or(request.defaultCorner);
    if (corner.height < 1)
        throw ToolError(
            QStringLiteral(
                "%1: a corner height of 0 cannot be stored; the loader would pass the image by")
                .arg(argument.path),
            ToolError::Kind::BadArguments);
    const QByteArray bytes = readInputFile(argument.path);
    const platform::PicturePtr picture = readImage(bytes, argument.path);
    const bool asGiven = request.keepDepth && bytes.startsWith("BM");
    return {asGiven ? bitmapAsGiven(bytes) : platform::bitmapFileBytes(*picture), corner.width,
            corner.height};
}

// Reads the packed bytes back as the program will and checks that every image comes
// back with its corners: a record-like run of bytes inside a bitmap could mislead the scan.
void checkReadsBack(const QByteArray& theme, const std::vector<PackedImage>& images,
                    const QString& output)
{
    QTemporaryFile file;
    if (!file.open() || file.write(theme) != theme.size() || !file.flush())
        throw ToolError(QStringLiteral("cannot write a temporary file to check %1").arg(output));
    const QString failure =
        QStringLiteral("%1: the packed images would not read back as given").arg(output);
    LoadedTheme loaded;
    try {
        loaded = loadTheme(file.fileName());
    } catch (const ToolError&) {
        throw ToolError(failure);
    }
    bool same = loaded.imageCount() == static_cast<int>(images.size());
    for (std::size_t k = 1; same && k <= images.size(); ++k) {
        same = loaded.cornerWidths[k] == images[k - 1].cornerWidth &&
               loaded.cornerHeights[k] == images[k - 1].cornerHeight;
    }
    if (!same)
        throw ToolError(failure);
}

} // namespace

void packCommand(const QStringList& arguments, QTextStream& out)
{
    const PackRequest request = parsePackArguments(arguments);
    std::vector<PackedImage> images;
    QStringList inputs;
    for (const ImageArgument& argument : request.images) {
        images.push_back(packedImage(argument, request));
        inputs += argument.path;
    }
    const QByteArray theme = themeFileBytes(images);
    checkReadsBack(theme, images, request.output);
    writeOutputFile(request.output, theme, inputs);
    out << request.output << ": " << images.size() << " images\n";
}

} // namespace xbn
