// What the editor stores. The 204-byte plane file: decoding, encoding, file
// I/O, plane codes and the Windows-1252 names; byte patches read "offset:hex bytes"
// separated by blanks. Stored texts: the number parser, saved configurations
// and the INI-backed settings store.

#include "configs/numberparser.h"
#include "configs/settingsstore.h"
#include "planefile/cp1252.h"
#include "planefile/planecode.h"
#include "planefile/planefileio.h"
#include "planefile/planerecord.h"
#include "support/files.h"
#include "support/loadoutscript.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <optional>

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

// What an unused slot loads as.
const char *const UnusedSlot = "PlaneType=5;ArmorNose=0;ArmorTail=0;ArmorWings=0;SingleTwin=0;EngineType=0;GunType0=5;GunType3=5;"
                               "Bullets0=4;Bullets3=4;HPLeft=0;HPRight=0;LHP0=11;LHP3=11;RHP0=11;RHP3=11;Color1=255;Color2=65280;"
                               "Color3=65535;ColorScheme=4;LogoNose=46;LogoTail=46;LogoWing=46;PlaneName=";

// What an INI file holds, as QSettings parses a copy of it (QSettings keeps
// what it parsed by file name, and the file changes under it).
QMap<QString, QMap<QString, QString>> iniContents(const QString &path)
{
    static int copies = 0;
    const QString copy = path + QString::number(++copies);
    QFile::copy(path, copy);
    const QSettings ini(copy, QSettings::IniFormat);
    QMap<QString, QMap<QString, QString>> sections;
    for (const QString &name : ini.allKeys())
        if (const QVariant value = ini.value(name); value.isValid()) // a line without a value holds none
            sections[name.section(u'/', 0, 0)][name.section(u'/', 1)] = value.toString();
    return sections;
}

} // namespace

class TestStorage : public QObject
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
        row("stored weight 40000", "60:409C", "", 40000);
        row("stored weight -1", "60:FFFFFFFF", "", -1);
        row("stored weight all four bytes", "60:01020304", "", 0x04030201);
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

    // A plane code against the record it holds, given as a patch on a zero record.
    void planeCodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("patch");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("written"); // the text is the code of the record
        const auto row = [](const char *name, const QString &text, const QString &patch, const char *refusal = "", bool written = false) { QTest::newRow(name) << text << patch << refusal << written; };
        const QString a264(264, u'A'), a272(272, u'A'), edges = QStringLiteral("0:FBEFBEFFFFFF");
        const char *size = "Plane File Size Incorrect", *start = "Plane Code Incorrect\nIt does not start with VTP1:";
        row("zero record", "VTP1:" + a272, "", "", true);
        row("both ends of the URL alphabet", "VTP1:----____" + a264, edges, "", true);
        row("the standard alphabet", "VTP1:++++////" + a264, edges);
        row("white space anywhere", " VT P1:\n--\t--__\r\n__" + a264 + " \n", edges);
        row("padding where none is needed", "VTP1:" + a272 + "==", "");
        row("a byte short, padded", "VTP1:" + a272.chopped(1) + '=', "", size);
        row("a byte too many", "VTP1:" + a272 + "AA", "", size);
        row("no bytes", "VTP1:", "", size);
        row("a field out of range", "VTP1:" + a272.left(56) + "AAAL" + a264.left(212), "44:0B", "Plane File Contents Incorrect\nPlaneType = 11", true);
        row("empty", "", "", start);
        row("no prefix", a272, "", start);
        row("another version", "VTP2:" + a272, "", start);
        row("a character of neither alphabet", "VTP1:" + a272.chopped(1) + '*', "", "Plane Code Incorrect\n\"*\" cannot be part of a plane code");
        row("padding within", "VTP1:AA=A" + a264 + "AAAA", "", "Plane Code Incorrect\n\"=\" cannot be part of a plane code");
        row("three padding characters", "VTP1:" + a272.chopped(1) + "===", "", "Plane Code Incorrect\n\"=\" cannot be part of a plane code");
        row("a letter beyond Latin-1", "VTP1:" + a272.chopped(1) + u'\u03A9', "", "Plane Code Incorrect\n\"\u03A9\" cannot be part of a plane code");
        row("a character left over", "VTP1:" + a272 + 'A', "", "Plane Code Incorrect\nA character is missing or one too many");
    }
    void planeCodes()
    {
        QFETCH(QString, text);
        QFETCH(QString, patch);
        QFETCH(QString, refusal);
        QFETCH(bool, written);
        const PlaneRecord record = patched({}, patch);
        const OpenedRecord read = decodePlaneCode(text);
        QCOMPARE(read.refusal, refusal);
        QCOMPARE(read.record ? fileBytes(*read.record) : QByteArray(), refusal.isEmpty() ? fileBytes(record) : QByteArray());
        QCOMPARE(planeCode(record) == text, written);
        QCOMPARE(looksLikePlaneCode(text), !refusal.contains(u"does not start"));
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
        const PlaneRecord record = exportedRecord(l);
        // Besides the bytes a row names, those the editor never fills stay zero.
        const QString unfilled = QStringLiteral("0:00000000 20:%1 42:0000 68:%2 107:00 111:00 115:00 203:00").arg(QString(40, u'0'), QString(48, u'0'));
        QCOMPARE(fileBytes(record).toHex(' '), fileBytes(patched(record, unfilled + u' ' + bytes)).toHex(' '));
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
        QCOMPARE(result.record ? fileBytes(*result.record) : QByteArray(), outcome == "read" ? data.left(204) : QByteArray());
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
        const PlaneRecord record = exportedRecord(l);
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
        for (QChar c : storable + QStringLiteral(u"\u4E2D\u0001\u007F\u0081") + QChar(u'\0'))
            QVERIFY2(isCp1252Storable(c) == storable.contains(c), qPrintable(QString::number(c.unicode(), 16)));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("value"); // "-" when the text is not a number
        QTest::addColumn<QString>("whole"); // rounded, halves to even; "-" when it does not fit 16 bits
        const char *rows[][3] = {{"0", "0", "0"}, {" 12 ", "12", "12"}, {"\t3\t", "3", "3"}, {"+4", "4", "4"}, {"-4", "-4", "-4"}, {"2.5", "2.5", "2"},
                                 {".5", "0.5", "0"}, {"5.", "5", "5"}, {"1e3", "1000", "1000"}, {"1E+3", "1000", "1000"}, {"2.5e-1", "0.25", "0"},
                                 {"3.5", "3.5", "4"}, {"-2.5", "-2.5", "-2"}, {"1.5", "1.5", "2"}, {"32767", "32767", "32767"}, {"32767.5", "32767.5", "-"},
                                 {"-32768", "-32768", "-32768"}, {"-32768.5", "-32768.5", "-32768"}, {"-32769", "-32769", "-"}, {"1e300", "1e+300", "-"},
                                 {"1e400", "inf", "-"}, {"-1e400", "-inf", "-"}, {"1e-400", "0", "0"}, {"", "-"}, {" ", "-"}, {"abc", "-"}, {"0x10", "-"},
                                 {"1,000", "-"}, {"1 000", "-"}, {"inf", "-"}, {"nan", "-"}, {"Infinity", "-"}, {"--1", "-"}, {"1e", "-"}, {"e5", "-"},
                                 {".", "-"}, {"1.2.3", "-"}};
        for (const auto &row : rows)
            QTest::addRow("\"%s\"", row[0]) << row[0] << row[1] << QString::fromLatin1(row[2] ? row[2] : "-");
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, value);
        QFETCH(QString, whole);
        const std::optional<double> number = parseNumber(text);
        const std::optional<qint16> rounded = number ? roundToInt16(*number) : std::nullopt;
        QCOMPARE(number ? QString::number(*number) : QStringLiteral("-"), value);
        QCOMPARE(rounded ? QString::number(*rounded) : QStringLiteral("-"), whole);
        // A German locale neither adds the decimal comma nor loses the point.
        QLocale::setDefault(QLocale::German);
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        QCOMPARE(parseNumber(text), number);
        QVERIFY(!parseNumber(QStringLiteral("2,5")));
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }

    // A slot is written whole, in key order, and then names its configuration.
    void save()
    {
        const QString texts = "MenuName=Alpha;PlaneType=5;ArmorNose=12;ArmorTail=12;ArmorWings=12;SingleTwin=0;EngineType=0;GunType0=5;GunType3=5;Bullets0=4;Bullets3=4;HPLeft=0;HPRight=0;LHP0=11;RHP3=11;Color1=255;Color2=65280;Color3=65535;ColorScheme=4;LogoNose=46;LogoTail=46;LogoWing=46";
        const Loadout l;
        MemoryStore store;
        writeConfiguration(store, 2, QStringLiteral("Alpha"), l.catalogue(), l.selections(), l.schemePosition());
        QCOMPARE(store.writeOrder.join(u' ').remove(QStringLiteral("Plane2/")), configurationKeys().join(u' '));
        QCOMPARE(configurationKeys().join(u' '), QStringLiteral("MenuName PlaneType ArmorNose ArmorTail ArmorWings SingleTwin EngineType GunType0 GunType1 GunType2 GunType3 Bullets0 Bullets1 Bullets2 Bullets3 HPLeft HPRight LHP0 LHP1 LHP2 LHP3 RHP0 RHP1 RHP2 RHP3 Color1 Color2 Color3 ColorScheme LogoNose LogoTail LogoWing"));
        const QString difference = mismatch(store.sections[QStringLiteral("Plane2")], texts);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(configurationMenuName(store, 2), QStringLiteral("Alpha"));
        QCOMPARE(configurationMenuName(store, 3), QStringLiteral("Empty"));
        // Each type's last scheme is stored as itself.
        for (int type = 0; type < PlaneTypeCount; ++type) {
            Loadout last;
            last.choosePlaneType(type);
            const int position = last.catalogue().PlaneTypes(type).schemeCount() - 1;
            last.chooseScheme(position);
            writeConfiguration(store, 3, QStringLiteral("Last"), last.catalogue(), last.selections(), last.schemePosition());
            QCOMPARE(store.sections[QStringLiteral("Plane3")].value(QStringLiteral("ColorScheme")),
                     QString::number(last.catalogue().PlaneTypes(type).Schemes[position]));
        }
    }

    void load_data()
    {
        QTest::addColumn<QString>("stored");   // "Key=text|Key=text"
        QTest::addColumn<QString>("expected"); // items that differ from an unused slot
        QTest::addColumn<QString>("messages"); // the items named, in order
        const auto row = [](const char *stored, const char *expected, const char *messages = "") { QTest::newRow(stored) << stored << expected << messages; };
        row("", "");
        row("ArmorNose=2.5", "ArmorNose=2");
        row("ArmorNose=13", "", "Nose Armor");
        row("ArmorNose=-1", "", "Nose Armor");
        row("ArmorNose=abc", "ArmorNose=5");
        row("ArmorTail=abc|ArmorNose=7", "ArmorNose=7;ArmorTail=0");
        row("ArmorWings=12.4|ArmorTail=12.6", "ArmorWings=12", "Tail Armor");
        row("EngineType=6", "", "Engine");
        row("SingleTwin=202|PlaneType=0", "SingleTwin=202;PlaneType=0");
        row("SingleTwin=208", "", "Gun Layouts");
        row("GunType1=9", "", "Gun 2");
        row("GunType2=5|Bullets2=7", "");
        row("GunType2=0|Bullets2=7", "GunType2=0", "Ammo 3");
        row("GunType2=0|Bullets2=1", "GunType2=0;Bullets2=1");
        row("HPLeft=0|LHP0=3", "");
        row("HPLeft=2|LHP0=3|LHP3=12", "HPLeft=2;LHP0=3", "Left Rocket 4");
        row("HPLeft=7", "", "Left Hard Points");
        row("HPRight=1|RHP2=99", "HPRight=1", "Right Rocket 3");
        row("Color1=16777215", "Color1=16777215");
        row("Color1=0", "Color1=0");
        row("Color1=-1", "", "First Color");
        row("Color1=-0.4", "", "First Color");
        row("Color1=16777216", "", "First Color");
        row("Color1=16777215.4", "Color1=16777215");
        row("Color2=0.5", "Color2=0");
        row("Color2=1e400", "", "Second Color");
        row("Color3=abc", "");
        row("ColorScheme=20", "");
        row("ColorScheme=13", "ColorScheme=13");
        row("LogoWing=50", "", "Wing Logo");
        row("LogoNose=49|LogoTail=0", "LogoNose=49;LogoTail=0");
        row("PlaneType=40000", "", "Plane Type");
        row("PlaneType=10.5|GunType3=0", "PlaneType=10;GunType3=0");
        row("LogoNose=99|GunType0=9|PlaneType=1e400", "", "Plane Type|Gun 1|Nose Logo");
    }
    void load()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QFETCH(QString, messages);
        MemoryStore store;
        for (const QString &pair : stored.split(u'|', Qt::SkipEmptyParts))
            store.write(QStringLiteral("Plane1"), pair.section(u'=', 0, 0), pair.section(u'=', 1));
        QStringList reported, wanted;
        const PlaneSelections p = readConfiguration(store, 1, [&](const QString &message) { reported << message; });
        for (const QString &item : messages.split(u'|', Qt::SkipEmptyParts))
            wanted << QStringLiteral("Illegal value found for %1, Default used").arg(item);
        QCOMPARE(reported, wanted);
        const QString difference = mismatch(items(p), QLatin1String(UnusedSlot) + u';' + expected);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Random saves, clears, flushes and new starts on a file that starts
    // missing, empty, full of other values or malformed, held against a store
    // in memory. Another editor saves now and then on the same file: each
    // flush lays only its own changes over the file as it is then.
    void iniStoreMatchesMemory_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("empty file") << QByteArray("");
        QTest::newRow("other values") << QByteArray("[Settings]\nDefaultDir=/p\nFolders=a,b\n[Plane1]\nMenuName=X\n");
        QTest::newRow("malformed") << QByteArray("junk\n[Plane0\nColor1=1\nx//y=2\nList=a,,b\n[Settings]\n=x\nDisplay=\"open\nBad=@Variant(junk)\nNo=@Invalid()\n[]\nz=1\n\xff[\n");
    }
    void iniStoreMatchesMemory()
    {
        QFETCH(QByteArray, start);
        const QStringList sections{"Plane0", "Plane1", "Settings", "Plane3"}, keys{"MenuName", "Color1", "Display"};
        const QStringList texts{"", "Alpha", " 7 ", "a, b", "x=y;z", "@at", "\"q\"", "back\\slash", "\u00fc\n2", "[S]",
                                "12\r\n34", QString::fromUtf8("12\0" "34", 5), QString(100 * 1024, u'7')};
        const auto sameReads = [&](const SettingsStore &store, const MemoryStore &oracle) {
            for (const QString &section : sections)
                for (const QString &key : keys)
                    if (store.read(section, key, "-") != oracle.read(section, key, "-"))
                        return false;
            return true;
        };
        QTemporaryDir dir;
        const QString path = dir.filePath("VTEditor.ini");
        int emptied = 0;
        for (quint32 seed = 1; seed <= 75; ++seed) {
            QFile file(path);
            QVERIFY(start.isNull() ? !file.exists() || file.remove() : file.open(QIODevice::WriteOnly) && file.write(start) == start.size());
            file.close();
            MemoryStore oracle;
            oracle.sections = iniContents(path);
            std::optional<IniFileStore> store(path);
            QRandomGenerator rng(seed);
            for (int step = 0; step < 12; ++step) {
                const QString section = sections[rng.bounded(3)];
                if (const int op = rng.bounded(4); op < 2) {
                    const QString &key = keys[rng.bounded(3)], &text = texts[rng.bounded(texts.size())];
                    store->write(section, key, text);
                    oracle.write(section, key, text);
                } else if (op == 2) {
                    store->removeSection(section);
                    oracle.removeSection(section);
                } else {
                    QString reason;
                    if (rng.bounded(4) == 0) { // the other editor saves a slot this one leaves alone
                        IniFileStore other(path);
                        const QString &text = texts[step % texts.size()];
                        other.write("Plane3", "MenuName", text);
                        QVERIFY(other.flush(&reason));
                        oracle.write("Plane3", "MenuName", text);
                        store->write(section, "MenuName", text); // something of its own to lay over it
                        oracle.write(section, "MenuName", text);
                    }
                    QVERIFY2(store->flush(&reason), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(reason)));
                    QCOMPARE(iniContents(path), oracle.sections);
                    QVERIFY2(sameReads(IniFileStore(path), oracle), qPrintable(QStringLiteral("seed %1").arg(seed)));
                    if (rng.bounded(2))
                        store.emplace(path); // a new start
                    emptied += oracle.sections.isEmpty();
                }
                QVERIFY2(sameReads(*store, oracle), qPrintable(QStringLiteral("seed %1 step %2").arg(seed).arg(step)));
            }
        }
        QVERIFY(emptied > 0);
    }
};

QTEST_GUILESS_MAIN(TestStorage)
#include "tst_storage.moc"
