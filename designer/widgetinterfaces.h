#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class QDesignerFormEditorInterface;

namespace vantreldesigner {

// The widget box entries of the two controls, group "Vantrel". Outside Qt Designer (a
// form loader with no editor) the controls are made as a program makes them.
class ButtonWidgetInterface : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    using QObject::QObject;

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return m_core != nullptr; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    QDesignerFormEditorInterface* m_core = nullptr;
};

class DisplayWidgetInterface : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    using QObject::QObject;

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return m_core != nullptr; }
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    QDesignerFormEditorInterface* m_core = nullptr;
};

} // namespace vantreldesigner
