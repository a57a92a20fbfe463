#include "platform/settingsstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(IniSettingsStore, KeepsValuesAsReadableTextPerApplication)
{
    QTemporaryDir folder;
    {
        platform::IniSettingsStore store(folder.path());
        EXPECT_EQ(store.GetSetting(QStringLiteral("Plexora"), QStringLiteral("Button Themes"),
                                   QStringLiteral("Path"), QStringLiteral("none")),
                  QStringLiteral("none"));
        store.SaveSetting(QStringLiteral("Plexora"), QStringLiteral("Button Themes"),
                          QStringLiteral("Path"), QStringLiteral("/home/me/my themes"));
    }
    const platform::IniSettingsStore reopened(folder.path());
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("Plexora"), QStringLiteral("Button Themes"),
                                  QStringLiteral("Path"), {}),
              QStringLiteral("/home/me/my themes"));
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("Vantrel"), QStringLiteral("Button Themes"),
                                  QStringLiteral("Path"), QStringLiteral("other")),
              QStringLiteral("other"));

    QFile file(reopened.filePath(QStringLiteral("Plexora")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Path=/home/me/my themes"))) << text.toStdString();
}

} // namespace
