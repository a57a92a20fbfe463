#pragma once

#include "pickertesting.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace pickertest {

// A page on scratch folders, an in-memory settings store and a test host.
class PageTest : public ::testing::Test {
protected:
    // Writes a theme of `images` images into the folder.
    void addTheme(const QString& folder, const QString& name, int images)
    {
        writeFile(folder + QLatin1Char('/') + name, themeBytes(images));
    }

    // A shown button of the given size carrying a style of file `file`, number `style`.
    ctlButton& addButton(const QString& name, QSize pixels, std::int16_t file = 0,
                         std::int16_t style = 0)
    {
        auto button = std::make_unique<ctlButton>();
        button->setObjectName(name);
        button->setHost(&buttonHost);
        button->resize(pixels);
        QImage plain(8, 8, QImage::Format_RGB32);
        plain.fill(Qt::gray);
        const platform::PicturePtr picture = platform::makePicture(plain);
        button->SetSkin(picture, picture, picture, QStringLiteral("0,0,0,0,0,0,0,0"), file, style,
                        true);
        button->show();
        host.selection.push_back(button.get());
        buttons.push_back(std::move(button));
        return *buttons.back();
    }

    shtStylesEnvironment environment() { return {&settings, folders.program, folders.installed}; }

    shtStyles& open()
    {
        page = std::make_unique<shtStyles>(host, environment());
        page->show();
        return *page;
    }

    // Opens the page on the folder with the theme files already written there, and runs
    // the first tick.
    shtStyles& openOn(const QString& folder)
    {
        settings.SaveSetting(QStringLiteral("Plexora"), QStringLiteral("Button Themes"),
                             QStringLiteral("Path"), folder);
        open();
        firstTick(*page);
        return *page;
    }

    // A theme of the given number of images alone in the test folder, loaded.
    shtStyles& openTheme(int images)
    {
        addTheme(folders.themes, QStringLiteral("theme.xbn"), images);
        return openOn(folders.themes);
    }

    Folders folders;
    platform::MemorySettingsStore settings;
    LoggingButtonHost buttonHost;
    MessageRecorder messages;
    std::vector<std::unique_ptr<ctlButton>> buttons;
    TestHost host;
    std::unique_ptr<shtStyles> page;
};

// A test name made of a case's description.
template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case>& described)
{
    std::string name = described.param.what;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
}

inline void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    const QPointF at(5, 5);
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

inline void press(QWidget* face, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(face, QEvent::MouseButtonPress, button, button);
}
inline void release(QWidget* face, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(face, QEvent::MouseButtonRelease, button, Qt::NoButton);
}
inline void moveOver(QWidget* face)
{
    sendMouse(face, QEvent::MouseMove, Qt::NoButton, Qt::NoButton);
}

} // namespace pickertest
