#include "button/ctlbutton.h"

#include "button/buttonhost.h"
#include "button/captionlabel.h"
#include "button/ctlbutton_accessible.h"
#include "button/keycode.h"
#include "platform/runtimeerror.h"
#include "platform/units.h"
#include "skin/busyguard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace {

constexpr int kFocusPollMs = 50;
constexpr std::int32_t kGuardSeconds = 2;

QWidget* widgetUnderPointer()
{
    return QApplication::widgetAt(QCursor::pos());
}

} // namespace

ctlButton::ctlButton(QWidget* parent)
    : QWidget(parent)
    , demo_caption(new CaptionLabel(this))
    , tmr_focus(new platform::Timer(this))
    , m_pointerQuery(widgetUnderPointer)
{
    tmr_focus->setObjectName(QStringLiteral("tmr_focus"));
    tmr_focus->setInterval(kFocusPollMs);
    connect(tmr_focus, &platform::Timer::tick, this, &ctlButton::tmr_focus_Timer);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    button::installAccessibility();
}

ctlButton::~ctlButton() = default;

void ctlButton::setHost(ButtonHost* host)
{
    m_host = host;
}

ButtonHost& ctlButton::host() const
{
    return m_host ? *m_host : StandaloneButtonHost::instance();
}

void ctlButton::setPointerQuery(PointerQuery query)
{
    m_pointerQuery = query ? std::move(query) : PointerQuery(widgetUnderPointer);
}

std::int32_t ctlButton::nHwnd()
{
    return static_cast<std::int32_t>(winId());
}

void ctlButton::AmbientChanged(const QString& /*PropertyName*/)
{
    Draw(false, 0);
}

void ctlButton::HitTest(int /*X*/, int /*Y*/, int& /*HitResult*/)
{
    Draw(false, 0);
}

void ctlButton::tmr_focus_Timer()
{
    if (m_pointerQuery() == this)
        return;
    Draw(false, 0);
    tmr_focus->setEnabled(false);
}

void ctlButton::reportChanged(const QString& propertyName)
{
    host().propertyChanged(*this, propertyName);
}

double ctlButton::widthTwips() const
{
    return double(width()) * platform::kTwipsPerPixel;
}

double ctlButton::heightTwips() const
{
    return double(height()) * platform::kTwipsPerPixel;
}

void ctlButton::handleResize()
{
    if (m.PropertiesRead)
        ResizenSave(false);
    else
        Draw(false, 0);
}

// Qt keeps a hidden widget's resize until the widget is shown; the state pictures and
// Skin_Cords are to follow the size before that.
void ctlButton::handlePendingResize(QSize oldSize)
{
    if (!testAttribute(Qt::WA_PendingResizeEvent))
        return;
    setAttribute(Qt::WA_PendingResizeEvent, false);
    QResizeEvent event(size(), oldSize);
    QCoreApplication::sendEvent(this, &event);
}

void ctlButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface.deviceImage());
}

void ctlButton::resizeEvent(QResizeEvent* /*event*/)
{
    try {
        handleResize();
    } catch (const platform::RuntimeError&) {
        // A rebuild that cannot be done (slice numbers out of range) leaves the pictures
        // as they were; there is nobody to tell from inside a resize.
    }
}

void ctlButton::showEvent(QShowEvent* /*event*/)
{
    Draw(false, 0);
}

void ctlButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        AmbientChanged(QString());
}

void ctlButton::focusInEvent(QFocusEvent* /*event*/)
{
    Draw(false, 0);
}

void ctlButton::focusOutEvent(QFocusEvent* /*event*/)
{
    Draw(false, 0);
}

void ctlButton::mouseMoveEvent(QMouseEvent* /*event*/)
{
    if (m.ToolbarMode || m.FaceState != 0)
        return;
    Draw(false, 1);
    tmr_focus->setEnabled(true);
}

void ctlButton::mousePressEvent(QMouseEvent* event)
{
    basGeneral::WaitWhileBusy(kGuardSeconds, false, QStringLiteral("Usercontrol_MouseDown"));
    if (m.ToolbarMode || event->button() != Qt::LeftButton)
        return;
    Draw(true, 2);
    tmr_focus->setEnabled(false);
}

void ctlButton::mouseReleaseEvent(QMouseEvent* event)
{
    basGeneral::WaitWhileBusy(kGuardSeconds, false, QStringLiteral("Usercontrol_Mouseup"));
    if (m.ToolbarMode || m.FaceState != 2)
        return;
    tmr_focus->setEnabled(true);
    const double x = event->position().x() * platform::kTwipsPerPixel;
    const double y = event->position().y() * platform::kTwipsPerPixel;
    const bool inside = x > 0 && x < widthTwips() && y > 0 && y < heightTwips();
    if (event->button() != Qt::LeftButton || !inside)
        return;
    Draw(false, 1);
    emit Click();
}

void ctlButton::keyPressEvent(QKeyEvent* event)
{
    qint16 keyCode = button::keyCodeFromQt(event->key(), event->modifiers());
    emit KeyDown(keyCode);
    if (keyCode == button::kKeyEnter)
        emit Click();
}
