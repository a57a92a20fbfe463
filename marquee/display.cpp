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
#include <algorithm>
#include <cstring>
#include <exception>

namespace marquee {
namespace {

constexpr int kNewControlWidthTwips = 2400;
constexpr std::int16_t kStoredCellsDefault = 10;
constexpr std::int32_t kStoredColorDefault = 255;
constexpr int kBlackCell = -1;
constexpr int kUnknownCell = -2;

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
    m_drawnCells.clear();
    RenderDisplay();
}

QString Display::currentLine() const
{
    return Scroll() ? scrollingLine(m_caption, m_cells, m_position)
                    : staticLine(m_caption, m_cells);
}

void Display::RenderDisplay()
{
    DrawCells(currentLine());
}

void Display::DrawCells(const QString& line)
{
    update(drawChangedCells(line));
}

// The surface ends up as if cleared and drawn whole, but a cell that already shows
// its glyph is left alone. A scroll step moves the text by one cell: the shown cells
// then move one to the left, on the surface and on the screen, and only the new last
// cell is drawn; without a move, blanks and repeated letters stay where they are.
QRect Display::drawChangedCells(const QString& line)
{
    m_shown = line;
    if (m_picDisp.isNull())
        return {};
    const std::vector<int> glyphs = glyphsOf(line);
    m_drawnCells.resize(glyphs.size(), kUnknownCell);
    if (cellsToDraw(glyphs, 1) < cellsToDraw(glyphs, 0))
        moveCellsLeft();
    QRect changed;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        if (m_drawnCells[i] == glyphs[i])
            continue;
        drawCell(int(i), glyphs[i]);
        m_drawnCells[i] = glyphs[i];
        changed |= QRect(kCellWidth * int(i), 0, kCellWidth, m_picDisp.height());
    }
    return changed;
}

// The glyph each cell of the surface is to show, kBlackCell past the line's end.
std::vector<int> Display::glyphsOf(const QString& line) const
{
    std::vector<int> glyphs(std::size_t((m_picDisp.width() + kCellWidth - 1) / kCellWidth));
    for (std::size_t i = 0; i < glyphs.size(); ++i)
        glyphs[i] = qsizetype(i) < line.size() && !m_picPalette.isNull()
                        ? GlyphIndex(line[qsizetype(i)])
                        : kBlackCell;
    return glyphs;
}

// How many cells would need drawing if the shown cells first moved `shift` cells to
// the left.
int Display::cellsToDraw(const std::vector<int>& glyphs, std::size_t shift) const
{
    int count = 0;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const std::size_t from = i + shift;
        count += from >= m_drawnCells.size() || m_drawnCells[from] != glyphs[i];
    }
    return count;
}

void Display::moveCellsLeft()
{
    const int kept = std::max(m_picDisp.width() - kCellWidth, 0);
    for (int y = 0; y < m_picDisp.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(m_picDisp.scanLine(y));
        std::memmove(row, row + kCellWidth, sizeof(QRgb) * std::size_t(kept));
    }
    m_drawnCells.erase(m_drawnCells.begin());
    m_drawnCells.push_back(kUnknownCell);
    // The window system moves the pixels already on the screen.
    scroll(-kCellWidth, 0);
}

// The glyph's column of the palette, unscaled and opaque, on black where the palette
// ends; kBlackCell leaves the cell black.
void Display::drawCell(int cell, int glyph)
{
    const int x = kCellWidth * cell;
    const int width = std::min(kCellWidth, m_picDisp.width() - x);
    const int from = kCellWidth * glyph;
    const int copied = glyph == kBlackCell
                           ? 0
                           : std::clamp(std::min(m_picPalette.width() - from, width), 0, width);
    const int height = m_picDisp.height();
    const int glyphRows = m_picPalette.height();
    const qsizetype toStride = m_picDisp.bytesPerLine();
    const qsizetype glyphStride = m_picPalette.bytesPerLine();
    uchar* to = m_picDisp.bits() + x * qsizetype(sizeof(QRgb));
    const uchar* glyphs =
        copied > 0 ? m_picPalette.constBits() + from * qsizetype(sizeof(QRgb)) : nullptr;
    for (int y = 0; y < height; ++y, to += toStride) {
        auto* pixels = reinterpret_cast<QRgb*>(to);
        const int rowCopied = y < glyphRows ? copied : 0;
        if (rowCopied > 0)
            std::memcpy(pixels, glyphs + y * glyphStride, sizeof(QRgb) * std::size_t(rowCopied));
        std::fill(pixels + rowCopied, pixels + width, kBackgroundPixel);
    }
}

// Painted at once rather than when the event loop comes round again, so a step wakes
// the program once.
void Display::scrollStep()
{
    m_position = nextScrollPosition(m_position, m_caption.size(), m_cells);
    repaint(drawChangedCells(currentLine()));
}

QSize Display::sizeHint() const
{
    return pixelSizeOf(m_widthTwips, m_heightTwips);
}

void Display::paintEvent(QPaintEvent* event)
{
    const QRect area = event->rect();
    QPainter painter(this);
    if (!m_picDisp.rect().contains(area))
        painter.fillRect(area, Qt::black);
    painter.drawImage(area.topLeft(), m_picDisp, area);
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
    m_drawnCells.clear();
    updateGeometry();
    resize(pixels);
}

} // namespace marquee
