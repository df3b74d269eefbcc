// The loadout rules as the window applies them, the weight limit, the export
// and a round trip of random loadouts through a plane file.

#include "support/windowfixture.h"
#include "support/windowprobe.h"

#include "editor/inusemark.h"
#include "planefile/planerecord.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vte;
using namespace vte::test;

namespace {

using F = WindowFixture;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray bytesOf(const PlaneRecord &r)
{
    return QByteArray(reinterpret_cast<const char *>(r.data()), static_cast<qsizetype>(r.size()));
}

bool overMaximum(frmMain &w)
{
    return w.txtTotalWeight->text().toInt() > w.txtMaximumWeight->text().toInt();
}

// Sets rockets with all four hard points open, then the count wanted.
void fitRockets(frmMain &w, Side side, const std::array<int, 4> &rockets, int count)
{
    F::choose(w.cboHP[side], 4);
    for (int k = 0; k < 4; ++k)
        F::choose(w.lstHP[side][k], rockets[k]);
    F::choose(w.cboHP[side], count);
}

} // namespace

class TestLoadout : public QObject
{
    Q_OBJECT

private slots:
    void hardPointCount_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("count");
        QTest::newRow("left 0 sets all four to None") << int(Left) << 0;
        QTest::newRow("left 2 keeps the first two") << int(Left) << 2;
        QTest::newRow("left 4 keeps all four") << int(Left) << 4;
        QTest::newRow("right 1 keeps the first") << int(Right) << 1;
        QTest::newRow("right 3 keeps the first three") << int(Right) << 3;
    }
    void hardPointCount()
    {
        QFETCH(int, side);
        QFETCH(int, count);
        F f;
        const std::array<int, 4> rockets{0, 4, 9, 10};
        fitRockets(f.w(), Side(side), rockets, count);
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(f.w().lstHP[side][k]->currentRow(), k < count ? rockets[k] : 11);
            QCOMPARE(isInUse(f.w().lstHP[side][k]), k < count);
        }
        // The other side is left as it was.
        for (int k = 0; k < 4; ++k)
            QCOMPARE(f.w().lstHP[1 - side][k]->currentRow(), 11);
    }

    void rocketChoice_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("expected");   // row shown after choosing "Seeker" (9)
        QTest::newRow("left count 2, fourth list snaps back") << int(Left) << 2 << 3 << 11;
        QTest::newRow("left count 2, third list snaps back") << int(Left) << 2 << 2 << 11;
        QTest::newRow("right count 0, first list snaps back") << int(Right) << 0 << 0 << 11;
        QTest::newRow("left count 2, second list keeps it") << int(Left) << 2 << 1 << 9;
        QTest::newRow("right count 4, fourth list keeps it") << int(Right) << 4 << 3 << 9;
    }
    void rocketChoice()
    {
        QFETCH(int, side);
        QFETCH(int, count);
        QFETCH(int, list);
        QFETCH(int, expected);
        F f;
        F::choose(f.w().cboHP[side], count);
        F::choose(f.w().lstHP[side][list], 9);
        QCOMPARE(f.w().lstHP[side][list]->currentRow(), expected);
        QCOMPARE(isInUse(f.w().lstHP[side][list]), list < count);
    }

    void fittingGunToEmptySlot_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("gun");
        QTest::newRow("slot 0, .30 cal") << 0 << 0;
        QTest::newRow("slot 1, .50 cal") << 1 << 2;
        QTest::newRow("slot 2, .60 cal") << 2 << 3;
        QTest::newRow("slot 3, .70 cal") << 3 << 4;
    }
    void fittingGunToEmptySlot()
    {
        QFETCH(int, slot);
        QFETCH(int, gun);
        F f;
        frmMain &w = f.w();
        F::choose(w.lstGunType[slot], gun);
        QCOMPARE(w.cmdGun[slot]->text(), QStringLiteral("Twin"));
        QCOMPARE(shownText(w.lstBullets[slot]), QStringLiteral("Dum Dum"));
        QCOMPARE(w.lstBullets[slot]->currentRow(), 1);
        QVERIFY(isInUse(w.lstGunType[slot]));
        QVERIFY(isInUse(w.lstBullets[slot]));
        QVERIFY(w.txtGunWeight->text().toInt() > 0);

        // Another gun keeps the mount and the ammunition chosen.
        w.cmdGun_Click(slot);
        F::choose(w.lstBullets[slot], 3);
        F::choose(w.lstGunType[slot], gun == 0 ? 1 : 0);
        QCOMPARE(w.cmdGun[slot]->text(), QStringLiteral("Single"));
        QCOMPARE(w.lstBullets[slot]->currentRow(), 3);

        // "No Gun" empties the slot.
        F::choose(w.lstGunType[slot], 5);
        QCOMPARE(w.cmdGun[slot]->text(), QStringLiteral("N/A"));
        QCOMPARE(shownText(w.lstBullets[slot]), QStringLiteral("None"));
        QVERIFY(!isInUse(w.lstGunType[slot]));
        QVERIFY(!isInUse(w.lstBullets[slot]));
        QCOMPARE(w.txtGunWeight->text(), QStringLiteral("0"));

        const PlaneSelections before = w.selections();
        w.cmdGun_Click(slot);
        QCOMPARE(f.dialogs.messages(), QStringList{"Please select a Gun first"});
        QCOMPARE(f.dialogs.shown.back().title, QStringLiteral("Gun Selection Required"));
        compareLoadout(w.selections(), before);
        F::choose(w.lstBullets[slot], 2);
        QCOMPARE(w.lstBullets[slot]->currentRow(), 4);
    }

    void mountCycle_data()
    {
        QTest::addColumn<int>("slot");
        for (int slot = 0; slot < 4; ++slot)
            QTest::addRow("slot %d", slot) << slot;
    }
    void mountCycle()
    {
        QFETCH(int, slot);
        F f;
        frmMain &w = f.w();
        F::choose(w.lstGunType[slot], 2);
        const QString twin = w.txtGunWeight->text();
        w.cmdGun_Click(slot);
        QCOMPARE(w.cmdGun[slot]->text(), QStringLiteral("Single"));
        const QString single = w.txtGunWeight->text();
        QVERIFY2(single.toInt() < twin.toInt(), qPrintable(single + " vs " + twin));
        w.cmdGun_Click(slot);
        QCOMPARE(w.cmdGun[slot]->text(), QStringLiteral("Twin"));
        QCOMPARE(w.txtGunWeight->text(), twin);
        w.cmdGun_Click(slot);
        QCOMPARE(w.cmdGun[slot]->text(), QStringLiteral("Single"));
        QCOMPARE(w.txtGunWeight->text(), single);
    }

    void typeChangeKeepsLoadout_data()
    {
        QTest::addColumn<int>("type");
        const char *names[] = {"Corvane", "Grimsbane", "Thornleigh", "Vexmire", "Scaramond"};
        for (int type = 0; type < 5; ++type)
            QTest::addRow("to %s", names[type]) << type;
    }
    void typeChangeKeepsLoadout()
    {
        QFETCH(int, type);
        F f;
        frmMain &w = f.w();
        F::choose(w.lstGunType[0], 1);
        F::choose(w.lstGunType[3], 4);
        w.cmdGun_Click(3);
        F::choose(w.lstBullets[0], 3);
        fitRockets(w, Left, {0, 1, 2, 3}, 3);
        fitRockets(w, Right, {5, 6, 7, 8}, 1);
        F::choose(w.lstArmor[Nose], 2);
        F::choose(w.lstArmor[Wings], 7);
        F::choose(w.lstEngineType, 2);
        w.chkNitro->setChecked(true);
        F::choose(w.cboSchemes, 1);
        QCOMPARE(w.cboSchemes->currentText(), QStringLiteral("ZRKS"));
        PlaneSelections expected = w.selections();
        F::choose(w.cboPlaneType, type);
        expected.PlaneType = static_cast<qint16>(type);
        compareLoadout(w.selections(), expected);
        QCOMPARE(w.cboSchemes->currentIndex(), 0);
        QCOMPARE(w.cboSchemes->currentText(), QStringLiteral("The Gilded Rovers"));
    }

    void weightLimit_data()
    {
        // Ironclave with eight hard points and a single .40 cal: the nose
        // armour decides where the total stands against the maximum.
        QTest::addColumn<QList<int>>("noseSteps");
        QTest::addColumn<bool>("over");
        QTest::newRow("equal to the maximum") << QList<int>{8} << false;
        QTest::newRow("one step over") << QList<int>{9} << true;
        QTest::newRow("over, then back to the maximum") << QList<int>{9, 8} << false;
        QTest::newRow("well under") << QList<int>{0} << false;
    }
    void weightLimit()
    {
        QFETCH(QList<int>, noseSteps);
        QFETCH(bool, over);
        F f;
        frmMain &w = f.w();
        w.txtPlaneName->setText(QStringLiteral("Heavy"));
        F::choose(w.cboHP[Left], 4);
        F::choose(w.cboHP[Right], 4);
        F::choose(w.lstGunType[0], 1);
        w.cmdGun_Click(0);
        for (int step : noseSteps)
            F::choose(w.lstArmor[Nose], step);
        QCOMPARE(w.txtMaximumWeight->text(), QStringLiteral("10100"));
        if (noseSteps.back() == 8)
            QCOMPARE(w.txtTotalWeight->text(), w.txtMaximumWeight->text());
        QCOMPARE(overMaximum(w), over);
        const QColor text = w.txtTotalWeight->palette().color(QPalette::Text);
        QCOMPARE(text == QColor(255, 0, 0), over);
        w.ExportPlane();
        if (over) {
            QCOMPARE(f.dialogs.messages(), QStringList{"Plane Over Weight"});
            QCOMPARE(f.dialogs.shown.back().title, QStringLiteral("VTEditor"));
        } else {
            QCOMPARE(f.dialogs.messages(), QStringList());
            QCOMPARE(f.dialogs.shown.back().kind, QStringLiteral("save"));
        }
    }

    void emptyNameRefused()
    {
        F f;
        f.w().txtPlaneName->clear();
        f.w().ExportPlane();
        QCOMPARE(f.dialogs.shown.size(), size_t(1));
        QCOMPARE(f.dialogs.shown.back().text, QStringLiteral("Plane Name Required"));
        QCOMPARE(f.dialogs.shown.back().title, QStringLiteral("VTEditor"));
    }

    void inUseTint_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("inUse");
        QTest::newRow("gun list without a gun") << "lstGunType(1)" << false;
        QTest::newRow("ammunition list without a gun") << "lstBullets(1)" << false;
        QTest::newRow("gun list with a gun") << "lstGunType(0)" << true;
        QTest::newRow("ammunition list with a gun") << "lstBullets(0)" << true;
        QTest::newRow("rocket list inside the count") << "lstLHP(0)" << true;
        QTest::newRow("rocket list past the count") << "lstLHP(1)" << false;
        QTest::newRow("right rocket list, count 0") << "lstRHP(0)" << false;
    }
    void inUseTint()
    {
        QFETCH(QString, list);
        QFETCH(bool, inUse);
        F f;
        F::choose(f.w().lstGunType[0], 0);
        F::choose(f.w().cboHP[Left], 1);
        auto *shown = qobject_cast<QListWidget *>(control(f.w(), list));
        QVERIFY(shown);
        QCOMPARE(shown->palette().color(QPalette::Base) == QColor(192, 255, 255), !inUse);
        QCOMPARE(isInUse(shown), inUse);
    }

    void exportWritesRecord_data()
    {
        QTest::addColumn<int>("existingSize");   // 0: no file there yet
        QTest::newRow("new file") << 0;
        QTest::newRow("over an existing 300-byte file") << 300;
    }
    void exportWritesRecord()
    {
        QFETCH(int, existingSize);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Raven"));
        if (existingSize) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(existingSize, 'x'));
        }
        F f;
        frmMain &w = f.w();
        w.txtPlaneName->setText(QStringLiteral("Raven"));
        F::choose(w.lstGunType[1], 3);
        F::choose(w.cboHP[Right], 2);
        F::choose(w.cboSchemes, 1);
        f.dialogs.texts = {path};
        w.ExportPlane();
        QCOMPARE(f.dialogs.messages(), QStringList());
        const auto &save = f.dialogs.shown.back();
        QCOMPARE(save.kind, QStringLiteral("save"));
        QCOMPARE(save.title, QStringLiteral("Save"));
        QCOMPARE(save.text, QStringLiteral("Raven"));
        QCOMPARE(save.filter, AllFilesFilter);
        const QByteArray written = readAll(path);
        QCOMPARE(written.size(), 204);
        const PlaneRecord expected =
            EncodePlaneRecord(w.catalogue(), w.selections(), 1, w.txtTotalWeight->text().toInt());
        QCOMPARE(written, bytesOf(expected));
        QCOMPARE(bytesOf(w.Record), written);
    }

    void exportCancelledKeepsRecord()
    {
        QTemporaryDir dir;
        F f;
        frmMain &w = f.w();
        w.txtPlaneName->setText(QStringLiteral("Raven"));
        f.dialogs.texts = {dir.filePath(QStringLiteral("Raven"))};
        w.ExportPlane();
        const PlaneRecord first = w.Record;
        F::choose(w.lstGunType[2], 4);
        w.ExportPlane();
        QCOMPARE(f.dialogs.shown.back().kind, QStringLiteral("save"));
        QVERIFY(w.Record == first);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Raven"});
    }

    void exportWriteFails_data()
    {
        QTest::addColumn<bool>("directoryTarget");
        QTest::newRow("into a folder that does not exist") << false;
        QTest::newRow("onto an existing directory") << true;
    }
    void exportWriteFails()
    {
        QFETCH(bool, directoryTarget);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("missing/Raven"));
        if (directoryTarget) {
            path = dir.filePath(QStringLiteral("Raven"));
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Raven")));
            QFile inside(path + QStringLiteral("/keep"));
            QVERIFY(inside.open(QIODevice::WriteOnly));
            inside.write("kept");
        }
        F f;
        f.w().txtPlaneName->setText(QStringLiteral("Raven"));
        f.dialogs.texts = {path};
        f.w().ExportPlane();
        const QStringList messages = f.dialogs.messages();
        QCOMPARE(messages.size(), 1);
        const QString prefix = QStringLiteral("Plane File Could Not Be Written\n");
        QVERIFY2(messages.front().startsWith(prefix), qPrintable(messages.front()));
        QVERIFY2(messages.front().size() > prefix.size(), "no reason given");
        QCOMPARE(QFileInfo(path).isDir(), directoryTarget);
        if (directoryTarget)
            QCOMPARE(readAll(path + QStringLiteral("/keep")), QByteArray("kept"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 36; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }
    void roundTrip()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        const auto pick = [&](int bound) { return static_cast<int>(random.bounded(bound)); };
        F f;
        frmMain &w = f.w();
        w.txtPlaneName->setText(QStringLiteral("Plane %1").arg(seed));
        F::choose(w.cboPlaneType, pick(11));
        for (int slot = 0; slot < 4; ++slot) {
            F::choose(w.lstGunType[slot], pick(6));
            for (int clicks = pick(3); clicks > 0 && w.lstGunType[slot]->currentRow() != NoGun; --clicks)
                w.cmdGun_Click(slot);
            F::choose(w.lstBullets[slot], pick(4));
        }
        for (Side side : {Left, Right})
            fitRockets(w, side, {pick(11), pick(11), pick(11), pick(11)}, pick(5));
        for (int place : {Nose, Tail, Wings})
            F::choose(w.lstArmor[place], pick(13));
        F::choose(w.lstEngineType, pick(3));
        w.chkNitro->setChecked(pick(2) == 1);
        for (int swatch = 0; swatch < 3; ++swatch) {
            f.dialogs.colors = {QColor(pick(256), pick(256), pick(256))};
            w.lblColor_DblClick(swatch);
        }
        for (int round = 0; round < 2; ++round) {
            for (QCheckBox *tick : w.chkPlace)
                tick->setChecked(pick(2) == 1);
            w.chkPlace[pick(3)]->setChecked(true);
            w.imgLogo_DblClick(pick(50));
        }
        F::choose(w.cboSchemes, pick(w.cboSchemes->count()));
        // Lighten the plane until the game accepts it.
        for (Side side : {Left, Right}) {
            while (overMaximum(w) && w.cboHP[side]->currentIndex() > 0)
                F::choose(w.cboHP[side], w.cboHP[side]->currentIndex() - 1);
        }
        for (int slot = 3; slot >= 0 && overMaximum(w); --slot)
            F::choose(w.lstGunType[slot], NoGun);
        for (int place : {Wings, Tail, Nose}) {
            while (overMaximum(w) && w.lstArmor[place]->currentRow() > 0)
                F::choose(w.lstArmor[place], w.lstArmor[place]->currentRow() - 1);
        }
        if (overMaximum(w))
            w.chkNitro->setChecked(false);
        QVERIFY(!overMaximum(w));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("plane"));
        f.dialogs.texts = {path};
        w.ExportPlane();
        QCOMPARE(f.dialogs.messages(), QStringList());
        F loaded;
        loaded.w().openPlaneFile(path);
        QCOMPARE(loaded.dialogs.messages(), QStringList());
        compareLoadout(loaded.w().selections(), w.selections());
        QCOMPARE(loaded.w().cboSchemes->currentIndex(), w.cboSchemes->currentIndex());
        QCOMPARE(loaded.w().cboSchemes->currentText(), w.cboSchemes->currentText());
        QCOMPARE(loaded.w().txtTotalWeight->text(), w.txtTotalWeight->text());
        QCOMPARE(loaded.w().txtWeight->text(), w.txtTotalWeight->text());
    }
};

QTEST_MAIN(TestLoadout)
#include "tst_loadout.moc"
