#pragma once

#include "platform/colour.h"

#include <QLabel>

// The button's hidden caption label: it holds the caption, its font and the button's
// two colours, and measures the caption in that font. Its extent is in twips, as the
// face layout works in twips.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    // The caption's extent in the label's font, in twips; it follows every change of the
    // caption or the font at once.
    int widthTwips() const;
    int heightTwips() const;
    // The extent any text would have in the label's font, in twips.
    QSize extentTwips(const QString& text) const;

    platform::ColourValue backColour() const { return m_backColour; }
    void setBackColour(platform::ColourValue colour) { m_backColour = colour; }
    platform::ColourValue foreColour() const { return m_foreColour; }
    void setForeColour(platform::ColourValue colour) { m_foreColour = colour; }

    // The design font: Tahoma 8.25 pt regular (the desktop substitutes a font where Tahoma
    // is not installed).
    static QFont designFont();

private:
    platform::ColourValue m_backColour = platform::kButtonFace;
    platform::ColourValue m_foreColour = platform::kButtonText;
};
