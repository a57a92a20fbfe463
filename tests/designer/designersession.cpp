#include "designersession.h"

#include "button/ctlbutton.h"
#include "designer/styleinstallationrecorder.h"
#include "platform/picture.h"
#include "platform/propertypagehost.h"

#include <QBuffer>
#include <QDesignerComponents>
#include <QDesignerFormEditorInterface>
#include <QDesignerFormWindowInterface>
#include <QDesignerFormWindowManagerInterface>
#include <QDesignerIntegration>
#include <QDesignerWidgetFactoryInterface>
#include <QPainter>
#include <QtPlugin>
#include <stdexcept>

Q_IMPORT_PLUGIN(VantrelWidgets)

namespace designertest {

DesignerSession::DesignerSession()
    : m_core(QDesignerComponents::createFormEditor(nullptr))
    , m_formParent(std::make_unique<QWidget>())
{
    // Designer's main window gives the editor an integration; form windows ask it.
    new QDesignerIntegration(m_core, m_core);
    QDesignerComponents::initializePlugins(m_core);
}

DesignerSession::~DesignerSession()
{
    m_formParent.reset();
    delete m_core;
}

QDesignerFormWindowInterface& DesignerSession::openForm(const QString& uiText)
{
    QDesignerFormWindowManagerInterface* manager = m_core->formWindowManager();
    QDesignerFormWindowInterface* form = manager->createFormWindow(m_formParent.get());
    manager->addFormWindow(form);
    QByteArray text = (uiText.isEmpty() ? twoButtonsAndMarqueeForm() : uiText).toUtf8();
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    QString error;
    if (!form->setContents(&buffer, &error))
        throw std::runtime_error(error.toStdString());
    manager->setActiveFormWindow(form);
    return *form;
}

QWidget* DesignerSession::place(QDesignerFormWindowInterface& form, const QString& className,
                                const QString& objectName)
{
    QWidget* widget = m_core->widgetFactory()->createWidget(className, form.mainContainer());
    widget->setObjectName(objectName);
    form.manageWidget(widget);
    return widget;
}

QString twoButtonsAndMarqueeForm()
{
    return QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>320</width><height>120</height></rect></property>
  <widget class="ctlButton" name="ctlButton1">
   <property name="geometry"><rect><x>10</x><y>10</y><width>96</width><height>28</height></rect></property>
  </widget>
  <widget class="ctlButton" name="ctlButton2">
   <property name="geometry"><rect><x>120</x><y>10</y><width>130</width><height>40</height></rect></property>
  </widget>
  <widget class="marquee::Display" name="Display1">
   <property name="geometry"><rect><x>10</x><y>70</y><width>160</width><height>22</height></rect></property>
  </widget>
 </widget>
 <customwidgets>
  <customwidget><class>ctlButton</class><extends>QWidget</extends><header>button/ctlbutton.h</header></customwidget>
  <customwidget><class>marquee::Display</class><extends>QWidget</extends><header>marquee/display.h</header></customwidget>
 </customwidgets>
 <resources/>
 <connections/>
</ui>
)");
}

namespace {

// A rounded face with a one-pixel frame, a lighter top half and a magenta key colour in
// the corners outside the rounding.
QImage skinFace(QColor face, QColor frame)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter painter(&image);
    painter.setPen(frame);
    painter.setBrush(face);
    painter.drawRoundedRect(QRect(0, 0, 39, 19), 4, 4);
    painter.fillRect(QRect(3, 2, 34, 7), face.lighter(130));
    return image;
}

} // namespace

CodeStyle codeStyle(int variant)
{
    const QColor face = variant == 0 ? QColor(40, 110, 200) : QColor(30, 150, 60);
    return {skinFace(face, Qt::black), skinFace(face.lighter(140), Qt::black),
            skinFace(face.darker(150), Qt::white), QStringLiteral("1000,300,75,75,75,75,75,75")};
}

void installStyle(vantreldesigner::StyleInstallationRecorder& recorder,
                  const platform::PropertyPageHost& host, const CodeStyle& style, int fileNumber,
                  int styleNumber)
{
    const platform::PicturePtr normal = platform::makePicture(style.normal);
    const platform::PicturePtr hover = platform::makePicture(style.hover);
    const platform::PicturePtr pressed = platform::makePicture(style.pressed);
    recorder.begin();
    for (int index = 0; index < host.selectedControlCount(); ++index) {
        if (auto* button = qobject_cast<ctlButton*>(host.selectedControl(index)))
            button->SetSkin(normal, hover, pressed, style.cords, std::int16_t(fileNumber),
                            std::int16_t(styleNumber), false);
    }
    recorder.end();
}

} // namespace designertest
