// The plane library against the core: a folder listed as --print describes
// its files, sorted and filtered, read on a thread of its own and watched; and
// planes compared field by field. The Night Raven and its figures are the
// user guide's.

#include "library/planecompare.h"
#include "library/planelisting.h"
#include "library/planetext.h"
#include "support/files.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace vte;
using vte::test::writeFile;

namespace {

const char *const Raven = R"({"PlaneName":"Night Raven","PlaneType":1,"EngineType":4,"ArmorNose":6,"ArmorTail":4,
    "ArmorWings":4,"GunType0":2,"Bullets0":2,"GunType1":2,"Bullets1":2,"GunType3":0,"Bullets3":3,"SingleTwin":3,
    "HPLeft":1,"HPRight":1,"LHP0":9,"RHP0":9,"ColorScheme":9,"Color1":2105376,"Color2":8421504,"Color3":255})";

// The file the export writes for a document of --build.
QByteArray plane(const QByteArray &document)
{
    return test::fileBytes(*buildPlaneRecord(document).record);
}

QByteArray patched(QByteArray bytes, const std::map<int, char> &changes)
{
    for (const auto &[offset, value] : changes)
        bytes[offset] = value;
    return bytes;
}

// Every cell of a row, or the first cell of every row, as the model shows them.
QString cells(const QAbstractItemModel &model, int row = -1)
{
    QStringList texts;
    for (int i = 0; i < (row < 0 ? model.rowCount() : model.columnCount()); ++i)
        texts << (row < 0 ? model.index(i, 0) : model.index(row, i)).data().toString();
    return texts.join(QLatin1Char('|'));
}

} // namespace

class TestLibrary : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    PlaneListing m_listing;
    QString path(const QString &name) const { return QDir(m_dir.path()).filePath(name); }
    bool read(PlaneListing &listing) { return QTest::qWaitFor([&] { return !listing.isReading(); }, 10000); }
    QList<QJsonObject> described(const QStringList &documents)
    {
        QList<QJsonObject> planes;
        for (const QString &document : documents) {
            const QString file = path(QStringLiteral("compared%1").arg(planes.size()));
            writeFile(file, plane(document.toUtf8()));
            planes << describePlaneFile(file);
        }
        return planes;
    }

private slots:
    // Beside the planes lie what --check passes over too: hidden files, folders and FIFOs.
    void initTestCase()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("planes/folder")));
        const std::map<QString, QByteArray> files{
            {"Night Raven", plane(Raven)},
            {"kite", plane(R"({"PlaneName":"Kite","PlaneType":6,"EngineType":2,"GunType0":2,"HPLeft":2,"HPRight":1})")},
            {"Brick", patched(plane(R"({"PlaneName":"Brick","PlaneType":0})"), {{Offset::HPLeft, 4}, {Offset::HPLeft + 4, 4}})},
            {"Short", plane(Raven).chopped(1)},
            {"Odd", patched(plane(Raven), {{Offset::PlaneType, 11}})}};
        for (const auto &[name, bytes] : files)
            QVERIFY(writeFile(path("planes/" + name), bytes));
#ifdef Q_OS_UNIX // where a leading dot hides a file
        QVERIFY(writeFile(path("planes/.hidden"), plane(Raven)));
        QCOMPARE(mkfifo(QFile::encodeName(path("planes/fifo")).constData(), 0600), 0);
#endif
        m_listing.setFolder(path(QStringLiteral("planes")));
        QVERIFY(read(m_listing));
        QCOMPARE(m_listing.statusText(5), QStringLiteral("5 files"));
        QStringList titles;
        for (int column = 0; column < m_listing.columnCount(); ++column)
            titles << m_listing.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        QCOMPARE(titles.join('|'), QStringLiteral("File|Name|Type|Engine|Guns|Hard Points|Scheme|Total|Maximum|Speed|Status"));
    }

    void rows_data()
    {
        QTest::addColumn<QString>("row"); // File|Name|Type|Engine|Guns|Hard Points|Scheme|Total|Maximum|Speed|Status
        QTest::newRow("fine") << "Night Raven|Night Raven|Grimsbane|Medium + Nitro|3|1/1|Holy Covenant|9515|9525|261 (347) mph|OK";
        QTest::newRow("figures past 9999") << "kite|Kite|Cindervale|Large|1|2/1|The Gilded Rovers|10145|14035|227 mph|OK";
        QTest::newRow("over weight") << "Brick|Brick|Corvane|Small|0|4/4|The Gilded Rovers|5740|4160|180 mph|Over Weight";
        QTest::newRow("wrong size") << "Short||||||||||Plane File Size Incorrect";
        QTest::newRow("value no list shows") << "Odd||||||||||Plane File Contents Incorrect: PlaneType = 11";
    }

    void rows()
    {
        QFETCH(QString, row);
        const QString file = row.section(QLatin1Char('|'), 0, 0);
        const QModelIndexList found = m_listing.match(m_listing.index(0, 0), Qt::DisplayRole, file, 1, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(file));
        QCOMPARE(cells(m_listing, found[0].row()), row);
        QCOMPARE(found[0].data(PlaneListing::RefusedRole).toBool(), row.contains(QLatin1String("Plane File")));
        QCOMPARE(m_listing.path(found[0].row()), QDir::toNativeSeparators(path("planes/" + file)));
    }

    void sorting_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<QString>("files"); // refused files tie, in the folder's order
        QTest::newRow("file names in any case") << 0 << Qt::AscendingOrder << "Brick|kite|Night Raven|Odd|Short";
        QTest::newRow("guns as numbers") << 4 << Qt::DescendingOrder << "Night Raven|kite|Brick|Odd|Short";
        QTest::newRow("total as a number") << 7 << Qt::AscendingOrder << "Odd|Short|Brick|Night Raven|kite";
        QTest::newRow("maximum, falling") << 8 << Qt::DescendingOrder << "kite|Night Raven|Brick|Odd|Short";
        QTest::newRow("speed as a number") << 9 << Qt::AscendingOrder << "Odd|Short|Brick|kite|Night Raven";
        QTest::newRow("status") << 10 << Qt::AscendingOrder << "Night Raven|kite|Brick|Odd|Short";
    }

    void sorting()
    {
        QFETCH(int, column);
        QFETCH(Qt::SortOrder, order);
        QFETCH(QString, files);
        PlaneListingView view(&m_listing);
        view.sort(column, order);
        QCOMPARE(cells(view), files);
    }

    void filtering_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("files");
        QTest::addColumn<QString>("status");
        QTest::newRow("none") << "" << "Brick|kite|Night Raven|Odd|Short" << "5 files";
        QTest::newRow("file and plane name") << "RAVEN" << "Night Raven" << "1 of 5 files";
        QTest::newRow("plane name") << "kITe" << "kite" << "1 of 5 files";
        QTest::newRow("type") << "cinder" << "kite" << "1 of 5 files";
        QTest::newRow("scheme") << "gilded" << "Brick|kite" << "2 of 5 files";
        QTest::newRow("not the status") << "incorrect" << "" << "0 of 5 files";
    }

    void filtering()
    {
        QFETCH(QString, filter);
        QFETCH(QString, files);
        QFETCH(QString, status);
        PlaneListingView view(&m_listing);
        view.sort(0);
        view.setFilterText(filter);
        QCOMPARE(cells(view), files);
        QCOMPARE(m_listing.statusText(view.rowCount()), status);
    }

    // Files added, rewritten in place or removed show within a second, each
    // in its sorted place, and every other row keeps its place.
    void watching()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("watched")));
        for (const char *name : {"Alpha", "Bravo", "Charlie", "Delta"})
            QVERIFY(writeFile(path(QStringLiteral("watched/") + name[0]), plane(QStringLiteral(R"({"PlaneName":"%1"})").arg(name).toUtf8())));
        PlaneListing listing;
        const QAbstractItemModelTester tester(&listing, QAbstractItemModelTester::FailureReportingMode::QtTest);
        PlaneListingView byStatus(&listing);
        byStatus.sort(PlaneColumns - 1);
        listing.setFolder(path(QStringLiteral("watched")));
        QVERIFY(read(listing));
        const QPersistentModelIndex bravo = listing.index(1, 1);
        QSignalSpy resets(&listing, &QAbstractItemModel::modelReset), removals(&listing, &QAbstractItemModel::rowsRemoved);

        QVERIFY(writeFile(path("watched/E"), plane(R"({"PlaneName":"Echo"})")));
        QTRY_COMPARE_WITH_TIMEOUT(cells(byStatus), QStringLiteral("A|B|C|D|E"), 1000);
        QVERIFY(writeFile(path("watched/A"), plane(Raven).chopped(1)));
        QTRY_COMPARE_WITH_TIMEOUT(cells(byStatus), QStringLiteral("B|C|D|E|A"), 1000);
        for (const char *name : {"A", "C", "D"})
            QVERIFY(QFile::remove(path(QStringLiteral("watched/") + name)));
        QTRY_COMPARE_WITH_TIMEOUT(cells(byStatus), QStringLiteral("B|E"), 1000);
        QCOMPARE(removals.count(), 2); // neighbouring rows go at once
        QVERIFY(writeFile(path("watched/B"), plane(R"({"PlaneName":"Yankee"})")));
        QTRY_COMPARE_WITH_TIMEOUT(bravo.data().toString(), QStringLiteral("Yankee"), 1000);
        QCOMPARE(cells(listing), QStringLiteral("B|E"));
        QCOMPARE(resets.count(), 0);
        // Nothing read again while nothing changes.
        QSignalSpy statuses(&listing, &PlaneListing::statusChanged);
        QTest::qWait(300);
        QCOMPARE(statuses.count(), 0);
    }

    // Another folder, or the end of the listing, stops the reading at once.
    void cancelling()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("many")));
        for (int i = 0; i < 500; ++i)
            QVERIFY(writeFile(path(QStringLiteral("many/%1").arg(i)), plane(Raven)));
        { PlaneListing gone; gone.setFolder(path(QStringLiteral("many"))); }
        PlaneListing listing;
        listing.setFolder(path(QStringLiteral("many")));
        QCOMPARE(listing.statusText(0), QStringLiteral("Reading the folder"));
        listing.setFolder(path(QStringLiteral("planes")));
        QVERIFY(read(listing));
        QCOMPARE(cells(listing), QStringLiteral("Brick|Night Raven|Odd|Short|kite"));
        listing.setFolder(path(QStringLiteral("planes"))); // chosen again: read afresh
        QVERIFY(read(listing));
        QCOMPARE(cells(listing), QStringLiteral("Brick|Night Raven|Odd|Short|kite"));
        listing.setFolder(path(QStringLiteral("planes/folder")));
        QVERIFY(read(listing));
        QCOMPARE(listing.statusText(0), QStringLiteral("0 files"));
        listing.setFolder(path(QStringLiteral("nowhere")));
        QVERIFY(read(listing));
        QCOMPARE(listing.statusText(0), QStringLiteral("Folder not found"));
    }

    void comparison_data()
    {
        QTest::addColumn<QStringList>("planes");
        QTest::addColumn<QString>("fields"); // those that differ
        QTest::addColumn<QString>("keys");   // the JSON's differences
        const QString a = R"({"PlaneName":"A"})";
        QTest::newRow("same loadout") << QStringList{a, a} << "" << "{}";
        QTest::newRow("name") << QStringList{a, R"({"PlaneName":"B"})"} << "Name" << R"({"PlaneName":["A","B"]})";
        QTest::newRow("nitro") << QStringList{a, R"({"PlaneName":"A","EngineType":3})"}
            << "Nitro|Weights|Total weight|Speed|Stored weight"
            << R"({"EngineType":[0,3],"Nitro":[false,true],"Speed":["225 mph","225 (300) mph"],"StoredWeight":[5000,5500],"Weights.Engine":[1500,2000],"Weights.Total":[5000,5500]})";
        QTest::newRow("a list whole") << QStringList{R"({"PlaneName":"A","GunType0":2})", R"({"PlaneName":"A","GunType0":2,"SingleTwin":1})"}
            << "Gun 1|Weights|Total weight|Stored weight"
            << R"({"Mounts":[["Single","N/A","N/A","N/A"],["Twin","N/A","N/A","N/A"]],"SingleTwin":[0,1],"StoredWeight":[5480,5960],"Weights.Guns":[480,960],"Weights.Total":[5480,5960]})";
        QTest::newRow("the third of three") << QStringList{a, a, R"({"PlaneName":"A","ColorScheme":8})"} << "Scheme"
            << R"({"ColorScheme":[4,4,8],"Names.ColorScheme":["The Gilded Rovers","The Gilded Rovers","ZRKS"]})";
    }

    void comparison()
    {
        QFETCH(QStringList, planes);
        QFETCH(QString, fields);
        QFETCH(QString, keys);
        const QList<QJsonObject> described = this->described(planes);
        const PlaneComparison comparison = comparePlanes(described);
        QStringList differing, files;
        for (const ComparedField &field : comparison.fields) {
            QCOMPARE(field.values.size(), planes.size());
            if (field.differs())
                differing << field.label;
        }
        QCOMPARE(differing.join(QLatin1Char('|')), fields);
        QCOMPARE(comparison.differs(), !fields.isEmpty());
        for (const QJsonObject &plane : described)
            files << plane[QLatin1String("File")].toString();
        QCOMPARE(comparison.files, files);
        const QJsonObject json = differencesJson(described);
        QCOMPARE(QJsonDocument(json[QLatin1String("Differences")].toObject()).toJson(QJsonDocument::Compact), keys.toUtf8());
        QCOMPARE(json[QLatin1String("Files")].toArray(), QJsonArray::fromStringList(files));
    }
};

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
