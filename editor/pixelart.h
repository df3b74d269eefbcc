#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace vte {

// Qt would smooth a small picture up to a high-density screen. These copies
// are enlarged by whole factors without smoothing, so pixels stay square.

// The picture for a screen of the given density, marked with its factor so
// Qt draws it unscaled.
QPixmap sharpPixmap(const QImage &picture, qreal devicePixelRatio);

// An icon of the picture at one to four times its size, each copy made when
// a screen first asks for it.
QIcon sharpIcon(const QString &path);

} // namespace vte
