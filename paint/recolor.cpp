#include "paint/recolor.h"

#include <QColorSpace>

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

namespace {

struct Replacement
{
    std::array<QRgb, 3> markers;
    std::array<QRgb, 3> flips;
};

// A pixel matches at most one marker, so its new colour is the marker
// flipped by a fixed difference; masks pick the difference without a branch,
// which lets the compiler run several pixels at once. On x86-64 Linux a
// second build for AVX2 is chosen at load time where the processor has it:
// the preview is redrawn on every colour change.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__)
__attribute__((target_clones("avx2", "default")))
#endif
void replacePixels(const QRgb *from, QRgb *to, qsizetype count, const Replacement &r)
{
    // Locals, because the pixels could otherwise alias them.
    const QRgb m0 = r.markers[0];
    const QRgb m1 = r.markers[1];
    const QRgb m2 = r.markers[2];
    const QRgb f0 = r.flips[0];
    const QRgb f1 = r.flips[1];
    const QRgb f2 = r.flips[2];
    for (qsizetype i = 0; i < count; ++i) {
        // RGB32 keeps its top byte at 0xFF; it takes no part in matching.
        const QRgb rgb = from[i] & RGB_MASK;
        const QRgb flip = ((rgb == m0 ? ~0u : 0u) & f0) | ((rgb == m1 ? ~0u : 0u) & f1) | ((rgb == m2 ? ~0u : 0u) & f2);
        to[i] = (rgb ^ flip) | ~RGB_MASK;
    }
}

} // namespace

QImage recolored(const QImage &source, const std::array<quint32, 3> &paint)
{
    const QImage input = source.convertToFormat(QImage::Format_RGB32);
    // Written afresh from the input rather than copied and then changed: the
    // preview is redrawn on every colour change, and one pass over the pixels
    // costs little more than the copy alone.
    QImage image(input.size(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDotsPerMeterX(input.dotsPerMeterX());
    image.setDotsPerMeterY(input.dotsPerMeterY());
    image.setDevicePixelRatio(input.devicePixelRatio());
    image.setColorSpace(input.colorSpace());
    image.setOffset(input.offset());
    for (const QString &key : input.textKeys())
        image.setText(key, input.text(key));

    Replacement replacement{};
    for (size_t i = 0; i < replacement.markers.size(); ++i) {
        replacement.markers[i] = rgbFromStored(MarkerColors[i]) & RGB_MASK;
        replacement.flips[i] = (rgbFromStored(paint[i]) & RGB_MASK) ^ replacement.markers[i];
    }
    const qsizetype width = input.width();
    const qsizetype lineBytes = width * qsizetype(sizeof(QRgb));
    if (input.bytesPerLine() == lineBytes && image.bytesPerLine() == lineBytes) {
        replacePixels(reinterpret_cast<const QRgb *>(input.constBits()), reinterpret_cast<QRgb *>(image.bits()),
                      width * input.height(), replacement);
    } else {
        for (int y = 0; y < input.height(); ++y)
            replacePixels(reinterpret_cast<const QRgb *>(input.constScanLine(y)),
                          reinterpret_cast<QRgb *>(image.scanLine(y)), width, replacement);
    }
    return image;
}

} // namespace vte
