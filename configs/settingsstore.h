#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace vte {

// The per-user settings store: texts addressed by section and key, under the
// application title.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    virtual QString read(const QString &section, const QString &key, const QString &defaultText) const = 0;
    virtual void write(const QString &section, const QString &key, const QString &text) = 0;
    // A missing section is no error.
    virtual void removeSection(const QString &section) = 0;
    // Makes what was written durable. Some stores only learn here that a write
    // failed, so every caller that must report failure asks.
    virtual bool flush(QString *reason) = 0;
};

// The store on QSettings: on Windows the registry branch that VB programs use,
// elsewhere an INI file in the user's configuration folder.
class QSettingsStore final : public SettingsStore
{
public:
    explicit QSettingsStore(std::unique_ptr<QSettings> settings);
    ~QSettingsStore() override;

    static std::unique_ptr<QSettingsStore> forCurrentUser();
    static std::unique_ptr<QSettingsStore> forIniFile(const QString &path);
    static QString userIniPath();

    QString read(const QString &section, const QString &key, const QString &defaultText) const override;
    void write(const QString &section, const QString &key, const QString &text) override;
    void removeSection(const QString &section) override;
    bool flush(QString *reason) override;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace vte
