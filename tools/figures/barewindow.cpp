// The baseline of the start-up figures: a bare Qt window of the finder's size
// holding one combo box, started and painted the same way.
#include "platform/firstpainttrace.h"

#include <QApplication>
#include <QComboBox>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(443, 568);
    QComboBox combo(&window);
    combo.setEditable(true);
    combo.setGeometry(16, 184, 345, 24);
    platform::traceFirstPaint(window);
    window.show();
    return app.exec();
}
