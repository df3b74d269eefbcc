#pragma once

#include "configs/settingsstore.h"

#include <QMap>
#include <QStringList>

namespace vte::test {

// A settings store in memory that logs its writes and can refuse to flush.
class MemoryStore final : public SettingsStore
{
public:
    QMap<QString, QMap<QString, QString>> sections;
    QStringList writeOrder; // "Section/Key" of every write, in order
    bool failFlush = false;

    QString read(const QString &section, const QString &key, const QString &defaultText) const override
    {
        return sections.value(section).value(key, defaultText);
    }
    void write(const QString &section, const QString &key, const QString &text) override
    {
        sections[section][key] = text;
        writeOrder << section + QLatin1Char('/') + key;
    }
    void removeSection(const QString &section) override { sections.remove(section); }
    bool flush(QString *reason) override
    {
        if (failFlush && reason)
            *reason = QStringLiteral("The store refused the write");
        return !failFlush;
    }
};

} // namespace vte::test
