// Draws the images of one of our themes into a folder and prints the arguments that
// pack them with "xbn pack", one a line.

#include "artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>

namespace {

using themeart::Face;

struct Theme {
    QString corner;
    bool keepDepth = false;
    QList<QColor> colours;
    std::function<QImage(QColor, Face)> draw;
};

QList<QColor> spectrum(int count)
{
    QList<QColor> colours;
    for (int i = 0; i < count; ++i)
        colours += QColor::fromHsv(i * 360 / count, 170, 215);
    return colours;
}

const std::map<QString, Theme>& themes()
{
    static const std::map<QString, Theme> table = {
        {QStringLiteral("Classic"),
         {QStringLiteral("5x5"),
          false,
          {QColor(70, 110, 170), QColor(50, 130, 70), QColor(180, 40, 50), QColor(230, 160, 40),
           QColor(110, 120, 130), QColor(30, 140, 140), QColor(120, 70, 160), QColor(140, 90, 50)},
          [](QColor c, Face f) {
              return themeart::roundedFace(c, f, {48, 22}, 4);
          }}},
        {QStringLiteral("Spectrum"),
         {QStringLiteral("2x2"), false, spectrum(36),
          [](QColor c, Face f) {
              return themeart::flatFace(c, f, {32, 16});
          }}},
        {QStringLiteral("Retro"),
         {QStringLiteral("3x3"),
          true,
          {QColor(192, 192, 192), QColor(0, 128, 128), QColor(0, 0, 128), QColor(128, 0, 0),
           QColor(128, 128, 0), QColor(128, 0, 128)},
          [](QColor c, Face f) {
              return themeart::bevelFace(c, f, {40, 20});
          }}},
        {QStringLiteral("Glass"),
         {QStringLiteral("8x6"),
          false,
          {QColor(40, 90, 200), QColor(20, 150, 90), QColor(200, 60, 30), QColor(90, 90, 100)},
          [](QColor c, Face f) {
              return themeart::glassFace(c, f, {64, 28}, 6);
          }}},
    };
    return table;
}

const char* const kFaceNames[] = {"normal", "hover", "pressed"};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream err(stderr);
    const auto theme = arguments.size() == 3 ? themes().find(arguments[1]) : themes().end();
    if (theme == themes().end()) {
        err << "usage: vantrel_themeart Classic|Spectrum|Retro|Glass DIR\n";
        return 2;
    }
    const QDir folder(arguments[2]);
    if (!folder.mkpath(QStringLiteral("."))) {
        err << "vantrel_themeart: cannot make " << arguments[2] << '\n';
        return 1;
    }
    QTextStream out(stdout);
    out << "--corner\n" << theme->second.corner << '\n';
    if (theme->second.keepDepth)
        out << "--keep-depth\n";
    const char* format = theme->second.keepDepth ? "BMP" : "PNG";
    for (int style = 0; style < theme->second.colours.size(); ++style) {
        for (int face = 0; face < 3; ++face) {
            const QString path = folder.filePath(
                QStringLiteral("%1-%2-%3.%4")
                    .arg(theme->first)
                    .arg(style, 2, 10, QLatin1Char('0'))
                    .arg(QLatin1String(kFaceNames[face]), QString::fromLatin1(format).toLower()));
            const QImage image = theme->second.draw(theme->second.colours[style], Face(face));
            if (!image.save(path, format)) {
                err << "vantrel_themeart: cannot write " << path << '\n';
                return 1;
            }
            out << path << '\n';
        }
    }
    return 0;
}
