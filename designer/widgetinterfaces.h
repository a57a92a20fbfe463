#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class QDesignerFormEditorInterface;

namespace vantreldesigner {

// A widget box entry of the group "Vantrel". Outside Qt Designer (a form loader with no
// editor) the controls are made as a program makes them.
class ControlWidgetInterface : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    using QObject::QObject;

    QString group() const override;
    bool isContainer() const override { return false; }
    bool isInitialized() const override { return m_core != nullptr; }
    void initialize(QDesignerFormEditorInterface* core) override;

protected:
    QDesignerFormEditorInterface* core() const { return m_core; }

private:
    QDesignerFormEditorInterface* m_core = nullptr;
};

class ButtonWidgetInterface : public ControlWidgetInterface {
    Q_OBJECT
public:
    using ControlWidgetInterface::ControlWidgetInterface;

    QString name() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    QWidget* createWidget(QWidget* parent) override;
    QString domXml() const override;
};

class DisplayWidgetInterface : public ControlWidgetInterface {
    Q_OBJECT
public:
    using ControlWidgetInterface::ControlWidgetInterface;

    QString name() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    QWidget* createWidget(QWidget* parent) override;
    QString domXml() const override;
};

} // namespace vantreldesigner
