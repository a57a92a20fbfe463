#pragma once

#include "platform/propertybag.h"
#include "platform/timer.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

// The LED marquee: a one-line dot-matrix display that shows its caption statically
// or scrolls it from right to left, one cell per tick of its scroll timer.
namespace marquee {

class Display : public QWidget {
    Q_OBJECT
    // What a form editor shows and edits. Only the whole stored set is saved with a form:
    // restoring it is the display's own reading, so the single properties are not stored.
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption STORED false)
    Q_PROPERTY(QString Characters READ Characters WRITE setCharactersOrWarn STORED false)
    Q_PROPERTY(int Color READ Color WRITE setColorOrWarn STORED false)
    Q_PROPERTY(int ScrollRate READ ScrollRate WRITE setScrollRateOrWarn STORED false)
    Q_PROPERTY(bool Scroll READ Scroll WRITE setScroll STORED false)
    Q_PROPERTY(QByteArray StoredSet READ StoredSet WRITE setStoredSet)

public:
    // The control's own name, its first caption and the caption it stores.
    static constexpr QLatin1String kControlName{"Display"};

    // A new display is red, captioned with its own name, at scroll position 1, with
    // no cells until it is first sized and a disabled timer of interval 0.
    explicit Display(QWidget* parent = nullptr);

    std::int32_t Color() const { return m_color; }
    void setColor(std::int32_t aColor);

    QString Caption() const { return m_caption; }
    // Drawn at once; in scrolling mode from the current position, which a new caption
    // does not reset.
    void setCaption(const QString& aCaption);

    // The number of cells as decimal text.
    QString Characters() const;
    // Text holding a number of cells (a fraction goes to the nearest whole number,
    // halves to the even one) that resizes the control to it. Raises kErrTypeMismatch
    // for text that is no number, kErrOverflow beyond 16 bits or above 136 cells and
    // kErrInvalidPropertyValue for fewer than none; a refused setting changes nothing.
    void setCharacters(const QString& aCharWidth);

    // The scroll timer's interval in milliseconds. While scrolling a rate below 1 is
    // taken as 1; while not, a negative rate is refused by the timer.
    std::int16_t ScrollRate() const;
    void setScrollRate(std::int16_t aInterval);

    // Whether the scroll timer runs. Switching it on with a rate below 1 makes the rate
    // 1 first. Neither way redraws: the next tick or a new caption or colour does.
    bool Scroll() const { return m_tmrScroll.isEnabled(); }
    void setScroll(bool aEnabled);

    // A newly placed control: 2400 × 330 twips, 10 cells.
    void InitProperties();
    // Restores a saved instance and recolours. A value that cannot be read or applied is
    // skipped, and the rest of the set still is.
    void ReadProperties(const platform::PropertyBag& bag);
    // Stores the cell count and colour only: caption, rate and scrolling are the host's
    // to set at run time, so they are written as the control's name, 1 and off.
    void WriteProperties(platform::PropertyBag& bag) const;

    // The stored set as text (see platform::propertiesToText), for hosts that keep it in
    // a form file of their own. Text that holds no stored set, or values the display
    // cannot take, are refused with a warning.
    QByteArray StoredSet() const;
    void setStoredSet(const QByteArray& text);
    // The setters for editors, which have nobody to raise an error to: a refused value
    // is reported as a warning and changes nothing.
    void setCharactersOrWarn(const QString& aCharWidth);
    void setColorOrWarn(int aColor);
    void setScrollRateOrWarn(int aInterval);

    // The control's size in twips. A host sizes it through setWidthTwips, which applies
    // the sizing rule: whole cells from the width, always 330 twips high.
    int widthTwips() const { return m_widthTwips; }
    int heightTwips() const { return m_heightTwips; }
    void setWidthTwips(int widthTwips);

    QSize sizeHint() const override;

    std::int16_t cellCount() const { return m_cells; }
    std::int16_t scrollPosition() const { return m_position; }
    // The characters last drawn, one per cell (empty before the first drawing).
    QString shownText() const { return m_shown; }

    // picDisp, the visible surface, and picPalette, the recoloured glyphs (a null
    // image until the first colour is applied).
    const QImage& surface() const { return m_picDisp; }
    const QImage& palette() const { return m_picPalette; }

    // Rebuilds the palette in the colour's lit and unlit shades, then redraws.
    void RecolorPalette(std::int32_t aColor);
    // Draws the cells that the caption, the mode and the position call for.
    void RenderDisplay();
    // Clears the surface and draws one opaque cell per character; before a colour has
    // been applied the surface stays black.
    void DrawCells(const QString& line);

public slots:
    // One tick of the scroll timer: the next position, then a redraw.
    void scrollStep();

signals:
    // A stored property was changed, by its name: "Color", "Caption", "Characters",
    // "ScrollRate" or "Scroll".
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applySizingRule(int widthTwips);
    // The line the caption, the mode and the position call for.
    QString currentLine() const;
    // Draws the cells of the line that differ from what the surface shows and returns
    // the area that changed.
    QRect drawChangedCells(const QString& line);
    std::vector<int> glyphsOf(const QString& line) const;
    int cellsToDraw(const std::vector<int>& glyphs, std::size_t shift) const;
    void moveCellsLeft();
    void drawCell(int cell, int glyph);

    std::int32_t m_color = 255;
    QString m_caption{kControlName};
    std::int16_t m_cells = 0;
    std::int16_t m_position = 1;
    int m_widthTwips = 0;
    int m_heightTwips = 0;
    QString m_shown;
    platform::Timer m_tmrScroll;
    QImage m_picLED;
    QImage m_picPalette;
    QImage m_picDisp;
    // What each cell of picDisp shows: a glyph index, kBlackCell, or kUnknownCell
    // after the surface or the palette has changed.
    std::vector<int> m_drawnCells;
};

} // namespace marquee
