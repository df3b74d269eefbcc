#pragma once

#include <QImage>

#include <array>

namespace vte {

// The scheme pictures paint their three areas in these exact colours (0x00BBGGRR).
inline constexpr std::array<quint32, 3> MarkerColors = {0x0000FF, 0x00FF00, 0x00FFFF};

// Converts between the stored 0x00BBGGRR form and Qt's colours.
QRgb rgbFromStored(quint32 colour);
quint32 storedFromRgb(QRgb rgb);

// A copy of source in which every pixel that matches a marker exactly (all 24
// bits, first marker first) takes the paint colour of that marker. Matching is
// done on the source, so a paint colour equal to a later marker is never
// painted over again.
QImage recolored(const QImage &source, const std::array<quint32, 3> &paint);

} // namespace vte
