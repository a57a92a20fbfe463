#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <memory>

class QDesignerFormEditorInterface;
class QDesignerFormWindowInterface;
class QWidget;
class ctlButton;

namespace platform {
class PropertyPageHost;
}
namespace vantreldesigner {
class StyleInstallationRecorder;
}

namespace designertest {

// Qt Designer's own form editor, without its main window, with the Vantrel plugin
// imported into the program: forms are read, edited, undone and written by Designer's
// code as in the application.
class DesignerSession {
public:
    DesignerSession();
    ~DesignerSession();

    QDesignerFormEditorInterface& core() const { return *m_core; }

    // A new form window holding the form text (empty for an empty form).
    QDesignerFormWindowInterface& openForm(const QString& uiText = {});
    // A control placed on the form as from the widget box.
    QWidget* place(QDesignerFormWindowInterface& form, const QString& className,
                   const QString& objectName);

private:
    QDesignerFormEditorInterface* m_core;
    std::unique_ptr<QWidget> m_formParent;
};

// A form with two buttons and a marquee, as Designer writes one.
QString twoButtonsAndMarqueeForm();

// One style made in code: normal, hover and pressed skins with 5-pixel corners; the
// variant changes the colours, so two styles can be told apart.
struct CodeStyle {
    QImage normal;
    QImage hover;
    QImage pressed;
    QString cords;
};
CodeStyle codeStyle(int variant);

// What the property page does when a style's preview is pressed: SetSkin on every
// selected button, announced to the recorder before and after.
void installStyle(vantreldesigner::StyleInstallationRecorder& recorder,
                  const platform::PropertyPageHost& host, const CodeStyle& style, int fileNumber,
                  int styleNumber);

} // namespace designertest
