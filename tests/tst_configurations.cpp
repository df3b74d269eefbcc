// The Tools menu's four plane configurations: saving, clearing and loading them
// through the main window. Expected values come from the game's documentation.

#include "support/windowfixture.h"

#include "catalogue/weights.h"
#include "configs/settingsstore.h"
#include "editor/clickablelabel.h"
#include "editor/inusemark.h"

#include <QAction>
#include <QCheckBox>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace vte;
using namespace vte::test;

namespace {

const QString Title = QStringLiteral("VTEditor");
const QString Saved = QStringLiteral("Plane Settings Saved");
const QString Loaded = QStringLiteral("Plane Settings Loaded");
const QString Missing = QStringLiteral("The following item(s) do not have values assigned:\r\n");

QString illegal(const char *item)
{
    return QStringLiteral("Illegal value found for %1, Default used").arg(QLatin1String(item));
}

QStringList captions(frmMain &w, int slot)
{
    return {w.mnuToolsClearEmpty[slot]->text(), w.mnuToolsLoadEmpty[slot]->text(), w.mnuToolsSaveEmpty[slot]->text()};
}

QStringList three(const QString &caption) { return {caption, caption, caption}; }

QString entry(const QListWidget *list)
{
    return QStringLiteral("%1 %2").arg(list->currentRow()).arg(list->currentItem() ? list->currentItem()->text() : QString());
}

// What the window shows after a load, by name, as text.
QMap<QString, QString> observed(frmMain &w)
{
    const PlaneSelections plane = w.selections();
    QMap<QString, QString> seen;
    seen[QStringLiteral("PlaneType")] = QString::number(plane.PlaneType);
    const char *armour[] = {"ArmorNose", "ArmorTail", "ArmorWings"};
    for (int p : {Nose, Tail, Wings})
        seen[QLatin1String(armour[p])] = QString::number(w.lstArmor[p]->currentRow());
    seen[QStringLiteral("Engine")] = entry(w.lstEngineType);
    seen[QStringLiteral("Nitro")] = w.chkNitro->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    for (int g = 0; g < GunSlots; ++g) {
        seen[QStringLiteral("Gun%1").arg(g)] = entry(w.lstGunType[g]);
        seen[QStringLiteral("Ammo%1").arg(g)] = entry(w.lstBullets[g]);
        seen[QStringLiteral("Mount%1").arg(g)] = w.cmdGun[g]->text();
    }
    for (int side : {Left, Right}) {
        const QChar s = side == Left ? QLatin1Char('L') : QLatin1Char('R');
        seen[QStringLiteral("HP%1").arg(s)] = QString::number(w.cboHP[side]->currentIndex());
        for (int k = 0; k < HardPointsPerSide; ++k) {
            seen[QStringLiteral("%1HP%2").arg(s).arg(k)] = entry(w.lstHP[side][k]);
            seen[QStringLiteral("%1HP%2InUse").arg(s).arg(k)] = isInUse(w.lstHP[side][k]) ? QStringLiteral("yes") : QStringLiteral("no");
        }
    }
    for (int c = 0; c < 3; ++c)
        seen[QStringLiteral("Color%1").arg(c + 1)] =
            QStringLiteral("0x") + QString::number(plane.Color[c], 16).toUpper().rightJustified(6, QLatin1Char('0'));
    QStringList schemes;
    for (int i = 0; i < w.cboSchemes->count(); ++i)
        schemes << w.cboSchemes->itemText(i);
    seen[QStringLiteral("Schemes")] = schemes.join(QLatin1Char('|'));
    seen[QStringLiteral("Scheme")] = QStringLiteral("%1 %2").arg(w.cboSchemes->currentIndex()).arg(w.cboSchemes->currentText());
    const char *logos[] = {"LogoNose", "LogoTail", "LogoWing"};
    for (int p : {Nose, Tail, Wings})
        seen[QLatin1String(logos[p])] = QString::number(plane.Logo[p]);
    seen[QStringLiteral("PlaneName")] = w.txtPlaneName->text();
    seen[QStringLiteral("TotalWeight")] = w.txtTotalWeight->text();
    return seen;
}

// Fits a gun as the user does: choosing it runs the gun rule.
void fitGun(frmMain &w, int slot, int gun) { WindowFixture::choose(w.lstGunType[slot], gun); }

} // namespace

class TestConfigurations : public QObject
{
    Q_OBJECT

private slots:
    void declinedSaveWritesNothing();
    void saveName_data();
    void saveName();
    void missingItemsNotice_data();
    void missingItemsNotice();
    void savedKeysInOrder();
    void savedValue_data();
    void savedValue();
    void savedSlotSurvivesRestart();
    void refusedSave_data();
    void refusedSave();
    void clear_data();
    void clear();
    void declinedLoadChangesNothing();
    void load_data();
    void load();
    void saveThenLoadRoundTrip_data();
    void saveThenLoadRoundTrip();
};

void TestConfigurations::declinedSaveWritesNothing()
{
    WindowFixture f;
    f.dialogs.answers = {false};
    f.w().mnuToolsSaveEmpty_Click(2);
    QCOMPARE(f.dialogs.shown.size(), size_t(1));
    QCOMPARE(f.dialogs.shown[0].kind, QStringLiteral("question"));
    QCOMPARE(f.dialogs.shown[0].text, QStringLiteral("Create a plane configuration based on the items selected?"));
    QCOMPARE(f.dialogs.shown[0].title, Title);
    QVERIFY(f.dialogs.shown[0].icon == Dialogs::Icon::None);
    QVERIFY(f.store.writeOrder.isEmpty());
    QCOMPARE(captions(f.w(), 2), three(QStringLiteral("Empty")));
}

void TestConfigurations::saveName_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("storedName");   // the slot's name before; empty: unused
    QTest::addColumn<bool>("answered");        // false: the prompt is cancelled
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");

    QTest::newRow("cancelled prompt on slot 2") << 2 << QString() << false << QString() << "Unknown2";
    QTest::newRow("empty answer on slot 2") << 2 << QString() << true << QString() << "Unknown2";
    QTest::newRow("answer Empty on slot 2") << 2 << QString() << true << "Empty" << "Unknown2";
    QTest::newRow("answer Empty on slot 0") << 0 << QString() << true << "Empty" << "Unknown0";
    QTest::newRow("lower-case empty is a name") << 2 << QString() << true << "empty" << "empty";
    QTest::newRow("name with blanks kept exactly") << 1 << QString() << true << "  Red  Baron " << "  Red  Baron ";
    QTest::newRow("renaming a used slot offers its name") << 3 << "Alpha" << true << "Bravo" << "Bravo";
}

void TestConfigurations::saveName()
{
    QFETCH(int, slot);
    QFETCH(QString, storedName);
    QFETCH(bool, answered);
    QFETCH(QString, answer);
    QFETCH(QString, expected);

    MemoryStore store;
    if (!storedName.isEmpty())
        store.sections[QStringLiteral("Plane%1").arg(slot)][QStringLiteral("MenuName")] = storedName;
    WindowFixture f(&store);
    f.dialogs.answers = {true};
    if (answered)
        f.dialogs.texts = {answer};
    f.w().mnuToolsSaveEmpty_Click(slot);

    QVERIFY(f.dialogs.shown.size() >= 3);
    const auto &prompt = f.dialogs.shown[1];
    QCOMPARE(prompt.kind, QStringLiteral("prompt"));
    QCOMPARE(prompt.text, QStringLiteral("Enter a Configuration Name"));
    QCOMPARE(prompt.title, QStringLiteral("Name of Configuration"));
    QCOMPARE(prompt.detail, storedName.isEmpty() ? QStringLiteral("Empty") : storedName);
    QCOMPARE(store.sections[QStringLiteral("Plane%1").arg(slot)][QStringLiteral("MenuName")], expected);
    QCOMPARE(captions(f.w(), slot), three(expected));
    QCOMPARE(f.dialogs.messages().last(), Saved);
    QCOMPARE(f.dialogs.shown.back().title, Title);
}

void TestConfigurations::missingItemsNotice_data()
{
    QTest::addColumn<int>("armour");      // row of all three armour lists
    QTest::addColumn<int>("gun");         // slot 0's gun row
    QTest::addColumn<int>("hardPoints");  // left hard points
    QTest::addColumn<QString>("notice");  // empty: no notice

    QTest::newRow("nothing fitted") << 0 << NoGun << 0 << "Armor - Guns - HP";
    QTest::newRow("start-up armour only") << 12 << NoGun << 0 << "Guns - HP";
    QTest::newRow("armour and a gun") << 3 << 0 << 0 << "HP";
    QTest::newRow("armour and hard points") << 3 << NoGun << 1 << "Guns";
    QTest::newRow("a gun and hard points") << 0 << 2 << 2 << "Armor";
    QTest::newRow("hard points only") << 0 << NoGun << 4 << "Armor - Guns";
    QTest::newRow("a gun only") << 0 << 4 << 0 << "Armor - HP";
    QTest::newRow("everything fitted") << 1 << 1 << 1 << QString();
}

void TestConfigurations::missingItemsNotice()
{
    QFETCH(int, armour);
    QFETCH(int, gun);
    QFETCH(int, hardPoints);
    QFETCH(QString, notice);

    WindowFixture f;
    for (QListWidget *list : f.w().lstArmor)
        WindowFixture::choose(list, armour);
    fitGun(f.w(), 0, gun);
    WindowFixture::choose(f.w().cboHP[Left], hardPoints);
    f.dialogs.answers = {true};
    f.dialogs.texts = {QStringLiteral("Alpha")};
    f.w().mnuToolsSaveEmpty_Click(0);

    QStringList expected;
    if (!notice.isEmpty())
        expected << Missing + notice;
    expected << Saved;
    QCOMPARE(f.dialogs.messages(), expected);
    QCOMPARE(f.store.writeOrder.size(), 32);
}

void TestConfigurations::savedKeysInOrder()
{
    WindowFixture f;
    f.dialogs.answers = {true};
    f.dialogs.texts = {QStringLiteral("Alpha")};
    f.w().mnuToolsSaveEmpty_Click(1);
    QStringList keys{"MenuName", "PlaneType", "ArmorNose", "ArmorTail", "ArmorWings", "SingleTwin", "EngineType",
                     "GunType0", "GunType1", "GunType2", "GunType3", "Bullets0", "Bullets1", "Bullets2", "Bullets3",
                     "HPLeft", "HPRight", "LHP0", "LHP1", "LHP2", "LHP3", "RHP0", "RHP1", "RHP2", "RHP3",
                     "Color1", "Color2", "Color3", "ColorScheme", "LogoNose", "LogoTail", "LogoWing"};
    QCOMPARE(keys.size(), 32);
    for (QString &key : keys)
        key.prepend(QStringLiteral("Plane1/"));
    QCOMPARE(f.store.writeOrder, keys);
}

void TestConfigurations::savedValue_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("large engine with nitro") << "large+nitro" << "EngineType" << "5";
    QTest::newRow("small engine without nitro") << "small" << "EngineType" << "0";
    QTest::newRow("Thornleigh twin guns in slots 1 and 3") << "thornleigh" << "SingleTwin" << "202";
    QTest::newRow("Corvane's fourth scheme Slate Crows") << "corvane-scheme" << "ColorScheme" << "0";
    QTest::newRow("first colour at start-up") << "start-up" << "Color1" << "255";
    QTest::newRow("second colour at start-up") << "start-up" << "Color2" << "65280";
    QTest::newRow("third colour at start-up") << "start-up" << "Color3" << "65535";
}

void TestConfigurations::savedValue()
{
    QFETCH(QString, setup);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    WindowFixture f;
    frmMain &w = f.w();
    if (setup == QLatin1String("large+nitro")) {
        WindowFixture::choose(w.lstEngineType, 2);
        w.chkNitro->setChecked(true);
    } else if (setup == QLatin1String("small")) {
        WindowFixture::choose(w.lstEngineType, 2);
        WindowFixture::choose(w.lstEngineType, 0);
        w.chkNitro->setChecked(false);
    } else if (setup == QLatin1String("thornleigh")) {
        WindowFixture::choose(w.cboPlaneType, 2);
        fitGun(w, 1, 0);
        fitGun(w, 3, 2);
        w.cmdGun_Click(3);   // Twin -> Single
        w.cmdGun_Click(3);   // Single -> Twin
        QCOMPARE(w.cmdGun[1]->text(), QStringLiteral("Twin"));
        QCOMPARE(w.cmdGun[3]->text(), QStringLiteral("Twin"));
    } else if (setup == QLatin1String("corvane-scheme")) {
        WindowFixture::choose(w.cboPlaneType, 0);
        WindowFixture::choose(w.cboSchemes, 3);
        QCOMPARE(w.cboSchemes->currentText(), QStringLiteral("Slate Crows"));
    }
    f.dialogs.answers = {true};
    f.dialogs.texts = {QStringLiteral("Alpha")};
    w.mnuToolsSaveEmpty_Click(0);
    QCOMPARE(f.store.sections[QStringLiteral("Plane0")][key], expected);
}

void TestConfigurations::savedSlotSurvivesRestart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("VTEditor.ini"));
    IniFileStore first(path);
    WindowFixture before(&first);
    before.dialogs.answers = {true};
    before.dialogs.texts = {QStringLiteral("Alpha")};
    before.w().mnuToolsSaveEmpty_Click(2);
    QCOMPARE(before.dialogs.messages().last(), Saved);

    IniFileStore second(path);
    WindowFixture after(&second);
    QCOMPARE(captions(after.w(), 2), three(QStringLiteral("Alpha")));
    QCOMPARE(captions(after.w(), 1), three(QStringLiteral("Empty")));
}

void TestConfigurations::refusedSave_data()
{
    QTest::addColumn<QString>("storedName");
    QTest::newRow("unused slot") << QString();
    QTest::newRow("slot named Alpha") << "Alpha";
}

void TestConfigurations::refusedSave()
{
    QFETCH(QString, storedName);
    MemoryStore store;
    if (!storedName.isEmpty())
        store.sections[QStringLiteral("Plane2")][QStringLiteral("MenuName")] = storedName;
    WindowFixture f(&store);
    store.failFlush = true;
    f.dialogs.answers = {true};
    f.dialogs.texts = {QStringLiteral("Bravo")};
    f.w().mnuToolsSaveEmpty_Click(2);

    QCOMPARE(f.dialogs.shown.back().kind, QStringLiteral("message"));
    QCOMPARE(f.dialogs.shown.back().text, QStringLiteral("Plane Settings Could Not Be Saved\nThe store refused the write"));
    QCOMPARE(f.dialogs.shown.back().title, Title);
    QVERIFY(!f.dialogs.messages().contains(Saved));
    QCOMPARE(captions(f.w(), 2), three(storedName.isEmpty() ? QStringLiteral("Empty") : storedName));
}

void TestConfigurations::clear_data()
{
    QTest::addColumn<QString>("storedName");  // empty: the slot has no section
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("sectionAfter");
    QTest::addColumn<QString>("captionAfter");

    QTest::newRow("Alpha cleared") << "Alpha" << true
        << "Are you sure you want to delete your configuration for Alpha?" << false << "Empty";
    QTest::newRow("Alpha kept on No") << "Alpha" << false
        << "Are you sure you want to delete your configuration for Alpha?" << true << "Alpha";
    QTest::newRow("unused slot cleared") << QString() << true
        << "Are you sure you want to delete your configuration for Empty?" << false << "Empty";
}

void TestConfigurations::clear()
{
    QFETCH(QString, storedName);
    QFETCH(bool, answer);
    QFETCH(QString, question);
    QFETCH(bool, sectionAfter);
    QFETCH(QString, captionAfter);

    MemoryStore store;
    if (!storedName.isEmpty()) {
        store.sections[QStringLiteral("Plane1")][QStringLiteral("MenuName")] = storedName;
        store.sections[QStringLiteral("Plane1")][QStringLiteral("PlaneType")] = QStringLiteral("3");
    }
    WindowFixture f(&store);
    f.dialogs.answers = {answer};
    f.w().mnuToolsClearEmpty_Click(1);

    QCOMPARE(f.dialogs.shown.size(), size_t(1));
    QCOMPARE(f.dialogs.shown[0].text, question);
    QCOMPARE(f.dialogs.shown[0].title, Title);
    QVERIFY(f.dialogs.shown[0].icon == Dialogs::Icon::Question);
    QCOMPARE(store.sections.contains(QStringLiteral("Plane1")), sectionAfter);
    QCOMPARE(captions(f.w(), 1), three(captionAfter));
}

void TestConfigurations::declinedLoadChangesNothing()
{
    MemoryStore store;
    store.sections[QStringLiteral("Plane1")] = {{"MenuName", "Alpha"}, {"PlaneType", "0"}, {"ArmorNose", "3"}};
    WindowFixture f(&store);
    const PlaneSelections before = f.w().selections();
    f.dialogs.answers = {false};
    f.w().mnuToolsLoadEmpty_Click(1);
    QCOMPARE(f.dialogs.shown.size(), size_t(1));
    QCOMPARE(f.dialogs.shown[0].text, QStringLiteral("Load Alpha plane configuration?"));
    QVERIFY(f.w().selections() == before);
}

void TestConfigurations::load_data()
{
    QTest::addColumn<QStringList>("stored");     // "Key=Text"; none: the slot has no section
    QTest::addColumn<QStringList>("expected");   // "Name=what the window shows"
    QTest::addColumn<QStringList>("messages");   // before "Plane Settings Loaded"

    QStringList defaults{"PlaneType=5", "ArmorNose=0", "ArmorTail=0", "ArmorWings=0", "Engine=0 Small", "Nitro=off",
                         "HPL=0", "HPR=0", "Color1=0x0000FF", "Color2=0x00FF00", "Color3=0x00FFFF",
                         "Schemes=The Gilded Rovers|ZRKS", "Scheme=0 The Gilded Rovers",
                         "LogoNose=46", "LogoTail=46", "LogoWing=46", "PlaneName=Default Plane", "TotalWeight=5000"};
    for (int g = 0; g < GunSlots; ++g)
        defaults << QStringLiteral("Gun%1=5 No Gun").arg(g) << QStringLiteral("Ammo%1=4 None").arg(g)
                 << QStringLiteral("Mount%1=N/A").arg(g);
    for (const char *s : {"L", "R"})
        for (int k = 0; k < HardPointsPerSide; ++k)
            defaults << QStringLiteral("%1HP%2=11 None").arg(QLatin1String(s)).arg(k);
    QTest::newRow("unused slot gives the default plane") << QStringList() << defaults << QStringList();

    const auto row = [](const char *name, QStringList stored, QStringList expected, QStringList messages = {}) {
        QTest::newRow(name) << stored << expected << messages;
    };
    row("nose armour 2.5 rounds to the even step", {"ArmorNose=2.5"}, {"ArmorNose=2"});
    row("nose armour 3.5 rounds to the even step", {"ArmorNose=3.5"}, {"ArmorNose=4"});
    row("nose armour 13 is out of range", {"ArmorNose=13"}, {"ArmorNose=0"}, {illegal("Nose Armor")});
    row("nose armour -1 is out of range", {"ArmorNose=-1"}, {"ArmorNose=0"}, {illegal("Nose Armor")});
    row("nose armour abc is step 5", {"ArmorNose=abc"}, {"ArmorNose=5"});
    row("tail armour abc is step 0", {"ArmorTail=abc", "ArmorNose=1"}, {"ArmorTail=0", "ArmorNose=1"});
    row("engine 4 is medium with nitro", {"EngineType=4"}, {"Engine=1 Medium", "Nitro=on"});
    row("engine 2 is large without nitro", {"EngineType=2"}, {"Engine=2 Large", "Nitro=off"});
    row("engine 6 is out of range", {"EngineType=6"}, {"Engine=0 Small", "Nitro=off"}, {illegal("Engine")});
    row("turret bits leave the buttons to the low bits", {"PlaneType=0", "SingleTwin=200", "GunType3=0"},
        {"Mount0=N/A", "Mount1=N/A", "Mount2=N/A", "Mount3=Twin", "Gun3=0 .30 cal Sirocco"});
    row("gun 2 type 9 is out of range", {"GunType1=9"}, {"Gun1=5 No Gun", "Mount1=N/A"}, {illegal("Gun 2")});
    row("no gun carries no ammunition", {"GunType2=5", "Bullets2=1"}, {"Gun2=5 No Gun", "Ammo2=4 None"});
    row("a loaded gun keeps its ammunition", {"GunType2=0", "Bullets2=3"},
        {"Gun2=0 .30 cal Sirocco", "Ammo2=3 Explosive", "Mount2=Single"});
    row("no left hard points carry no rocket", {"HPLeft=0", "LHP0=3"}, {"HPL=0", "LHP0=11 None", "LHP0InUse=no"});
    row("two left hard points keep their rocket", {"HPLeft=2", "LHP0=3"},
        {"HPL=2", "LHP0=3 Sonic", "LHP0InUse=yes", "LHP1InUse=yes", "LHP2InUse=no"});
    row("seven left hard points are out of range", {"HPLeft=7", "LHP0=3"}, {"HPL=0", "LHP0=11 None"},
        {illegal("Left Hard Points")});
    row("first colour white", {"Color1=16777215"}, {"Color1=0xFFFFFF"});
    row("first colour -1 is out of range", {"Color1=-1"}, {"Color1=0x0000FF"}, {illegal("First Color")});
    row("first colour -0.4 is out of range", {"Color1=-0.4"}, {"Color1=0x0000FF"}, {illegal("First Color")});
    row("first colour 16777216 is out of range", {"Color1=16777216"}, {"Color1=0x0000FF"}, {illegal("First Color")});
    row("scheme 20 falls back quietly", {"ColorScheme=20"}, {"Scheme=0 The Gilded Rovers"});
    row("scheme the type does not offer", {"PlaneType=5", "ColorScheme=11"}, {"Scheme=0 The Gilded Rovers"});
    row("scheme 8 on an Ironclave is ZRKS", {"PlaneType=5", "ColorScheme=8"}, {"Scheme=1 ZRKS"});
    row("wing logo 50 is out of range", {"LogoWing=50", "LogoNose=3"}, {"LogoWing=46", "LogoNose=3"},
        {illegal("Wing Logo")});
    row("plane type 40000 is out of range", {"PlaneType=40000"}, {"PlaneType=5"}, {illegal("Plane Type")});
    row("three bad values report in key order", {"LogoWing=50", "EngineType=6", "PlaneType=40000"},
        {"PlaneType=5", "Engine=0 Small", "LogoWing=46"}, {illegal("Plane Type"), illegal("Engine"), illegal("Wing Logo")});
    // 5460 plane + (500 + 2500 + 500) engine + (2 + 0 + 2*1) * 20 armour + 380 single gun + 480 hard point.
    row("a Thornleigh weighs what the documentation adds up",
        {"PlaneType=2", "EngineType=4", "ArmorNose=2", "ArmorWings=1", "SingleTwin=192", "GunType0=1", "Bullets0=0",
         "HPLeft=1", "LHP0=0", "ColorScheme=3"},
        {"TotalWeight=9900", "Mount0=Single", "Ammo0=0 Slug", "LHP0=0 AP", "Scheme=1 Crown Flying Corps",
         "Schemes=The Gilded Rovers|Crown Flying Corps"});
}

void TestConfigurations::load()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, messages);

    WindowFixture f;
    frmMain &w = f.w();
    for (const QString &pair : stored)
        f.store.sections[QStringLiteral("Plane1")][pair.section(QLatin1Char('='), 0, 0)] = pair.section(QLatin1Char('='), 1);
    QStringList loadingWhenShown;
    f.dialogs.onMessage = [&](const ScriptedDialogs::Shown &s) {
        loadingWhenShown << (s.text + (w.Loading ? QStringLiteral(" [loading]") : QString()));
    };
    f.dialogs.answers = {true};
    w.mnuToolsLoadEmpty_Click(1);

    QCOMPARE(f.dialogs.shown[0].text, QStringLiteral("Load Empty plane configuration?"));
    QStringList shownWhileLoading;
    for (const QString &m : messages)
        shownWhileLoading << m + QStringLiteral(" [loading]");
    QCOMPARE(loadingWhenShown, shownWhileLoading << Loaded);
    for (size_t i = 1; i < f.dialogs.shown.size(); ++i)
        QCOMPARE(f.dialogs.shown[i].title, Title);

    const QMap<QString, QString> seen = observed(w);
    for (const QString &pair : expected) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        QVERIFY2(seen.contains(name), qPrintable(name));
        QCOMPARE(name + QLatin1Char('=') + seen[name], pair);
    }
    QCOMPARE(w.cboPlaneType->currentIndex(), int(w.selections().PlaneType));
    QCOMPARE(w.txtTotalWeight->text(), QString::number(computeWeights(w.catalogue(), w.selections()).Total));
    for (const QListWidget *list : w.findChildren<QListWidget *>())
        QVERIFY2(list->currentRow() >= 0, qPrintable(list->objectName()));
    for (const QComboBox *box : w.findChildren<QComboBox *>())
        QVERIFY2(box->currentIndex() >= 0, qPrintable(box->objectName()));
}

void TestConfigurations::saveThenLoadRoundTrip_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 42u, 1917u, 65535u})
        QTest::newRow(qPrintable(QStringLiteral("random loadout %1").arg(seed))) << seed;
}

void TestConfigurations::saveThenLoadRoundTrip()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const auto pick = [&random](int count) { return int(random.bounded(count)); };

    WindowFixture f;
    frmMain &w = f.w();
    WindowFixture::choose(w.cboPlaneType, pick(PlaneTypeCount));
    for (QListWidget *list : w.lstArmor)
        WindowFixture::choose(list, pick(13));
    WindowFixture::choose(w.lstEngineType, pick(3));
    w.chkNitro->setChecked(pick(2) == 1);
    for (int g = 0; g < GunSlots; ++g) {
        fitGun(w, g, pick(6));
        if (w.lstGunType[g]->currentRow() == NoGun)
            continue;
        WindowFixture::choose(w.lstBullets[g], pick(4));
        for (int clicks = pick(3); clicks > 0; --clicks)
            w.cmdGun_Click(g);
    }
    for (int side : {Left, Right}) {
        WindowFixture::choose(w.cboHP[side], pick(5));
        for (int k = 0; k < w.cboHP[side]->currentIndex(); ++k)
            WindowFixture::choose(w.lstHP[side][k], pick(11));
    }
    WindowFixture::choose(w.cboSchemes, pick(w.cboSchemes->count()));
    for (int swatch = 0; swatch < 3; ++swatch) {
        f.dialogs.colors = {QColor::fromRgb(random.generate() & 0xFFFFFF)};
        w.lblColor_DblClick(swatch);
    }
    for (QCheckBox *place : w.chkPlace) {
        place->setChecked(true);
        w.imgLogo_DblClick(pick(50));
    }
    w.txtPlaneName->setText(QStringLiteral("Trip"));
    PlaneSelections before = w.selections();
    const int schemeBefore = w.cboSchemes->currentIndex();

    f.dialogs.answers = {true, true};
    f.dialogs.texts = {QStringLiteral("Round")};
    w.mnuToolsSaveEmpty_Click(3);
    w.mnuToolsLoadEmpty_Click(3);

    QCOMPARE(f.dialogs.messages().last(), Loaded);
    QVERIFY(!f.dialogs.messages().join(QLatin1Char('\n')).contains(QLatin1String("Illegal")));
    // Two items are the window's memory of the last load rather than controls:
    // after it they hold what was stored, the mount byte (turret bits plus one
    // bit per twin slot) and the number of the scheme the list shows.
    before.PlaneName = QStringLiteral("Default Plane");
    before.SingleTwin = w.catalogue().PlaneTypes(before.PlaneType).TurretFlags;
    for (int g = 0; g < GunSlots; ++g)
        before.SingleTwin += before.Mounts[g] == Mount::Twin ? 1 << g : 0;
    before.ColorScheme = w.catalogue().PlaneTypes(before.PlaneType).Schemes[schemeBefore];
    const PlaneSelections after = w.selections();
    QCOMPARE(w.cboSchemes->currentIndex(), schemeBefore);
    const auto differences = [](const PlaneSelections &a, const PlaneSelections &b) {
        QStringList d;
        if (a.PlaneType != b.PlaneType) d << QStringLiteral("PlaneType");
        if (a.Armor != b.Armor) d << QStringLiteral("Armor");
        if (a.SingleTwin != b.SingleTwin) d << QStringLiteral("SingleTwin %1/%2").arg(a.SingleTwin).arg(b.SingleTwin);
        if (a.EngineType != b.EngineType || a.Nitro != b.Nitro) d << QStringLiteral("Engine");
        if (a.GunType != b.GunType) d << QStringLiteral("GunType");
        if (a.Bullets != b.Bullets) d << QStringLiteral("Bullets");
        if (a.Mounts != b.Mounts) d << QStringLiteral("Mounts");
        if (a.HP != b.HP || a.HardPoint != b.HardPoint) d << QStringLiteral("HardPoints");
        if (a.Color != b.Color) d << QStringLiteral("Color");
        if (a.ColorScheme != b.ColorScheme) d << QStringLiteral("ColorScheme %1/%2").arg(a.ColorScheme).arg(b.ColorScheme);
        if (a.Logo != b.Logo) d << QStringLiteral("Logo");
        if (a.PlaneName != b.PlaneName) d << QStringLiteral("PlaneName");
        return d.join(QStringLiteral(", "));
    };
    QCOMPARE(differences(after, before), QString());
}

QTEST_MAIN(TestConfigurations)
#include "tst_configurations.moc"
