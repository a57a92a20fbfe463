#include "platform/settingsstore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace platform {
namespace {

QString settingsKey(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

IniSettingsStore::IniSettingsStore()
    : IniSettingsStore(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/Vantrel"))
{
}

IniSettingsStore::IniSettingsStore(QString folder)
    : m_folder(std::move(folder))
{
}

QString IniSettingsStore::filePath(const QString& application) const
{
    return QDir(m_folder).filePath(application + QStringLiteral(".ini"));
}

QString IniSettingsStore::GetSetting(const QString& application, const QString& section,
                                     const QString& key, const QString& defaultValue) const
{
    const QSettings settings(filePath(application), QSettings::IniFormat);
    return settings.value(settingsKey(section, key), defaultValue).toString();
}

void IniSettingsStore::SaveSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& value)
{
    QSettings settings(filePath(application), QSettings::IniFormat);
    settings.setValue(settingsKey(section, key), value);
}

IniSettingsStore& IniSettingsStore::user()
{
    static IniSettingsStore store;
    return store;
}

QString MemorySettingsStore::GetSetting(const QString& application, const QString& section,
                                        const QString& key, const QString& defaultValue) const
{
    const auto found = m_values.find({application, section, key});
    return found == m_values.end() ? defaultValue : found->second;
}

void MemorySettingsStore::SaveSetting(const QString& application, const QString& section,
                                      const QString& key, const QString& value)
{
    m_values[{application, section, key}] = value;
    ++m_saves;
}

} // namespace platform
