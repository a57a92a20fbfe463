#include "themepicker/filelistbox.h"
#include "themepicker/themefolders.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

struct ThemeFolder {
    ThemeFolder()
    {
        for (const char* name :
             {"b.XBN", "a.xbn", "A.xbn", "c.txt", ".hidden.xbn", "xbn", "Ä.xbn", "a.xbn.bak"})
            touch(dir.filePath(QString::fromUtf8(name)));
        QDir(dir.path()).mkdir(QStringLiteral("folder.xbn"));
    }
    QTemporaryDir dir;
};

TEST(ThemeFolders, ListsOrdinaryThemeFilesOfAnyCaseInOneStableOrder)
{
    ThemeFolder folder;
    EXPECT_EQ(themepicker::matchingFiles(folder.dir.path(), QStringLiteral("*.xbn")),
              (QStringList{QStringLiteral("A.xbn"), QStringLiteral("a.xbn"),
                           QStringLiteral("b.XBN"), QString::fromUtf8("Ä.xbn")}));
    EXPECT_TRUE(themepicker::holdsThemeFile(folder.dir.path()));
    EXPECT_FALSE(themepicker::holdsThemeFile(folder.dir.filePath(QStringLiteral("folder.xbn"))));
    EXPECT_FALSE(themepicker::holdsThemeFile(folder.dir.filePath(QStringLiteral("missing"))));
}

TEST(ThemeFolders, ProgramThemesBesideTheExecutableOnlyWhenTheyHoldThemes)
{
    QTemporaryDir program;
    QDir(program.path()).mkdir(QStringLiteral("themes"));
    const QString beside = program.filePath(QStringLiteral("themes"));
    EXPECT_EQ(themepicker::programThemesFolder(program.path(), QStringLiteral("/installed")),
              QStringLiteral("/installed"));
    touch(beside + QStringLiteral("/x.Xbn"));
    EXPECT_EQ(themepicker::programThemesFolder(program.path(), QStringLiteral("/installed")),
              beside);
}

TEST(FileListBox, SettingAFolderListsItWithNoSelectionAndAFileSelectedRaisesClick)
{
    ThemeFolder folder;
    themepicker::FileListBox list;
    list.setPattern(QStringLiteral("*.xbn"));
    QSignalSpy clicks(&list, &themepicker::FileListBox::Click);

    ASSERT_TRUE(list.setPath(folder.dir.path()));
    EXPECT_EQ(list.listCount(), 4);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.fileName(), QString());
    EXPECT_FALSE(list.setPath(folder.dir.filePath(QStringLiteral("c.txt"))));
    EXPECT_FALSE(list.setPath(folder.dir.filePath(QStringLiteral("missing"))));
    EXPECT_EQ(list.path(), folder.dir.path());

    EXPECT_FALSE(list.setListIndex(4));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(list.setListIndex(2));
    EXPECT_EQ(list.fileName(), QStringLiteral("b.XBN"));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(list.setListIndex(2));
    EXPECT_EQ(clicks.count(), 2);
    list.refresh();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(clicks.count(), 2);
}

} // namespace
