#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <array>

// The pictures the program is supplied with, and the main window's form file: generated
// at build time by the code in this folder and compiled into the program as Qt resources.
namespace artwork {

// A plain bitmap, kept uncompressed, so that start-up copies it rather than decodes it.
inline constexpr char kBackgroundFile[] = "background.bmp";
inline constexpr char kAboutCardFile[] = "aboutcard.png";
inline constexpr char kHandCursorFile[] = "handcursor.png";
// The main window's form file: its buttons' and marquee's stored sets.
inline constexpr char kForm1File[] = "form1.vform";

// The link pointer's hot spot: the tip of the hand's index finger.
inline constexpr QPoint kHandCursorHotSpot{12, 1};

// The desktop's icon sizes, and the window's own among them.
inline constexpr std::array<int, 8> kIconSizes{16, 20, 24, 32, 48, 64, 128, 256};
inline constexpr std::array<int, 3> kWindowIconSizes{16, 20, 24};

// The file of an IC group's picture (group 1 to 4).
inline QString icPictureFile(int group)
{
    return QStringLiteral("ic%1.png").arg(group);
}

inline QString iconFile(int size)
{
    return QStringLiteral("icon-%1.png").arg(size);
}

// The device pixel ratios above 1 that the code-drawn pictures are also supplied for.
inline constexpr std::array<qreal, 2> kDrawnRatios{1.5, 2.0};

// A picture's file at a device pixel ratio: "ic1@1.5x.png" for "ic1.png" at 1.5; the file
// itself at ratio 1. These are always compressed PNG files ("background@2x.png"): only the
// pictures of the common ratio are kept as plain bitmaps for a quick start.
inline QString ratioFile(const QString& file, qreal ratio)
{
    if (ratio == 1.0)
        return file;
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? file : file.left(dot)) + QStringLiteral("@%1x.png").arg(ratio);
}

// A supplied picture by its file name; a null image for a name that is not supplied.
QImage image(const QString& file);

// A supplied picture for a screen of the device pixel ratio: the one drawn for the nearest
// ratio not below it (the largest for a larger screen), carrying the ratio it was drawn
// for, so that it takes the same logical room at any ratio.
QImage image(const QString& file, qreal ratio);

// A supplied file's bytes; empty for a name that is not supplied.
QByteArray contents(const QString& file);

} // namespace artwork
