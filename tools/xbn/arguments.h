#pragma once

#include <QRgb>
#include <QString>
#include <optional>

// The forms of the tool's arguments: sizes "WxH", images "IMAGE[@WxH]" and colours "RRGGBB".
namespace xbn {

struct Size {
    int width = 0;
    int height = 0;
};

// Parses "WxH" of whole numbers from 0 to maximum; raises a bad-arguments error naming what.
Size parseSize(const QString& text, int maximum, const QString& what);

struct ImageArgument {
    QString path;
    std::optional<Size> corner;
};

// "IMAGE@WxH" gives the image its own corner size; a path without a trailing "@WxH"
// is taken whole, so file names holding "@" still work.
ImageArgument parseImageArgument(const QString& text);

// Parses "RRGGBB" (hexadecimal, with or without a leading "#").
QRgb parseColour(const QString& text);

// A whole number from 0 to maximum.
int parseCount(const QString& text, int maximum, const QString& what);

} // namespace xbn
