#pragma once

#include <QString>
#include <map>
#include <tuple>

// The per-user settings store: string values filed by application, section and key.
namespace platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored value, or defaultValue when the entry does not exist.
    virtual QString GetSetting(const QString& application, const QString& section,
                               const QString& key, const QString& defaultValue) const = 0;
    // Stores the value, creating the entry if needed.
    virtual void SaveSetting(const QString& application, const QString& section, const QString& key,
                             const QString& value) = 0;
};

// The user's own store: one readable INI file per application, "<application>.ini" in the
// folder given, by default "Vantrel" in the desktop's configuration folder
// (~/.config/Vantrel on Linux). Sections are the file's groups.
class IniSettingsStore final : public SettingsStore {
public:
    IniSettingsStore();
    explicit IniSettingsStore(QString folder);

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) const override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;

    QString filePath(const QString& application) const;

    // The store every part of the program shares.
    static IniSettingsStore& user();

private:
    QString m_folder;
};

// A store that lives only as long as the object, for tests and hosts that keep nothing.
class MemorySettingsStore final : public SettingsStore {
public:
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) const override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;

    int saveCount() const { return m_saves; }

private:
    std::map<std::tuple<QString, QString, QString>, QString> m_values;
    int m_saves = 0;
};

} // namespace platform
