// The form Designer saved after a style installation, read with QUiLoader and the
// Designer plugin module as Designer loads it: the same faces as Designer showed.
#include "pointerfaces.h"

#include <QCoreApplication>
#include <QFile>
#include <QUiLoader>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

TEST(UiLoaderForm, ButtonsAndMarqueeShowWhatDesignerShowed)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(PLUGIN_DIR);
    ASSERT_TRUE(loader.availableWidgets().contains("ctlButton"));
    QFile file(ROUNDTRIP_DIR "/roundtrip.ui");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> window(loader.load(&file));
    ASSERT_NE(window, nullptr) << loader.errorString().toStdString();
    window->show();
    QCoreApplication::processEvents();

    for (const char* name : {"ctlButton1", "ctlButton2"}) {
        SCOPED_TRACE(name);
        QWidget* button = window->findChild<QWidget*>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_STREQ(button->metaObject()->className(), "ctlButton");
        EXPECT_EQ(button->property("theme_file_no").toInt(), 1);
        EXPECT_EQ(button->property("theme_no").toInt(), 2);
        const QList<QImage> faces = designertest::facesByPointer(*button);
        for (int state = 0; state <= 2; ++state) {
            SCOPED_TRACE(state);
            EXPECT_TRUE(designertest::matchesFile(
                faces.at(state), designertest::faceFile(ROUNDTRIP_DIR, name, state)));
        }
    }
    QWidget* display = window->findChild<QWidget*>("Display1");
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->property("Characters").toString(), "12");
    EXPECT_TRUE(designertest::matchesFile(designertest::drawn(*display),
                                          designertest::faceFile(ROUNDTRIP_DIR, "Display1", 0)));
}
