// The 204-byte plane file: decoding, encoding, file I/O and the
// Windows-1252 names. Byte patches read "offset:hex bytes" separated by blanks.

#include "planefile/cp1252.h"
#include "planefile/planefileio.h"
#include "planefile/planerecord.h"
#include "support/files.h"
#include "support/loadoutscript.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vte;
using namespace vte::test;

namespace {

PlaneRecord patched(PlaneRecord record, const QString &patch)
{
    for (const QString &part : patch.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QByteArray bytes = QByteArray::fromHex(part.section(QLatin1Char(':'), 1).toLatin1());
        for (int i = 0; i < bytes.size(); ++i)
            record[part.section(QLatin1Char(':'), 0, 0).toInt() + i] = std::uint8_t(bytes[i]);
    }
    return record;
}

PlaneRecord exported(const Loadout &l)
{
    return EncodePlaneRecord(l.catalogue(), l.selections(), l.schemePosition(), l.weights().Total);
}

} // namespace

class TestPlaneFile : public QObject
{
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QString>("patch");
        QTest::addColumn<QString>("expected"); // items as "Key=value;..."
        QTest::addColumn<int>("storedWeight");
        const auto row = [](const char *name, const char *patch, const char *expected, int weight = 0) { QTest::newRow(name) << patch << expected << weight; };
        row("all zero", "", "PlaneName=;PlaneType=0;EngineType=0;HPLeft=0;ColorScheme=0;LogoNose=0;Color1=0;ArmorWings=0;SingleTwin=0;GunType3=0;Bullets0=0;RHP3=0");
        row("16-byte name", "4:4142434445464748494A4B4C4D4E4F50", "PlaneName=ABCDEFGHIJKLMNOP");
        row("zero ends the name", "4:410043444546", "PlaneName=A");
        row("Windows-1252 name", "4:80E99F", "PlaneName=\u20AC\u00E9\u0178");
        row("plane type and engine with nitro", "44:0A 48:05", "PlaneType=10;EngineType=5");
        row("hard points", "52:02 56:03", "HPLeft=2;HPRight=3");
        row("stored weight 40000", "60:409C", "", 40000);
        row("stored weight -1", "60:FFFFFFFF", "", -1);
        row("stored weight all four bytes", "60:01020304", "", 0x04030201);
        row("scheme and logos", "64:0D 92:01 96:11 100:31", "ColorScheme=13;LogoNose=1;LogoTail=17;LogoWing=49");
        row("colours red, green, blue", "104:123456 108:FF8000 112:000001", "Color1=5649426;Color2=33023;Color3=65536");
        row("armour rounds to the nearest step", "116:0C 120:0D 124:3C 128:05", "ArmorNose=2;ArmorTail=3;ArmorWings=12");
        row("gun layout whole", "132:8A", "SingleTwin=138");
        row("guns, ammunition, rockets", "136:01020304 140:05 148:04 152:01 160:03 168:02 180:09 184:0A 196:0B", "GunType0=1;GunType1=5;GunType3=4;Bullets0=1;Bullets2=3;LHP0=2;LHP3=9;RHP0=10;RHP3=11");
    }
    void decode()
    {
        QFETCH(QString, patch);
        QFETCH(QString, expected);
        QFETCH(int, storedWeight);
        const DecodedPlane d = DecodePlaneRecord(patched({}, patch));
        const QString difference = mismatch(items(d.selections), expected);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(d.storedWeight, storedWeight);
        Loadout shown; // the name box holds one character less than the file
        shown.load(d.selections);
        QCOMPARE(shown.selections().PlaneName, d.selections.PlaneName.left(MaxPlaneNameLength));
        // Written back, even a name the editor did not cut ends within its field.
        const PlaneRecord again = EncodePlaneRecord(shown.catalogue(), d.selections, shown.schemePosition(), 0);
        QCOMPARE(DecodePlaneRecord(again).selections.PlaneName, shown.selections().PlaneName);
    }

    void outOfRange_data()
    {
        QTest::addColumn<QString>("patch");
        QTest::addColumn<QString>("fault");
        const char *rows[][2] = {{"", ""}, {"44:0B", "PlaneType = 11"}, {"44:0A", ""}, {"48:06", "EngineCode = 6"}, {"48:05", ""}, {"52:05", "HPLeft = 5"},
                                 {"56:05", "HPRight = 5"}, {"64:0E", "ColorScheme = 14"}, {"64:0D", ""}, {"92:32", "LogoNose = 50"}, {"92:31", ""}, {"96:32", "LogoTail = 50"}, {"96:31", ""},
                                 {"100:32", "LogoWing = 50"}, {"116:3F", "NoseArmor = 63"}, {"116:3E", ""}, {"120:3F", "TailArmor = 63"},
                                 {"124:3F", "WingArmor = 63"}, {"132:D0", "GunLayout = 208"}, {"132:CF", ""}, {"136:06", "GunType0 = 6"},
                                 {"148:06", "GunType3 = 6"}, {"152:05", "Bullets0 = 5"}, {"164:05", "Bullets3 = 5"}, {"168:0C", "LHP0 = 12"}, {"176:0C", "LHP2 = 12"},
                                 {"196:0C", "RHP3 = 12"}, {"136:06 52:05", "HPLeft = 5"}};
        for (const auto &row : rows)
            QTest::newRow(*row[0] ? row[0] : "good") << row[0] << row[1];
    }
    void outOfRange()
    {
        QFETCH(QString, patch);
        QFETCH(QString, fault);
        QCOMPARE(findFieldOutOfRange(patched({}, patch)), fault);
    }

    void encode_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("bytes"); // as a patch on a zero record: the bytes expected there
        const auto row = [](const char *script, const char *bytes) { QTest::newRow(script) << script << bytes; };
        row("name Kite", "4:4B69746500000000000000000000000000");
        row("name ABCDEFGHIJKLMNOP", "4:4142434445464748494A4B4C4D4E4F0000");
        row("name \u20AC\u00E9", "4:80E900");
        row("", "40:10270000 44:05000000 48:00000000 52:00000000 56:00000000 60:48170000 64:04000000 200:50636400");
        row("engine 1;nitro 1", "48:04000000");
        row("engine 2;hp L 3;hp R 1", "48:02000000 52:03000000 56:01000000");
        row("type 2;gun 0 0;gun 1 1;mount 1;gun 2 2;mount 2;gun 3 3", "132:C9000000 136:00000000010000000200000003000000 152:01000000010000000100000001000000");
        row("type 0;gun 0 1;mount 0", "132:00000000");
        row("colour 0 0x0080FF;colour 1 0x563412;colour 2 0xFFFFFF", "104:FF800000 108:12345600 112:FFFFFF00");
        row("armor N 1;armor T 2;armor W 3", "116:050000000A0000000F0000000F000000");
        row("type 10", "200:646364");
        row("type 0;scheme 3", "64:00000000");
        row("type 1;scheme 2", "64:0A");
        row("logo 49 NT-", "92:31000000310000002E000000");
        row("hp L 2;rocket L 1 10;hp R 4;rocket R 3 7", "168:0B0000000A0000000B0000000B000000 184:0B0000000B0000000B00000007000000");
    }
    void encode()
    {
        QFETCH(QString, script);
        QFETCH(QString, bytes);
        Loadout l;
        QVERIFY(runScript(l, script).isEmpty());
        const PlaneRecord record = exported(l);
        // Besides the bytes a row names, those the editor never fills stay zero.
        const QString unfilled = QStringLiteral("0:00000000 20:%1 42:0000 68:%2 107:00 111:00 115:00 203:00").arg(QString(40, u'0'), QString(48, u'0'));
        for (const QString &part : (unfilled + u' ' + bytes).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const int offset = part.section(QLatin1Char(':'), 0, 0).toInt();
            const QByteArray want = QByteArray::fromHex(part.section(QLatin1Char(':'), 1).toLatin1());
            const QByteArray got(reinterpret_cast<const char *>(record.data()) + offset, want.size());
            QCOMPARE(got.toHex(' '), want.toHex(' '));
        }
    }

    // A plane file's size or the system's reason, never "No such file or
    // directory" for a path that is there; a folder has no plane file's size.
    void read_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("outcome"); // "read", "size", or the reason
        for (const char *size : {"0", "1", "203", "205", "folder"})
            QTest::newRow(size) << size << "size";
        QTest::newRow("204") << "204" << "read";
        QTest::newRow("missing") << "missing" << "No such file or directory";
        QTest::newRow("below a file") << "0/plane" << "Not a directory";
#ifdef Q_OS_UNIX
        QTest::newRow("symbolic link to itself") << "loop" << "Too many levels of symbolic links";
#endif
    }
    void read()
    {
        QFETCH(QString, name);
        QFETCH(QString, outcome);
        QTemporaryDir dir;
        QByteArray data;
        for (int i = 0; i < 205; ++i)
            data += char(i * 7 + 1);
        for (int size : {0, 1, 203, 204, 205})
            QVERIFY(writeFile(dir.filePath(QString::number(size)), data.left(size)));
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QFile::link(dir.filePath("loop"), dir.filePath("loop"));
        const ReadResult result = ReadPlaneFile(dir.filePath(name));
        QString seen = result.error == ReadResult::Error::None ? "read" : result.error == ReadResult::Error::WrongSize ? "size" : result.reason;
#ifdef Q_OS_WIN // the system's own words
        if (result.error == ReadResult::Error::Unreadable && !seen.isEmpty() && outcome.contains(u' '))
            seen = outcome;
#endif
        QCOMPARE(seen, outcome);
        QCOMPARE(result.record ? QByteArray(reinterpret_cast<const char *>(result.record->data()), 204) : QByteArray(), outcome == "read" ? data.left(204) : QByteArray());
    }

    // A write replaces the target whole and leaves nothing beside it; the
    // refusals, which leave everything as it was, are rows of tst_badinput.
    void write()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("plane");
        QVERIFY(writeFile(path, QByteArray(300, 'x')));
        Loadout l;
        runScript(l, QStringLiteral("name Kite;type 3;gun 1 2"));
        const PlaneRecord record = exported(l);
        const WriteResult w = WritePlaneFile(path, record);
        QVERIFY2(w.ok, qPrintable(w.reason));
        const ReadResult r = ReadPlaneFile(path);
        QVERIFY(r.record && *r.record == record);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"plane"});
    }

    void cp1252()
    {
        QByteArray bytes;
        for (int b = 0x20; b <= 0xFF; ++b)
            bytes += char(b);
        QCOMPARE(decodeCp1252(bytes).size(), bytes.size());
        QCOMPARE(encodeCp1252(decodeCp1252(bytes)).toHex(' '), bytes.toHex(' '));
        QCOMPARE(encodeCp1252(QStringLiteral(u"a\u4E2D\u0080b")), QByteArray("a??b"));
        const QString storable = QStringLiteral(u"A\u00E9\u20AC\u00A0\u0178 ~");
        const QString not_storable = QStringLiteral(u"\u4E2D\u0001\u007F\u0081");
        for (QChar c : storable)
            QVERIFY2(isCp1252Storable(c), qPrintable(QString::number(c.unicode(), 16)));
        for (QChar c : not_storable + QChar(u'\0'))
            QVERIFY2(!isCp1252Storable(c), qPrintable(QString::number(c.unicode(), 16)));
    }
};

QTEST_GUILESS_MAIN(TestPlaneFile)
#include "tst_planefile.moc"
