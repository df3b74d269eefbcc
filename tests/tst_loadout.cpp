// The loadout rules, as tables: each row runs a short script of choices on a
// fresh default plane and compares the parts of the state it names. Expected
// figures come from the game's documentation and its worked examples. The
// game's tables are held against a listing of what the window shows for each
// plane type (golden/plane-types.txt). Re-colouring the scheme preview: the
// fast pass must paint exactly what a pixel-by-pixel reading of the rule
// paints, on every layout an image can have.

#include "catalogue/loadouthistory.h"
#include "catalogue/planecatalogue.h"
#include "paint/recolor.h"
#include "support/files.h"
#include "support/loadoutscript.h"

#include <QTest>

#include <vector>

using namespace vte;
using namespace vte::test;

namespace {

// The rule read pixel by pixel: exact 24-bit match on the source, first marker first.
QImage reference(const QImage &source, const std::array<quint32, 3> &paint)
{
    const QImage input = source.convertToFormat(QImage::Format_RGB32);
    QImage out = input.copy();
    for (int y = 0; y < input.height(); ++y) {
        for (int x = 0; x < input.width(); ++x) {
            const QRgb rgb = input.pixel(x, y) & RGB_MASK;
            for (size_t i = 0; i < MarkerColors.size(); ++i) {
                if (rgb == (rgbFromStored(MarkerColors[i]) & RGB_MASK)) {
                    out.setPixel(x, y, rgbFromStored(paint[i]));
                    break;
                }
            }
        }
    }
    return out;
}

// Every marker, every colour one bit away from a marker, and plain colours,
// in an odd width so no line is a whole number of vector steps.
QImage pattern(int width, int height)
{
    std::vector<QRgb> colours;
    for (quint32 marker : MarkerColors) {
        colours.push_back(rgbFromStored(marker));
        for (int bit = 0; bit < 24; ++bit)
            colours.push_back(rgbFromStored(marker ^ (1u << bit)));
    }
    colours.push_back(qRgb(0, 0, 0));
    colours.push_back(qRgb(255, 255, 255));
    colours.push_back(qRgb(239, 239, 239));
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, colours[size_t(x * 7 + y * 3) % colours.size()]);
    return image;
}

} // namespace

class TestLoadout : public QObject
{
    Q_OBJECT

private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("script");   // choices separated by ';'
        QTest::addColumn<QString>("expected"); // "part=value" separated by ';', only the parts that matter; "refused=" unless named
        const auto row = [](const char *name, const char *script, const char *expected) { QTest::newRow(name) << script << expected; };

        row("start-up", "", "type=5;armor=12,12,12;engine=0;guns=5:4:N/A 5:4:N/A 5:4:N/A 5:4:N/A;hp=0:11,11,11,11 0:11,11,11,11;schemes=The Gilded Rovers|ZRKS;scheme=0 #4 pic 16;weights=3500,1500,960,0,0,5960,10100;speed=225 mph;name=;paint=255,65280,65535/46,46,46;export=Plane Name Required;missing=Guns - HP");
        row("Ironclave with nitro", "nitro 1", "engine=0+nitro;weights=3500,2000,960,0,0,6460,10100;speed=225 (300) mph");
        row("Ironclave large engine", "engine 2", "weights=3500,2500,960,0,0,6960,10100;speed=276 mph");
        row("armour steps weigh 20, wings twice", "armor N 0;armor T 3;armor W 1", "armor=0,3,1;weights=3500,1500,100,0,0,5100,10100");
        row("plane type applies its tables", "type 0", "type=0;schemes=The Gilded Rovers|Backlot Guard|Jitney|Slate Crows;scheme=0 #4 pic 2;where=Inner Wing 1|Inner Wing 2|Outer Wing 1|Outer Wing 2;weights=1400,500,960,0,0,2860,4160");
        row("Thornleigh large engine with nitro", "type 2;engine 2;nitro 1", "weights=5460,4000,960,0,0,10420,15760;speed=138 (184) mph");
        row("new type starts with the first scheme", "scheme 1;type 0", "scheme=0 #4 pic 2");
        row("the same type again changes nothing", "scheme 1;type 5", "scheme=1 #8 pic 17");
        row("type out of range is no choice", "type 11;type -1", "type=5;weights=3500,1500,960,0,0,5960,10100");
        row("type keeps the rest of the loadout", "gun 0 2;ammo 0 3;mount 0;hp L 2;rocket L 1 4;engine 1;nitro 1;armor W 2;type 2", "guns=2:3:Single 5:4:N/A 5:4:N/A 5:4:N/A;hp=2:11,4,11,11 0:11,11,11,11;engine=1+nitro;armor=12,12,2;missing=");
        row("scheme choice picks its picture", "type 0;scheme 3", "scheme=3 #0 pic 1");
        row("scheme beyond the list is no choice", "scheme 2", "scheme=0 #4 pic 16");
        row("first gun: twin with Dum Dum", "gun 1 0", "guns=5:4:N/A 0:1:Twin 5:4:N/A 5:4:N/A;weights=3500,1500,960,560,0,6520,10100");
        row("another gun keeps mount and ammunition", "gun 1 0;ammo 1 3;mount 1;gun 1 4", "guns=5:4:N/A 4:3:Single 5:4:N/A 5:4:N/A;weights=3500,1500,960,680,0,6640,10100");
        row("No Gun clears the slot", "gun 2 3;ammo 2 2;gun 2 5", "guns=5:4:N/A 5:4:N/A 5:4:N/A 5:4:N/A;weights=3500,1500,960,0,0,5960,10100");
        row("a gun again after No Gun starts afresh", "gun 2 3;ammo 2 2;mount 2;gun 2 5;gun 2 1", "guns=5:4:N/A 5:4:N/A 1:1:Twin 5:4:N/A");
        row("ammunition without a gun snaps back", "ammo 3 2", "guns=5:4:N/A 5:4:N/A 5:4:N/A 5:4:N/A");
        row("ammunition with a gun is kept", "gun 3 1;ammo 3 0", "guns=5:4:N/A 5:4:N/A 5:4:N/A 1:0:Twin");
        row("mount cycles Single, Twin, Single", "gun 0 0;mount 0;mount 0;mount 0", "guns=0:1:Single 5:4:N/A 5:4:N/A 5:4:N/A;weights=3500,1500,960,280,0,6240,10100");
        row("Grimsbane twin Behemoth in the turret", "type 1;armor N 0;armor T 0;armor W 0;gun 3 4", "weights=3255,1500,0,1840,0,6595,9525;missing=Armor - HP");
        row("Grimsbane single Behemoth in the turret", "type 1;gun 3 4;mount 3", "weights=3255,1500,960,920,0,6635,9525");
        row("Thornleigh pays only the rear turret", "type 2;gun 2 0;mount 2;gun 3 0;mount 3", "weights=5460,2500,960,800,0,9720,15760");
        row("Corvane slot 3 is no turret", "type 0;gun 3 0;mount 3", "weights=1400,500,960,280,0,3140,4160");
        row("all four twin Behemoths and the turret", "name Kite;type 1;gun 0 4;gun 1 4;gun 2 4;gun 3 4", "weights=3255,1500,960,5920,0,11635,9525 over;export=Plane Over Weight;missing=HP");
        row("rocket on a hard point not in use snaps back", "rocket L 0 3;rocket R 3 3", "hp=0:11,11,11,11 0:11,11,11,11");
        row("hard points in use keep their rockets", "hp L 2;rocket L 0 3;rocket L 1 4;rocket L 2 5", "hp=2:3,4,11,11 0:11,11,11,11;weights=3500,1500,960,0,960,6920,10100");
        row("fewer hard points clear the rest", "hp R 4;rocket R 0 1;rocket R 1 2;rocket R 2 3;rocket R 3 10;hp R 2", "hp=0:11,11,11,11 2:1,2,11,11;weights=3500,1500,960,0,960,6920,10100");
        row("count 0 clears the side", "hp L 3;rocket L 2 6;hp L 0", "hp=0:11,11,11,11 0:11,11,11,11");
        row("two hard points each side", "hp L 2;hp R 2", "weights=3500,1500,960,0,1920,7880,10100;missing=Guns");
        row("hard points beyond four are no choice", "hp L 2;hp L 5;hp L -1", "hp=2:11,11,11,11 0:11,11,11,11");
        row("exactly at the maximum may be exported", "name Kite;type 0;engine 2;armor T 3;armor W 0;hp L 2", "weights=1400,1500,300,0,960,4160,4160;export=ok");
        row("one step over may not", "name Kite;type 0;engine 2;armor T 4;armor W 0;hp L 2", "weights=1400,1500,320,0,960,4180,4160 over;export=Plane Over Weight");
        row("name holds fifteen characters", "name ABCDEFGHIJKLMNOPQ", "name=ABCDEFGHIJKLMNO;export=ok");
        row("paint and logos", "colour 1 0x123456;logo 7 -T-;logo 9 N-W", "paint=255,1193046,65535/9,7,9");
        row("reset keeps name, paint and logos", "name Kite;gun 0 1;hp L 2;type 0;engine 2;nitro 1;armor N 3;colour 0 0;logo 3 NTW;reset", "type=5;armor=12,12,12;engine=0;guns=5:4:N/A 5:4:N/A 5:4:N/A 5:4:N/A;hp=0:11,11,11,11 0:11,11,11,11;scheme=0 #4 pic 16;name=Kite;paint=0,65280,65535/3,3,3");
        row("empty slot loads the default loadout", "type 0;gun 0 1;load", "type=5;armor=0,0,0;engine=0;guns=5:4:N/A 5:4:N/A 5:4:N/A 5:4:N/A;paint=255,65280,65535/46,46,46;scheme=0 #4 pic 16;missing=Armor - Guns - HP");
        row("loaded ammunition is kept", "load GunType2=3,Bullets2=2,GunType3=1,Bullets3=0,SingleTwin=8", "guns=5:4:N/A 5:4:N/A 3:2:Single 1:0:Twin");
        row("loaded over a slot that had a gun", "gun 0 1;ammo 0 3;load GunType0=2,Bullets0=0", "guns=2:0:Single 5:4:N/A 5:4:N/A 5:4:N/A");
        row("twin bit on No Gun turns back to N/A", "load SingleTwin=207", "guns=5:4:N/A 5:4:N/A 5:4:N/A 5:4:N/A");
        row("loaded rockets beyond the count are None", "load HPLeft=2,LHP0=3,LHP1=4,LHP3=9,HPRight=1,RHP0=10,RHP1=2", "hp=2:3,4,11,11 1:10,11,11,11");
        row("loaded scheme the type offers", "load PlaneType=1,ColorScheme=9", "scheme=1 #9 pic 6");
        row("loaded scheme the type lacks", "load PlaneType=3,ColorScheme=0", "scheme=0 #4 pic 11");
        row("loaded engine code with nitro", "load EngineType=4", "engine=1+nitro;speed=251 (333) mph");
        row("loaded large engine, no nitro", "load EngineType=2", "engine=2;speed=276 mph");
        // Refusals, which change nothing.
        row("mount without a gun", "mount 2", "refused=Please select a Gun first|Gun Selection Required;guns=5:4:N/A 5:4:N/A 5:4:N/A 5:4:N/A");
        row("mount after No Gun", "gun 1 2;gun 1 5;mount 1", "refused=Please select a Gun first|Gun Selection Required;guns=5:4:N/A 5:4:N/A 5:4:N/A 5:4:N/A");
        row("logo with no place ticked", "logo 4 ---", "refused=no place ticked;paint=255,65280,65535/46,46,46");
    }
    void rules()
    {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        Loadout loadout;
        QMap<QString, QString> shown{{"refused", runScript(loadout, script).join(u", ")}};
        shown.insert(describe(loadout));
        const QString difference = mismatch(shown, QStringLiteral("refused=;") + expected);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Undo and redo: each row runs its script through the history, a choice
    // being a step named as its script says, and compares as the rules do.
    void history_data()
    {
        QTest::addColumn<QString>("script");   // choices as above, "undo", "redo" and "clean" (the window's exports and saves)
        QTest::addColumn<QString>("expected"); // parts as above, "steps=index/count", "texts=undo|redo", "clean=yes|no"
        const auto row = [](const char *name, const QString &script, const char *expected) { QTest::newRow(name) << script << expected; };
        row("a choice undone", "armor N 3;undo", "armor=12,12,12;steps=0/1;texts=|armor N 3;clean=yes");
        row("and redone", "armor N 3;undo;redo", "armor=3,12,12;steps=1/1;texts=armor N 3|;clean=no");
        row("nothing to undo or redo", "undo;redo", "steps=0/0;texts=|");
        row("choices that change nothing add no step", "armor N 12;engine 0;scheme 0;mount 2;ammo 3 2;type 11", "steps=0/0;clean=yes");
        row("a new choice drops what could be redone", "armor N 3;armor T 4;undo;engine 1", "armor=3,12,12;engine=1;steps=2/2;texts=engine 1|");
        row("name edits in a row are one step", "name K;name Ki;name Kit;undo", "name=;steps=0/1");
        row("name edits apart are steps apart", "name K;armor N 3;name Ki;undo", "name=K;armor=3,12,12;steps=2/3");
        row("a name typed back leaves no step", "name K;name Ki;name K;name", "name=;steps=0/0");
        row("undo puts back the mounts as they were", "gun 0 1;load;undo", "guns=1:1:Twin 5:4:N/A 5:4:N/A 5:4:N/A;steps=1/2");
        row("undo of an open puts back the stored weight", "open 7000;open 8000;undo", "stored=7000;steps=1/2");
        row("the first open undone shows none", "open 7000;undo;redo;undo", "stored=;steps=0/1");
        row("a logo assignment clears its ticks", "tick T 0;logo 7", "paint=255,65280,65535/7,46,7;ticks=---;steps=2/2");
        row("... and its undo brings them back", "tick T 0;logo 7;undo", "paint=255,65280,65535/46,46,46;ticks=N-W;texts=tick T 0|logo 7");
        row("clean again where it was clean", "armor N 3;clean;armor T 1;undo", "clean=yes;steps=1/2");
        row("not clean on either side", "armor N 3;clean;undo", "clean=no");
        row("a thousand steps are kept", "armor N 0;" + QStringList(500, "armor N 1;armor N 2").join(';') + QString(";undo").repeated(1001), "armor=0,12,12;steps=0/1000");
    }
    void history()
    {
        QFETCH(QString, script);
        QFETCH(QString, expected);
        Loadout loadout;
        LoadoutHistory history(loadout);
        QUndoStack &stack = history.stack();
        const std::map<QString, std::function<void()>> words{{"undo", [&] { stack.undo(); }}, {"redo", [&] { stack.redo(); }}, {"clean", [&] { stack.setClean(); }}};
        for (const QString &step : script.split(QLatin1Char(';'))) {
            if (words.count(step))
                words.at(step)();
            else
                history.change(step, [&](Loadout &l) { run(l, step.split(u' ')); }, step.startsWith(u"name") ? LoadoutHistory::Kind::Merging : LoadoutHistory::Kind::Single);
        }
        QMap<QString, QString> shown = describe(loadout);
        shown.insert({{"steps", QStringLiteral("%1/%2").arg(stack.index()).arg(stack.count())}, {"texts", stack.undoText() + '|' + stack.redoText()}, {"clean", stack.isClean() ? "yes" : "no"}});
        const QString difference = mismatch(shown, expected);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void planeTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("listing");
        const QStringList listing = test::golden(QStringLiteral("plane-types.txt"));
        QCOMPARE(listing.size(), PlaneTypeCount);
        for (int type = 0; type < PlaneTypeCount; ++type)
            QTest::addRow("%d", type) << type << listing[type];
    }
    void planeTypes()
    {
        QFETCH(int, type);
        QFETCH(QString, listing);
        const PlaneCatalogue &cat = InitPlaneCatalogue();
        const PlaneTypeEntry &e = cat.PlaneTypes(type);
        QStringList schemes, speeds;
        for (int i = 0; i < e.schemeCount(); ++i)
            schemes << QStringLiteral("%1 %2").arg(cat.SchemeNames(e.Schemes[i])).arg(e.Pictures[i]);
        for (int i = e.schemeCount(); i < SchemePositions; ++i)
            QVERIFY(e.Schemes[i] == NoScheme && e.Pictures[i] == 99);
        for (int column = 0; column < 6; ++column)
            speeds << QString::number(cat.PlaneSpeeds(type, column));
        const QString shown = QStringLiteral("%1 %2/%3 engine %4 turret %5 code %6 | %7 | %8 | %9")
                                  .arg(e.Name).arg(e.Weight).arg(e.MaxWeight).arg(e.EngineWeight).arg(e.TurretFlags).arg(e.TypeCode)
                                  .arg(QStringList(e.GunLocation.cbegin(), e.GunLocation.cend()).join(u", "), schemes.join(u", "), speeds.join(u' '));
        QCOMPARE(shown, listing);
        QCOMPARE(ChoiceLists::planeTypes().value(type), e.Name);
    }

    // The gun weights, and lookups outside a table, which give the empty entry
    // rather than read past it.
    void lookups()
    {
        const PlaneCatalogue &cat = InitPlaneCatalogue();
        QCOMPARE(QList<int>({cat.GunWeights(0), cat.GunWeights(1), cat.GunWeights(2), cat.GunWeights(3), cat.GunWeights(4), cat.GunWeights(NoGun)}),
                 QList<int>({280, 380, 480, 580, 680, 0}));
        for (int type : {-1, 11, 99})
            QVERIFY(cat.PlaneTypes(type).Name.isEmpty() && cat.PlaneTypes(type).MaxWeight == 0 && cat.PlaneTypes(type).TypeCode == 0 && cat.PlaneSpeeds(type, 0) == 0);
        QVERIFY(cat.SchemeNames(-1).isEmpty() && cat.SchemeNames(14).isEmpty());
        QCOMPARE(cat.SchemeNames(13), QStringLiteral("Jitney"));
        QCOMPARE(cat.GunWeights(-1) + cat.GunWeights(6) + cat.PlaneSpeeds(0, -1) + cat.PlaneSpeeds(0, 6), 0);
    }

    void matchesThePixelRule_data()
    {
        QTest::addColumn<QImage>("source");
        QTest::addColumn<QList<quint32>>("paint");
        const QImage base = pattern(167, 23);
        const QList<quint32> paint{0x203040, 0x506070, 0x8090A0};
        QTest::newRow("RGB32") << base << paint;
        QTest::newRow("ARGB32") << base.convertToFormat(QImage::Format_ARGB32) << paint;
        QTest::newRow("RGB888") << base.convertToFormat(QImage::Format_RGB888) << paint;
        QTest::newRow("indexed, as a GIF loads") << base.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither) << paint;
        // Painted in a later marker's colour: matching on the source keeps it.
        QTest::newRow("paint equal to later markers") << base << QList<quint32>{MarkerColors[1], MarkerColors[2], MarkerColors[0]};
        QTest::newRow("one pixel") << pattern(1, 1) << paint;
        QTest::newRow("one column") << pattern(1, 77) << paint;
        // Lines longer than their pixels: the padding must be stepped over, not painted.
        static std::vector<uchar> buffer(size_t((37 * 4 + 12) * 11), 0xAB);
        for (int y = 0; y < 11; ++y)
            memcpy(buffer.data() + y * (37 * 4 + 12), pattern(37, 11).constScanLine(y), 37 * 4);
        QTest::newRow("padded lines") << QImage(buffer.data(), 37, 11, 37 * 4 + 12, QImage::Format_RGB32) << paint;
        QTest::newRow("empty") << QImage() << paint;
    }
    void matchesThePixelRule()
    {
        QFETCH(QImage, source);
        QFETCH(QList<quint32>, paint);
        const QImage got = recolored(source, {paint[0], paint[1], paint[2]});
        QCOMPARE(got, reference(source, {paint[0], paint[1], paint[2]}));
        QCOMPARE(got.format(), source.isNull() ? QImage::Format_Invalid : QImage::Format_RGB32);
    }
};

QTEST_GUILESS_MAIN(TestLoadout)
#include "tst_loadout.moc"
