#pragma once

#include <QFont>
#include <QString>

// The artwork is laid out in pixels, so its type is sized in pixels too, in families
// every Debian desktop has (DejaVu) or that the set-up installs (Comfortaa).
namespace artwork {

inline constexpr char kSans[] = "DejaVu Sans";
inline constexpr char kSerif[] = "DejaVu Serif";
inline constexpr char kRounded[] = "Comfortaa";

QFont artworkFont(const QString& family, int pixelSize, bool bold = false);

} // namespace artwork
