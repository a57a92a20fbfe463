#include "app/about.h"

#include "app/centring.h"
#include "resources/artwork.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>
#include <utility>

namespace app {
namespace {

constexpr QRgb kSeeThroughKey = qRgb(0, 0, 0);

QRegion nonKeyPixels(const QImage& card)
{
    const QImage visible = card.copy(0, 0, about::kWidth, about::kHeight);
    return QRegion(
        QBitmap::fromImage(visible.createMaskFromColor(kSeeThroughKey, Qt::MaskInColor)));
}

} // namespace

about::about(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_card(QString::fromLatin1(artwork::kAboutCardFile))
    , m_opaquePart(nonKeyPixels(m_card.forRatio(1.0)))
{
    setWindowTitle(QStringLiteral("Form2"));
    setFixedSize(kWidth, kHeight);
}

void about::showEvent(QShowEvent* event)
{
    m_pressed = false;
    makeLayered();
    centreOnScreen(*this);
    QWidget::showEvent(event);
}

// Where the desktop composes windows the card is translucent and the key colour lets
// the desktop and its clicks through; elsewhere these requests are ignored and the
// card shows opaque.
void about::makeLayered()
{
    setWindowOpacity(kOpacity / 255.0);
    setMask(m_opaquePart);
}

void about::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_card.forRatio(devicePixelRatioF()));
}

void about::mousePressEvent(QMouseEvent*)
{
    m_pressed = true;
}

// A double click whose first click the card saw has closed it already; this one began
// elsewhere.
void about::mouseDoubleClickEvent(QMouseEvent*)
{
    m_pressed = false;
}

void about::mouseReleaseEvent(QMouseEvent*)
{
    if (!std::exchange(m_pressed, false))
        return;
    close();
}

void about::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}

} // namespace app
