#pragma once

#include "planefile/planefileio.h"
#include "planefile/planerecord.h"

#include <QString>
#include <QStringView>

namespace vte {

// A plane as one line of text, to share where a file cannot go: "VTP1:" and
// the record's 204 bytes in base64url without padding, 277 characters.
QString planeCode(const PlaneRecord &record);

// Whether the text, white space aside, starts as a plane code does.
bool looksLikePlaneCode(QStringView text);

// The record of a code, checked as an opened file is and refused with the
// same messages. White space anywhere, '=' padding and the standard base64
// alphabet are taken as well.
OpenedRecord decodePlaneCode(QStringView text);

} // namespace vte
