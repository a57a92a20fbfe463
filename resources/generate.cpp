// Draws every picture the program is supplied with into the given folder, writes the main
// window's form file, and lists them all for the resource compiler. Runs at build time.
#include "resources/aboutcard.h"
#include "resources/artwork.h"
#include "resources/background.h"
#include "resources/form1storedform.h"
#include "resources/handcursor.h"
#include "resources/icon.h"
#include "resources/icpicture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

bool save(const QImage& image, const QDir& folder, const QString& file, QStringList& written)
{
    // The file's suffix names its format.
    if (!image.save(folder.filePath(file))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(file)));
        return false;
    }
    written << file;
    return true;
}

bool saveText(const QByteArray& text, const QDir& folder, const QString& file, QStringList& written)
{
    QFile out(folder.filePath(file));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(file)));
        return false;
    }
    written << file;
    return true;
}

bool writeResourceList(const QDir& folder, const QStringList& files)
{
    QFile list(folder.filePath(QStringLiteral("artwork.qrc")));
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream out(&list);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/artwork\">\n";
    // Bitmaps are stored as they are: the program maps them instead of inflating them.
    for (const QString& file : files)
        out << (file.endsWith(QLatin1String(".bmp")) ? "  <file compression-algorithm=\"none\">"
                                                     : "  <file>")
            << file << "</file>\n";
    out << "</qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok;
}

// The pictures drawn again for a screen with more device pixels than logical ones, so that
// their type and curves are sharp there.
bool saveForRatio(qreal ratio, const QDir& folder, QStringList& written)
{
    const auto file = [ratio](const QString& name) { return artwork::ratioFile(name, ratio); };
    bool ok = save(artwork::drawBackground(ratio), folder,
                   file(QString::fromLatin1(artwork::kBackgroundFile)), written) &&
              save(artwork::drawAboutCard(ratio), folder,
                   file(QString::fromLatin1(artwork::kAboutCardFile)), written) &&
              save(artwork::drawHandCursor(ratio), folder,
                   file(QString::fromLatin1(artwork::kHandCursorFile)), written);
    for (const app::IcGroup& group : app::icGroups())
        ok = ok && save(artwork::drawIcPicture(group, ratio), folder,
                        file(artwork::icPictureFile(group.number)), written);
    for (const int size : artwork::kWindowIconSizes)
        ok = ok && save(artwork::drawIcon(qRound(size * ratio)), folder,
                        file(artwork::iconFile(size)), written);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    QStringList written;
    bool ok = save(artwork::drawBackground(), folder, QString::fromLatin1(artwork::kBackgroundFile),
                   written) &&
              save(artwork::drawAboutCard(), folder, QString::fromLatin1(artwork::kAboutCardFile),
                   written) &&
              save(artwork::drawHandCursor(), folder, QString::fromLatin1(artwork::kHandCursorFile),
                   written);
    for (const app::IcGroup& group : app::icGroups())
        ok = ok && save(artwork::drawIcPicture(group), folder, artwork::icPictureFile(group.number),
                        written);
    for (const int size : artwork::kIconSizes)
        ok = ok && save(artwork::drawIcon(size), folder, artwork::iconFile(size), written);
    for (const qreal ratio : artwork::kDrawnRatios)
        ok = ok && saveForRatio(ratio, folder, written);
    ok = ok && saveText(platform::formToText(artwork::form1StoredForm()), folder,
                        QString::fromLatin1(artwork::kForm1File), written);
    if (!ok || !writeResourceList(folder, written))
        return 1;
    return 0;
}
