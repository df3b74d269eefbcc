#include "planefile/planecode.h"

#include <QByteArray>

namespace vte {

namespace {

const QString Prefix = QStringLiteral("VTP1:");
// The characters of both base64 alphabets, URL-safe and standard.
const QString CodeCharacters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_+/");

QString withoutSpace(QStringView text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text) {
        if (!c.isSpace())
            compact += c;
    }
    return compact;
}

OpenedRecord incorrect(const QString &detail)
{
    return {std::nullopt, QStringLiteral("Plane Code Incorrect\n") + detail};
}

} // namespace

QString planeCode(const PlaneRecord &record)
{
    const QByteArray bytes(reinterpret_cast<const char *>(record.data()), PlaneRecordSize);
    return Prefix + QString::fromLatin1(bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

bool looksLikePlaneCode(QStringView text)
{
    return withoutSpace(text).startsWith(Prefix);
}

OpenedRecord decodePlaneCode(QStringView text)
{
    const QString code = withoutSpace(text);
    if (!code.startsWith(Prefix))
        return incorrect(QStringLiteral("It does not start with %1").arg(Prefix));
    QStringView digits = QStringView(code).mid(Prefix.size());
    for (int padding = 0; padding < 2 && digits.endsWith(QLatin1Char('=')); ++padding)
        digits.chop(1);
    for (QChar c : digits) {
        if (!CodeCharacters.contains(c))
            return incorrect(QStringLiteral("\"%1\" cannot be part of a plane code").arg(c));
    }
    // Four characters hold three bytes; one left over holds none.
    if (digits.size() % 4 == 1)
        return incorrect(QStringLiteral("A character is missing or one too many"));
    QByteArray base64 = digits.toLatin1();
    base64.replace('+', '-').replace('/', '_');
    return checkPlaneBytes(QByteArray::fromBase64(base64, QByteArray::Base64UrlEncoding));
}

} // namespace vte
