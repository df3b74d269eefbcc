#pragma once

#include "planefile/planerecord.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace vte {

// Plane files as text, for people and scripts outside the window.
//
// A plane is described as one JSON object: "File", the file's path; the
// loadout under the keys of a saved configuration, holding the numbers a
// configuration and a plane file store; "PlaneName", "Nitro" and "Mounts";
// "Names", what the window shows for each number, under the number's key;
// "Weights", "Speed" and "StoredWeight". A file the window refuses is
// described by "File" and "Refusal" alone.

// Opens the file as the window does and describes what the window then shows.
QJsonObject describePlaneFile(const QString &path);

bool isRefused(const QJsonObject &plane);

// What a check finds wrong with a described file: the window's refusal or
// "Plane Over Weight"; nothing for a file that is fine.
std::optional<QString> planeFault(const QJsonObject &plane);

// The description as lines for a person to read, or "path: refusal".
QString planeText(const QJsonObject &plane);

// What planeText lists for a plane the window opens: a label and a value a line.
QList<std::pair<QString, QString>> planeLines(const QJsonObject &plane);

// One line of such a listing, indented, the values in a column of their own.
QString listingLine(const QString &label, const QString &value);

// A message of the window, its lines joined into one.
QString oneLine(const QString &message);

struct BuiltRecord
{
    std::optional<PlaneRecord> record;
    QString refusal; // one line naming the key and the value, or the export's refusal
};

// The plane file the export would write for a JSON document: a description as
// above, or an object with PlaneName and some loadout keys only, the others
// taking the defaults a configuration takes. Numbers are checked with the
// configuration's ranges and the name with the name box's rules; the keys that
// describe rather than define the plane are ignored, any other key is refused.
// A document that holds a plane code gives what opening and exporting that
// plane would write.
BuiltRecord buildPlaneRecord(const QByteArray &document);

// What exporting a plane file, once opened as the window opens it, would write.
BuiltRecord reexportPlaneFile(const QString &path);

} // namespace vte
