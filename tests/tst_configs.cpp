// Stored texts: the number parser, saved configurations, window settings and
// the INI-backed settings store.

#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"
#include "catalogue/weights.h"
#include "configs/configuration.h"
#include "configs/numberparser.h"
#include "configs/settingsstore.h"
#include "configs/windowsettings.h"
#include "support/memorystore.h"

#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>

using namespace vte;
using vte::test::MemoryStore;

Q_DECLARE_METATYPE(vte::PlaneSelections)
using TextMap = QMap<QString, QString>;
using ItemMap = QMap<QString, qint64>;

namespace {

const PlaneCatalogue &cat()
{
    return InitPlaneCatalogue();
}

constexpr double Inf = std::numeric_limits<double>::infinity();

// Every loaded item under the name of its key; engine and nitro apart.
ItemMap items(const PlaneSelections &p)
{
    ItemMap m{{"PlaneType", p.PlaneType},   {"ArmorNose", p.Armor[0]}, {"ArmorTail", p.Armor[1]},
              {"ArmorWings", p.Armor[2]},   {"SingleTwin", p.SingleTwin}, {"Engine", p.EngineType},
              {"Nitro", p.Nitro},           {"HPLeft", p.HP[0]},       {"HPRight", p.HP[1]},
              {"ColorScheme", p.ColorScheme}, {"LogoNose", p.Logo[0]}, {"LogoTail", p.Logo[1]},
              {"LogoWing", p.Logo[2]}};
    for (int i = 0; i < 4; ++i) {
        m[QStringLiteral("GunType%1").arg(i)] = p.GunType[i];
        m[QStringLiteral("Bullets%1").arg(i)] = p.Bullets[i];
        m[QStringLiteral("LHP%1").arg(i)] = p.HardPoint[0][i];
        m[QStringLiteral("RHP%1").arg(i)] = p.HardPoint[1][i];
    }
    for (int c = 0; c < 3; ++c)
        m[QStringLiteral("Color%1").arg(c + 1)] = p.Color[c];
    return m;
}

// What an unused slot loads as.
ItemMap unusedSlot()
{
    ItemMap m{{"PlaneType", 5}, {"ArmorNose", 0},  {"ArmorTail", 0},  {"ArmorWings", 0},  {"SingleTwin", 0},
              {"Engine", 0},    {"Nitro", 0},      {"HPLeft", 0},     {"HPRight", 0},     {"ColorScheme", 4},
              {"LogoNose", 46}, {"LogoTail", 46},  {"LogoWing", 46},  {"Color1", 0x0000FF}, {"Color2", 0x00FF00},
              {"Color3", 0x00FFFF}};
    for (int i = 0; i < 4; ++i) {
        m[QStringLiteral("GunType%1").arg(i)] = 5;
        m[QStringLiteral("Bullets%1").arg(i)] = 4;
        m[QStringLiteral("LHP%1").arg(i)] = 11;
        m[QStringLiteral("RHP%1").arg(i)] = 11;
    }
    return m;
}

QString illegal(const char *item)
{
    return QStringLiteral("Illegal value found for %1, Default used").arg(QLatin1String(item));
}

// What an INI file holds, as QSettings parses a copy of it (QSettings keeps
// what it parsed by file name, and the file changes under it).
QMap<QString, TextMap> iniContents(const QString &path)
{
    static int copies = 0;
    const QString copy = path + QString::number(++copies);
    QFile::copy(path, copy);
    const QSettings ini(copy, QSettings::IniFormat);
    QMap<QString, TextMap> sections;
    for (const QString &name : ini.allKeys())
        if (const QVariant value = ini.value(name); value.isValid())   // a line without a value holds none
            sections[name.section(QLatin1Char('/'), 0, 0)][name.section(QLatin1Char('/'), 1)] = value.toString();
    return sections;
}

} // namespace

class TestConfigs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        const struct { const char *text; bool numeric; double value; } rows[] = {
            {"0", true, 0},       {" 12 ", true, 12},     {"\t3\t", true, 3},    {"+4", true, 4},
            {"-4", true, -4},     {"2.5", true, 2.5},     {".5", true, 0.5},     {"5.", true, 5},
            {"1e3", true, 1000},  {"1E+3", true, 1000},   {"2.5e-1", true, 0.25}, {"1e400", true, Inf},
            {"-1e400", true, -Inf}, {"1e-400", true, 0},  {"", false, 0},        {" ", false, 0},
            {"abc", false, 0},    {"0x10", false, 0},     {"1,000", false, 0},   {"1 000", false, 0},
            {"inf", false, 0},    {"nan", false, 0},      {"Infinity", false, 0}, {"--1", false, 0},
            {"1e", false, 0},     {"e5", false, 0},       {".", false, 0},       {"1.2.3", false, 0},
        };
        for (const auto &r : rows)
            QTest::addRow("\"%s\"", r.text) << QString::fromLatin1(r.text) << r.numeric << r.value;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        const std::optional<double> number = parseNumber(text);
        QCOMPARE(number.has_value(), numeric);
        if (numeric)
            QCOMPARE(*number, value);
    }

    void parseUnderGermanLocale()
    {
        QLocale::setDefault(QLocale::German);
        std::setlocale(LC_ALL, "de_DE.UTF-8");   // where the system has it
        QVERIFY(!parseNumber(QStringLiteral("2,5")));
        QCOMPARE(parseNumber(QStringLiteral("2.5")), std::optional<double>(2.5));
    }

    void round_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<int>("whole");
        QTest::newRow("2.5") << 2.5 << true << 2;
        QTest::newRow("3.5") << 3.5 << true << 4;
        QTest::newRow("-2.5") << -2.5 << true << -2;
        QTest::newRow("0.5") << 0.5 << true << 0;
        QTest::newRow("1.5") << 1.5 << true << 2;
        QTest::newRow("32767") << 32767.0 << true << 32767;
        QTest::newRow("32767.5") << 32767.5 << false << 0;
        QTest::newRow("-32768") << -32768.0 << true << -32768;
        QTest::newRow("-32768.5 halves to even") << -32768.5 << true << -32768;
        QTest::newRow("-32769") << -32769.0 << false << 0;
        QTest::newRow("1e300") << 1e300 << false << 0;
        QTest::newRow("inf") << Inf << false << 0;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << 0;
    }
    void round()
    {
        QFETCH(double, value);
        QFETCH(bool, fits);
        QFETCH(int, whole);
        const std::optional<qint16> r = roundToInt16(value);
        QCOMPARE(r.has_value(), fits);
        if (fits)
            QCOMPARE(int(*r), whole);
    }

    void writeOrder()
    {
        MemoryStore store;
        writeConfiguration(store, 2, QStringLiteral("Alpha"), cat(), defaultPlane(), 0);
        QStringList expected;
        for (const char *key : {"MenuName", "PlaneType", "ArmorNose", "ArmorTail", "ArmorWings", "SingleTwin",
                                "EngineType", "GunType0", "GunType1", "GunType2", "GunType3", "Bullets0",
                                "Bullets1", "Bullets2", "Bullets3", "HPLeft", "HPRight", "LHP0", "LHP1", "LHP2",
                                "LHP3", "RHP0", "RHP1", "RHP2", "RHP3", "Color1", "Color2", "Color3",
                                "ColorScheme", "LogoNose", "LogoTail", "LogoWing"})
            expected << QStringLiteral("Plane2/") + QLatin1String(key);
        QCOMPARE(store.writeOrder, expected);
        QCOMPARE(store.sections.keys(), QStringList{"Plane2"});
        QCOMPARE(configurationMenuName(store, 2), QStringLiteral("Alpha"));
        QCOMPARE(configurationMenuName(store, 1), QStringLiteral("Empty"));
    }

    void writtenTexts_data()
    {
        QTest::addColumn<PlaneSelections>("plane");
        QTest::addColumn<int>("schemePosition");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        PlaneSelections p = defaultPlane();
        p.EngineType = 2;
        p.Nitro = true;
        QTest::newRow("EngineType Large with nitro") << p << 0 << "EngineType" << "5";
        p.EngineType = 0;
        p.Nitro = false;
        QTest::newRow("EngineType Small without nitro") << p << 0 << "EngineType" << "0";
        p = defaultPlane();
        p.PlaneType = 2;
        p.GunType = {0, 1, 2, 3};
        p.Mounts = {Mount::Single, Mount::Twin, Mount::Single, Mount::Twin};
        QTest::newRow("SingleTwin Thornleigh twin in slots 1 and 3") << p << 0 << "SingleTwin" << "202";
        p.PlaneType = 0;
        p.Mounts = {Mount::Single, Mount::Single, Mount::Single, Mount::Single};
        QTest::newRow("SingleTwin Corvane without twin") << p << 0 << "SingleTwin" << "0";
        QTest::newRow("ColorScheme Corvane position 3 is scheme 0") << p << 3 << "ColorScheme" << "0";
        p.Color = {0x0000FF, 0x00FF00, 0x00FFFF};
        QTest::newRow("Color1 red") << p << 0 << "Color1" << "255";
        QTest::newRow("Color2 green") << p << 0 << "Color2" << "65280";
        QTest::newRow("Color3 yellow") << p << 0 << "Color3" << "65535";
        p.Armor = {1, 2, 3};
        QTest::newRow("ArmorWings step 3") << p << 0 << "ArmorWings" << "3";
    }
    void writtenTexts()
    {
        QFETCH(PlaneSelections, plane);
        QFETCH(int, schemePosition);
        QFETCH(QString, key);
        QFETCH(QString, text);
        MemoryStore store;
        writeConfiguration(store, 0, QStringLiteral("Alpha"), cat(), plane, schemePosition);
        QCOMPARE(store.read(QStringLiteral("Plane0"), key, QStringLiteral("<missing>")), text);
    }

    void missing_data()
    {
        QTest::addColumn<int>("armour");
        QTest::addColumn<int>("guns");
        QTest::addColumn<int>("hp");
        QTest::addColumn<QString>("text");
        QTest::newRow("all zero") << 0 << 0 << 0 << "Armor - Guns - HP";
        QTest::newRow("only HP zero") << 20 << 280 << 0 << "HP";
        QTest::newRow("armour and guns zero") << 0 << 0 << 480 << "Armor - Guns";
        QTest::newRow("armour and HP zero") << 0 << 280 << 0 << "Armor - HP";
        QTest::newRow("guns and HP zero") << 20 << 0 << 0 << "Guns - HP";
        QTest::newRow("nothing zero") << 20 << 280 << 480 << "";
    }
    void missing()
    {
        QFETCH(int, armour);
        QFETCH(int, guns);
        QFETCH(int, hp);
        QFETCH(QString, text);
        Weights w;
        w.Plane = 1400;
        w.Engine = 500;
        w.Armor = armour;
        w.Guns = guns;
        w.HP = hp;
        QCOMPARE(missingItems(w), text);
    }

    void load_data()
    {
        QTest::addColumn<TextMap>("stored");
        QTest::addColumn<ItemMap>("changed");   // the items that differ from an unused slot
        QTest::addColumn<QStringList>("messages");
        const auto row = [](const char *name, TextMap stored, ItemMap changed, QStringList messages = {}) {
            QTest::newRow(name) << stored << changed << messages;
        };
        row("unused slot", {}, {});
        row("ArmorNose 2.5", {{"ArmorNose", "2.5"}}, {{"ArmorNose", 2}});
        row("ArmorNose 3.5", {{"ArmorNose", "3.5"}}, {{"ArmorNose", 4}});
        row("ArmorNose 13", {{"ArmorNose", "13"}}, {}, {illegal("Nose Armor")});
        row("ArmorNose -1", {{"ArmorNose", "-1"}}, {}, {illegal("Nose Armor")});
        row("ArmorNose abc", {{"ArmorNose", "abc"}}, {{"ArmorNose", 5}});
        row("ArmorTail abc", {{"ArmorTail", "abc"}, {"ArmorNose", "7"}}, {{"ArmorNose", 7}});
        row("EngineType 4", {{"EngineType", "4"}}, {{"Engine", 1}, {"Nitro", 1}});
        row("EngineType 2", {{"EngineType", "2"}}, {{"Engine", 2}});
        row("EngineType 6", {{"EngineType", "6"}}, {}, {illegal("Engine")});
        row("SingleTwin 202 as stored", {{"SingleTwin", "202"}, {"PlaneType", "0"}},
            {{"SingleTwin", 202}, {"PlaneType", 0}});
        row("SingleTwin 208", {{"SingleTwin", "208"}}, {}, {illegal("Gun Layouts")});
        row("GunType1 9", {{"GunType1", "9"}}, {}, {illegal("Gun 2")});
        row("No Gun ignores Bullets 1", {{"GunType2", "5"}, {"Bullets2", "1"}}, {});
        row("No Gun ignores Bullets 7", {{"GunType2", "5"}, {"Bullets2", "7"}}, {});
        row("gun fitted reports Bullets 7", {{"GunType2", "0"}, {"Bullets2", "7"}}, {{"GunType2", 0}},
            {illegal("Ammo 3")});
        row("gun fitted keeps Bullets 1", {{"GunType2", "0"}, {"Bullets2", "1"}}, {{"GunType2", 0}, {"Bullets2", 1}});
        row("HPLeft 0 ignores LHP0", {{"HPLeft", "0"}, {"LHP0", "3"}}, {});
        row("HPLeft 2 keeps LHP0", {{"HPLeft", "2"}, {"LHP0", "3"}}, {{"HPLeft", 2}, {"LHP0", 3}});
        row("HPLeft 7", {{"HPLeft", "7"}}, {}, {illegal("Left Hard Points")});
        row("HPRight 0 ignores RHP2 99", {{"HPRight", "0"}, {"RHP2", "99"}}, {});
        row("Color1 white", {{"Color1", "16777215"}}, {{"Color1", 0xFFFFFF}});
        row("Color1 -1", {{"Color1", "-1"}}, {}, {illegal("First Color")});
        row("Color1 -0.4", {{"Color1", "-0.4"}}, {}, {illegal("First Color")});
        row("Color1 16777216", {{"Color1", "16777216"}}, {}, {illegal("First Color")});
        row("Color1 16777215.4", {{"Color1", "16777215.4"}}, {{"Color1", 0xFFFFFF}});
        row("Color1 0.5 halves to even", {{"Color1", "0.5"}}, {{"Color1", 0}});
        row("Color2 1e400", {{"Color2", "1e400"}}, {}, {illegal("Second Color")});
        row("Color3 abc", {{"Color3", "abc"}}, {});
        row("ColorScheme 20", {{"ColorScheme", "20"}}, {});
        row("ColorScheme 13", {{"ColorScheme", "13"}}, {{"ColorScheme", 13}});
        row("LogoWing 50", {{"LogoWing", "50"}}, {}, {illegal("Wing Logo")});
        row("PlaneType 40000", {{"PlaneType", "40000"}}, {}, {illegal("Plane Type")});
        row("PlaneType 1e400", {{"PlaneType", "1e400"}}, {}, {illegal("Plane Type")});
        row("three bad values in key order", {{"LogoNose", "99"}, {"GunType0", "9"}, {"PlaneType", "40000"}}, {},
            {illegal("Plane Type"), illegal("Gun 1"), illegal("Nose Logo")});
    }
    void load()
    {
        QFETCH(TextMap, stored);
        QFETCH(ItemMap, changed);
        QFETCH(QStringList, messages);
        MemoryStore store;
        if (!stored.isEmpty())
            store.sections[QStringLiteral("Plane1")] = stored;
        QStringList reported;
        const PlaneSelections p =
            readConfiguration(store, 1, [&](const QString &message) { reported << message; });
        ItemMap expected = unusedSlot();
        expected.insert(changed);
        QCOMPARE(items(p), expected);
        QVERIFY(p.PlaneName.isEmpty());
        QCOMPARE(reported, messages);
    }

    void saveThenLoad()
    {
        QRandomGenerator rng(1234);
        for (int n = 0; n < 50; ++n) {
            const auto pick = [&](int highest) { return qint16(rng.bounded(highest + 1)); };
            PlaneSelections p;
            p.PlaneName = QStringLiteral("Plane %1").arg(n);
            p.PlaneType = pick(10);
            for (auto &a : p.Armor)
                a = pick(12);
            p.EngineType = pick(2);
            p.Nitro = rng.bounded(2);
            for (int slot = 0; slot < GunSlots; ++slot) {
                p.GunType[slot] = pick(5);
                const bool fitted = p.GunType[slot] != NoGun;
                p.Bullets[slot] = fitted ? pick(4) : qint16(NoAmmunition);
                p.Mounts[slot] = !fitted ? Mount::NotApplicable : rng.bounded(2) ? Mount::Twin : Mount::Single;
            }
            for (int side : {Left, Right}) {
                p.HP[side] = pick(4);
                for (auto &rocket : p.HardPoint[side])
                    rocket = p.HP[side] ? pick(11) : qint16(NoRocket);
            }
            for (auto &c : p.Color)
                c = rng.bounded(0x1000000u);
            for (auto &logo : p.Logo)
                logo = pick(49);
            const int position = rng.bounded(cat().PlaneTypes(p.PlaneType).schemeCount());

            MemoryStore store;
            writeConfiguration(store, 3, p.PlaneName, cat(), p, position);
            QStringList reported;
            const PlaneSelections back = readConfiguration(store, 3, [&](const QString &m) { reported << m; });

            PlaneSelections expected = p;
            expected.SingleTwin = qint16(p.gunLayout(cat()));
            expected.ColorScheme = cat().PlaneTypes(p.PlaneType).Schemes[position];
            QCOMPARE(items(back), items(expected));
            QCOMPARE(reported, QStringList{});
            QCOMPARE(configurationMenuName(store, 3), p.PlaneName);
        }
    }

    void windowSettingsDefaults()
    {
        const MemoryStore store;
        const WindowSettings s = WindowSettings::read(store);
        QCOMPARE(s.left, std::optional<float>(1000));
        QCOMPARE(s.top, std::optional<float>(1000));
        QCOMPARE(s.width, std::optional<float>(6500));
        QCOMPARE(s.height, std::optional<float>(6500));
        QCOMPARE(s.display, std::optional<qint16>(0));
        QCOMPARE(s.defaultDir, QStringLiteral("C:\\Program Files\\Halvery Games\\Vantorel\\Planes"));
    }

    void windowSettingsGarbage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("abc") << "abc";
        QTest::newRow("empty") << "";
        QTest::newRow("1e400") << "1e400";
        QTest::newRow("NaN") << "NaN";
    }
    void windowSettingsGarbage()
    {
        QFETCH(QString, text);
        MemoryStore store;
        for (const char *key : {"MainLeft", "MainTop", "MainWidth", "MainHeight", "DefaultDir", "Display"})
            store.sections[QStringLiteral("Settings")][QLatin1String(key)] = text;
        const WindowSettings s = WindowSettings::read(store);
        QVERIFY(!s.left && !s.top && !s.width && !s.height);
        QVERIFY(!s.display);
        QCOMPARE(s.defaultDir, text);
    }

    void windowSettingsWrite()
    {
        WindowSettings s;
        s.left = 1000;
        s.top = 1500;
        s.width = 6500;
        s.height = 7200.5f;
        s.defaultDir = QStringLiteral("/planes");
        s.display = 2;
        MemoryStore store;
        s.write(store);
        QCOMPARE(store.writeOrder, (QStringList{"Settings/MainLeft", "Settings/MainTop", "Settings/MainWidth",
                                                "Settings/MainHeight", "Settings/DefaultDir", "Settings/Display"}));
        const TextMap expected{{"MainLeft", "1000"}, {"MainTop", "1500"}, {"MainWidth", "6500"},
                               {"MainHeight", "7200.5"}, {"DefaultDir", "/planes"}, {"Display", "2"}};
        QCOMPARE(store.sections.value(QStringLiteral("Settings")), expected);
    }

    // Two editors open on one store: each save lays its own changes over the
    // file as it is then, so neither loses the other's configuration.
    void iniStoreKeepsOtherEditorsSaves()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("VTEditor.ini");
        IniFileStore first(path);
        IniFileStore second(path);
        first.write("Plane1", "MenuName", "Alpha");
        QString reason;
        QVERIFY2(first.flush(&reason), qPrintable(reason));
        second.write("Plane2", "MenuName", "Bravo");
        second.removeSection("Plane3");
        QVERIFY2(second.flush(&reason), qPrintable(reason));
        QCOMPARE(second.read("Plane1", "MenuName", "Empty"), QStringLiteral("Alpha"));
        first.removeSection("Plane1");
        QVERIFY2(first.flush(&reason), qPrintable(reason));
        IniFileStore reread(path);
        QCOMPARE(reread.read("Plane1", "MenuName", "Empty"), QStringLiteral("Empty"));
        QCOMPARE(reread.read("Plane2", "MenuName", "Empty"), QStringLiteral("Bravo"));
    }

    // Random saves, clears, flushes and new starts on a file that starts
    // missing, empty, full of other values or malformed, held against a store
    // in memory.
    void iniStoreMatchesMemory_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("empty file") << QByteArray("");
        QTest::newRow("other values") << QByteArray("[Settings]\nDefaultDir=/p\nFolders=a,b\n[Plane1]\nMenuName=X\n");
        QTest::newRow("malformed") << QByteArray("junk\n[Plane0\nColor1=1\nx//y=2\nList=a,,b\n[Settings]\n=x\n"
                                                "Display=\"open\nBad=@Variant(junk)\nNo=@Invalid()\n[]\nz=1\n\xff[\n");
    }
    void iniStoreMatchesMemory()
    {
        QFETCH(QByteArray, start);
        const QStringList sections{"Plane0", "Plane1", "Settings"}, keys{"MenuName", "Color1", "Display"};
        const QStringList texts{"", "Alpha", " 7 ", "a, b", "x=y;z", "@at", "\"q\"", "back\\slash", "\u00fc\n2", "[S]"};
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
            QVERIFY(start.isNull() ? !file.exists() || file.remove()
                                   : file.open(QIODevice::WriteOnly) && file.write(start) == start.size());
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
                    QVERIFY2(store->flush(&reason), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(reason)));
                    QCOMPARE(iniContents(path), oracle.sections);
                    QVERIFY2(sameReads(IniFileStore(path), oracle), qPrintable(QStringLiteral("seed %1").arg(seed)));
                    if (rng.bounded(2))
                        store.emplace(path);   // a new start
                    emptied += oracle.sections.isEmpty();
                }
                QVERIFY2(sameReads(*store, oracle), qPrintable(QStringLiteral("seed %1 step %2").arg(seed).arg(step)));
            }
        }
        QVERIFY(emptied > 0);
    }

    void iniStoreRefusals()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile file(dir.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        IniFileStore underFile(dir.filePath("file/sub/x.ini"));
        underFile.write("Plane0", "MenuName", "Alpha");
        QString reason;
        QVERIFY(!underFile.flush(&reason));
        QVERIFY(!reason.isEmpty());

        QVERIFY(QDir(dir.path()).mkdir("folder.ini"));
        IniFileStore onFolder(dir.filePath("folder.ini"));
        onFolder.write("Plane0", "MenuName", "Alpha");
        reason.clear();
        QVERIFY(!onFolder.flush(&reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(QFileInfo(dir.filePath("folder.ini")).isDir());
    }
};

QTEST_GUILESS_MAIN(TestConfigs)
#include "tst_configs.moc"
