#pragma once

#include <QTimer>
#include <QWidget>

namespace app {

// Stands where the LED marquee goes until the window is dressed: shows its caption in
// yellow on black and, while scrolling, moves it one character per tick.
class MarqueePlaceholder : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Scroll READ Scroll WRITE setScroll)
    Q_PROPERTY(int ScrollRate READ ScrollRate WRITE setScrollRate)
public:
    explicit MarqueePlaceholder(QWidget* parent);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    bool Scroll() const { return m_scrollTimer.isActive(); }
    void setScroll(bool scroll);

    // Milliseconds per step.
    int ScrollRate() const { return m_scrollTimer.interval(); }
    void setScrollRate(int milliseconds);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void step();

    QString m_caption;
    qsizetype m_position = 0;
    QTimer m_scrollTimer;
};

} // namespace app
