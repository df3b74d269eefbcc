#include "editor/pixelart.h"

#include <algorithm>

namespace vte {

namespace {

QImage enlarged(const QImage &picture, int factor)
{
    return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

QPixmap sharpPixmap(const QImage &picture, qreal devicePixelRatio)
{
    const int factor = std::max(1, static_cast<int>(devicePixelRatio));
    if (factor == 1)
        return QPixmap::fromImage(picture);
    QPixmap pixmap = QPixmap::fromImage(enlarged(picture, factor));
    pixmap.setDevicePixelRatio(factor);
    return pixmap;
}

QIcon sharpIcon(const QString &path)
{
    const QImage picture(path);
    QIcon icon(QPixmap::fromImage(picture));
    for (int factor = 2; factor <= 4; ++factor)
        icon.addPixmap(QPixmap::fromImage(enlarged(picture, factor)));
    return icon;
}

} // namespace vte
