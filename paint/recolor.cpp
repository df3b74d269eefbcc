#include "paint/recolor.h"

namespace vte {

QRgb rgbFromStored(quint32 colour)
{
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

quint32 storedFromRgb(QRgb rgb)
{
    return static_cast<quint32>(qRed(rgb)) | static_cast<quint32>(qGreen(rgb)) << 8
           | static_cast<quint32>(qBlue(rgb)) << 16;
}

QImage recolored(const QImage &source, const std::array<quint32, 3> &paint)
{
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::array<QRgb, 3> markers{};
    std::array<QRgb, 3> colours{};
    for (size_t i = 0; i < markers.size(); ++i) {
        markers[i] = rgbFromStored(MarkerColors[i]) & RGB_MASK;
        colours[i] = rgbFromStored(paint[i]);
    }
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x] & RGB_MASK;
            for (size_t i = 0; i < markers.size(); ++i) {
                if (pixel == markers[i]) {
                    line[x] = colours[i];
                    break;
                }
            }
        }
    }
    return image;
}

} // namespace vte
