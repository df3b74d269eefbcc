#pragma once

// The files a test reads and writes: listings reviewed once by hand and
// compiled into the test (golden/), and files it lays out on disk.

#include "planefile/planerecord.h"

#include <QFile>
#include <QStringList>

namespace vte::test {

// One entry a line; a line starting with '#' is a remark.
inline QStringList golden(const QString &name)
{
    QFile file(QStringLiteral(":/golden/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("no golden listing %s", qPrintable(name));
    QStringList entries = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    entries.removeIf([](const QString &line) { return line.startsWith(QLatin1Char('#')); });
    return entries;
}

// A plane record as the bytes of its file.
inline QByteArray fileBytes(const PlaneRecord &record)
{
    return {reinterpret_cast<const char *>(record.data()), PlaneRecordSize};
}

inline bool writeFile(const QString &path, const QByteArray &bytes, QFile::Permissions permissions = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
           && (!permissions || file.setPermissions(permissions));
}

} // namespace vte::test
