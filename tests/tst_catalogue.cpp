// The game's tables against a listing of what the window shows for each plane
// type (golden/plane-types.txt).

#include "catalogue/planecatalogue.h"
#include "support/files.h"

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
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
