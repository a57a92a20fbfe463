#include "designer/widgetinterfaces.h"

#include "button/ctlbutton.h"
#include "designer/formeditorlink.h"
#include "designer/widgeticons.h"
#include "marquee/display.h"

namespace vantreldesigner {
namespace {

// A new button's size, in pixels (1215 × 375 twips).
constexpr int kNewButtonWidth = 81;
constexpr int kNewButtonHeight = 25;

QString widgetXml(const QString& className, const QString& objectName, int width, int height)
{
    return QStringLiteral("<ui language=\"c++\">"
                          "<widget class=\"%1\" name=\"%2\">"
                          "<property name=\"geometry\"><rect><x>0</x><y>0</y>"
                          "<width>%3</width><height>%4</height></rect></property>"
                          "</widget>"
                          "</ui>")
        .arg(className, objectName)
        .arg(width)
        .arg(height);
}

} // namespace

QString ControlWidgetInterface::group() const
{
    return QStringLiteral("Vantrel");
}

void ControlWidgetInterface::initialize(QDesignerFormEditorInterface* core)
{
    if (m_core)
        return;
    m_core = core;
    FormEditorLink::of(core);
}

QString ButtonWidgetInterface::name() const
{
    return QStringLiteral("ctlButton");
}

QString ButtonWidgetInterface::toolTip() const
{
    return tr("Skinned push button");
}

QString ButtonWidgetInterface::whatsThis() const
{
    return tr("A push button whose normal, hover and pressed faces come from a skin style "
              "of an .xbn theme file. Right-click it for \"Select Button Style\u2026\".");
}

QString ButtonWidgetInterface::includeFile() const
{
    return QStringLiteral("button/ctlbutton.h");
}

QIcon ButtonWidgetInterface::icon() const
{
    return buttonIcon();
}

QWidget* ButtonWidgetInterface::createWidget(QWidget* parent)
{
    auto* button = new ctlButton(parent);
    if (core())
        button->setHost(&FormEditorLink::of(core()).buttonHost());
    return button;
}

QString ButtonWidgetInterface::domXml() const
{
    return widgetXml(name(), name(), kNewButtonWidth, kNewButtonHeight);
}

QString DisplayWidgetInterface::name() const
{
    return QStringLiteral("marquee::Display");
}

QString DisplayWidgetInterface::toolTip() const
{
    return tr("LED marquee");
}

QString DisplayWidgetInterface::whatsThis() const
{
    return tr("A one-line LED dot-matrix display that shows its caption in any colour and "
              "scrolls it from right to left.");
}

QString DisplayWidgetInterface::includeFile() const
{
    return QStringLiteral("marquee/display.h");
}

QIcon DisplayWidgetInterface::icon() const
{
    return displayIcon();
}

QWidget* DisplayWidgetInterface::createWidget(QWidget* parent)
{
    auto* display = new marquee::Display(parent);
    display->InitProperties();
    return display;
}

QString DisplayWidgetInterface::domXml() const
{
    marquee::Display newlyPlaced;
    newlyPlaced.InitProperties();
    const QSize size = newlyPlaced.sizeHint();
    return widgetXml(name(), QString(marquee::Display::kControlName), size.width(), size.height());
}

} // namespace vantreldesigner
