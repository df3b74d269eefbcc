#include "planefile/planefileio.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <filesystem>
#include <system_error>

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
    // The system's own reason when it cannot even tell the size: a file in a
    // folder the user may not enter exists, yet QFileInfo calls it missing.
    namespace fs = std::filesystem;
    const fs::path name = QFile(path).filesystemFileName();
    std::error_code error;
    const fs::file_status status = fs::status(name, error);
    const std::uintmax_t size = error || !fs::is_regular_file(status) ? 0 : fs::file_size(name, error);
    if (error)
        return unreadable(QString::fromLocal8Bit(error.message()));
    if (size != PlaneRecordSize) {
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

OpenedRecord openPlaneRecord(const QString &path)
{
    const ReadResult read = ReadPlaneFile(path);
    if (read.error == ReadResult::Error::Unreadable)
        return {std::nullopt, QStringLiteral("Plane File Could Not Be Read\n") + read.reason};
    // A file of the wrong size is never read: it is checked as no bytes at all.
    return checkPlaneBytes(read.record ? QByteArrayView(read.record->data(), PlaneRecordSize) : QByteArrayView());
}

OpenedRecord checkPlaneBytes(QByteArrayView bytes)
{
    if (bytes.size() != PlaneRecordSize)
        return {std::nullopt, QStringLiteral("Plane File Size Incorrect")};
    PlaneRecord record{};
    std::copy(bytes.begin(), bytes.end(), record.begin());
    // A value no list can show would leave the window half-loaded: the plane
    // is refused whole, before anything changes.
    const QString fault = findFieldOutOfRange(record);
    if (!fault.isEmpty())
        return {std::nullopt, QStringLiteral("Plane File Contents Incorrect\n") + fault};
    return {record, {}};
}

WriteResult saveWholeFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return {false, tr("Not a regular file")};
    if (target.exists() && !target.isWritable())
        return {false, tr("Permission denied")};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    // Dropping an uncommitted file removes its temporary copy.
    if (file.write(bytes) != bytes.size())
        return {false, file.errorString()};
    // The write above only fills Qt's buffer; a full disk shows when it is
    // flushed, and commit() would rename the short file into place regardless.
    if (!file.flush() || !file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

WriteResult WritePlaneFile(const QString &path, const PlaneRecord &record)
{
    return saveWholeFile(path, QByteArray(reinterpret_cast<const char *>(record.data()), PlaneRecordSize));
}

QString exportPlaneRecord(const QString &path, const PlaneRecord &record)
{
    const WriteResult written = WritePlaneFile(path, record);
    return written.ok ? QString() : QStringLiteral("Plane File Could Not Be Written\n") + written.reason;
}

} // namespace vte
