#include "styleswindow.h"

#include "button/ctlbutton.h"
#include "themepicker/shtstyles.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int kGap = 12;

struct ButtonPlace {
    const char* name;
    QSize pixels;
};
constexpr ButtonPlace kButtons[] = {
    {"ctlButton1", {81, 33}},
    {"ctlButton2", {129, 25}},
    {"ctlButton3", {200, 60}},
};

void sendKey(QWidget* target, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
             const QString& text = {})
{
    QKeyEvent event(type, key, modifiers, text);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

StylesWindow::StylesWindow(QWidget* parent)
    : QWidget(parent)
{
    int top = kGap;
    int widest = 0;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        auto* button = new ctlButton(this);
        button->setObjectName(QLatin1String(kButtons[i].name));
        button->InitProperties();
        m_buttons[i] = button;
        widest = std::max(widest, kButtons[i].pixels.width());
    }
    m_page = new shtStyles(*this, this);
    m_page->move(0, 0);
    const int left = m_page->width() + kGap;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setGeometry(QRect(QPoint(left, top), kButtons[i].pixels));
        top += kButtons[i].pixels.height() + kGap;
    }
    setFixedSize(left + widest + kGap, std::max(m_page->height(), top));
}

int StylesWindow::selectedControlCount() const
{
    return int(m_buttons.size());
}

QObject* StylesWindow::selectedControl(int index) const
{
    if (index < 0 || index >= int(m_buttons.size()))
        return nullptr;
    return m_buttons[std::size_t(index)];
}

void StylesWindow::setPageCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void StylesWindow::typeFolder(const QString& folder)
{
    auto* path = m_page->findChild<QLineEdit*>(QStringLiteral("Text1"));
    if (!path)
        return;
    path->setFocus();
    sendKey(path, QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
    sendKey(path, QEvent::KeyRelease, Qt::Key_A, Qt::ControlModifier);
    for (const QChar ch : folder) {
        sendKey(path, QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        sendKey(path, QEvent::KeyRelease, 0, Qt::NoModifier, QString(ch));
    }
}
