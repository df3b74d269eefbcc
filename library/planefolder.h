#pragma once

#include <QList>
#include <QString>

namespace vte {

// A file of a folder as far as telling that it changed goes.
struct FolderEntry
{
    QString name;
    qint64 size = 0;
    qint64 modified = 0; // milliseconds since the epoch

    bool operator==(const FolderEntry &) const = default;
};

// The files directly in a folder that may hold planes, by name: regular files
// only, hidden ones left out, so a FIFO or a device there is never opened.
// Nothing when the folder cannot be read.
QList<FolderEntry> folderEntries(const QString &folder);

} // namespace vte
