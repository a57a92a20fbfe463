#include "app/about.h"
#include "button/ctlbutton.h"
#include "finderwindow.h"
#include "platform/urlopener.h"
#include "resources/artwork.h"
#include "support/queuedinput.h"

#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace {

app::about* aboutWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<app::about*>(window))
            return found;
    }
    return nullptr;
}

// Clicks About and runs the check once the about window is up; the check must close it.
// The button pumps events while it is pressed, so the check waits for the window rather
// than for the next pass of the event loop.
class AboutFromTheFinder : public FinderWindow {
protected:
    void whileOpen(const std::function<void(app::about&)>& check)
    {
        bool checked = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            app::about* window = aboutWindow();
            if (!window || !window->isVisible())
                return;
            poll.stop();
            checked = true;
            check(*window);
            if (window->isVisible())
                window->close(); // never leave the test stuck in the modal loop
        });
        poll.start();
        click("ctlButton2");
        poll.stop();
        EXPECT_TRUE(checked);
    }
};

TEST_F(AboutFromTheFinder, IsModalAndClosesOnAClick)
{
    std::vector<QUrl> opened;
    const platform::UrlOpener previous =
        platform::setUrlOpener([&](const QUrl& url) { opened.push_back(url); });
    whileOpen([&](app::about& window) {
        EXPECT_EQ(QApplication::activeModalWidget(), &window);
        click("Label1");
        click("ctlButton1");
        typeIntoWindow(QStringLiteral("6220"));
        EXPECT_TRUE(opened.empty());
        EXPECT_EQ(shownPictures(), kNoPicture);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(390, 270));
        EXPECT_FALSE(window.isVisible());
    });
    platform::setUrlOpener(previous);
    EXPECT_FALSE(aboutWindow()->isVisible());
    typeIntoModelBox(QStringLiteral("6220"));
    EXPECT_EQ(shownPictures(), kPicture3) << "the main window takes input again";
}

TEST_F(AboutFromTheFinder, KeysDoNothingAndTheSameWindowComesBack)
{
    app::about* first = nullptr;
    whileOpen([&](app::about& window) {
        first = &window;
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_F4})
            QTest::keyClick(window.windowHandle(), key);
        EXPECT_TRUE(window.isVisible());
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(200, 140));
        EXPECT_FALSE(window.isVisible());
    });
    whileOpen([&](app::about& window) {
        EXPECT_EQ(&window, first);
        EXPECT_NEAR(window.windowOpacity(), 200.0 / 255.0, 0.01);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
        EXPECT_FALSE(window.isVisible());
    });
}

// A double click on About: the first click opens the card. The second click's press
// either reaches the main window before the card is up (and is blocked there, as the card
// is modal), or lands on the card, which the desktop may have put under the pointer by
// then; either way the card opens once and stays until a click on it.
class DoubleClickOnAbout : public AboutFromTheFinder, public ::testing::WithParamInterface<bool> {};

TEST_P(DoubleClickOnAbout, OpensTheCardOnceAndAClickOnTheCardClosesIt)
{
    const bool secondClickOnTheCard = GetParam();
    const ulong first = ulong{1} << 30; // ms; the second click follows 100 ms later
    const QWidget* aboutButton = control("ctlButton2");
    const QPoint onAbout = aboutButton->mapTo(form.get(), aboutButton->rect().center());
    int aboutClicks = 0;
    QObject::connect(control<ctlButton>("ctlButton2"), &ctlButton::Click, [&] { ++aboutClicks; });

    int opened = 0;
    bool wasOpen = false;
    bool closedByACardClick = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        app::about* window = aboutWindow();
        const bool open = window && window->isVisible();
        if (open && !wasOpen) {
            ++opened;
            if (secondClickOnTheCard)
                queuedinput::click(window->windowHandle(),
                                   window->mapFromGlobal(form->mapToGlobal(onAbout)), first + 100);
        } else if (open && !closedByACardClick && queuedinput::allHandled()) {
            // Still open after the double click was handled: a click of its own closes it.
            closedByACardClick = true;
            queuedinput::click(window->windowHandle(), QPoint(20, 20), first + 2000);
        }
        wasOpen = open;
    });
    poll.start();
    queuedinput::click(form->windowHandle(), onAbout, first);
    if (!secondClickOnTheCard)
        queuedinput::click(form->windowHandle(), onAbout, first + 100);
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened > 0 && !wasOpen; }, 5000));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    poll.stop();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(aboutClicks, 1);
    EXPECT_TRUE(closedByACardClick) << "the double click closed the card";
    ASSERT_NE(aboutWindow(), nullptr);
    EXPECT_FALSE(aboutWindow()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(SecondClick, DoubleClickOnAbout, ::testing::Values(false, true),
                         [](const auto& p) {
                             return std::string(p.param ? "OnTheCard" : "OnTheBlockedWindow");
                         });

TEST(About, IsABorderlessCentredCardSeeThroughAtItsBlackPixels)
{
    app::about window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.size(), QSize(400, 280));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Form2"));
    EXPECT_EQ(window.frameGeometry().center(), window.screen()->geometry().center());
    EXPECT_NEAR(window.windowOpacity(), 200.0 / 255.0, 0.01);

    const QImage card = artwork::image(QString::fromLatin1(artwork::kAboutCardFile));
    const QRegion mask = window.mask();
    int holes = 0;
    int wrong = 0;
    for (int y = 0; y < window.height(); ++y) {
        for (int x = 0; x < window.width(); ++x) {
            const bool black = card.pixel(x, y) == qRgb(0, 0, 0);
            holes += black ? 1 : 0;
            wrong += mask.contains(QPoint(x, y)) == black ? 1 : 0;
        }
    }
    EXPECT_GT(holes, 0);
    EXPECT_EQ(wrong, 0) << "pixels where the mask disagrees with the card's black pixels";
}

} // namespace
