// Files dropped on the main window: one local file goes through the open
// procedure, anything else is refused without a word.

#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"
#include "planefile/planefileio.h"
#include "planefile/planerecord.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace vte;
using vte::test::WindowFixture;

namespace {

// Differs from the start-up plane in every field the check reads, so a drop
// that did nothing cannot pass for one that loaded.
PlaneSelections kestrel()
{
    PlaneSelections plane = defaultPlane();
    plane.PlaneName = QStringLiteral("Kestrel");
    plane.PlaneType = 2;
    plane.EngineType = 1;
    plane.Armor = {4, 6, 8};
    return plane;
}

// What a drop could have changed.
struct Shown
{
    QString name;
    int type = -1;
    int engine = -1;
    int noseArmour = -1;
    PlaneSelections selections;
    PlaneRecord record{};
    QString defaultDir;

    static Shown of(frmMain &w)
    {
        return {w.txtPlaneName->text(), w.cboPlaneType->currentIndex(), w.lstEngineType->currentRow(),
                w.lstArmor[Nose]->currentRow(), w.selections(), w.Record, w.DefaultDir};
    }
    bool operator==(const Shown &) const = default;
};

} // namespace

class TestDragDrop : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(WritePlaneFile(path(QStringLiteral("Kestrel")),
                               EncodePlaneRecord(InitPlaneCatalogue(), kestrel(), 0, 5960)).ok);
        QVERIFY(WritePlaneFile(path(QStringLiteral("Other")),
                               EncodePlaneRecord(InitPlaneCatalogue(), kestrel(), 1, 5960)).ok);
        QFile shortFile(path(QStringLiteral("Short")));
        QVERIFY(shortFile.open(QIODevice::WriteOnly));
        QCOMPARE(shortFile.write(QByteArray(PlaneRecordSize - 1, '\0')), PlaneRecordSize - 1);
    }

    void drop_data()
    {
        // Local files are named relative to the test's folder; other URLs as they are.
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("otherUrls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QString>("message");

        QTest::newRow("one good plane file") << QStringList{"Kestrel"} << QStringList{} << QString() << true
                                             << true << QString();
        QTest::newRow("two plane files") << QStringList{"Kestrel", "Other"} << QStringList{} << QString() << false
                                         << false << QString();
        QTest::newRow("text only") << QStringList{} << QStringList{} << path("Kestrel") << false << false
                                   << QString();
        QTest::newRow("one remote file") << QStringList{} << QStringList{"https://vantorel.org/planes/Kestrel"}
                                         << QString() << false << false << QString();
        QTest::newRow("a local file and a remote one")
            << QStringList{"Kestrel"} << QStringList{"https://vantorel.org/planes/Other"} << QString() << false
            << false << QString();
        // One local file is taken to the open procedure, which judges it.
        QTest::newRow("one file a byte short") << QStringList{"Short"} << QStringList{} << QString() << true
                                               << false << QStringLiteral("Plane File Size Incorrect");
    }

    void drop()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, otherUrls);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(bool, loads);
        QFETCH(QString, message);

        WindowFixture f;
        f.w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.w()));
        const Shown before = Shown::of(f.w());

        QMimeData mime;
        QList<QUrl> urls;
        for (const QString &file : files)
            urls << QUrl::fromLocalFile(path(file));
        for (const QString &url : otherUrls)
            urls << QUrl(url);
        if (!urls.isEmpty())
            mime.setUrls(urls);
        if (!text.isEmpty())
            mime.setText(text);

        const QPoint centre = f.w().rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.w(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);

        // A drop is sent even where the enter was refused: the drop handler
        // must not rely on the window system to have stopped it.
        QDropEvent drop(QPointF(centre), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&f.w(), &drop);
        QCOMPARE(drop.isAccepted(), accepted);

        QCOMPARE(f.dialogs.messages(), message.isEmpty() ? QStringList() : QStringList{message});
        const Shown after = Shown::of(f.w());
        if (!loads) {
            QVERIFY(after == before);
            return;
        }
        const PlaneSelections want = kestrel();
        QCOMPARE(after.name, want.PlaneName);
        QCOMPARE(after.type, int(want.PlaneType));
        QCOMPARE(after.engine, int(want.EngineType));
        QCOMPARE(after.noseArmour, int(want.Armor[Nose]));
        QCOMPARE(after.defaultDir, QDir::toNativeSeparators(m_dir.path()) + QDir::separator());
    }
};

QTEST_MAIN(TestDragDrop)
#include "tst_dragdrop.moc"
