#include "configs/numberparser.h"

#include <cmath>
#include <limits>

namespace vte {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Accepts exactly the grammar above on an already trimmed text.
bool isNumberText(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto skipDigits = [&] {
        const qsizetype start = i;
        while (i < n && isDigit(text[i]))
            ++i;
        return i - start;
    };
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = skipDigits();
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ++i;
        if (skipDigits() == 0)
            return false;
    }
    return i == n;
}

} // namespace

std::optional<double> parseNumber(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    const QStringView number = QStringView(text).mid(first, last - first);
    if (!isNumberText(number))
        return std::nullopt;

    bool ok = false;
    const double value = number.toDouble(&ok);
    if (ok)
        return value;
    // The grammar held, so the conversion failed on magnitude alone: an
    // overflow gives an infinity, an underflow zero.
    return std::isinf(value) ? value : 0.0;
}

std::optional<qint16> roundToInt16(double value)
{
    const double nearest = std::nearbyint(value);
    if (!(nearest >= std::numeric_limits<qint16>::min() && nearest <= std::numeric_limits<qint16>::max()))
        return std::nullopt;
    return static_cast<qint16>(nearest);
}

qint64 roundHalfEven(double value)
{
    return static_cast<qint64>(std::nearbyint(value));
}

} // namespace vte
