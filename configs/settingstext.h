#pragma once

// What the settings stores share: how they address a value and read it back.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vte::settings {

inline QString tr(const char *text)
{
    return QCoreApplication::translate("Settings", text);
}

inline QString key(const QString &section, const QString &name)
{
    return section + QLatin1Char('/') + name;
}

inline QString textOf(const QVariant &value, const QString &defaultText)
{
    if (!value.isValid())
        return defaultText;
    // An INI value edited by hand to hold commas reads back as a list.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

} // namespace vte::settings
