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

// A supplied picture by its file name; a null image for a name that is not supplied.
QImage image(const QString& file);

// A supplied file's bytes; empty for a name that is not supplied.
QByteArray contents(const QString& file);

} // namespace artwork
