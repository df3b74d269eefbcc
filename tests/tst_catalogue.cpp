// The game's tables against a listing of what the window shows for each plane
// type, taken from the game's documentation and reviewed once by hand.

#include "catalogue/planecatalogue.h"

#include <QTest>

using namespace vte;

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void planeTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("listing");
        const char *listing[] = {
            "Corvane 1400/4160 engine 500 turret 0 code 60 | Inner Wing 1, Inner Wing 2, Outer Wing 1, Outer Wing 2 | The Gilded Rovers 2, Backlot Guard 3, Jitney 4, Slate Crows 1 | 180 200 220 239 266 292",
            "Grimsbane 3255/9525 engine 1500 turret 128 code 64 | Nose 1, Nose 2, Inner Wing, Rear Turret | The Gilded Rovers 5, Holy Covenant 6, Nordwehr 7 | 234 261 287 312 347 381",
            "Thornleigh 5460/15760 engine 2500 turret 192 code 68 | Inner Wing, Outer Wing, Nose Turret, Rear Turret | The Gilded Rovers 9, Crown Flying Corps 8 | 113 126 138 150 167 184",
            "Vexmire 2415/6545 engine 500 turret 0 code 72 | Inner Wing, Outer Wing, Upper Nose, Lower Nose | The Gilded Rovers 11, Orrin Airways 10, Marlow Airworks 12 | 270 300 330 359 399 438",
            "Scaramond 3885/11015 engine 1500 turret 128 code 76 | Outer Wing 1, Outer Wing 2, Inner Wing, Rear Turret | The Gilded Rovers 14, Basilisk 15, Slate Crows 13 | 216 240 264 287 319 351",
            "Ironclave 3500/10100 engine 1500 turret 0 code 80 | Lower Inner Wing, Lower Outer Wing, Upper Inner Wing, Upper Outer Wing | The Gilded Rovers 16, ZRKS 17 | 225 251 276 300 333 367",
            "Cindervale 4725/14035 engine 2500 turret 128 code 84 | Inner Wing, Middle Wing, Outer Wing, Rear Turret | The Gilded Rovers 18, Silver Screen Lancers 19 | 186 207 227 247 275 302",
            "Tempestra 2870/7610 engine 500 turret 0 code 88 | Outer Wing 1, Outer Wing 2, Inner Wing 1, Inner Wing 2 | The Gilded Rovers 21, The Night Heron 20, Marlow Airworks 22, Backlot Guard 23 | 252 281 309 336 373 411",
            "Swiftmere 4620/13780 engine 2500 turret 128 code 92 | Center 1, Center 2, Outer Wing, Rear Turret | The Gilded Rovers 24, Marlow Airworks 25, Basilisk 26 | 193 215 236 257 285 314",
            "Arbiteron 2695/7205 engine 500 turret 0 code 96 | Center, Right Fuselage, Right Wing, Left Wing | The Gilded Rovers 29, Orrin Airways 27, Crown Flying Corps 28, Marquee Raiders 30 | 261 290 319 347 385 424",
            "Galeborn 5005/14675 engine 2500 turret 0 code 100 | Inner Wing 1, Inner Wing 2, Outer Wing 1, Outer Wing 2 | The Gilded Rovers 32, Holy Covenant 33, Slate Crows 31 | 180 201 221 240 267 294",
        };
        for (int type = 0; type < PlaneTypeCount; ++type)
            QTest::addRow("%d", type) << type << QString::fromLatin1(listing[type]);
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
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
