#pragma once

#include "app/screenartwork.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

namespace app {

// The about window: the credits card, borderless and centred, drawn translucent with
// its pure black pixels see-through. A click anywhere closes it; keys do nothing. The
// same window is shown again each time.
//
// A click is a press and a release on the card. The second click of a double click on
// About is not one: the card can be up under the pointer before its press arrives, but
// the first half of that double click was not the card's.
class about : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 400;   // 6000 twips
    static constexpr int kHeight = 280;  // 4200 twips
    static constexpr int kOpacity = 200; // of 255

    explicit about(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void makeLayered();

    ScreenArtwork m_card;
    QRegion m_opaquePart; // every logical pixel of the card that is not pure black
    bool m_pressed = false;
};

} // namespace app
