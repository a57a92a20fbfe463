// A window of LED marquees in several colours, static and scrolling, to look at the
// glyphs and the dim unlit dots. With --grab FILE it saves the window after a few
// scroll steps and quits.
#include "marquee/display.h"
#include "platform/colour.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFormLayout>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {

struct Sample {
    const char* title;
    std::int32_t colour;
    const char* caption;
    int cells;
    std::int16_t scrollRate; // 0: static
};

const Sample kSamples[] = {
    {"red 255, static", 255, "Vantrel 2026", 12, 0},
    {"yellow 65535, static", 65535, "0123456789 -+?=:'.!$%&*()\\/", 27, 0},
    {"white, static", 16777215, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 26, 0},
    {"RGB(120, 60, 0): no unlit dots", platform::rgbValue(120, 60, 0), "Brown", 8, 0},
    {"system colour &&H8000000F", -2147483633, "System", 8, 0},
    {"green, scrolling 150 ms", platform::rgbValue(0, 255, 0), "Keypad IC finder for Nokia", 26,
     150},
    {"blue, scrolling 300 ms", platform::rgbValue(80, 160, 255), "3310 - 6230 - 8210", 10, 300},
    {"blank and no-glyph characters", 255, "a ,#;\"b", 7, 0},
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption grab("grab", "Save the window to <file> and quit.", "file");
    parser.addOption(grab);
    parser.process(app);

    QWidget window;
    window.setWindowTitle("Marquee gallery");
    window.setStyleSheet("background: #303030; color: #e0e0e0;");
    auto* layout = new QFormLayout(&window);
    for (const Sample& sample : kSamples) {
        auto* display = new marquee::Display(&window);
        display->setCharacters(QString::number(sample.cells));
        display->setColor(sample.colour);
        display->setCaption(QString::fromUtf8(sample.caption));
        if (sample.scrollRate > 0) {
            display->setScrollRate(sample.scrollRate);
            display->setScroll(true);
        }
        layout->addRow(sample.title, display);
    }
    window.show();

    if (parser.isSet(grab)) {
        QTimer::singleShot(2000, &window, [&] {
            window.grab().save(parser.value(grab));
            app.quit();
        });
    }
    return app.exec();
}
