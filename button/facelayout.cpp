#include "button/facelayout.h"

#include "platform/units.h"

#include <algorithm>

namespace button {
namespace {

constexpr double kTwips = platform::kTwipsPerPixel;

// Room taken from the width when fitting a caption.
constexpr double kSideBySideRoom = 450; // plus the picture's width
constexpr double kStackedRoom = 250;
constexpr double kCaptionOnlyRoom = 150;

constexpr double kStackedNeed = 200;     // caption and picture above each other need this more
constexpr double kStackedGap = 30;       // between picture and caption
constexpr double kStackedBaseline = 250; // reference line above the bottom edge
constexpr double kLonePictureCorrection = 20;
constexpr int kSideBySidePictureLeft = 10; // pixels

constexpr int kPicturePressDrop = 2;      // pixels down (twips right when stacked)
constexpr double kCaptionPressRight = 10; // twips
constexpr double kCaptionPressDrop = 15;  // twips

int nearest(double value)
{
    return static_cast<int>(platform::roundHalfEven(value));
}

bool tooWide(const QString& caption, qsizetype length, double room, const CaptionMeasure& measure)
{
    return room < measure(caption.right(length)).width();
}

// Where the search for the kept tail starts. Tails of 1, 2, 4, ... characters are
// measured until one is too wide; longer tails than twice that are too wide as well, as a
// caption only grows when characters are put in front of it, and are not measured.
// Measuring every tail would cost the square of the caption's length. The margin of
// twice keeps the result where a few characters shaped together (kerning, joined
// letters) measure narrower than fewer of them.
qsizetype longestTailWorthTrying(const QString& caption, double room, qsizetype shortest,
                                 const CaptionMeasure& measure)
{
    for (qsizetype probe = 1;; probe *= 2) {
        const qsizetype length = std::min(probe, caption.size());
        if (tooWide(caption, length, room, measure))
            return std::min(caption.size(), std::max(2 * length, shortest));
        if (length == caption.size())
            return length;
    }
}

// Drops leading characters while the caption is too wide and longer than the shortest it
// may get, then marks a shortened caption with "..." in front.
QString fitted(const QString& caption, double room, qsizetype shortest,
               const CaptionMeasure& measure)
{
    if (caption.size() <= shortest)
        return caption;
    qsizetype kept = longestTailWorthTrying(caption, room, shortest, measure);
    while (kept > 0 && kept > shortest && tooWide(caption, kept, room, measure))
        --kept;
    return kept == caption.size() ? caption : QStringLiteral("...") + caption.right(kept);
}

// Only a caption beside or above a picture needs the full caption measured.
FaceArrangement arrangementFor(const FaceInput& input, const CaptionMeasure& measure)
{
    if (!input.hasPicture)
        return FaceArrangement::CaptionOnly;
    if (input.caption.isEmpty())
        return FaceArrangement::PictureOnly;
    const double captionHeight = measure(input.caption).height();
    const bool sideBySide = captionHeight + input.pictureHeight + kStackedNeed > input.height;
    return sideBySide ? FaceArrangement::SideBySide : FaceArrangement::Stacked;
}

QString shownCaption(const FaceInput& input, FaceArrangement arrangement,
                     const CaptionMeasure& measure)
{
    switch (arrangement) {
    case FaceArrangement::SideBySide:
        return fitted(input.caption, input.width - kSideBySideRoom - input.pictureWidth, 1,
                      measure);
    case FaceArrangement::Stacked:
        return fitted(input.caption, input.width - kStackedRoom, 1, measure);
    case FaceArrangement::CaptionOnly:
        return fitted(input.caption, input.width - kCaptionOnlyRoom, 3, measure);
    case FaceArrangement::PictureOnly: break;
    }
    return input.caption;
}

QPoint pictureAt(const FaceInput& input, FaceArrangement arrangement, double captionHeight)
{
    const double W = input.width, H = input.height;
    const double picW = input.pictureWidth, picH = input.pictureHeight;
    const int d = input.down ? kPicturePressDrop : 0;
    switch (arrangement) {
    case FaceArrangement::SideBySide:
        return {kSideBySidePictureLeft, nearest((H - picH) / 2 / kTwips + d)};
    case FaceArrangement::Stacked:
        return {nearest(((W - picW) / 2 + d) / kTwips),
                nearest((H - (captionHeight + picH + kStackedGap)) / 2 / kTwips + d)};
    case FaceArrangement::PictureOnly:
        return {nearest(((W - kLonePictureCorrection) - picW) / 2 / kTwips),
                nearest((H - picH) / 2 / kTwips + d)};
    case FaceArrangement::CaptionOnly: break;
    }
    return {};
}

QPointF captionAt(const FaceInput& input, FaceArrangement arrangement, QSizeF caption)
{
    const double W = input.width, H = input.height;
    const double picW = input.pictureWidth, picH = input.pictureHeight;
    const double lblW = caption.width(), lblH = caption.height();
    const double dx = input.down ? kCaptionPressRight : 0;
    const double dy = input.down ? kCaptionPressDrop : 0;
    switch (arrangement) {
    case FaceArrangement::SideBySide:
        return {picW + (W - picW - lblW) / 2 + dx, (H - lblH) / 2 + dy};
    case FaceArrangement::Stacked:
        return {(W - lblW) / 2 + dx,
                (picH + (H - (lblH + picH + kStackedGap)) / 2 + (H - kStackedBaseline)) / 2 + dy};
    case FaceArrangement::CaptionOnly:
    case FaceArrangement::PictureOnly: break;
    }
    return {(W - lblW) / 2 + dx, (H - lblH) / 2 + dy};
}

} // namespace

FaceLayout layoutFace(const FaceInput& input, const CaptionMeasure& measure)
{
    FaceLayout layout;
    layout.arrangement = arrangementFor(input, measure);
    layout.shownCaption = shownCaption(input, layout.arrangement, measure);
    const QSizeF shown = measure(layout.shownCaption);
    layout.captionAt = captionAt(input, layout.arrangement, shown);
    if (input.hasPicture) {
        layout.pictureAt = pictureAt(input, layout.arrangement, shown.height());
        layout.pictureSize =
            QSize(nearest(input.pictureWidth / kTwips), nearest(input.pictureHeight / kTwips));
    }
    return layout;
}

} // namespace button
