// The 204-byte plane file: decoding, encoding, round trips, file I/O and the
// Windows-1252 names.

#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"
#include "planefile/cp1252.h"
#include "planefile/planefileio.h"
#include "planefile/planerecord.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vte;

Q_DECLARE_METATYPE(vte::PlaneSelections)

namespace {

const PlaneCatalogue &cat()
{
    return InitPlaneCatalogue();
}

PlaneRecord recordWith(const QList<int> &offsets, const QList<int> &values)
{
    PlaneRecord record{};
    for (qsizetype i = 0; i < offsets.size(); ++i)
        record[offsets[i]] = std::uint8_t(values[i]);
    return record;
}

QByteArray bytesAt(const PlaneRecord &record, int offset, int count)
{
    return QByteArray(reinterpret_cast<const char *>(record.data()) + offset, count);
}

// Characters the code page holds, written out rather than taken from its table.
QString storableCharacters()
{
    QString pool;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        pool += QChar(c);
    for (char16_t c = 0xA0; c <= 0xFF; ++c)
        pool += QChar(c);
    return pool + QStringLiteral(u"\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152"
                                 u"\u017D\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
                                 u"\u0153\u017E\u0178");
}

struct Loadout
{
    PlaneSelections plane;
    int schemePosition = 0;
};

Loadout randomLoadout(QRandomGenerator &rng)
{
    static const QString pool = storableCharacters();
    const auto pick = [&](int highest) { return qint16(rng.bounded(highest + 1)); };
    Loadout l;
    PlaneSelections &p = l.plane;
    for (int i = pick(15); i > 0; --i)
        p.PlaneName += pool.at(rng.bounded(int(pool.size())));
    p.PlaneType = pick(10);
    for (auto &a : p.Armor)
        a = pick(12);
    p.EngineType = pick(2);
    p.Nitro = rng.bounded(2) == 1;
    for (int slot = 0; slot < GunSlots; ++slot) {
        p.GunType[slot] = pick(5);
        p.Bullets[slot] = pick(4);
        p.Mounts[slot] = p.GunType[slot] == NoGun ? Mount::NotApplicable
                                                  : (rng.bounded(2) ? Mount::Twin : Mount::Single);
    }
    for (int side : {Left, Right}) {
        p.HP[side] = pick(4);
        for (auto &rocket : p.HardPoint[side])
            rocket = pick(11);
    }
    for (auto &c : p.Color)
        c = rng.bounded(0x1000000u);
    for (auto &logo : p.Logo)
        logo = pick(49);
    l.schemePosition = rng.bounded(cat().PlaneTypes(p.PlaneType).schemeCount());
    return l;
}

PlaneSelections named(const QString &name)
{
    PlaneSelections p = defaultPlane();
    p.PlaneName = name;
    return p;
}

} // namespace

class TestPlaneFile : public QObject
{
    Q_OBJECT

private slots:
    void decodeAllZero()
    {
        const DecodedPlane d = DecodePlaneRecord(PlaneRecord{});
        QCOMPARE(d.storedWeight, 0);
        QVERIFY(d.selections == PlaneSelections{});
        QVERIFY(d.selections.PlaneName.isEmpty());
        QCOMPARE(d.selections.engineCode(), 0);
    }

    void decodeName_data()
    {
        QTest::addColumn<QByteArray>("bytes");   // placed at offset 4
        QTest::addColumn<QString>("name");
        QTest::newRow("all 16 bytes used") << QByteArray("ABCDEFGHIJKLMNOP") << "ABCDEFGHIJKLMNOP";
        QTest::newRow("zero at offset 5 ends the name") << QByteArray("A\0CDEF", 6) << "A";
        QTest::newRow("0x80 is the euro sign") << QByteArray("\x80") << QStringLiteral(u"\u20AC");
        QTest::newRow("0x9F is Y diaeresis") << QByteArray("\x9F") << QStringLiteral(u"\u0178");
        QTest::newRow("0xE9 is e acute") << QByteArray("caf\xE9") << QStringLiteral(u"caf\u00E9");
    }
    void decodeName()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        PlaneRecord record{};
        for (int i = 0; i < bytes.size(); ++i)
            record[Offset::PlaneName + i] = std::uint8_t(bytes[i]);
        QCOMPARE(DecodePlaneRecord(record).selections.PlaneName, name);
    }

    void decodeFields_data()
    {
        QTest::addColumn<QList<int>>("offsets");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("expected");
        QTest::newRow("engine code 2 is Large") << QList<int>{48} << QList<int>{2} << "EngineType" << 2;
        QTest::newRow("engine code 2 no nitro") << QList<int>{48} << QList<int>{2} << "Nitro" << 0;
        QTest::newRow("engine code 3 is Small") << QList<int>{48} << QList<int>{3} << "EngineType" << 0;
        QTest::newRow("engine code 3 with nitro") << QList<int>{48} << QList<int>{3} << "Nitro" << 1;
        QTest::newRow("engine code 5 is Large") << QList<int>{48} << QList<int>{5} << "EngineType" << 2;
        QTest::newRow("engine code 5 with nitro") << QList<int>{48} << QList<int>{5} << "Nitro" << 1;
        QTest::newRow("gun layout 0x8A") << QList<int>{132} << QList<int>{0x8A} << "SingleTwin" << 138;
        QTest::newRow("NoseArmor 12 is step 2") << QList<int>{116} << QList<int>{12} << "ArmorNose" << 2;
        QTest::newRow("TailArmor 13 is step 3") << QList<int>{120} << QList<int>{13} << "ArmorTail" << 3;
        QTest::newRow("WingArmor 60 is step 12") << QList<int>{124} << QList<int>{60} << "ArmorWings" << 12;
        QTest::newRow("weight 40 9C 00 00") << QList<int>{60, 61} << QList<int>{0x40, 0x9C} << "weight" << 40000;
        QTest::newRow("weight FF FF FF FF") << QList<int>{60, 61, 62, 63} << QList<int>{255, 255, 255, 255}
                                            << "weight" << -1;
        QTest::newRow("weight 01 02 03 04") << QList<int>{60, 61, 62, 63} << QList<int>{1, 2, 3, 4} << "weight"
                                            << 0x04030201;
        QTest::newRow("Color2 R G B") << QList<int>{108, 109, 110} << QList<int>{0x12, 0x34, 0x56} << "Color2"
                                      << 0x563412;
        QTest::newRow("HPRight at 56") << QList<int>{56} << QList<int>{3} << "HPRight" << 3;
        QTest::newRow("LogoTail at 96") << QList<int>{96} << QList<int>{17} << "LogoTail" << 17;
        QTest::newRow("GunType3 at 148") << QList<int>{148} << QList<int>{4} << "GunType3" << 4;
        QTest::newRow("Bullets2 at 160") << QList<int>{160} << QList<int>{3} << "Bullets2" << 3;
        QTest::newRow("LHP3 at 180") << QList<int>{180} << QList<int>{9} << "LHP3" << 9;
        QTest::newRow("RHP0 at 184") << QList<int>{184} << QList<int>{10} << "RHP0" << 10;
    }
    void decodeFields()
    {
        QFETCH(QList<int>, offsets);
        QFETCH(QList<int>, values);
        QFETCH(QString, item);
        QFETCH(int, expected);
        const DecodedPlane d = DecodePlaneRecord(recordWith(offsets, values));
        const PlaneSelections &p = d.selections;
        const QMap<QString, qint64> items{
            {"EngineType", p.EngineType}, {"Nitro", p.Nitro},        {"SingleTwin", p.SingleTwin},
            {"ArmorNose", p.Armor[0]},    {"ArmorTail", p.Armor[1]}, {"ArmorWings", p.Armor[2]},
            {"weight", d.storedWeight},   {"Color2", p.Color[1]},    {"HPRight", p.HP[1]},
            {"LogoTail", p.Logo[1]},      {"GunType3", p.GunType[3]}, {"Bullets2", p.Bullets[2]},
            {"LHP3", p.HardPoint[0][3]},  {"RHP0", p.HardPoint[1][0]}};
        QVERIFY(items.contains(item));
        QCOMPARE(items.value(item), qint64(expected));
    }

    void unreadBytesChangeNothing_data()
    {
        QTest::addColumn<int>("offset");
        QList<int> offsets{0, 1, 2, 3, 128, 200, 201, 202, 203};
        for (int o = 20; o <= 43; ++o)
            offsets << o;
        for (int o = 68; o <= 91; ++o)
            offsets << o;
        // The colour slots hold three bytes; only their fourth is never read.
        offsets << 107 << 111 << 115;
        QList<int> slotStarts{44, 48, 52, 56, 64, 92, 96, 100, 116, 120, 124, 128, 132};
        for (int o = 136; o < 200; o += 4)
            slotStarts << o;
        for (int s : slotStarts)
            offsets << s + 1 << s + 2 << s + 3;
        for (int o : offsets)
            QTest::addRow("offset %d", o) << o;
    }
    void unreadBytesChangeNothing()
    {
        QFETCH(int, offset);
        PlaneSelections plane = named("Kite");
        plane.Mounts = {Mount::NotApplicable, Mount::NotApplicable, Mount::NotApplicable, Mount::Twin};
        plane.GunType[3] = 2;
        const PlaneRecord base = EncodePlaneRecord(cat(), plane, 1, 5960);
        PlaneRecord changed = base;
        changed[offset] = 0xFF;
        const DecodedPlane a = DecodePlaneRecord(base);
        const DecodedPlane b = DecodePlaneRecord(changed);
        QVERIFY(a.selections == b.selections);
        QCOMPARE(b.storedWeight, a.storedWeight);
    }

    void fieldOutOfRange_data()
    {
        QTest::addColumn<QList<int>>("offsets");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QString>("text");
        QTest::newRow("good record") << QList<int>{} << QList<int>{} << "";
        QTest::newRow("PlaneType 11") << QList<int>{44} << QList<int>{11} << "PlaneType = 11";
        QTest::newRow("PlaneType 10 accepted") << QList<int>{44} << QList<int>{10} << "";
        QTest::newRow("EngineCode 6") << QList<int>{48} << QList<int>{6} << "EngineCode = 6";
        QTest::newRow("HPLeft 5") << QList<int>{52} << QList<int>{5} << "HPLeft = 5";
        QTest::newRow("HPRight 5") << QList<int>{56} << QList<int>{5} << "HPRight = 5";
        QTest::newRow("LogoNose 50") << QList<int>{92} << QList<int>{50} << "LogoNose = 50";
        QTest::newRow("LogoWing 50") << QList<int>{100} << QList<int>{50} << "LogoWing = 50";
        QTest::newRow("NoseArmor 63") << QList<int>{116} << QList<int>{63} << "NoseArmor = 63";
        QTest::newRow("NoseArmor 62 accepted") << QList<int>{116} << QList<int>{62} << "";
        QTest::newRow("WingArmor 63") << QList<int>{124} << QList<int>{63} << "WingArmor = 63";
        QTest::newRow("GunLayout 208") << QList<int>{132} << QList<int>{208} << "GunLayout = 208";
        QTest::newRow("GunLayout 207 accepted") << QList<int>{132} << QList<int>{207} << "";
        QTest::newRow("GunType0 6") << QList<int>{136} << QList<int>{6} << "GunType0 = 6";
        QTest::newRow("GunType3 6") << QList<int>{148} << QList<int>{6} << "GunType3 = 6";
        QTest::newRow("Bullets0 5") << QList<int>{152} << QList<int>{5} << "Bullets0 = 5";
        QTest::newRow("LHP0 12") << QList<int>{168} << QList<int>{12} << "LHP0 = 12";
        QTest::newRow("RHP3 12") << QList<int>{196} << QList<int>{12} << "RHP3 = 12";
        QTest::newRow("first fault in offset order wins")
            << QList<int>{136, 52} << QList<int>{6, 5} << "HPLeft = 5";
    }
    void fieldOutOfRange()
    {
        QFETCH(QList<int>, offsets);
        QFETCH(QList<int>, values);
        QFETCH(QString, text);
        PlaneRecord record = EncodePlaneRecord(cat(), named("Kite"), 0, 5960);
        for (qsizetype i = 0; i < offsets.size(); ++i)
            record[offsets[i]] = std::uint8_t(values[i]);
        QCOMPARE(findFieldOutOfRange(record), text);
    }

    void encodeBytes_data()
    {
        QTest::addColumn<PlaneSelections>("plane");
        QTest::addColumn<int>("schemePosition");
        QTest::addColumn<int>("totalWeight");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("bytes");

        const PlaneSelections kite = named("Kite");
        QTest::newRow("name Kite") << kite << 0 << 0 << 4 << QByteArray("Kite\0\0\0\0\0\0\0\0\0\0\0\0", 16);
        QTest::newRow("15-character name") << named("ABCDEFGHIJKLMNO") << 0 << 0 << 4
                                           << QByteArray("ABCDEFGHIJKLMNO\0", 16);
        QTest::newRow("16-character name is cut to 15") << named("ABCDEFGHIJKLMNOP") << 0 << 0 << 4
                                                        << QByteArray("ABCDEFGHIJKLMNO\0", 16);
        QTest::newRow("name in Windows-1252") << named(QStringLiteral(u"\u20AC\u00E9")) << 0 << 0 << 4
                                              << QByteArray("\x80\xE9\0", 3);
        PlaneSelections p = kite;
        p.EngineType = 1;
        p.Nitro = true;
        QTest::newRow("Medium with nitro") << p << 0 << 0 << 48 << QByteArray("\x04\0\0\0", 4);
        p.EngineType = 2;
        p.Nitro = false;
        QTest::newRow("Large without nitro") << p << 0 << 0 << 48 << QByteArray("\x02\0\0\0", 4);
        QTest::newRow("total 5960") << kite << 0 << 5960 << 60 << QByteArray("\x48\x17\0\0", 4);
        p = kite;
        p.PlaneType = 2;
        p.GunType = {0, 1, 2, 3};
        p.Mounts = {Mount::Twin, Mount::Single, Mount::Single, Mount::Twin};
        QTest::newRow("Thornleigh twin in slots 0 and 3") << p << 0 << 0 << 132 << QByteArray("\xC9\0\0\0", 4);
        p.PlaneType = 0;
        p.Mounts = {Mount::Single, Mount::Single, Mount::Single, Mount::Single};
        QTest::newRow("Corvane without twin") << p << 0 << 0 << 132 << QByteArray("\0\0\0\0", 4);
        p = kite;
        p.Color = {0x0080FF, 0x563412, 0xFFFFFF};
        QTest::newRow("Color1 orange") << p << 0 << 0 << 104 << QByteArray("\xFF\x80\0\0", 4);
        QTest::newRow("Color2 and Color3") << p << 0 << 0 << 108
                                           << QByteArray("\x12\x34\x56\0\xFF\xFF\xFF\0", 8);
        p = kite;
        p.Armor = {12, 12, 12};
        QTest::newRow("armour step 12") << p << 0 << 0 << 116
                                        << QByteArray("\x3C\0\0\0\x3C\0\0\0\x3C\0\0\0\x3C", 13);
        p.Armor = {1, 2, 3};
        QTest::newRow("armour steps 1 2 3") << p << 0 << 0 << 116
                                            << QByteArray("\x05\0\0\0\x0A\0\0\0\x0F\0\0\0\x0F", 13);
        p = kite;
        p.PlaneType = 10;
        QTest::newRow("Galeborn type code and fixed tail") << p << 0 << 0 << 200 << QByteArray("\x64\x63\x64\0", 4);
        QTest::newRow("fixed bytes 40 and 41") << kite << 0 << 0 << 40 << QByteArray("\x10\x27\0\0", 4);
        p.PlaneType = 0;
        QTest::newRow("Corvane scheme position 3 stores scheme 0") << p << 3 << 0 << 64 << QByteArray("\0", 1);
    }
    void encodeBytes()
    {
        QFETCH(PlaneSelections, plane);
        QFETCH(int, schemePosition);
        QFETCH(int, totalWeight);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        const PlaneRecord record = EncodePlaneRecord(cat(), plane, schemePosition, totalWeight);
        QCOMPARE(bytesAt(record, offset, int(bytes.size())).toHex(' '), bytes.toHex(' '));
    }

    void alwaysZeroBytes()
    {
        QList<int> zero{42, 43, 62, 63, 107, 111, 115, 203};
        const auto range = [&](int from, int to) {
            for (int o = from; o <= to; ++o)
                zero << o;
        };
        range(0, 3);
        range(20, 39);
        range(65, 91);
        for (int s : {44, 48, 52, 56, 92, 96, 100, 116, 120, 124, 128, 132})
            range(s + 1, s + 3);
        for (int s = 136; s < 200; s += 4)
            range(s + 1, s + 3);
        QRandomGenerator rng(20240501);
        for (int n = 0; n < 300; ++n) {
            const Loadout l = randomLoadout(rng);
            const PlaneRecord r = EncodePlaneRecord(cat(), l.plane, l.schemePosition, rng.bounded(20000));
            for (int o : zero)
                QVERIFY2(r[o] == 0, qPrintable(QStringLiteral("loadout %1, offset %2").arg(n).arg(o)));
        }
    }

    void roundTrip()
    {
        QRandomGenerator rng(4711);
        for (int n = 0; n < 300; ++n) {
            const Loadout l = randomLoadout(rng);
            const PlaneSelections &x = l.plane;
            const int weight = rng.bounded(20000);
            const DecodedPlane d = DecodePlaneRecord(EncodePlaneRecord(cat(), x, l.schemePosition, weight));
            const PlaneSelections &y = d.selections;
            const QByteArray at = QByteArray::number(n);
            QVERIFY2(y.PlaneName == x.PlaneName, at);
            QVERIFY2(y.PlaneType == x.PlaneType, at);
            QVERIFY2(y.EngineType == x.EngineType && y.Nitro == x.Nitro, at);
            QVERIFY2(y.Armor == x.Armor, at);
            QVERIFY2(y.GunType == x.GunType && y.Bullets == x.Bullets, at);
            QVERIFY2(y.HP == x.HP && y.HardPoint == x.HardPoint, at);
            QVERIFY2(y.Color == x.Color && y.Logo == x.Logo, at);
            QVERIFY2(y.ColorScheme == cat().PlaneTypes(x.PlaneType).Schemes[l.schemePosition], at);
            QVERIFY2(y.SingleTwin == x.gunLayout(cat()), at);
            QVERIFY2(gunButtonMounts(y.SingleTwin, y.GunType) == x.Mounts, at);
            QVERIFY2(d.storedWeight == weight, at);
        }
    }

    void readSizes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty file") << 0 << false;
        QTest::newRow("1 byte") << 1 << false;
        QTest::newRow("203 bytes") << 203 << false;
        QTest::newRow("204 bytes") << 204 << true;
        QTest::newRow("205 bytes") << 205 << false;
    }
    void readSizes()
    {
        QFETCH(int, size);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QByteArray data(size, '\0');
        for (int i = 0; i < size; ++i)
            data[i] = char(i * 7 + 1);
        QFile file(dir.filePath("plane.vtp"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(data), qint64(size));
        file.close();
        const ReadResult result = ReadPlaneFile(file.fileName());
        QCOMPARE(result.record.has_value(), accepted);
        QCOMPARE(result.error, accepted ? ReadResult::Error::None : ReadResult::Error::WrongSize);
        if (accepted)
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(result.record->data()), 204), data);
    }

    // The system's reason, never "No such file or directory" for a path that
    // is there; what is not a regular file has no plane file's size.
    void readRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");   // empty: refused for its size
        QTest::newRow("missing") << "missing.vtp" << "No such file or directory";
        QTest::newRow("symbolic link to itself") << "loop" << "Too many levels of symbolic links";
        QTest::newRow("below a file") << "file/plane.vtp" << "Not a directory";
        QTest::newRow("folder") << "folder" << "";
    }
    void readRefusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QFile file(dir.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly) && QDir(dir.path()).mkdir("folder"));
        QVERIFY(QFile::link(dir.filePath("loop"), dir.filePath("loop")));
        const ReadResult result = ReadPlaneFile(dir.filePath(name));
        QVERIFY(!result.record);
        QCOMPARE(result.error, reason.isEmpty() ? ReadResult::Error::WrongSize : ReadResult::Error::Unreadable);
        QCOMPARE(result.reason, reason);
    }

    void writeAndReadBack()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("plane.vtp");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(300, 'x'));
        old.close();
        QRandomGenerator rng(99);
        const Loadout l = randomLoadout(rng);
        const PlaneRecord record = EncodePlaneRecord(cat(), l.plane, l.schemePosition, 7000);
        const WriteResult w = WritePlaneFile(path, record);
        QVERIFY2(w.ok, qPrintable(w.reason));
        QCOMPARE(QFileInfo(path).size(), qint64(204));
        const ReadResult r = ReadPlaneFile(path);
        QVERIFY(r.record);
        QVERIFY(*r.record == record);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"plane.vtp"});
    }

    void writeRefusals()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const PlaneRecord record = EncodePlaneRecord(cat(), named("Kite"), 0, 0);
        const WriteResult noFolder = WritePlaneFile(dir.filePath("missing/plane.vtp"), record);
        QVERIFY(!noFolder.ok);
        QVERIFY(!noFolder.reason.isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath("missing")));

        QVERIFY(QDir(dir.path()).mkdir("folder.vtp"));
        const WriteResult onFolder = WritePlaneFile(dir.filePath("folder.vtp"), record);
        QVERIFY(!onFolder.ok);
        QVERIFY(!onFolder.reason.isEmpty());
        QVERIFY(QFileInfo(dir.filePath("folder.vtp")).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"folder.vtp"});
    }

    void cp1252Storable_data()
    {
        QTest::addColumn<QChar>("c");
        QTest::addColumn<bool>("storable");
        QTest::newRow("A") << QChar(u'A') << true;
        QTest::newRow("e acute") << QChar(u'\u00E9') << true;
        QTest::newRow("euro sign") << QChar(u'\u20AC') << true;
        QTest::newRow("CJK U+4E2D") << QChar(u'\u4E2D') << false;
        QTest::newRow("zero") << QChar(u'\0') << false;
        QTest::newRow("U+0001") << QChar(u'\u0001') << false;
        QTest::newRow("DEL") << QChar(u'\u007F') << false;
        QTest::newRow("undefined byte 0x81") << QChar(u'\u0081') << false;
        QTest::newRow("no-break space") << QChar(u'\u00A0') << true;
        QTest::newRow("Y diaeresis from 0x9F") << QChar(u'\u0178') << true;
    }
    void cp1252Storable()
    {
        QFETCH(QChar, c);
        QFETCH(bool, storable);
        QCOMPARE(isCp1252Storable(c), storable);
    }

    void cp1252RoundTrip()
    {
        QByteArray bytes;
        for (int b = 0x20; b <= 0xFF; ++b)
            bytes += char(b);
        const QString text = decodeCp1252(bytes);
        QCOMPARE(text.size(), bytes.size());
        QCOMPARE(encodeCp1252(text).toHex(' '), bytes.toHex(' '));
        QCOMPARE(encodeCp1252(QStringLiteral(u"a\u4E2Db")), QByteArray("a?b"));
    }
};

QTEST_GUILESS_MAIN(TestPlaneFile)
#include "tst_planefile.moc"
