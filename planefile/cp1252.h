#pragma once

#include <QByteArray>
#include <QString>

namespace vte {

// Plane names are stored in the game's code page, Windows-1252, on every
// platform, so a file means the same wherever it is opened. Qt only converts
// this code page where it was built with ICU, hence a table of our own.
QString decodeCp1252(const QByteArray &bytes);

// Characters the code page cannot hold become '?'; the name box keeps them out.
QByteArray encodeCp1252(const QString &text);

bool isCp1252Storable(QChar c);

} // namespace vte
