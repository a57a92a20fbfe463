#include "buttontesting.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <gtest/gtest.h>

namespace {

QAccessibleInterface* accessibleOf(QObject& object)
{
    QAccessible::setActive(true);
    return QAccessible::queryAccessibleInterface(&object);
}

// A button too narrow for its caption shows a shortened one, but is named by the whole.
TEST(AccessibleButton, IsAPushButtonNamedByItsFullCaption)
{
    ButtonFixture fixture({40, 20});
    fixture.button.setCaption(QStringLiteral("Select Model"));
    ASSERT_TRUE(fixture.button.shownCaption().startsWith(QStringLiteral("...")));
    QAccessibleInterface* button = accessibleOf(fixture.button);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Select Model"));
    EXPECT_EQ(button->childCount(), 0) << "the measuring label is not shown";
    EXPECT_FALSE(button->state().disabled);

    fixture.button.setCaption(QStringLiteral("Exit"));
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("Exit"));
}

TEST(AccessibleButton, PressRaisesClickOnceWhileEnabledOnly)
{
    ButtonFixture fixture;
    QAccessibleActionInterface* actions = accessibleOf(fixture.button)->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    int clicks = 0;
    QObject::connect(&fixture.button, &ctlButton::Click, [&clicks] { ++clicks; });

    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);

    fixture.button.setEnabled(false);
    EXPECT_TRUE(accessibleOf(fixture.button)->state().disabled);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1) << "a disabled button takes no input";
}

TEST(AccessibleButton, InsideADisabledFormReadsDisabledAndIgnoresAPress)
{
    QWidget form;
    ctlButton button(&form);
    int clicks = 0;
    QObject::connect(&button, &ctlButton::Click, [&clicks] { ++clicks; });

    form.setEnabled(false);
    QAccessibleInterface* accessible = accessibleOf(button);
    EXPECT_TRUE(accessible->state().disabled);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 0);
}

} // namespace
