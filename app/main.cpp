#include "app/form1.h"
#include "platform/firstpainttrace.h"
#include "platform/fontsubstitutes.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Vantrel"));
    QApplication::setDesktopFileName(QStringLiteral("vantrel"));
    platform::installFontSubstitutes();
    app::Form1 form;
    platform::traceFirstPaint(form);
    form.show();
    return QApplication::exec();
}
