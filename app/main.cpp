#include "app/commandline.h"
#include "app/form1.h"
#include "platform/firstpainttrace.h"
#include "platform/fontsubstitutes.h"

#include <QApplication>
#include <cstdio>

namespace {

// Options are answered before the window's application exists, so that the program
// answers over ssh or in a script without a display.
std::optional<int> answerFromTerminal(int& argc, char** argv)
{
    if (argc <= 1)
        return std::nullopt;
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return app::answerCommandLine(QCoreApplication::arguments(), out, err);
}

// The marquee repaints the same cells every step. Over X shared memory, Qt waits for a
// round trip to the server before painting where it last flushed, which wakes a second
// thread and this one again on every step; the window is small, and sending its few
// changed pixels over the connection costs less. The choice is read when the
// application connects to the display; a user's own setting is kept, and programs the
// finder starts, such as the browser, do not inherit ours.
class PixelsOverTheConnection {
public:
    PixelsOverTheConnection()
        : m_ours(!qEnvironmentVariableIsSet(kVariable))
    {
        if (m_ours)
            qputenv(kVariable, "1");
    }
    void connected() const
    {
        if (m_ours)
            qunsetenv(kVariable);
    }

private:
    static constexpr const char* kVariable = "QT_XCB_NO_MITSHM";
    const bool m_ours;
};

} // namespace

int main(int argc, char** argv)
{
    if (const auto status = answerFromTerminal(argc, argv))
        return *status;
    const PixelsOverTheConnection pixelsOverTheConnection;
    QApplication application(argc, argv);
    pixelsOverTheConnection.connected();
    QApplication::setApplicationDisplayName(QStringLiteral("Vantrel"));
    QApplication::setDesktopFileName(QStringLiteral(VANTREL_APP_ID));
    platform::installFontSubstitutes();
    app::Form1 form;
    platform::traceFirstPaint(form);
    form.show();
    return QApplication::exec();
}
