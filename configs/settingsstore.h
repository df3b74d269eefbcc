#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

namespace vte {

// The per-user settings store: texts addressed by section and key, under the
// application title.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // On Windows the registry branch that VB programs use, elsewhere an INI
    // file in the user's configuration folder.
    static std::unique_ptr<SettingsStore> forCurrentUser();

    virtual QString read(const QString &section, const QString &name, const QString &defaultText) const = 0;
    virtual void write(const QString &section, const QString &name, const QString &text) = 0;
    // A missing section is no error.
    virtual void removeSection(const QString &section) = 0;
    // Makes what was written durable. Some stores only learn here that a write
    // failed, so every caller that must report failure asks.
    virtual bool flush(QString *reason) = 0;
};

// The store in an INI file, in QSettings' format. Changes are kept in memory
// until flush, which lays them over what the file holds then (so another
// editor's saves survive) and replaces the file whole. QSettings is only used
// to parse and format, never to write the file itself: on a full disk it
// renames a short file into place and reports success.
class IniFileStore final : public SettingsStore
{
public:
    explicit IniFileStore(QString path);

    static QString userPath();

    QString read(const QString &section, const QString &name, const QString &defaultText) const override;
    void write(const QString &section, const QString &name, const QString &text) override;
    void removeSection(const QString &section) override;
    bool flush(QString *reason) override;

private:
    using Values = QMap<QString, QVariant>; // by "section/key"

    struct Change
    {
        QString section;
        QString key; // empty: the whole section goes
        QString text;
    };

    static void apply(const Change &change, Values &values);

    QString m_path;
    Values m_values; // the file as read, with the changes laid over
    std::vector<Change> m_changes;
};

} // namespace vte
