#include "app/marqueeplaceholder.h"

#include <QPainter>

#include <algorithm>

namespace app {

MarqueePlaceholder::MarqueePlaceholder(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_scrollTimer.setInterval(1);
    connect(&m_scrollTimer, &QTimer::timeout, this, &MarqueePlaceholder::step);
}

void MarqueePlaceholder::setCaption(const QString& caption)
{
    m_caption = caption;
    m_position = 0;
    update();
}

void MarqueePlaceholder::setScroll(bool scroll)
{
    if (scroll)
        m_scrollTimer.start();
    else
        m_scrollTimer.stop();
}

void MarqueePlaceholder::setScrollRate(int milliseconds)
{
    m_scrollTimer.setInterval(std::max(1, milliseconds));
}

void MarqueePlaceholder::step()
{
    if (m_caption.isEmpty())
        return;
    m_position = (m_position + 1) % m_caption.size();
    update();
}

void MarqueePlaceholder::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0));
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 0));
    painter.drawText(rect().adjusted(2, 0, 0, 0), Qt::AlignVCenter, m_caption.mid(m_position));
}

} // namespace app
