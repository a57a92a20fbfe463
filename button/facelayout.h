#pragma once

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <functional>

// Where a button face puts its picture and caption, and how much of a caption that does
// not fit it keeps. All positions are in twips except the picture's, which is copied in
// whole pixels.
namespace button {

enum class FaceArrangement {
    CaptionOnly, // no picture (the caption may be empty)
    SideBySide,  // picture at the left, caption to its right
    Stacked,     // picture above the caption
    PictureOnly, // a picture and no caption
};

// The extent of a caption in the caption font, in twips.
using CaptionMeasure = std::function<QSizeF(const QString&)>;

struct FaceInput {
    double width = 0;  // twips
    double height = 0; // twips
    bool hasPicture = false;
    double pictureWidth = 0;  // twips
    double pictureHeight = 0; // twips
    QString caption;
    bool down = false;
};

struct FaceLayout {
    FaceArrangement arrangement = FaceArrangement::CaptionOnly;
    QString shownCaption; // the caption, or "..." and the end that fits
    QPointF captionAt;    // top-left corner of the caption, twips
    QPoint pictureAt;     // top-left corner of the picture, pixels
    QSize pictureSize;    // pixels copied from the picture's top-left corner
};

// The room a button leaves for a picture: it grows to the picture's size plus this margin.
inline constexpr int kPictureMargin = 70;

FaceLayout layoutFace(const FaceInput& input, const CaptionMeasure& measure);

} // namespace button
