#pragma once

#include "planefile/planerecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace vte {

struct ReadResult
{
    enum class Error { None, WrongSize, Unreadable };

    std::optional<PlaneRecord> record;
    Error error = Error::None;
    QString reason; // the system's words, for Unreadable
};

// The size is asked before anything is read, so a FIFO or a device is refused
// without ever blocking on it.
ReadResult ReadPlaneFile(const QString &path);

// A plane file as the window opens it: its record, or the message that refuses
// it, whose first line names the fault and whose second line, if any, the details.
struct OpenedRecord
{
    std::optional<PlaneRecord> record;
    QString refusal;
};

OpenedRecord openPlaneRecord(const QString &path);
// The checks of an opened file, for a record's bytes from anywhere.
OpenedRecord checkPlaneBytes(QByteArrayView bytes);

struct WriteResult
{
    bool ok = false;
    QString reason;
};

// Writes through a temporary file that replaces the target only once it is
// complete, so a failed write leaves what was there untouched. A target that
// exists but is not a regular file is refused rather than replaced.
WriteResult saveWholeFile(const QString &path, const QByteArray &bytes);

WriteResult WritePlaneFile(const QString &path, const PlaneRecord &record);

// Writes a plane file as the export does: the message that says why it could
// not be written, or an empty text.
QString exportPlaneRecord(const QString &path, const PlaneRecord &record);

} // namespace vte
