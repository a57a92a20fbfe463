#include "marquee/display.h"

#include <QAccessible>
#include <gtest/gtest.h>

namespace {

// Whatever part of the caption the cells show, the display is named by all of it.
TEST(AccessibleDisplay, IsStaticTextNamedByItsWholeCaption)
{
    marquee::Display display;
    display.setCharacters(QStringLiteral("5"));
    display.setCaption(QStringLiteral("Keypad IC finder"));
    display.setScroll(true);
    for (int step = 0; step < 8; ++step)
        display.scrollStep();
    ASSERT_NE(display.shownText(), display.Caption().left(5));

    QAccessible::setActive(true);
    QAccessibleInterface* text = QAccessible::queryAccessibleInterface(&display);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->role(), QAccessible::StaticText);
    EXPECT_EQ(text->text(QAccessible::Name), QStringLiteral("Keypad IC finder"));

    display.setCaption(QStringLiteral("X"));
    EXPECT_EQ(text->text(QAccessible::Name), QStringLiteral("X"));
}

} // namespace
