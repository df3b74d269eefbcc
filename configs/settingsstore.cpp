#include "configs/settingsstore.h"

#include "configs/settingstext.h"
#include "planefile/planefileio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace vte {

using settings::key;
using settings::textOf;
using settings::tr;

namespace {

using Values = QMap<QString, QVariant>;

// QSettings keeps what it parsed by file name, so every parse and format works
// on a scratch file of its own and never sees an outdated copy. One scratch
// folder, made when first needed, serves all the files of a read or a flush.
class IniScratch
{
public:
    std::optional<Values> parse(const QByteArray &text)
    {
        const std::optional<QString> path = freshPath();
        if (!path)
            return std::nullopt;
        QFile file(*path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.flush())
            return std::nullopt;
        file.close();
        const QSettings ini(file.fileName(), QSettings::IniFormat);
        Values values;
        // A line that QSettings cannot make sense of, such as one without a
        // key, reads as no value; kept, it would be written back under
        // another name.
        for (const QString &name : ini.allKeys()) {
            if (const QVariant value = ini.value(name); value.isValid())
                values.insert(name, value);
        }
        return values;
    }

    std::optional<QByteArray> format(const Values &values)
    {
        // QSettings writes no file at all for no values.
        if (values.isEmpty())
            return QByteArray();
        const std::optional<QString> path = freshPath();
        if (!path)
            return std::nullopt;
        {
            QSettings ini(*path, QSettings::IniFormat);
            for (auto it = values.cbegin(); it != values.cend(); ++it)
                ini.setValue(it.key(), it.value());
            ini.sync();
            if (ini.status() != QSettings::NoError)
                return std::nullopt;
        }
        QFile file(*path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }

    // A missing file holds nothing; one that cannot be read holds nothing known.
    std::optional<Values> read(const QString &path)
    {
        const QFileInfo info(path);
        if (!info.exists())
            return Values{};
        QFile file(path);
        // Only a regular file is opened: a FIFO would block the editor.
        if (!info.isFile() || !file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return parse(file.readAll());
    }

private:
    std::optional<QString> freshPath()
    {
        if (!m_dir)
            m_dir.emplace();
        if (!m_dir->isValid())
            return std::nullopt;
        return m_dir->filePath(QString::number(m_files++) + QStringLiteral(".ini"));
    }

    std::optional<QTemporaryDir> m_dir;
    int m_files = 0;
};

} // namespace

#ifndef Q_OS_WIN
std::unique_ptr<SettingsStore> SettingsStore::forCurrentUser()
{
    return std::make_unique<IniFileStore>(IniFileStore::userPath());
}
#endif

IniFileStore::IniFileStore(QString path)
    : m_path(std::move(path))
    , m_values(IniScratch().read(m_path).value_or(Values{}))
{ }

QString IniFileStore::userPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/VTEditor/VTEditor.ini");
}

QString IniFileStore::read(const QString &section, const QString &name, const QString &defaultText) const
{
    return textOf(m_values.value(key(section, name)), defaultText);
}

void IniFileStore::write(const QString &section, const QString &name, const QString &text)
{
    m_changes.push_back({section, name, text});
    apply(m_changes.back(), m_values);
}

void IniFileStore::removeSection(const QString &section)
{
    m_changes.push_back({section, {}, {}});
    apply(m_changes.back(), m_values);
}

void IniFileStore::apply(const Change &change, Values &values)
{
    if (!change.key.isEmpty()) {
        values.insert(key(change.section, change.key), change.text);
        return;
    }
    const QString prefix = change.section + QLatin1Char('/');
    values.removeIf([&prefix](Values::iterator entry) { return entry.key().startsWith(prefix); });
}

bool IniFileStore::flush(QString *reason)
{
    const auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    const QFileInfo info(m_path);
    if (info.exists() && !info.isFile())
        return fail(tr("%1 is not a regular file").arg(m_path));
    if (m_changes.empty())
        return true;

    // Writing over a file that could not be read would lose what it holds.
    IniScratch scratch;
    std::optional<Values> values = scratch.read(m_path);
    if (!values)
        return fail(tr("%1 cannot be read").arg(m_path));
    for (const Change &change : m_changes)
        apply(change, *values);
    const std::optional<QByteArray> text = scratch.format(*values);
    // A draft cut short reads back as fewer values.
    if (!text || scratch.parse(*text) != *values)
        return fail(tr("%1 cannot be written").arg(m_path));
    if (!QDir().mkpath(info.absolutePath()))
        return fail(tr("%1 cannot be written").arg(m_path));
    const WriteResult written = saveWholeFile(m_path, *text);
    if (!written.ok)
        return fail(tr("%1 cannot be written: %2").arg(m_path, written.reason));
    m_values = std::move(*values);
    m_changes.clear();
    return true;
}

} // namespace vte
