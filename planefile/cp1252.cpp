#include "planefile/cp1252.h"

#include <array>

namespace vte {

namespace {

// 0x80..0x9F; the five bytes the code page leaves undefined map to the control
// characters of the same number, as Windows itself does.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == u)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

QString decodeCp1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text += (b >= 0x80 && b < 0xA0) ? QChar(HighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray encodeCp1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        const int b = byteFor(c);
        bytes += b < 0 ? '?' : static_cast<char>(b);
    }
    return bytes;
}

bool isCp1252Storable(QChar c)
{
    // A zero byte would end the name; other control characters, including the
    // ones standing for the code page's undefined bytes, have no place in it.
    const char16_t u = c.unicode();
    const bool control = u < 0x20 || (u >= 0x7F && u < 0xA0);
    return !control && byteFor(c) >= 0;
}

} // namespace vte
