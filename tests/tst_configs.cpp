// Stored texts: the number parser, saved configurations, window settings and
// the INI-backed settings store.

#include "configs/numberparser.h"
#include "configs/settingsstore.h"
#include "support/loadoutscript.h"

#include <QDir>
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

QString illegal(const QString &item)
{
    return QStringLiteral("Illegal value found for %1, Default used").arg(item);
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

class TestConfigs : public QObject
{
    Q_OBJECT

private slots:
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

    void save_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("texts"); // "Key=text;..." as stored
        QTest::newRow("default plane") << "" << 2 << "MenuName=Alpha;PlaneType=5;ArmorNose=12;ArmorTail=12;ArmorWings=12;SingleTwin=0;EngineType=0;GunType0=5;GunType3=5;Bullets0=4;Bullets3=4;HPLeft=0;HPRight=0;LHP0=11;RHP3=11;Color1=255;Color2=65280;Color3=65535;ColorScheme=4;LogoNose=46;LogoTail=46;LogoWing=46";
        QTest::newRow("engine with nitro") << "engine 2;nitro 1" << 0 << "EngineType=5";
        QTest::newRow("turret bits and twins") << "type 2;gun 0 0;mount 0;gun 1 1;gun 2 2;mount 2;gun 3 3" << 1 << "SingleTwin=202;GunType1=1;Bullets1=1";
        QTest::newRow("scheme by position") << "type 0;scheme 3" << 3 << "ColorScheme=0";
        QTest::newRow("paint, armour, rockets") << "colour 0 0xFFFFFF;armor W 3;hp R 2;rocket R 1 6;logo 2 --W" << 0 << "Color1=16777215;ArmorWings=3;HPRight=2;RHP0=11;RHP1=6;RHP2=11;LogoWing=2";
    }
    void save()
    {
        QFETCH(QString, script);
        QFETCH(int, slot);
        QFETCH(QString, texts);
        Loadout l;
        QVERIFY(runScript(l, script).isEmpty());
        MemoryStore store;
        writeConfiguration(store, slot, QStringLiteral("Alpha"), l.catalogue(), l.selections(), l.schemePosition());
        QCOMPARE(store.sections.keys(), QStringList{configurationSection(slot)});
        QCOMPARE(store.writeOrder.size(), 32);
        QCOMPARE(store.writeOrder.join(u' ').remove(configurationSection(slot) + u'/'), configurationKeys().join(u' '));
        QCOMPARE(configurationKeys().join(u' '), QStringLiteral("MenuName PlaneType ArmorNose ArmorTail ArmorWings SingleTwin EngineType GunType0 GunType1 GunType2 GunType3 Bullets0 Bullets1 Bullets2 Bullets3 HPLeft HPRight LHP0 LHP1 LHP2 LHP3 RHP0 RHP1 RHP2 RHP3 Color1 Color2 Color3 ColorScheme LogoNose LogoTail LogoWing"));
        const QString difference = mismatch(store.sections[configurationSection(slot)], texts);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
        QCOMPARE(configurationMenuName(store, slot), QStringLiteral("Alpha"));
        QCOMPARE(configurationMenuName(store, (slot + 1) % 4), QStringLiteral("Empty"));
    }

    void load_data()
    {
        QTest::addColumn<QString>("stored");   // "Key=text|Key=text"
        QTest::addColumn<QString>("expected"); // items that differ from an unused slot
        QTest::addColumn<QString>("messages"); // the items named, in order
        const auto row = [](const char *stored, const char *expected, const char *messages = "") { QTest::newRow(stored) << stored << expected << messages; };
        row("", "");
        row("ArmorNose=2.5", "ArmorNose=2");
        row("ArmorNose=3.5", "ArmorNose=4");
        row("ArmorNose=13", "", "Nose Armor");
        row("ArmorNose=-1", "", "Nose Armor");
        row("ArmorNose=abc", "ArmorNose=5");
        row("ArmorTail=abc|ArmorNose=7", "ArmorNose=7;ArmorTail=0");
        row("ArmorWings=12.4|ArmorTail=12.6", "ArmorWings=12", "Tail Armor");
        row("EngineType=4", "EngineType=4");
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
            wanted << illegal(item);
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

QTEST_GUILESS_MAIN(TestConfigs)
#include "tst_configs.moc"
