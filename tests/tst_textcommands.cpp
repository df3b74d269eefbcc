// --print, --check, --code and --build, run as a user runs them: the real program with
// no display and no platform plugin named, so touching a window system fails.

#include "catalogue/loadout.h"
#include "planefile/planecode.h"
#include "planefile/planerecord.h"
#include "support/files.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

using namespace vte;
using vte::test::fileBytes;
using vte::test::writeFile;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run vteditor(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VTEDITOR_PROGRAM), arguments);
    program.write(input);
    program.closeWriteChannel();
    if (!program.waitForFinished(20000))
        program.kill();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()), QString::fromUtf8(program.readAllStandardError())};
}

// What the export writes for a plane of the type with every item away from its
// default; the rules of a load put None where nothing is fitted.
QByteArray exported(qint16 type)
{
    Loadout loadout;
    const QString name = QStringLiteral("Type %1").arg(type).leftJustified(MaxPlaneNameLength, QLatin1Char('.'));
    loadout.load({.PlaneName = name, .PlaneType = type, .Armor = {1, 2, 0}, .SingleTwin = 1, .Nitro = true,
                  .GunType = {0, NoGun, NoGun, 0}, .Bullets = {2, 0, 0, 3}, .HP = {1, 0}, .HardPoint = {{{10}}},
                  .Color = {0x123456, 0xABCDEF, 0xFE0000}, .ColorScheme = loadout.catalogue().PlaneTypes(type).Schemes[1],
                  .Logo = {1, 2, 49}});
    return fileBytes(exportedRecord(loadout));
}

} // namespace

class TestTextCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return QDir::toNativeSeparators(QDir(m_dir.path()).filePath(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder/inner")));
#ifdef Q_OS_UNIX
        for (const char *fifo : {"fifo", "folder/fifo"})
            QCOMPARE(mkfifo(QFile::encodeName(path(QLatin1String(fifo))).constData(), 0600), 0);
        // A null device of its own, where this user may make one: a program
        // that wrongly replaced it would replace nothing of the system's.
        mknod(QFile::encodeName(path(QStringLiteral("device"))).constData(), S_IFCHR | 0666, makedev(1, 3));
#endif
    }

    // Each file alone, then the folder, whose FIFO and folder are passed over.
    void check()
    {
        QByteArray broken = exported(3), heavy = exported(0);
        broken[Offset::PlaneType] = 11;
        heavy[Offset::HPLeft] = 4;
        const QList<std::pair<QString, QByteArray>> samples{
            {"Broken: Plane File Contents Incorrect: PlaneType = 11", broken},
            {"Good: OK", exported(2)},
            {"Heavy: Plane Over Weight", heavy},
            {"Missing: Plane File Could Not Be Read: No such file or directory", {}},
            {"Short: Plane File Size Incorrect", exported(2).chopped(1)}}; // in the folder's order
        QString all, allCodes;
        for (const auto &[line, contents] : samples) {
            const QString file = path(QStringLiteral("folder/") + line.section(QLatin1Char(':'), 0, 0));
            const QString expected = QStringLiteral("%1:%2\n").arg(file, line.section(QLatin1Char(':'), 1));
            // --code refuses as --check does; else it writes the code, alone for a file named alone.
            const bool good = expected.endsWith(QLatin1String(": OK\n"));
            const QString code = good ? planeCode(*checkPlaneBytes(contents).record) + '\n' : expected;
            if (!contents.isEmpty()) {
                QVERIFY(writeFile(file, contents));
                all += expected;
                allCodes += good ? file + ": " + code : code;
            }
            const Run coded = vteditor({QStringLiteral("--code"), file});
            QCOMPARE(coded.out, code);
            QCOMPARE(coded.status, good ? 0 : 1);
            const Run checked = vteditor({QStringLiteral("--check"), file});
            QCOMPARE(checked.out, expected);
            QCOMPARE(checked.status, good ? 0 : 1);
            // Only what the window refuses keeps a file from being printed.
            const bool refused = expected.contains(QLatin1String(": Plane File "));
            const Run printed = vteditor({QStringLiteral("--print"), file});
            QCOMPARE(printed.out.startsWith(expected), refused);
            QCOMPARE(printed.status, refused ? 1 : 0);
        }
        const Run folder = vteditor({QStringLiteral("--check"), path(QStringLiteral("folder"))});
        QCOMPARE(folder.out, all);
        QCOMPARE(folder.status, 1);
        const Run codes = vteditor({QStringLiteral("--code"), path(QStringLiteral("folder"))});
        QCOMPARE(codes.out, allCodes);
        QCOMPARE(codes.status, 1);
    }

    void listing()
    {
        QVERIFY(writeFile(path(QStringLiteral("Kite")), exported(1)));
        const Run run = vteditor({QStringLiteral("--print"), path(QStringLiteral("Kite"))});
        QCOMPARE(run.status, 0);
        for (const char *line :
             {"Name              Type 1.........", "Type              Grimsbane", "Nitro             yes",
              "Armor             nose 5, tail 10, wings 0", "Gun 2             Nose 2: No Gun, N/A, None",
              "Gun 1             Nose 1: .30 cal Sirocco, Twin, Armor Piercing",
              "Left hard points  1: Torpedo, None, None, None", "Scheme            Holy Covenant",
              "Colors            #563412 #EFCDAB #0000FE", "Logos             nose 1, tail 2, wing 49",
              "Weights           plane 3255, engine 2000, armor 60, guns 1080, HP 480",
              "Total weight      6875 (maximum 9525)", "Speed             234 (312) mph", "Stored weight     6875"})
            QVERIFY2(run.out.contains(QStringLiteral("\n  %1\n").arg(QLatin1String(line))), line);
        // JSON names the items as the listing does.
        const Run json = vteditor({QStringLiteral("--print"), QStringLiteral("--json"), path(QStringLiteral("Kite"))});
        const QJsonObject names = QJsonDocument::fromJson(json.out.toUtf8()).object().value(QLatin1String("Names")).toObject();
        QCOMPARE(QStringList({names["PlaneType"].toString(), names["ArmorTail"].toString(), names["Color1"].toString(), names["GunType0"].toString()}),
                 QStringList({"Grimsbane", "10", "#563412", ".30 cal Sirocco"}));
        // A folder gives a list, even of one plane.
        QVERIFY(QDir().mkpath(path(QStringLiteral("one"))));
        QVERIFY(writeFile(path(QStringLiteral("one/Kite")), exported(1)));
        const Run folder = vteditor({QStringLiteral("--print"), QStringLiteral("--json"), path(QStringLiteral("one"))});
        QVERIFY(QJsonDocument::fromJson(folder.out.toUtf8()).isArray());
        // Built back from its JSON, a plane of each type is the file it came from.
        for (int type = 0; type < PlaneTypeCount; ++type) {
            QVERIFY(writeFile(path(QStringLiteral("exported")), exported(type)));
            QVERIFY(writeFile(path(QStringLiteral("plane.json")), vteditor({"--print", "--json", path("exported")}).out.toUtf8()));
            QCOMPARE(vteditor({"--build", path("plane.json"), "--output", path("built")}).status, 0);
            // And from its code, on standard input.
            const QByteArray code = vteditor({"--code", path("exported")}).out.toUtf8();
            QCOMPARE(vteditor({"--build", "-", "--output", path("coded")}, code).status, 0);
            for (const char *name : {"built", "coded"}) {
                QFile built(path(QLatin1String(name)));
                QVERIFY(built.open(QIODevice::ReadOnly));
                QCOMPARE(built.readAll(), exported(type));
            }
        }
    }

    void build_data()
    {
        QTest::addColumn<QString>("document"); // padded with spaces to size
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("output"); // named in the refusal unless new
        QTest::addColumn<QString>("refusal"); // empty where the file is built
        const auto row = [](const char *name, const QString &document, const char *refusal, const char *output = "new",
                            int size = 0) { QTest::newRow(name) << document << size << output << refusal; };
        row("a whole mebibyte", R"({"PlaneName":"X"})", "", "new", 1 << 20);
        row("a byte more", R"({"PlaneName":"X"})", "Too large for a plane", "new", (1 << 20) + 1);
        row("unknown key", R"({"PlaneName":"X","ArmourNose":1})", "ArmourNose = 1 is not a key of a plane");
        row("out of range", R"({"PlaneName":"X","ArmorNose":13})", "ArmorNose = 13 is out of range");
        row("not a number", R"({"PlaneName":"X","GunType0":"2"})", R"(GunType0 = "2" is not a number)");
        row("no such scheme", R"({"PlaneName":"X","ColorScheme":14})", "ColorScheme = 14 is out of range");
        row("long name", R"({"PlaneName":"Sixteen letters!"})",
            R"(PlaneName = "Sixteen letters!" is longer than 15 characters)");
        row("no code", R"({"PlaneName":"Snow☃"})",
            R"(PlaneName = "Snow☃" holds "☃", which is no printable Windows-1252 character)");
        row("no name", R"({"PlaneType":0})", "Plane Name Required");
        row("over weight", R"({"PlaneName":"X","PlaneType":0,"HPLeft":4,"HPRight":4})", "Plane Over Weight");
        row("not JSON", "{", "Not a JSON document: unterminated object at offset 1");
        row("plane code", "\n VTP1:" + QString(272, 'A').replace(4, 4, "AGkA") + '\n', ""); // the name "i"
        row("plane code a byte short", "VTP1:" + QString(271, 'A'), "Plane File Size Incorrect");
        row("plane code without a name", "VTP1:" + QString(272, 'A'), "Plane Name Required");
        const char *notRegular = "Plane File Could Not Be Written: Not a regular file";
        row("folder", R"({"PlaneName":"X"})", notRegular, "folder");
#ifdef Q_OS_UNIX
        row("FIFO", R"({"PlaneName":"X"})", notRegular, "fifo");
        row("device", R"({"PlaneName":"X"})", notRegular, "device");
#endif
    }

    void build()
    {
        QFETCH(QString, document);
        QFETCH(int, size);
        QFETCH(QString, output);
        QFETCH(QString, refusal);
        if (output == u"device" && !QFileInfo::exists(path(output)))
            QSKIP("only root may make a device");
        QFile::remove(path(QStringLiteral("new")));
        QVERIFY(writeFile(path(QStringLiteral("plane.json")), document.leftJustified(size).toUtf8()));
        const Run run = vteditor({"--build", path("plane.json"), "--output", path(output)});
        const QString named = path(output == "new" ? "plane.json" : output);
        QCOMPARE(run.err, refusal.isEmpty() ? QString() : QStringLiteral("%1: %2\n").arg(named, refusal));
        QCOMPARE(run.status, refusal.isEmpty() ? 0 : 1);
        QCOMPARE(QFileInfo(path(output)).isFile(), refusal.isEmpty());
    }

    // Nitro taken out of a plane file: the fields it changes, each with both values.
    void compare()
    {
        QByteArray plain = exported(1);
        plain[Offset::EngineCode] = 0;
        QVERIFY(writeFile(path(QStringLiteral("Nitro")), exported(1)) && writeFile(path(QStringLiteral("Plain")), plain));
        const QString both = path("Nitro") + " | " + path("Plain") + '\n';
        const Run same = vteditor({"--compare", path("Nitro"), path("Nitro")});
        QCOMPARE(same.out, path("Nitro") + " | " + path("Nitro") + "\n  Same loadout\n");
        QCOMPARE(same.status, 0);
        const Run differ = vteditor({"--compare", path("Nitro"), path("Plain")});
        QCOMPARE(differ.out, both + "  Nitro             yes | no\n"
                                    "  Weights           plane 3255, engine 2000, armor 60, guns 1080, HP 480 | plane 3255, engine 1500, armor 60, guns 1080, HP 480\n"
                                    "  Total weight      6875 (maximum 9525) | 6375 (maximum 9525)\n"
                                    "  Speed             234 (312) mph | 234 mph\n");
        QCOMPARE(differ.status, 1);
        const Run json = vteditor({"--compare", "--json", path("Nitro"), path("Plain")});
        const QJsonObject document = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(document["Files"].toArray(), QJsonArray({path("Nitro"), path("Plain")}));
        QCOMPARE(document["Differences"].toObject().keys(), QStringList({"EngineType", "Nitro", "Speed", "Weights.Engine", "Weights.Total"}));
        QCOMPARE(document["Differences"]["Weights.Total"].toArray(), QJsonArray({6875, 6375}));
        QCOMPARE(json.status, 1);
        const Run refused = vteditor({"--compare", path("Nitro"), path("folder")});
        QCOMPARE(refused.err, path("folder") + ": Plane File Size Incorrect\n");
        QCOMPARE(refused.status, 2);
    }

    // Exit status 2, and a pointer to the help.
    void usage()
    {
        const QList<QStringList> misuses{{"--print", "--check", "x"}, {"--json", "--check", "x"}, {"--print"}, {"--code"}, {"--code", "--check", "x"},
                                         {"--compare", "x"}, {"--compare", "--check", "x", "y"},
                                         {"--build", "x"},           {"--output", "x"},          {"--printt"}};
        for (const QStringList &arguments : misuses) {
            const Run run = vteditor(arguments);
            QVERIFY2(run.status == 2 && run.err.endsWith(QLatin1String("Try \"vteditor --help\".\n")),
                     qPrintable(arguments.join(QLatin1Char(' '))));
        }
    }
};

QTEST_GUILESS_MAIN(TestTextCommands)
#include "tst_textcommands.moc"
