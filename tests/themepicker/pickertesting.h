#pragma once

#include "button/buttonhost.h"
#include "button/ctlbutton.h"
#include "platform/bitmapfile.h"
#include "platform/messagebox.h"
#include "platform/propertypagehost.h"
#include "platform/settingsstore.h"
#include "platform/timer.h"
#include "support/messagerecorder.h"
#include "themepack.h"
#include "themepicker/filelistbox.h"
#include "themepicker/shtstyles.h"
#include "themepicker/styleface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace pickertest {

// A designer stand-in: the selection the test sets and the captions the page showed.
class TestHost final : public platform::PropertyPageHost {
public:
    int selectedControlCount() const override { return int(selection.size()); }
    QObject* selectedControl(int index) const override
    {
        return index >= 0 && std::size_t(index) < selection.size() ? selection[std::size_t(index)]
                                                                   : nullptr;
    }
    void setPageCaption(const QString& caption) override { captions << caption; }

    QString caption() const { return captions.isEmpty() ? QString() : captions.last(); }

    std::vector<QPointer<QObject>> selection;
    QStringList captions;
};

// Every button's reports in one log, named by the button.
class LoggingButtonHost final : public ButtonHost {
public:
    QFont ambientFont(const ctlButton&) const override { return QFont(); }
    QString displayName(const ctlButton& button) const override { return button.objectName(); }
    void propertyChanged(ctlButton& button, const QString& propertyName) override
    {
        log << button.objectName() + QLatin1Char(':') + propertyName;
    }

    QStringList log;
};

// The colour of image i of the test themes (without alpha): never a key candidate, since
// its blue is odd and below 200.
inline QRgb imageColour(int i)
{
    return qRgb(20 + (i * 37) % 200, 40 + (i * 11) % 180, 61 + 2 * (i % 70)) & RGB_MASK;
}

inline int cornerWidthOf(int i)
{
    return 2 + i % 3;
}
inline int cornerHeightOf(int i)
{
    return 1 + i % 2;
}

// Theme file bytes of `images` plain images of 32 × 16 pixels in the colours above; the
// first image gets colour index `firstColour`.
inline QByteArray themeBytes(int images, int firstColour = 1)
{
    std::vector<xbn::PackedImage> packed;
    for (int i = firstColour; i < firstColour + images; ++i) {
        QImage image(32, 16, QImage::Format_RGB32);
        image.fill(QColor::fromRgb(imageColour(i)));
        packed.push_back({platform::bitmapFileBytes(platform::Picture(image)), cornerWidthOf(i),
                          cornerHeightOf(i)});
    }
    return xbn::themeFileBytes(packed);
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// A scratch tree: the program's folder, its "themes" folder, the installed themes and a
// folder of the test's own, all empty until the test fills them.
struct Folders {
    Folders()
    {
        for (const QString& name : {program, programThemes, installed, themes})
            QDir().mkpath(name);
    }
    QTemporaryDir root;
    QString program = root.filePath(QStringLiteral("bin"));
    QString programThemes = program + QStringLiteral("/themes");
    QString installed = root.filePath(QStringLiteral("share/themes"));
    QString themes = root.filePath(QStringLiteral("mythemes"));
};

inline void settle()
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}

// The page's elements by name.
inline themepicker::FileListBox& File1(shtStyles& page)
{
    return *page.findChild<themepicker::FileListBox*>(QStringLiteral("File1"));
}
inline QLineEdit& Text1(shtStyles& page)
{
    return *page.findChild<QLineEdit*>(QStringLiteral("Text1"));
}
inline QScrollBar& VScroll1(shtStyles& page)
{
    return *page.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
}
inline QWidget& Picture2(shtStyles& page)
{
    return *page.findChild<QWidget*>(QStringLiteral("Picture2"));
}

// The first tick of the page's timer, without waiting 100 ms for it.
inline void firstTick(shtStyles& page)
{
    emit page.findChild<platform::Timer*>(QStringLiteral("Timer1"))->tick();
    settle();
}

// Which face of style k is in front: 1 normal, 2 hover, 3 pressed.
inline int frontFace(shtStyles& page, int k)
{
    const QObjectList order = Picture2(page).children();
    const auto position = [&](QObject* face) { return order.indexOf(face); };
    const qsizetype normal = position(page.State1(k));
    const qsizetype hover = position(page.State2(k));
    const qsizetype pressed = position(page.State3(k));
    if (normal > hover && normal > pressed)
        return 1;
    return hover > pressed ? 2 : 3;
}

// The colour in the middle of a face's picture.
inline QRgb faceColour(const themepicker::StyleFace& face)
{
    const QImage& image = face.image();
    return image.pixel(image.width() / 2, image.height() / 2) & RGB_MASK;
}

} // namespace pickertest
