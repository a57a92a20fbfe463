#pragma once

#include "app/catalogue.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QStringList>

// The picture of one keypad IC: its marking as a heading, the "Also Compatible" line
// and every member model of its group, joined by "/" and wrapped to fit.
namespace artwork {

inline constexpr int kIcPictureWidth = 416;
inline constexpr int kIcPictureHeight = 154;

// Where the member list goes and how it is broken into lines.
struct MemberListLayout {
    QFont font;
    QStringList lines;
    int lineHeight = 0;
    QRect area; // the room the lines must stay inside

    // The rectangle the lines take up, from the area's top-left corner.
    QRect usedRect() const;
};

// The members joined by "/", broken after a "/" wherever the next model would overrun
// the area; the type shrinks until every line fits.
MemberListLayout layoutMemberList(const app::IcGroup& group);

// Drawn for a device pixel ratio, laid out alike at every ratio.
QImage drawIcPicture(const app::IcGroup& group, qreal ratio = 1.0);

} // namespace artwork
