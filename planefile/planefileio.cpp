#include "planefile/planefileio.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vte {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PlaneFile", text);
}

ReadResult unreadable(const QString &reason)
{
    ReadResult result;
    result.error = ReadResult::Error::Unreadable;
    result.reason = reason;
    return result;
}

} // namespace

ReadResult ReadPlaneFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return unreadable(tr("No such file or directory"));
    if (!info.isFile() || info.size() != PlaneRecordSize) {
        ReadResult result;
        result.error = ReadResult::Error::WrongSize;
        return result;
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(file.errorString());
    PlaneRecord record{};
    const qint64 got = file.read(reinterpret_cast<char *>(record.data()), PlaneRecordSize);
    if (got < 0)
        return unreadable(file.errorString());
    // The file may have changed between the size check and the read.
    if (got != PlaneRecordSize || !file.atEnd())
        return unreadable(tr("The file changed while it was being read"));

    ReadResult result;
    result.record = record;
    return result;
}

WriteResult WritePlaneFile(const QString &path, const PlaneRecord &record)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return {false, tr("Not a regular file")};
    if (target.exists() && !target.isWritable())
        return {false, tr("Permission denied")};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(reinterpret_cast<const char *>(record.data()), PlaneRecordSize) != PlaneRecordSize) {
        // Dropping the uncommitted file removes its temporary copy.
        return {false, file.errorString()};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

} // namespace vte
