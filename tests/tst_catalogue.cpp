// The game's fixed tables, the choice lists and the weight and speed rules.
// Every expected value is taken from the game's documentation, never from the
// tables under test.

#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"
#include "catalogue/weights.h"

#include <QTest>

#include <set>

using namespace vte;

Q_DECLARE_METATYPE(vte::Mount)

namespace {

const PlaneCatalogue &cat()
{
    return InitPlaneCatalogue();
}

// "S", "T" or "-" per slot, separated by blanks: "- - - T".
std::array<Mount, GunSlots> mountsFrom(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    std::array<Mount, GunSlots> mounts{};
    for (int slot = 0; slot < GunSlots; ++slot) {
        const QString p = parts.value(slot);
        mounts[slot] = p == u"S" ? Mount::Single : p == u"T" ? Mount::Twin : Mount::NotApplicable;
    }
    return mounts;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void typeCodes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("typeCode");
        const int codes[] = {60, 64, 68, 72, 76, 80, 84, 88, 92, 96, 100};
        for (int type = 0; type < PlaneTypeCount; ++type)
            QTest::addRow("type %d", type) << type << codes[type];
    }
    void typeCodes()
    {
        QFETCH(int, type);
        QFETCH(int, typeCode);
        QCOMPARE(cat().PlaneTypes(type).TypeCode, typeCode);
    }

    void schemeCounts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("count");
        const int counts[] = {4, 3, 2, 3, 3, 2, 2, 4, 3, 4, 3};
        for (int type = 0; type < PlaneTypeCount; ++type)
            QTest::addRow("type %d offers %d", type, counts[type]) << type << counts[type];
    }
    void schemeCounts()
    {
        QFETCH(int, type);
        QFETCH(int, count);
        const PlaneTypeEntry &entry = cat().PlaneTypes(type);
        QCOMPARE(entry.schemeCount(), count);
        QCOMPARE(entry.Schemes[0], qint16(4));
        for (int position = count; position < SchemePositions; ++position)
            QCOMPARE(entry.Schemes[position], NoScheme);
    }

    void everyPictureUsedOnce()
    {
        std::multiset<int> used;
        for (int type = 0; type < PlaneTypeCount; ++type) {
            const PlaneTypeEntry &entry = cat().PlaneTypes(type);
            for (int position = 0; position < SchemePositions; ++position) {
                const int picture = entry.Pictures[position];
                if (entry.Schemes[position] == NoScheme) {
                    QCOMPARE(picture, 99);
                } else {
                    QVERIFY2(picture >= 1 && picture <= 33, qPrintable(QString::number(picture)));
                    used.insert(picture);
                }
            }
        }
        QCOMPARE(int(used.size()), 33);
        for (int picture = 1; picture <= 33; ++picture)
            QVERIFY2(used.count(picture) == 1, qPrintable(QStringLiteral("picture %1").arg(picture)));
    }

    void outOfRangeLookupsAreEmpty()
    {
        for (int type : {11, -1, 99}) {
            const PlaneTypeEntry &entry = cat().PlaneTypes(type);
            QVERIFY(entry.Name.isEmpty());
            QCOMPARE(entry.Weight, 0);
            QCOMPARE(entry.MaxWeight, 0);
            QCOMPARE(entry.TypeCode, 0);
        }
        QVERIFY(cat().SchemeNames(14).isEmpty());
        QVERIFY(cat().SchemeNames(-1).isEmpty());
        QVERIFY(!cat().SchemeNames(13).isEmpty());
        QCOMPARE(cat().GunWeights(6), 0);
        QCOMPARE(cat().GunWeights(-1), 0);
        QCOMPARE(cat().PlaneSpeeds(0, 6), 0);
        QCOMPARE(cat().PlaneSpeeds(12, 0), 0);
        QCOMPARE(cat().PlaneSpeeds(-1, 0), 0);
    }

    void ironclaveRow()
    {
        const PlaneTypeEntry &entry = cat().PlaneTypes(5);
        QCOMPARE(entry.Name, QStringLiteral("Ironclave"));
        QCOMPARE(entry.Weight, 3500);
        QCOMPARE(entry.MaxWeight, 10100);
        const std::array<QString, GunSlots> locations{"Lower Inner Wing", "Lower Outer Wing", "Upper Inner Wing",
                                                      "Upper Outer Wing"};
        QCOMPARE(entry.GunLocation, locations);
        QCOMPARE(cat().PlaneSpeeds(0, 2), 220);
    }

    void choiceLists_data()
    {
        QTest::addColumn<QStringList>("actual");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("armour steps") << ChoiceLists::armourSteps()
                                      << QStringList{" 0", " 5", "10", "15", "20", "25", "30",
                                                     "35", "40", "45", "50", "55", "60"};
        QTest::newRow("gun types") << ChoiceLists::gunTypes()
                                   << QStringList{".30 cal Sirocco", ".40 cal", ".50 cal", ".60 cal Tamarack",
                                                  ".70 cal Behemoth", "No Gun"};
        QTest::newRow("ammunition") << ChoiceLists::ammunition()
                                    << QStringList{"Slug", "Dum Dum", "Armor Piercing", "Explosive", "None"};
        QTest::newRow("rockets") << ChoiceLists::rockets()
                                 << QStringList{"AP", "HE", "Flak", "Sonic", "Flash", "Rear Flash", "Smoker",
                                                "Choker", "Beeper", "Seeker", "Torpedo", "None"};
    }
    void choiceLists()
    {
        QFETCH(QStringList, actual);
        QFETCH(QStringList, expected);
        QCOMPARE(actual, expected);
    }

    void gunButtonMountsAfterLoad_data()
    {
        QTest::addColumn<int>("singleTwin");
        QTest::addColumn<QList<int>>("guns");
        QTest::addColumn<QString>("mounts");
        QTest::newRow("138 with four guns") << 138 << QList<int>{0, 1, 2, 3} << "S T S T";
        QTest::newRow("138 with No Gun in slot 1 stays Twin") << 138 << QList<int>{0, NoGun, 2, 3} << "S T S T";
        QTest::newRow("No Gun without the bit is N/A") << 138 << QList<int>{NoGun, NoGun, NoGun, 4} << "- T - T";
        QTest::newRow("turret bits alone twin nothing") << 192 << QList<int>{0, 1, 2, 3} << "S S S S";
    }
    void gunButtonMountsAfterLoad()
    {
        QFETCH(int, singleTwin);
        QFETCH(QList<int>, guns);
        QFETCH(QString, mounts);
        std::array<qint16, GunSlots> gunTypes{};
        for (int slot = 0; slot < GunSlots; ++slot)
            gunTypes[slot] = qint16(guns[slot]);
        QCOMPARE(gunButtonMounts(singleTwin, gunTypes), mountsFrom(mounts));
    }

    void weightsAndSpeed_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("engine");
        QTest::addColumn<bool>("nitro");
        QTest::addColumn<QList<int>>("armour");   // nose, tail, wings
        QTest::addColumn<QList<int>>("guns");
        QTest::addColumn<QString>("mounts");
        QTest::addColumn<QList<int>>("hp");       // left, right
        QTest::addColumn<QList<int>>("weights");  // plane, engine, armour, guns, hp, total, maximum
        QTest::addColumn<bool>("overWeight");
        QTest::addColumn<QString>("speed");       // empty: not documented for this case

        const QList<int> noGuns{5, 5, 5, 5};
        const QList<int> none{0, 0, 0};
        QTest::newRow("Ironclave small engine armour 12")
            << 5 << 0 << false << QList<int>{12, 12, 12} << noGuns << "- - - -" << QList<int>{0, 0}
            << QList<int>{3500, 1500, 960, 0, 0, 5960, 10100} << false << "225 mph";
        QTest::newRow("Ironclave small engine with nitro")
            << 5 << 0 << true << QList<int>{12, 12, 12} << noGuns << "- - - -" << QList<int>{0, 0}
            << QList<int>{3500, 2000, 960, 0, 0, 6460, 10100} << false << "225 (300) mph";
        QTest::newRow("Grimsbane Behemoth twin in turret")
            << 1 << 0 << false << none << QList<int>{5, 5, 5, 4} << "- - - T" << QList<int>{0, 0}
            << QList<int>{3255, 1500, 0, 1840, 0, 6595, 9525} << false << "";
        QTest::newRow("Grimsbane Behemoth single in turret")
            << 1 << 0 << false << none << QList<int>{5, 5, 5, 4} << "- - - S" << QList<int>{0, 0}
            << QList<int>{3255, 1500, 0, 920, 0, 5675, 9525} << false << "";
        QTest::newRow("Grimsbane No Gun in turret has no turret weight")
            << 1 << 0 << false << none << noGuns << "- - - -" << QList<int>{0, 0}
            << QList<int>{3255, 1500, 0, 0, 0, 4755, 9525} << false << "";
        QTest::newRow("Corvane gun in slot 3 has no turret")
            << 0 << 2 << false << none << QList<int>{5, 5, 5, 0} << "- - - S" << QList<int>{0, 0}
            << QList<int>{1400, 1500, 0, 280, 0, 3180, 4160} << false << "220 mph";
        QTest::newRow("Thornleigh Sirocco single in slots 2 and 3")
            << 2 << 0 << false << none << QList<int>{5, 5, 0, 0} << "- - S S" << QList<int>{0, 0}
            << QList<int>{5460, 2500, 0, 800, 0, 8760, 15760} << false << "";
        QTest::newRow("Twin No Gun weighs nothing")
            << 1 << 0 << false << none << noGuns << "T T T T" << QList<int>{0, 0}
            << QList<int>{3255, 1500, 0, 0, 0, 4755, 9525} << false << "";
        QTest::newRow("Two hard points each side")
            << 5 << 0 << false << none << noGuns << "- - - -" << QList<int>{2, 2}
            << QList<int>{3500, 1500, 0, 0, 1920, 6920, 10100} << false << "225 mph";
        QTest::newRow("Corvane large engine with nitro")
            << 0 << 2 << true << none << noGuns << "- - - -" << QList<int>{0, 0}
            << QList<int>{1400, 2000, 0, 0, 0, 3400, 4160} << false << "220 (292) mph";
        QTest::newRow("Corvane exactly at the maximum")
            << 0 << 2 << false << QList<int>{12, 3, 0} << noGuns << "- - - -" << QList<int>{2, 0}
            << QList<int>{1400, 1500, 300, 0, 960, 4160, 4160} << false << "220 mph";
        QTest::newRow("Corvane one armour step over the maximum")
            << 0 << 2 << false << QList<int>{12, 4, 0} << noGuns << "- - - -" << QList<int>{2, 0}
            << QList<int>{1400, 1500, 320, 0, 960, 4180, 4160} << true << "220 mph";
        QTest::newRow("Corvane wings count twice")
            << 0 << 2 << false << QList<int>{0, 0, 3} << noGuns << "- - - -" << QList<int>{0, 0}
            << QList<int>{1400, 1500, 120, 0, 0, 3020, 4160} << false << "220 mph";
    }
    void weightsAndSpeed()
    {
        QFETCH(int, type);
        QFETCH(int, engine);
        QFETCH(bool, nitro);
        QFETCH(QList<int>, armour);
        QFETCH(QList<int>, guns);
        QFETCH(QString, mounts);
        QFETCH(QList<int>, hp);
        QFETCH(QList<int>, weights);
        QFETCH(bool, overWeight);
        QFETCH(QString, speed);

        PlaneSelections plane = defaultPlane();
        plane.PlaneType = qint16(type);
        plane.EngineType = qint16(engine);
        plane.Nitro = nitro;
        for (int place : {Nose, Tail, Wings})
            plane.Armor[place] = qint16(armour[place]);
        for (int slot = 0; slot < GunSlots; ++slot)
            plane.GunType[slot] = qint16(guns[slot]);
        plane.Mounts = mountsFrom(mounts);
        plane.HP = {qint16(hp[Left]), qint16(hp[Right])};

        const Weights w = computeWeights(cat(), plane);
        QCOMPARE(w.Plane, weights[0]);
        QCOMPARE(w.Engine, weights[1]);
        QCOMPARE(w.Armor, weights[2]);
        QCOMPARE(w.Guns, weights[3]);
        QCOMPARE(w.HP, weights[4]);
        QCOMPARE(w.Total, weights[5]);
        QCOMPARE(w.Maximum, weights[6]);
        QCOMPARE(w.overWeight(), overWeight);
        if (!speed.isEmpty())
            QCOMPARE(speedText(cat(), plane), speed);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
