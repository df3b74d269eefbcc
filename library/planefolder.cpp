#include "library/planefolder.h"

#include <QDateTime>
#include <QDir>

namespace vte {

QList<FolderEntry> folderEntries(const QString &folder)
{
    QList<FolderEntry> entries;
    for (const QFileInfo &file : QDir(folder).entryInfoList(QDir::Files, QDir::Name))
        entries.append({file.fileName(), file.size(), file.lastModified().toMSecsSinceEpoch()});
    return entries;
}

} // namespace vte
