#include "button/facelayout.h"

#include "platform/units.h"

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

// Drops leading characters while the caption is too wide and longer than the shortest it
// may get, then marks a shortened caption with "..." in front.
QString fitted(const QString& caption, double room, qsizetype shortest,
               const CaptionMeasure& measure)
{
    QString kept = caption;
    while (!kept.isEmpty() && kept.size() > shortest && room < measure(kept).width())
        kept = kept.right(kept.size() - 1);
    return kept == caption ? kept : QStringLiteral("...") + kept;
}

FaceArrangement arrangementFor(const FaceInput& input, double captionHeight)
{
    if (!input.hasPicture)
        return FaceArrangement::CaptionOnly;
    if (input.caption.isEmpty())
        return FaceArrangement::PictureOnly;
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
    const double fullHeight = measure(input.caption).height();
    layout.arrangement = arrangementFor(input, fullHeight);
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
