// Saves, as Qt Designer does, a form of two buttons and a marquee after a style was
// installed on both buttons and the marquee was given a colour and a cell count, with
// the faces the buttons showed in Designer and the marquee's surface beside it.
#include "button/ctlbutton.h"
#include "designer/selectionorder.h"
#include "designer/selectionpagehost.h"
#include "designer/styleinstallationrecorder.h"
#include "designersession.h"
#include "marquee/display.h"
#include "pointerfaces.h"

#include <QApplication>
#include <QDesignerFormWindowCursorInterface>
#include <QDesignerFormWindowInterface>
#include <QDir>
#include <QSaveFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: designer_form_writer FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    designertest::DesignerSession designer;
    QDesignerFormWindowInterface& form = designer.openForm();
    QWidget* container = form.mainContainer();
    auto* first = container->findChild<ctlButton*>("ctlButton1");
    auto* second = container->findChild<ctlButton*>("ctlButton2");
    auto* display = container->findChild<marquee::Display*>("Display1");

    form.selectWidget(first, true);
    form.selectWidget(second, true);
    vantreldesigner::SelectionPageHost host(vantreldesigner::SelectionOrder::of(&form), nullptr);
    vantreldesigner::StyleInstallationRecorder recorder(form, host);
    designertest::installStyle(recorder, host, designertest::codeStyle(0), 1, 2);
    form.cursor()->setWidgetProperty(display, "Color", 65535);
    form.cursor()->setWidgetProperty(display, "Characters", QStringLiteral("12"));

    QSaveFile ui(folder + "/roundtrip.ui");
    if (!ui.open(QIODevice::WriteOnly) || ui.write(form.contents().toUtf8()) < 0 || !ui.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(ui.fileName()));
        return 1;
    }
    for (ctlButton* button : {first, second}) {
        for (std::int16_t state = 0; state <= 2; ++state) {
            button->Draw(state == 2, state);
            button->face().save(designertest::faceFile(folder, button->objectName(), state));
        }
        button->Draw(false, 0);
    }
    // Setting the cell count does not redraw; the next drawing shows the new cells.
    display->RenderDisplay();
    display->surface().save(designertest::faceFile(folder, display->objectName(), 0));
    return 0;
}
