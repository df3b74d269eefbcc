#include "configs/settingsstore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace vte {

namespace {

QString key(const QString &section, const QString &name)
{
    return section + QLatin1Char('/') + name;
}

} // namespace

QSettingsStore::QSettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
{
}

QSettingsStore::~QSettingsStore() = default;

std::unique_ptr<QSettingsStore> QSettingsStore::forCurrentUser()
{
#ifdef Q_OS_WIN
    return std::make_unique<QSettingsStore>(std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\VTEditor"),
        QSettings::NativeFormat));
#else
    return forIniFile(userIniPath());
#endif
}

std::unique_ptr<QSettingsStore> QSettingsStore::forIniFile(const QString &path)
{
    return std::make_unique<QSettingsStore>(std::make_unique<QSettings>(path, QSettings::IniFormat));
}

QString QSettingsStore::userIniPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/VTEditor/VTEditor.ini");
}

QString QSettingsStore::read(const QString &section, const QString &name, const QString &defaultText) const
{
    const QVariant value = m_settings->value(key(section, name));
    if (!value.isValid())
        return defaultText;
    // An INI value edited by hand to hold commas reads back as a list.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void QSettingsStore::write(const QString &section, const QString &name, const QString &text)
{
    m_settings->setValue(key(section, name), text);
}

void QSettingsStore::removeSection(const QString &section)
{
    m_settings->remove(section);
}

bool QSettingsStore::flush(QString *reason)
{
    const QString path = m_settings->fileName();
    // QSettings would silently replace whatever stands at its path.
    if (m_settings->format() == QSettings::IniFormat && QFileInfo::exists(path) && !QFileInfo(path).isFile()) {
        if (reason)
            *reason = QCoreApplication::translate("Settings", "%1 is not a regular file").arg(path);
        return false;
    }
    m_settings->sync();
    switch (m_settings->status()) {
    case QSettings::NoError:
        return true;
    case QSettings::AccessError:
        if (reason)
            *reason = QCoreApplication::translate("Settings", "%1 cannot be written").arg(path);
        return false;
    case QSettings::FormatError:
        if (reason)
            *reason = QCoreApplication::translate("Settings", "%1 is not a valid settings file").arg(path);
        return false;
    }
    return false;
}

} // namespace vte
