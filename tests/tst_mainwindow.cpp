// The main window as a whole: start-up, its stored placement, unload, File >
// New, the toolbar and the open procedure. Expected values come from the
// game's documentation.

#include "support/windowfixture.h"
#include "support/windowprobe.h"

#include "catalogue/planeselections.h"
#include "editor/inusemark.h"
#include "planefile/planerecord.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace vte;
using namespace vte::test;

namespace {

const QString Settings = QStringLiteral("Settings");

// The default plane as the documentation lists it; the wanted scheme number
// and mount flags are compared elsewhere.
PlaneSelections documentedDefault(const QString &name)
{
    PlaneSelections plane;
    plane.PlaneName = name;
    plane.PlaneType = 5;
    plane.Armor = {12, 12, 12};
    plane.GunType = {5, 5, 5, 5};
    plane.Bullets = {4, 4, 4, 4};
    for (auto &side : plane.HardPoint)
        side = {11, 11, 11, 11};
    plane.Color = {0x0000FF, 0x00FF00, 0x00FFFF};
    plane.Logo = {46, 46, 46};
    return plane;
}

// "Kite", a Vexmire with a medium engine and nitro, written byte by byte.
PlaneRecord kiteBytes()
{
    PlaneRecord r{};
    const char name[] = "Kite";
    for (int i = 0; name[i]; ++i)
        r[Offset::PlaneName + i] = static_cast<std::uint8_t>(name[i]);
    r[Offset::Fixed40] = 0x10;
    r[Offset::Fixed40 + 1] = 0x27;
    r[Offset::PlaneType] = 3;
    r[Offset::EngineCode] = 4;            // Medium + nitro
    r[Offset::HPLeft] = 2;
    r[Offset::HPLeft + 4] = 1;
    r[Offset::TotalWeight] = 0x39;        // 6969
    r[Offset::TotalWeight + 1] = 0x1B;
    r[Offset::ColorScheme] = 2;           // Orrin Airways
    const std::uint8_t logos[] = {3, 17, 49};
    const std::uint8_t rgb[3][3] = {{10, 20, 30}, {200, 100, 0}, {1, 2, 3}};
    const std::uint8_t armour[] = {25, 60, 0, 0};
    for (int p = 0; p < 3; ++p) {
        r[Offset::LogoNose + 4 * p] = logos[p];
        for (int c = 0; c < 3; ++c)
            r[Offset::Color1 + 4 * p + c] = rgb[p][c];
    }
    for (int p = 0; p < 4; ++p)
        r[Offset::NoseArmor + 4 * p] = armour[p];
    r[Offset::GunLayout] = 0b0101;        // slots 0 and 2 twin
    const std::uint8_t guns[] = {0, 2, 4, 5}, bullets[] = {0, 2, 3, 4};
    const std::uint8_t left[] = {0, 10, 11, 11}, right[] = {9, 11, 11, 11};
    for (int k = 0; k < 4; ++k) {
        r[Offset::GunType0 + 4 * k] = guns[k];
        r[Offset::Bullets0 + 4 * k] = bullets[k];
        r[Offset::LHP0 + 4 * k] = left[k];
        r[Offset::RHP0 + 4 * k] = right[k];
    }
    r[Offset::TypeCode] = 72;
    r[Offset::Fixed201] = 99;
    r[Offset::Fixed202] = 100;
    return r;
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QByteArray bytesOf(const PlaneRecord &r)
{
    return QByteArray(reinterpret_cast<const char *>(r.data()), static_cast<qsizetype>(r.size()));
}

// Columns shared by the tables that read controls back by their design names.
void addControlColumns()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
}

void checkControl(frmMain &w)
{
    QFETCH(QString, name);
    QFETCH(int, row);
    QFETCH(QString, text);
    QWidget *shown = control(w, name);
    QVERIFY2(shown, qPrintable(name));
    QCOMPARE(shownText(shown), text);
    if (row >= 0)
        QCOMPARE(shownRow(shown), row);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startupShowsDefaultPlane_data()
    {
        addControlColumns();
        QTest::newRow("type Ironclave") << "cboPlaneType" << 5 << "Ironclave";
        QTest::newRow("small engine") << "lstEngineType" << 0 << "Small";
        QTest::newRow("no nitro") << "chkNitro" << -1 << "unchecked";
        for (const char *armour : {"lstArmorNose", "lstArmorTail", "lstArmorWings"})
            QTest::addRow("%s at row 12", armour) << armour << 12 << "60";
        QTest::newRow("no left hard points") << "cboHPLeft" << 0 << "0";
        QTest::newRow("no right hard points") << "cboHPRight" << 0 << "0";
        const char *locations[] = {"Lower Inner Wing", "Lower Outer Wing", "Upper Inner Wing", "Upper Outer Wing"};
        for (int k = 0; k < 4; ++k) {
            QTest::addRow("left rocket %d none", k) << QStringLiteral("lstLHP(%1)").arg(k) << 11 << "None";
            QTest::addRow("right rocket %d none", k) << QStringLiteral("lstRHP(%1)").arg(k) << 11 << "None";
            QTest::addRow("gun %d no gun", k) << QStringLiteral("lstGunType(%1)").arg(k) << 5 << "No Gun";
            QTest::addRow("ammunition %d none", k) << QStringLiteral("lstBullets(%1)").arg(k) << 4 << "None";
            QTest::addRow("mount %d N/A", k) << QStringLiteral("cmdGun(%1)").arg(k) << -1 << "N/A";
            QTest::addRow("gun location %d", k) << QStringLiteral("lblGunLocation(%1)").arg(k) << -1 << locations[k];
        }
        QTest::newRow("first scheme chosen") << "cboSchemes" << 0 << "The Gilded Rovers";
        QTest::newRow("plane weight") << "txtPlaneWeight" << -1 << "3500";
        QTest::newRow("engine weight") << "txtEngineWeight" << -1 << "1500";
        QTest::newRow("armour weight") << "txtArmorWeight" << -1 << "960";
        QTest::newRow("gun weight") << "txtGunWeight" << -1 << "0";
        QTest::newRow("hard point weight") << "txtHPWeight" << -1 << "0";
        QTest::newRow("total weight") << "txtTotalWeight" << -1 << "5960";
        QTest::newRow("maximum weight") << "txtMaximumWeight" << -1 << "10100";
        QTest::newRow("speed") << "txtPlaneSpeed" << -1 << "225 mph";
    }
    void startupShowsDefaultPlane()
    {
        WindowFixture f;
        checkControl(f.w());
    }

    void startupState()
    {
        WindowFixture f;
        QCOMPARE(f.w().pos(), QPoint(66, 66));
        QCOMPARE(f.w().SSTab1->currentIndex(), 0);
        QCOMPARE(f.w().PlaneType, qint16(5));
        QVERIFY(!f.w().Loading);
        for (const auto *items : {&f.w().mnuToolsLoadEmpty, &f.w().mnuToolsSaveEmpty, &f.w().mnuToolsClearEmpty}) {
            for (const QAction *item : *items)
                QCOMPARE(item->text(), QStringLiteral("Empty"));
        }
        QCOMPARE(f.w().cboSchemes->count(), 2);
        QCOMPARE(f.w().cboSchemes->itemText(1), QStringLiteral("ZRKS"));
        compareLoadout(f.w().selections(), documentedDefault(QString()));
        const QColor colours[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(255, 255, 0)};
        for (int swatch = 0; swatch < 3; ++swatch)
            QCOMPARE(f.w().lblColor[swatch]->palette().color(QPalette::Window), colours[swatch]);
        const QImage logo47(QStringLiteral(":/logos/logo47.gif"));
        QVERIFY(!logo47.isNull());
        QVERIFY(logo47.convertToFormat(QImage::Format_RGB32) != QImage(QStringLiteral(":/logos/logo46.gif")).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(shownImage(f.w().imgPlace[Nose]), logo47.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(shownImage(f.w().imgLogo[46]), logo47.convertToFormat(QImage::Format_RGB32));
    }

    void storedPlacement_data()
    {
        QTest::addColumn<QString>("value");        // every placement key
        QTest::addColumn<QString>("display");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("tab");
        QTest::newRow("letters, Display 9") << "abc" << "9" << QPoint(66, 66) << 3;
        QTest::newRow("empty texts, Display x") << "" << "x" << QPoint(66, 66) << 3;
        QTest::newRow("overflowing number, Display 9") << "1e400" << "9" << QPoint(66, 66) << 3;
        QTest::newRow("letters, Display 5") << "abc" << "5" << QPoint(66, 66) << 3;
        QTest::newRow("letters, Display -1") << "abc" << "-1" << QPoint(66, 66) << 3;
        QTest::newRow("letters, Display empty") << "abc" << "" << QPoint(66, 66) << 3;
        QTest::newRow("far off every screen") << "-900000" << "2" << QPoint(66, 66) << 2;
        QTest::newRow("far past every screen") << "900000" << "4" << QPoint(66, 66) << 4;
        QTest::newRow("a good placement") << "1500" << "1" << QPoint(100, 100) << 1;
    }
    void storedPlacement()
    {
        QFETCH(QString, value);
        QFETCH(QString, display);
        QFETCH(QPoint, pos);
        QFETCH(int, tab);
        MemoryStore store;
        for (const char *key : {"MainLeft", "MainTop", "MainWidth", "MainHeight"})
            store.write(Settings, QLatin1String(key), value);
        store.write(Settings, QStringLiteral("Display"), display);
        WindowFixture f(&store);
        QCOMPARE(f.w().pos(), pos);
        QCOMPARE(f.w().SSTab1->currentIndex(), tab);
        QVERIFY(f.w().width() >= 513);
        QVERIFY(f.w().height() >= 387);
    }

    void innerAreaNeverTooSmall_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::newRow("no stored size") << QString() << QString();
        QTest::newRow("one pixel") << "15" << "15";
        QTest::newRow("zero") << "0" << "0";
        QTest::newRow("negative") << "-3000" << "-3000";
    }
    void innerAreaNeverTooSmall()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        MemoryStore store;
        if (!width.isNull()) {
            store.write(Settings, QStringLiteral("MainWidth"), width);
            store.write(Settings, QStringLiteral("MainHeight"), height);
        }
        WindowFixture f(&store);
        QVERIFY2(f.w().width() >= 513, qPrintable(QString::number(f.w().width())));
        QVERIFY2(f.w().height() >= 387, qPrintable(QString::number(f.w().height())));
    }

    void unloadWritesSettingsInOrder_data()
    {
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < 5; ++tab)
            QTest::addRow("tab %d current", tab) << tab;
    }
    void unloadWritesSettingsInOrder()
    {
        QFETCH(int, tab);
        WindowFixture f;
        f.w().SSTab1->setCurrentIndex(tab);
        f.w().move(200, 100);
        f.store.writeOrder.clear();
        f.w().close();
        const QStringList order{"Settings/MainLeft", "Settings/MainTop", "Settings/MainWidth",
                                "Settings/MainHeight", "Settings/DefaultDir", "Settings/Display"};
        QCOMPARE(f.store.writeOrder, order);
        QCOMPARE(f.store.read(Settings, QStringLiteral("Display"), {}), QString::number(tab));
        QCOMPARE(f.store.read(Settings, QStringLiteral("MainLeft"), {}), QStringLiteral("3000"));
        QCOMPARE(f.store.read(Settings, QStringLiteral("MainTop"), {}), QStringLiteral("1500"));
    }

    void unloadWhileMinimisedWritesNothing()
    {
        WindowFixture f;
        f.w().showMinimized();
        f.store.writeOrder.clear();
        f.w().close();
        QCOMPARE(f.store.writeOrder, QStringList());
    }

    void fileNewTwiceKeepsPaint()
    {
        WindowFixture f;
        frmMain &w = f.w();
        f.dialogs.colors = {QColor(12, 34, 56)};
        w.lblColor_DblClick(1);
        w.imgLogo_DblClick(7);
        WindowFixture::choose(w.lstGunType[0], 2);
        WindowFixture::choose(w.cboHP[Left], 3);
        WindowFixture::choose(w.lstArmor[Tail], 4);
        WindowFixture::choose(w.cboPlaneType, 1);
        w.mnuFileNew_Click();
        PlaneSelections expected = documentedDefault(QStringLiteral("New"));
        expected.Color[1] = 0x38220C;
        expected.Logo = {7, 7, 7};
        const PlaneSelections first = w.selections();
        compareLoadout(first, expected);
        QCOMPARE(w.cboSchemes->currentIndex(), 0);
        QCOMPARE(w.txtTotalWeight->text(), QStringLiteral("5960"));
        w.mnuFileNew_Click();
        compareLoadout(w.selections(), first, true);
    }

    void toolbarDispatchesByKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("dialog");     // kind of the one dialog shown, or empty
        QTest::addColumn<QString>("nameAfter");
        QTest::newRow("New resets the plane") << "New" << "" << "New";
        QTest::newRow("Open asks for a file") << "Open" << "open" << "Kite";
        QTest::newRow("SaveAs asks where to save") << "SaveAs" << "save" << "Kite";
        QTest::newRow("an unknown key does nothing") << "Other" << "" << "Kite";
    }
    void toolbarDispatchesByKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, dialog);
        QFETCH(QString, nameAfter);
        WindowFixture f;
        f.w().txtPlaneName->setText(QStringLiteral("Kite"));
        f.w().tbToolBar_ButtonClick(key);
        QCOMPARE(f.dialogs.shown.size(), dialog.isEmpty() ? size_t(0) : size_t(1));
        if (!dialog.isEmpty())
            QCOMPARE(f.dialogs.shown.back().kind, dialog);
        QCOMPARE(f.w().txtPlaneName->text(), nameAfter);
        // The toolbar's own button with that key does the same.
        for (QAction *action : f.w().tbToolBar->actions()) {
            if (action->data().toString() != key)
                continue;
            f.dialogs.shown.clear();
            f.w().txtPlaneName->setText(QStringLiteral("Kite"));
            action->trigger();
            QCOMPARE(f.dialogs.shown.size(), dialog.isEmpty() ? size_t(0) : size_t(1));
            QCOMPARE(f.w().txtPlaneName->text(), nameAfter);
        }
    }

    void openDialogStartFolder_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("stored default folder missing: home") << false;
        QTest::newRow("stored folder exists: that folder") << true;
    }
    void openDialogStartFolder()
    {
        QFETCH(bool, existing);
        QTemporaryDir dir;
        MemoryStore store;
        if (existing)
            store.write(Settings, QStringLiteral("DefaultDir"), dir.path() + QLatin1Char('/'));
        WindowFixture f(&store);
        f.w().mnuFileOpen_Click();
        QCOMPARE(f.dialogs.shown.size(), size_t(1));
        const auto &open = f.dialogs.shown.back();
        QCOMPARE(open.kind, QStringLiteral("open"));
        QCOMPARE(open.title, QStringLiteral("Open"));
        QCOMPARE(open.filter, AllFilesFilter);
        QCOMPARE(QDir(open.detail).canonicalPath(),
                 existing ? QDir(dir.path()).canonicalPath() : QDir::home().canonicalPath());
        if (!existing)
            QCOMPARE(f.w().DefaultDir, QStringLiteral("C:\\Program Files\\Halvery Games\\Vantorel\\Planes"));
    }

    void openShowsFile_data()
    {
        addControlColumns();
        QTest::newRow("name") << "txtPlaneName" << -1 << "Kite";
        QTest::newRow("type Vexmire") << "cboPlaneType" << 3 << "Vexmire";
        QTest::newRow("medium engine") << "lstEngineType" << 1 << "Medium";
        QTest::newRow("nitro") << "chkNitro" << -1 << "checked";
        QTest::newRow("two left hard points") << "cboHPLeft" << 2 << "2";
        QTest::newRow("one right hard point") << "cboHPRight" << 1 << "1";
        QTest::newRow("stored weight") << "txtWeight" << -1 << "6969";
        QTest::newRow("scheme 2") << "cboSchemes" << 1 << "Orrin Airways";
        QTest::newRow("nose armour 25") << "lstArmorNose" << 5 << "25";
        QTest::newRow("tail armour 60") << "lstArmorTail" << 12 << "60";
        QTest::newRow("wing armour 0") << "lstArmorWings" << 0 << " 0";
        const char *guns[] = {".30 cal Sirocco", ".50 cal", ".70 cal Behemoth", "No Gun"};
        const int gunRows[] = {0, 2, 4, 5};
        const char *bullets[] = {"Slug", "Armor Piercing", "Explosive", "None"};
        const int bulletRows[] = {0, 2, 3, 4};
        const char *mounts[] = {"Twin", "Single", "Twin", "N/A"};
        for (int k = 0; k < 4; ++k) {
            QTest::addRow("gun %d", k) << QStringLiteral("lstGunType(%1)").arg(k) << gunRows[k] << guns[k];
            QTest::addRow("ammunition %d", k) << QStringLiteral("lstBullets(%1)").arg(k) << bulletRows[k] << bullets[k];
            QTest::addRow("mount %d", k) << QStringLiteral("cmdGun(%1)").arg(k) << -1 << mounts[k];
        }
        QTest::newRow("left rocket 0") << "lstLHP(0)" << 0 << "AP";
        QTest::newRow("left rocket 1") << "lstLHP(1)" << 10 << "Torpedo";
        QTest::newRow("left rocket 2") << "lstLHP(2)" << 11 << "None";
        QTest::newRow("right rocket 0") << "lstRHP(0)" << 9 << "Seeker";
        QTest::newRow("right rocket 1") << "lstRHP(1)" << 11 << "None";
    }
    void openShowsFile()
    {
        QTemporaryDir dir;
        const QString path = writeFile(dir.filePath(QStringLiteral("Kite")), bytesOf(kiteBytes()));
        QVERIFY(!path.isEmpty());
        WindowFixture f;
        f.dialogs.texts = {path};
        f.w().mnuFileOpen_Click();
        QCOMPARE(f.dialogs.messages(), QStringList());
        checkControl(f.w());
        QCOMPARE(f.w().DefaultDir, QDir::toNativeSeparators(dir.path()) + QDir::separator());
        QCOMPARE(f.w().Logo, (std::array<qint16, 3>{3, 17, 49}));
        const QColor colours[] = {QColor(10, 20, 30), QColor(200, 100, 0), QColor(1, 2, 3)};
        for (int swatch = 0; swatch < 3; ++swatch)
            QCOMPARE(f.w().lblColor[swatch]->palette().color(QPalette::Window), colours[swatch]);
        QCOMPARE(shownImage(f.w().imgPlace[Wings]), shownImage(f.w().imgLogo[49]));
        QVERIFY(!f.w().Loading);
    }

    void openedGunKeepsItsAmmunition_data()
    {
        QTest::addColumn<int>("bullets");
        QTest::newRow("Slug") << 0;
        QTest::newRow("Armor Piercing") << 2;
        QTest::newRow("Explosive") << 3;
    }
    void openedGunKeepsItsAmmunition()
    {
        QFETCH(int, bullets);
        PlaneRecord r = kiteBytes();
        r[Offset::GunType0 + 8] = 1;
        r[Offset::Bullets0 + 8] = static_cast<std::uint8_t>(bullets);
        QTemporaryDir dir;
        const QString path = writeFile(dir.filePath(QStringLiteral("Gunner")), bytesOf(r));
        WindowFixture f;
        QCOMPARE(f.w().lstGunType[2]->currentRow(), NoGun);
        f.w().openPlaneFile(path);
        QCOMPARE(f.w().lstGunType[2]->currentRow(), 1);
        QCOMPARE(f.w().lstBullets[2]->currentRow(), bullets);
        QVERIFY(isInUse(f.w().lstGunType[2]));
        QVERIFY(isInUse(f.w().lstBullets[2]));
        // By hand, an empty slot is given "Dum Dum" and a twin mount.
        WindowFixture::choose(f.w().lstGunType[3], 2);
        QCOMPARE(f.w().lstBullets[3]->currentRow(), 1);
        QCOMPARE(f.w().cmdGun[3]->text(), QStringLiteral("Twin"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
