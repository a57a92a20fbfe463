#include "marquee/display.h"

#include "marquee/cellsizing.h"
#include "marquee/display_accessible.h"
#include "marquee/glyphtable.h"
#include "marquee/ledpalette.h"
#include "marquee/scrollline.h"
#include "platform/runtimeerror.h"
#include "platform/units.h"

#include <QPainter>
#include <QResizeEvent>
#include <exception>

namespace marquee {
namespace {

constexpr int kNewControlWidthTwips = 2400;
constexpr std::int16_t kStoredCellsDefault = 10;
constexpr std::int32_t kStoredColorDefault = 255;

QVariant int16Value(std::int16_t value)
{
    return QVariant::fromValue(value);
}
QVariant int32Value(std::int32_t value)
{
    return QVariant::fromValue(value);
}

// Reading a stored set skips a step that fails and goes on with the next.
template <typename Step> void skippingFailure(Step step)
{
    try {
        step();
    } catch (const std::exception&) {
    }
}

QSize pixelSizeOf(int widthTwips, int heightTwips)
{
    return {widthTwips / platform::kTwipsPerPixel, heightTwips / platform::kTwipsPerPixel};
}

// The surface at a new size: what was drawn stays where it was, new parts are black.
QImage resizedSurface(const QImage& surface, QSize size)
{
    QImage resized(size, QImage::Format_RGB32);
    if (resized.isNull())
        return resized;
    resized.fill(kBackgroundPixel);
    if (!surface.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, surface);
    }
    return resized;
}

} // namespace

Display::Display(QWidget* parent)
    : QWidget(parent)
    , m_picLED(sourcePalette())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    resize(0, 0);
    connect(&m_tmrScroll, &platform::Timer::tick, this, &Display::scrollStep);
    makeAccessible(*this);
}

void Display::setColor(std::int32_t aColor)
{
    m_color = aColor;
    emit propertyChanged(QStringLiteral("Color"));
    RecolorPalette(aColor);
}

void Display::setCaption(const QString& aCaption)
{
    m_caption = aCaption;
    emit propertyChanged(QStringLiteral("Caption"));
    RenderDisplay();
}

QString Display::Characters() const
{
    return QString::number(m_cells);
}

void Display::setCharacters(const QString& aCharWidth)
{
    const std::int16_t cells = platform::toInt16(aCharWidth);
    if (cells > kMaxCells)
        throw platform::RuntimeError(platform::kErrOverflow,
                                     QStringLiteral("A display has at most %1 characters, not %2")
                                         .arg(kMaxCells)
                                         .arg(cells));
    if (cells < 0)
        throw platform::RuntimeError(
            platform::kErrInvalidPropertyValue,
            QStringLiteral("A display cannot have %1 characters").arg(cells));
    m_cells = cells;
    emit propertyChanged(QStringLiteral("Characters"));
    setWidthTwips(cells * kTwipsPerCell);
}

std::int16_t Display::ScrollRate() const
{
    return std::int16_t(m_tmrScroll.interval());
}

void Display::setScrollRate(std::int16_t aInterval)
{
    m_tmrScroll.setInterval(m_tmrScroll.isEnabled() && aInterval < 1 ? 1 : aInterval);
    emit propertyChanged(QStringLiteral("ScrollRate"));
}

void Display::setScroll(bool aEnabled)
{
    if (aEnabled && m_tmrScroll.interval() < 1)
        m_tmrScroll.setInterval(1);
    m_tmrScroll.setEnabled(aEnabled);
    emit propertyChanged(QStringLiteral("Scroll"));
}

void Display::InitProperties()
{
    setWidthTwips(kNewControlWidthTwips);
}

void Display::ReadProperties(const platform::PropertyBag& bag)
{
    skippingFailure([&] {
        const std::int16_t cells =
            platform::toInt16(bag.readProperty("Characters", int16Value(kStoredCellsDefault)));
        if (cells < 0 || cells > kMaxCells)
            throw platform::RuntimeError(
                platform::kErrInvalidPropertyValue,
                QStringLiteral("A stored display of %1 characters is out of range").arg(cells));
        m_cells = cells;
    });
    skippingFailure([&] {
        m_color = platform::toInt32(bag.readProperty("Color", int32Value(kStoredColorDefault)));
    });
    skippingFailure(
        [&] { m_caption = platform::toText(bag.readProperty("Caption", QString(kControlName))); });
    // The stored rate and state go to the timer as they are, without the setters'
    // adjustments to 1.
    skippingFailure([&] {
        m_tmrScroll.setInterval(platform::toInt16(bag.readProperty("ScrollRate", int16Value(1))));
    });
    skippingFailure(
        [&] { m_tmrScroll.setEnabled(platform::toBoolean(bag.readProperty("Scroll", false))); });
    skippingFailure([&] { RecolorPalette(m_color); });
    skippingFailure([&] { RenderDisplay(); });
}

void Display::WriteProperties(platform::PropertyBag& bag) const
{
    bag.writeProperty("Characters", int16Value(m_cells), int16Value(kStoredCellsDefault));
    bag.writeProperty("Color", int32Value(m_color), int32Value(kStoredColorDefault));
    bag.writeProperty("Caption", QString(kControlName));
    bag.writeProperty("ScrollRate", int16Value(1));
    bag.writeProperty("Scroll", int16Value(platform::kFalse));
}

void Display::setWidthTwips(int widthTwips)
{
    applySizingRule(widthTwips);
}

void Display::RecolorPalette(std::int32_t aColor)
{
    m_picPalette = recolouredPalette(m_picLED, aColor);
    RenderDisplay();
}

void Display::RenderDisplay()
{
    DrawCells(Scroll() ? scrollingLine(m_caption, m_cells, m_position)
                       : staticLine(m_caption, m_cells));
}

void Display::DrawCells(const QString& line)
{
    m_shown = line;
    if (m_picDisp.isNull())
        return;
    m_picDisp.fill(kBackgroundPixel);
    if (!m_picPalette.isNull()) {
        QPainter painter(&m_picDisp);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (qsizetype i = 0; i < line.size(); ++i) {
            const int cell = GlyphIndex(line[i]);
            painter.drawImage(QPoint(kCellWidth * int(i), 0), m_picPalette,
                              QRect(kCellWidth * cell, 0, kCellWidth, m_picPalette.height()));
        }
    }
    update();
}

void Display::scrollStep()
{
    m_position = nextScrollPosition(m_position, m_caption.size(), m_cells);
    RenderDisplay();
}

QSize Display::sizeHint() const
{
    return pixelSizeOf(m_widthTwips, m_heightTwips);
}

void Display::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(0, 0, m_picDisp);
}

void Display::resizeEvent(QResizeEvent* event)
{
    // The rule's own resizing arrives here too, at the size it already chose.
    if (event->size() != pixelSizeOf(m_widthTwips, m_heightTwips))
        applySizingRule(event->size().width() * platform::kTwipsPerPixel);
}

void Display::applySizingRule(int widthTwips)
{
    m_cells = cellsForWidth(widthTwips);
    m_widthTwips = m_cells * kTwipsPerCell;
    m_heightTwips = kControlHeightTwips;
    const QSize pixels = pixelSizeOf(m_widthTwips, m_heightTwips);
    m_picDisp = resizedSurface(m_picDisp, pixels);
    updateGeometry();
    resize(pixels);
}

} // namespace marquee
