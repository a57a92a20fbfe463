#include "app/catalogue.h"
#include "finderwindow.h"
#include "platform/urlopener.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <vector>

namespace {

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The main window as assistive technology finds it, with the desktop's opener replaced.
class AccessibleFinder : public FinderWindow {
protected:
    void SetUp() override
    {
        FinderWindow::SetUp();
        QAccessible::setActive(true);
        previousOpener = platform::setUrlOpener([this](const QUrl& url) { opened.push_back(url); });
    }
    void TearDown() override { platform::setUrlOpener(previousOpener); }

    QAccessibleInterface* accessible(const char* name) const
    {
        QAccessibleInterface* found = QAccessible::queryAccessibleInterface(control(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    std::vector<QUrl> opened;
    platform::UrlOpener previousOpener;
};

TEST_F(AccessibleFinder, LinkAreasAreLinksNamedForTheirPageThatPressOpens)
{
    struct Link {
        const char* area;
        const char* name;
        const char* path;
    };
    const Link links[] = {{"Label1", "GSM and CDMA forum", "/vb/index.php"},
                          {"Label2", "Web site home page", "/"}};
    for (const Link& link : links) {
        SCOPED_TRACE(link.area);
        QAccessibleInterface* area = accessible(link.area);
        EXPECT_EQ(area->role(), QAccessible::Link);
        EXPECT_EQ(area->text(QAccessible::Name), QString::fromLatin1(link.name));
        opened.clear();
        area->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0].path(), QString::fromLatin1(link.path));
        EXPECT_EQ(area->text(QAccessible::Description), opened[0].toString());
    }
}

// The answer is text too: the shown picture is named by its IC marking and describes
// the models that share the IC.
TEST_F(AccessibleFinder, AShownIcPictureIsNamedByItsMarkingAndListsItsMembers)
{
    for (const char* model : {"6220c", "6220", "6230"}) {
        SCOPED_TRACE(model);
        typeIntoModelBox(QString::fromLatin1(model));
        const app::IcGroup* group = nullptr;
        for (const app::IcGroup& candidate : app::icGroups())
            for (const std::string_view member : candidate.members)
                if (member == model)
                    group = &candidate;
        ASSERT_NE(group, nullptr);
        QAccessibleInterface* picture = accessible(group->picture.data());
        EXPECT_FALSE(picture->state().invisible);
        EXPECT_EQ(picture->text(QAccessible::Name), latin1(group->marking));
        const QStringList described =
            picture->text(QAccessible::Description).split(QStringLiteral(", "));
        ASSERT_EQ(described.size(), static_cast<qsizetype>(group->members.size()));
        for (std::size_t i = 0; i < group->members.size(); ++i)
            EXPECT_EQ(described[static_cast<qsizetype>(i)], latin1(group->members[i]));
    }
}

TEST_F(AccessibleFinder, ButtonsAndMarqueeAreNamedByTheirCaptions)
{
    const std::pair<const char*, const char*> buttons[] = {{"ctlButton1", "Exit"},
                                                           {"ctlButton2", "About"},
                                                           {"ctlButton3", "Select Brand"},
                                                           {"ctlButton4", "Select Model"},
                                                           {"ctlButton5", "X"}};
    for (const auto& [name, caption] : buttons) {
        EXPECT_EQ(accessible(name)->role(), QAccessible::Button) << name;
        EXPECT_EQ(accessible(name)->text(QAccessible::Name), QString::fromLatin1(caption));
        EXPECT_EQ(accessible(name)->state().disabled, std::string_view(name) == "ctlButton3");
    }
    EXPECT_EQ(accessible("Display1")->text(QAccessible::Name).size(), 180);
}

} // namespace
