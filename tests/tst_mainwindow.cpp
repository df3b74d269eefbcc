// The main window as a user meets it: each control wired to its rule, the
// messages, start-up and shutdown with the settings store, the Tools menu,
// plane files, drag and drop, the keyboard, its texts, its pictures on
// screens of any density, and the About box. The rules themselves are tested
// on the loadout.
// Each case is a row of steps and of what the window then shows, in the words
// of support/windowfixture.h; expected values come from the game's documentation.

#include "support/files.h"
#include "support/windowfixture.h"

using namespace vte;
using namespace vte::test;

namespace {

using Steps = QStringList;
using Shows = QStringList;

void row(const char *name, const Steps &steps, const Shows &shows)
{
    QTest::newRow(name) << steps << shows;
}

// clang-format off
QString modals(const QStringList &lines) { return QStringLiteral("shown=") + lines.join(QLatin1String(" | ")); }
const QString Ask = QStringLiteral("question VTEditor: Create a plane configuration based on the items selected?");
const QString Saved = QStringLiteral("message VTEditor: Plane Settings Saved");
const QString Loaded = QStringLiteral("message VTEditor: Plane Settings Loaded");
const QString NotSaved = QStringLiteral("message VTEditor: Plane Settings Could Not Be Saved\nThe store refused the write");
const QString GunFirst = QStringLiteral("message Gun Selection Required: Please select a Gun first");
const QString Closing = QStringLiteral("closing VTEditor: Plane Not Exported\nExport the changes before closing?");
// An Ironclave whose nose armour decides where the total stands against its maximum.
const Steps Heavy{"cboHPLeft=4", "cboHPRight=4", "lstGunType(0)=1", "cmdGun(0)"};
QString named(const QString &offered) { return "prompt Name of Configuration: Enter a Configuration Name [" + offered + ']'; }
QString notice(const QString &items) { return "message VTEditor: The following item(s) do not have values assigned:\r\n" + items; }
QString loadAsk(const QString &name) { return "question VTEditor: Load " + name + " plane configuration?"; }
QString clearAsk(const QString &name) { return "question? VTEditor: Are you sure you want to delete your configuration for " + name + '?'; }
QString illegal(const QString &item) { return "message VTEditor: Illegal value found for " + item + ", Default used"; }
// clang-format on

// The window shows the loadout it holds: every list its item, tinted as not in
// use exactly where no gun or hard point is, the mounts, the paint, the total,
// the speed and the scheme.
void checkShowsLoadout(WindowFixture &f)
{
    const Loadout &loadout = f.w().loadout();
    const PlaneSelections &p = loadout.selections();
    QStringList seen, want;
    const auto expect = [&](const QString &name, const QString &text, bool inUse = true) {
        seen << name + QLatin1Char('=') + f.shown(name);
        want << name + QLatin1Char('=') + text + (inUse ? "" : " [cyan]");
    };
    const QStringList armour{"lstArmorNose", "lstArmorTail", "lstArmorWings"}, counts{"cboHPLeft", "cboHPRight"};
    const QStringList swatches{"lblFirstColor", "lblSecondColor", "lblThirdColor"}, captions{"1st", "2nd", "3rd"};
    expect(QStringLiteral("txtPlaneName"), p.PlaneName);
    expect(QStringLiteral("cboPlaneType"), ChoiceLists::planeTypes().value(p.PlaneType));
    for (int place : {Nose, Tail, Wings})
        expect(armour[place], ChoiceLists::armourSteps().value(p.Armor[place]));
    expect(QStringLiteral("lstEngineType"), ChoiceLists::engines().value(p.EngineType));
    expect(QStringLiteral("chkNitro"), p.Nitro ? QStringLiteral("checked") : QStringLiteral("unchecked"));
    for (int slot = 0; slot < GunSlots; ++slot) {
        const bool gun = p.GunType[slot] != NoGun;
        expect(elementName("lstGunType", slot), ChoiceLists::gunTypes().value(p.GunType[slot]), gun);
        expect(elementName("lstBullets", slot), ChoiceLists::ammunition().value(p.Bullets[slot]), gun);
        expect(elementName("cmdGun", slot), mountCaption(p.Mounts[slot]));
    }
    for (Side side : {Left, Right}) {
        expect(counts[side], QString::number(p.HP[side]));
        for (int k = 0; k < HardPointsPerSide; ++k)
            expect(elementName(side == Left ? "lstLHP" : "lstRHP", k),
                   ChoiceLists::rockets().value(p.HardPoint[side][k]), k < p.HP[side]);
    }
    for (int swatch = 0; swatch < 3; ++swatch)
        expect(swatches[swatch], captions[swatch] + " Color " + QColor(rgbFromStored(p.Color[swatch])).name());
    const Weights weights = loadout.weights();
    expect(QStringLiteral("txtTotalWeight"), QString::number(weights.Total) + (weights.overWeight() ? " [red]" : ""));
    expect(QStringLiteral("txtPlaneSpeed"), loadout.speed());
    expect(QStringLiteral("cboSchemes"), loadout.schemeNames().value(loadout.schemePosition()));
    QCOMPARE(seen, want);
}

// Whether the grab holds every opaque pixel of the picture as a square of
// scale x scale device pixels of exactly its colour.
bool showsSharply(const QImage &grab, const QImage &picture, int scale)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    for (int top = 0; top + source.height() * scale <= grab.height(); ++top) {
        for (int left = 0; left + source.width() * scale <= grab.width(); ++left) {
            bool all = true;
            for (int y = 0; all && y < source.height() * scale; ++y) {
                for (int x = 0; all && x < source.width() * scale; ++x) {
                    const QRgb want = source.pixel(x / scale, y / scale);
                    all = qAlpha(want) < 255 || ((grab.pixel(left + x, top + y) ^ want) & RGB_MASK) == 0;
                }
            }
            if (all)
                return true;
        }
    }
    return false;
}

// The picture when the control shows it in whole device pixels of its screen
// (the test runs again at twice the usual density, under the Windows style),
// or "focus frame" when the control shows that it has the keyboard.
QString drawn(WindowFixture &f, const QString &control, const QString &picture)
{
    auto *widget = f.find<QWidget>(control);
    if (auto *action = f.find<QAction>(control))
        widget = f.find<QToolBar>(QStringLiteral("tbToolBar"))->widgetForAction(action);
    const int scale = qRound(widget->devicePixelRatioF());
    const QImage grab = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (scale != qMax(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR")) || grab.size() != widget->size() * scale)
        return QStringLiteral("drawn at %1x").arg(scale);
    if (picture.startsWith(QLatin1Char(':')))
        return showsSharply(grab, QImage(picture), scale) ? picture : QStringLiteral("not sharp");
    const bool focused = widget->hasFocus();
    widget->clearFocus();
    return focused && widget->grab().toImage().convertToFormat(QImage::Format_RGB32) != grab ? picture : QStringLiteral("no focus frame");
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void window_data();
    void window();
    void realDialogs_data();
    void realDialogs();
    void pictures();
    void aboutBox();
    void systemInfo_data();
    void systemInfo();
};

void TestMainWindow::window()
{
    QFETCH(Steps, steps);
    QFETCH(Shows, shows);
    WindowFixture f;
    for (const QString &step : steps) {
        f.act(step);
        if (QTest::currentTestFailed())
            return;
    }
    QStringList seen, want;
    for (const QString &show : shows) {
        const QString name = show.section(QLatin1Char('='), 0, 0);
        seen << name + QLatin1Char('=') + (name.startsWith(QLatin1String("drawn:")) ? drawn(f, name.mid(6), show.section(QLatin1Char('='), 1)) : f.shown(name));
        want << f.expand(QString(show).replace(QLatin1String("{dir}/"), QStringLiteral("{dir}") + QDir::separator()));
    }
    QCOMPARE(seen, want);
    if (!shows.join(QLatin1Char('\n')).contains(QLatin1String("shown=")))
        QCOMPARE(f.dialogs.log, QStringList());
    checkShowsLoadout(f);
    QVERIFY(!QApplication::overrideCursor());
}

// clang-format off
void TestMainWindow::window_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<Shows>("shows");
    // Each control forwards its choice to its rule; the window shows the result.
    row("plane type", {"cboPlaneType=2"}, {"PlaneType=2", "lblGunLocation(2)=Nose Turret", "txtPlaneWeight=5460", "txtMaximumWeight=15760", "txtEngineWeight=2500", "txtPlaneSpeed=113 mph", "cboSchemes*=The Gilded Rovers|Crown Flying Corps", "cmdGun(2)#accessibleName=Gun 3 Mount, Nose Turret: N/A"});
    row("armour", {"lstArmorNose=2", "lstArmorTail=0", "lstArmorWings=1"}, {"ArmorNose=2", "ArmorTail=0", "ArmorWings=1", "txtArmorWeight=80"});
    row("engine", {"lstEngineType=2"}, {"EngineType=2", "txtEngineWeight=2500", "txtPlaneSpeed=276 mph"});
    row("nitro", {"chkNitro"}, {"EngineType=3", "txtEngineWeight=2000", "txtPlaneSpeed=225 (300) mph", "txtTotalWeight=6460"});
    row("gun into an empty slot", {"lstGunType(1)=2"}, {"GunType1=2", "Bullets1=1", "SingleTwin=2", "cmdGun(1)=Twin", "lstBullets(1)=Dum Dum", "txtGunWeight=960"});
    row("ammunition", {"lstGunType(1)=2", "lstBullets(1)=3"}, {"Bullets1=3", "lstBullets(1)=Explosive"});
    // A choice the rule turns back, and a slot no longer in use, are shown as the loadout holds them.
    row("ammunition without a gun", {"lstBullets(2)=3"}, {"Bullets2=4", "lstBullets(2)=None [cyan]"});
    row("no gun", {"lstGunType(0)=1", "lstGunType(0)=5"}, {"GunType0=5", "Bullets0=4", "cmdGun(0)=N/A", "lstGunType(0)=No Gun [cyan]", "txtGunWeight=0"});
    row("mount button", {"lstGunType(3)=4", "cmdGun(3)"}, {"SingleTwin=0", "cmdGun(3)=Single", "cmdGun(3)#accessibleName=Gun 4 Mount, Upper Outer Wing: Single", "txtGunWeight=680", "mnuEditUndo=&Undo Gun 4 Mount"});
    row("hard points and rockets", {"cboHPLeft=4", "lstLHP(0)=3", "lstLHP(2)=6", "cboHPLeft=2", "cboHPRight=3", "lstRHP(0)=9"}, {"HPLeft=2", "LHP0=3", "LHP2=11", "lstLHP(0)=Sonic", "lstLHP(2)=None [cyan]", "HPRight=3", "RHP0=9", "lstRHP(0)=Seeker", "lstRHP(2)=None", "lstRHP(3)=None [cyan]", "txtHPWeight=2400"});
    row("scheme", {"SSTab1=3", "cboSchemes=1"}, {"ColorScheme=8", "picPlane0=scheme 17", "picPlane1=painted"});
    row("colour, pressed as assistive tools do", {"SSTab1=3", "> #0c2238", "press lblSecondColor"}, {"Color2=3678732", "lblSecondColor=2nd Color #0c2238", "lblSecondColor#accessibleDescription=Red 12, Green 34, Blue 56", "picPlane1=painted", "shown=color #00ff00"});
    row("colour unchanged: no painting", {"SSTab1=3", "> #ff0000", "lblFirstColor"}, {"Color1=255", "picPlane1=", "shown=color #ff0000"});
    row("a page starts under its tab row", {"SSTab1=3"}, {"cboSchemes#pos={design 4740,120}"});
    row("logo to every place ticked at start", {"imgLogo(7)"}, {"LogoNose=7", "LogoTail=7", "LogoWing=7", "imgWing=logo 7", "chkNose=unchecked", "chkWing=unchecked"});
    row("logo to the tail only, pressed as assistive tools do", {"chkNose", "chkWing", "press imgLogo(49)"}, {"LogoNose=46", "LogoTail=49", "LogoWing=46", "imgTail=logo 49", "imgNose=logo 46", "chkTail=unchecked", "imgTail#accessibleDescription=Letter R", "imgLogo(49)#accessibleName=Logo 50: Letter R"});
    row("plane name of 15 characters at most", {"txtPlaneName=Sixteen letters!"}, {"PlaneName=Sixteen letters"});
    row("start on another tab: nothing painted", {}, {"SSTab1=Armor/Engine", "picPlane0=scheme 16", "picPlane1="});
    row("start on the scheme tab: painted", {"@Settings/Display=3"}, {"SSTab1=Color Schemes", "picPlane0=scheme 16", "picPlane1=painted"});
    row("type changed on the scheme tab", {"SSTab1=3", "> #000080", "lblFirstColor", "cboPlaneType=3"}, {"picPlane0=scheme 11", "picPlane1=painted", "shown=color #ff0000"});
    row("type changed on another tab", {"SSTab1=3", "> #000080", "lblFirstColor", "SSTab1=0", "cboPlaneType=3"}, {"picPlane0=scheme 11", "picPlane1=stale", "shown=color #ff0000"});
    row("... until Redraw", {"SSTab1=3", "> #000080", "lblFirstColor", "SSTab1=0", "cboPlaneType=3", "SSTab1=3", "cmdRedraw"}, {"picPlane1=painted", "shown=color #ff0000"});
    // The messages, word for word.
    row("mount button without a gun", {"cmdGun(0)"}, {modals({GunFirst}), "cmdGun(0)=N/A"});
    row("colour picker cancelled", {"SSTab1=3", "lblThirdColor"}, {modals({"color #ffff00", "message Color Selection: Cancelled"}), "Color3=65535", "picPlane1="});
    row("logo with no place ticked", {"imgLogo(0)", "imgLogo(5)"}, {modals({"message Logo Selection Required: Select One Or More Images To Re-Assign First"}), "LogoNose=0"});
    row("export without a name", {"mnuFileSaveAs"}, {modals({"message VTEditor: Plane Name Required"})});
    row("export over weight", Heavy + Steps{"lstArmorNose=9", "txtPlaneName=Heavy", "mnuFileSaveAs"}, {modals({"message VTEditor: Plane Over Weight"})});
    row("export at the maximum", Heavy + Steps{"lstArmorNose=8", "txtPlaneName=Heavy", "mnuFileSaveAs"}, {modals({"save Save: Heavy in  [{filter}]"})});
    row("open a file of the wrong size; export starts there", {"file Short=203", "> {dir}/Short", "mnuFileOpen", "txtPlaneName=Kite", "mnuFileSaveAs"}, {modals({"open Open: {home} [{filter}]", "message VTEditor: Plane File Size Incorrect", "save Save: Kite in {dir}/ [{filter}]"})});
    row("About box", {"mnuHelpAbout"}, {modals({"exec About VTP Editor"})});
    // Start-up and shutdown with the settings store, File > New and the toolbar.
    row("empty store", {}, {"pos={design 1000,1000}", "SSTab1=Armor/Engine", "mnuToolsClearEmpty(0)=Empty", "mnuToolsLoadEmpty(3)=Empty", "mnuToolsSaveEmpty(1)=Empty", "PlaneType=5", "ArmorWings=12", "Color3=65535", "LogoTail=46", "imgNose=logo 46", "lblGunLocation(0)=Lower Inner Wing", "txtTotalWeight=5960", "PlaneName=", "@writes="});
    row("stored placement and tab", {"@Settings/MainLeft=1500", "@Settings/MainTop=3000", "@Settings/MainWidth=10500", "@Settings/MainHeight=9000", "@Settings/Display=1"}, {"pos=100,200", "size=700,600", "SSTab1=Guns"});
    row("letters, Display 9", {"@Settings/MainLeft=abc", "@Settings/MainTop=abc", "@Settings/Display=9"}, {"pos={design 1000,1000}", "SSTab1=Color Schemes"});
    row("overflowing number, Display -1", {"@Settings/MainLeft=1e400", "@Settings/Display=-1"}, {"pos={design 1000,1000}", "SSTab1=Color Schemes"});
    row("stored size below the smallest", {"@Settings/MainWidth=15", "@Settings/MainHeight=15"}, {"size={smallest}"});
    row("negative size stored", {"@Settings/MainWidth=-3000", "@Settings/MainHeight=-3000"}, {"size={smallest}"});
    row("far off every screen, Display 5", {"@Settings/MainLeft=-900000", "@Settings/MainTop=-900000", "@Settings/Display=5"}, {"pos={design 1000,1000}", "SSTab1=Color Schemes"});
    row("stored configuration names", {"@Plane1/MenuName=Alpha"}, {"mnuToolsClearEmpty(1)=Alpha", "mnuToolsLoadEmpty(1)=Alpha", "mnuToolsSaveEmpty(1)=Alpha", "mnuToolsLoadEmpty(0)=Empty"});
    row("shutdown writes the six settings", {"@Settings/MainWidth=10500", "@Settings/MainHeight=9000", "SSTab1=4", "move 200,100", "close"}, {"@writes=Settings/MainLeft Settings/MainTop Settings/MainWidth Settings/MainHeight Settings/DefaultDir Settings/Display", "@Settings/MainLeft=3000", "@Settings/MainTop=1500", "@Settings/MainWidth=10500", "@Settings/MainHeight=9000", "@Settings/Display=4", "@Settings/DefaultDir=C:\\Program Files\\Halvery Games\\Vantorel\\Planes"});
    row("File > Exit", {"SSTab1=2", "mnuFileExit"}, {"@Settings/Display=2"});
    row("minimised: nothing written", {"SSTab1=2", "minimize", "close"}, {"@writes=", "@Settings/Display=(none)"});
    row("File > New keeps paint and logos", {"SSTab1=3", "> #0c2238", "lblSecondColor", "imgLogo(7)", "lstGunType(0)=2", "cboHPLeft=3", "lstArmorTail=4", "chkNitro", "cboPlaneType=1", "mnuFileNew"}, {"PlaneName=New", "PlaneType=5", "GunType0=5", "HPLeft=0", "ArmorTail=12", "EngineType=0", "ColorScheme=4", "Color2=3678732", "LogoNose=7", "txtTotalWeight=5960", "shown=color #00ff00"});
    row("toolbar New twice", {"SSTab1=3", "> #0c2238", "lblSecondColor", "lstGunType(0)=2", "cboSchemes=1", "New", "cboHPLeft=1", "New"}, {"PlaneName=New", "GunType0=5", "HPLeft=0", "ColorScheme=4", "Color2=3678732", "shown=color #00ff00"});
    row("toolbar Open and SaveAs", {"Open", "txtPlaneName=Kite", "SaveAs"}, {modals({"open Open: {home} [{filter}]", "save Save: Kite in  [{filter}]"})});
    // The Tools menu.
    row("save", {"> yes", "> Alpha", "mnuToolsSaveEmpty(2)"}, {modals({Ask, named("Empty"), notice("Guns - HP"), Saved}), "@Plane2/MenuName=Alpha", "@Plane2/PlaneType=5", "@Plane2/LogoWing=46", "mnuToolsClearEmpty(2)=Alpha", "mnuToolsLoadEmpty(2)=Alpha", "mnuToolsSaveEmpty(2)=Alpha"});
    row("save declined", {"mnuToolsSaveEmpty(2)"}, {modals({Ask}), "@writes=", "mnuToolsSaveEmpty(2)=Empty"});
    row("save, name prompt cancelled", {"> yes", "mnuToolsSaveEmpty(2)"}, {modals({Ask, named("Empty"), notice("Guns - HP"), Saved}), "mnuToolsLoadEmpty(2)=Unknown2"});
    row("save, name Empty", {"> yes", "> Empty", "mnuToolsSaveEmpty(0)"}, {modals({Ask, named("Empty"), notice("Guns - HP"), Saved}), "@Plane0/MenuName=Unknown0"});
    row("save, name empty in lower case", {"> yes", "> empty", "mnuToolsSaveEmpty(1)"}, {modals({Ask, named("Empty"), notice("Guns - HP"), Saved}), "@Plane1/MenuName=empty"});
    row("save into a used slot offers its name", {"@Plane3/MenuName=Alpha", "> yes", "> Bravo", "mnuToolsSaveEmpty(3)"}, {modals({Ask, named("Alpha"), notice("Guns - HP"), Saved}), "mnuToolsSaveEmpty(3)=Bravo"});
    row("save refused by the store", {"refuse", "> yes", "> Bravo", "mnuToolsSaveEmpty(2)"}, {modals({Ask, named("Empty"), notice("Guns - HP"), NotSaved}), "mnuToolsSaveEmpty(2)=Empty"});
    row("clear", {"@Plane1/MenuName=Alpha", "@Plane1/PlaneType=3", "> yes", "mnuToolsClearEmpty(1)"}, {modals({clearAsk("Alpha")}), "@Plane1/PlaneType=(none)", "mnuToolsClearEmpty(1)=Empty", "mnuToolsLoadEmpty(1)=Empty", "mnuToolsSaveEmpty(1)=Empty"});
    row("clear declined", {"@Plane1/MenuName=Alpha", "mnuToolsClearEmpty(1)"}, {modals({clearAsk("Alpha")}), "@Plane1/MenuName=Alpha", "mnuToolsLoadEmpty(1)=Alpha"});
    row("clear an unused slot", {"> yes", "mnuToolsClearEmpty(0)"}, {modals({clearAsk("Empty")}), "mnuToolsLoadEmpty(0)=Empty"});
    row("clear refused by the store", {"@Plane1/MenuName=Alpha", "refuse", "> yes", "mnuToolsClearEmpty(1)"}, {modals({clearAsk("Alpha"), NotSaved}), "mnuToolsLoadEmpty(1)=Alpha"});
    row("load", {"@Plane1/MenuName=Alpha", "@Plane1/PlaneType=2", "@Plane1/EngineType=4", "@Plane1/SingleTwin=200", "@Plane1/GunType3=0", "@Plane1/Bullets3=3", "@Plane1/HPLeft=2", "@Plane1/LHP0=3", "@Plane1/ColorScheme=3", "> yes", "mnuToolsLoadEmpty(1)"}, {modals({loadAsk("Alpha"), Loaded}), "PlaneName=Default Plane", "PlaneType=2", "EngineType=4", "ArmorNose=0", "cmdGun(3)=Twin", "lstBullets(3)=Explosive", "lstLHP(0)=Sonic", "cboSchemes=Crown Flying Corps", "txtTotalWeight=10960"});
    row("load with bad values", {"@Plane1/LogoWing=50", "@Plane1/EngineType=6", "@Plane1/PlaneType=40000", "> yes", "mnuToolsLoadEmpty(1)"}, {modals({loadAsk("Empty"), illegal("Plane Type"), illegal("Engine"), illegal("Wing Logo"), Loaded}), "PlaneType=5", "LogoWing=46"});
    row("load declined", {"@Plane1/PlaneType=0", "lstArmorNose=3", "mnuToolsLoadEmpty(1)"}, {modals({loadAsk("Empty")}), "PlaneType=5", "ArmorNose=3"});
    row("load an unused slot", {"lstGunType(0)=2", "> yes", "mnuToolsLoadEmpty(3)"}, {modals({loadAsk("Empty"), Loaded}), "PlaneType=5", "ArmorNose=0", "GunType0=5", "LogoNose=46", "Color1=255", "PlaneName=Default Plane", "txtTotalWeight=5000"});
    row("save and load back", {"cboPlaneType=2", "lstGunType(1)=0", "lstGunType(3)=2", "cmdGun(3)", "cmdGun(3)", "cboHPLeft=1", "lstLHP(0)=4", "lstArmorWings=5", "> yes", "> Round", "mnuToolsSaveEmpty(3)", "mnuFileNew", "> yes", "mnuToolsLoadEmpty(3)"}, {modals({Ask, named("Empty"), Saved, loadAsk("Round"), Loaded}), "PlaneType=2", "GunType1=0", "GunType3=2", "SingleTwin=202", "LHP0=4", "ArmorWings=5"});
    // Plane files: the dialogs, export and open, drag and drop.
    row("open starts in the stored folder", {"@Settings/DefaultDir={dir}", "mnuFileOpen"}, {modals({"open Open: {dir} [{filter}]"})});
    row("open starts at home when it is missing", {"mnuFileOpen", "close"}, {modals({"open Open: {home} [{filter}]"}), "@Settings/DefaultDir=C:\\Program Files\\Halvery Games\\Vantorel\\Planes"});
    row("export cancelled", {"txtPlaneName=Raven", "mnuFileSaveAs"}, {modals({"save Save: Raven in  [{filter}]"}), "size:Raven=(none)"});
    row("export, then open again", {"txtPlaneName=Raven", "lstGunType(1)=3", "cmdGun(1)", "lstBullets(1)=2", "cboHPRight=2", "lstRHP(1)=5", "cboSchemes=1", "lstArmorNose=3", "chkNitro", "SSTab1=3", "> #0c2238", "lblThirdColor", "imgLogo(9)", "> {dir}/Raven", "mnuFileSaveAs", "mnuFileNew", "> {dir}/Raven", "mnuFileOpen", "close"}, {modals({"color #ffff00", "save Save: Raven in  [{filter}]", "open Open: {home} [{filter}]"}), "size:Raven=204", "PlaneName=Raven", "GunType1=3", "SingleTwin=0", "Bullets1=2", "HPRight=2", "RHP1=5", "ColorScheme=8", "ArmorNose=3", "EngineType=3", "Color3=3678732", "LogoWing=9", "txtWeight=7820", "@Settings/DefaultDir={dir}/"});
    row("drop a plane file", {"txtPlaneName=Kestrel", "cboPlaneType=2", "> {dir}/Kestrel", "mnuFileSaveAs", "mnuFileNew", "drop {dir}/Kestrel", "close"}, {modals({"save Save: Kestrel in  [{filter}]"}), "drop=accepted/accepted", "PlaneName=Kestrel", "PlaneType=2", "@Settings/DefaultDir={dir}/"});
    row("drop a file a byte short", {"file Short=203", "drop {dir}/Short"}, {modals({"message VTEditor: Plane File Size Incorrect"}), "drop=accepted/accepted"});
    row("drop two files", {"file A=204", "file B=204", "drop {dir}/A {dir}/B"}, {"drop=refused/refused", "PlaneType=5"});
    row("drop a text", {"file A=204", "drop text:{dir}/A"}, {"drop=refused/refused", "PlaneType=5"});
    row("drop a remote file", {"drop https://vantorel.org/planes/Kestrel"}, {"drop=refused/refused", "PlaneType=5"});
    row("drop a local and a remote file", {"file A=204", "drop {dir}/A https://vantorel.org/planes/B"}, {"drop=refused/refused", "PlaneType=5"});
    // The Edit menu: undo and redo, the closing question, plane codes.
    row("undo and redo from the menu", {"lstArmorNose=3", "lstArmorTail=4", "mnuEditUndo"}, {"ArmorNose=3", "ArmorTail=12", "mnuEditUndo=&Undo Armor - Nose", "mnuEditRedo=&Redo Armor - Tail", "frmMain#windowModified=true"});
    row("undo and redo by key, from the name box", {"show", "txtPlaneName=Kite", "focus txtPlaneName", "key Ctrl+Z", "key {redo}", "key Ctrl+Z"}, {"PlaneName=", "mnuEditRedo=&Redo Plane Name", "frmMain#windowModified=false"});
    row("undo of an open", {"file Zero=204", "> {dir}/Zero", "mnuFileOpen", "mnuEditUndo"}, {modals({"open Open: {home} [{filter}]"}), "PlaneType=5", "txtWeight=", "mnuEditRedo=&Redo Open", "frmMain#windowModified=true"});
    row("closing unexported work: Cancel", {"lstArmorNose=3", "close"}, {modals({Closing}), "@writes="});
    row("closing unexported work: Discard", {"lstArmorNose=3", "> discard", "close"}, {modals({Closing}), "@Settings/Display=0"});
    row("closing unexported work: Export", {"txtPlaneName=Kite", "> export", "> {dir}/Kite", "close"}, {modals({Closing, "save Save: Kite in  [{filter}]"}), "size:Kite=204", "@Settings/Display=0"});
    row("closing unexported work: Export cancelled", {"txtPlaneName=Kite", "> export", "close"}, {modals({Closing, "save Save: Kite in  [{filter}]"}), "@writes="});
    row("closing unexported work: Export refused", {"lstArmorNose=3", "> export", "close"}, {modals({Closing, "message VTEditor: Plane Name Required"}), "@writes="});
    row("closing unexported work: Export not written", {"txtPlaneName=Kite", "> export", "> {dir}", "close"}, {modals({Closing, "save Save: Kite in  [{filter}]", "message VTEditor: Plane File Could Not Be Written\nNot a regular file"}), "@writes="});
    row("closing after undoing all asks nothing", {"lstArmorNose=3", "mnuEditUndo", "close"}, {"@Settings/Display=0"});
    row("copy and paste a plane code", {"txtPlaneName=Kite", "cboPlaneType=2", "mnuEditCopyCode", "mnuFileNew", "mnuEditPasteCode"}, {"PlaneName=Kite", "PlaneType=2", "sbStatusBar.Status=Plane Code Copied", "mnuEditUndo=&Undo Paste Plane Code"});
    row("copy refused, paste of no code", {"clip Kite", "mnuEditCopyCode", "mnuEditPasteCode"}, {modals({"message VTEditor: Plane Name Required", "message VTEditor: Plane Code Incorrect\nIt does not start with VTP1:"}), "clipboard=Kite", "sbStatusBar.Status=Status"});
    row("drop a plane code", {"drop text:VTP1:" + QString(272, 'A')}, {"drop=accepted/accepted", "PlaneType=0", "txtWeight=0"});
    // The plane library: one window with its own settings, opening and comparing through the main window, the folder watched.
    const QString planes = QStringLiteral("C:\\Program Files\\Halvery Games\\Vantorel\\Planes"), kestrel = QStringLiteral("save Save: Kestrel in  [{filter}]");
    const Steps library{"@Settings/LibraryDir={dir}", "mnuFileLibrary"};
    row("library: one window, on the main window's folder", {"@Settings/DefaultDir={dir}", "mnuFileLibrary", "mnuFileLibrary"}, {"windows=frmLibrary", "frmLibrary#windowTitle=Plane Library", "lblFolder={dir}", "cmdOpen#enabled=false"});
    row("library: its placement and folder stored", Steps{"@Settings/LibraryLeft=1500", "@Settings/LibraryTop=3000", "@Settings/LibraryWidth=15000", "@Settings/LibraryHeight=9000"} + library, {"frmLibrary#pos=100,200", "frmLibrary#width=1000", "frmLibrary#height=600", "lblFolder={dir}"});
    row("library: written first as the program closes", {"mnuFileLibrary", "until lblStatus=Folder not found", "close"}, {"@writes=Settings/LibraryLeft Settings/LibraryTop Settings/LibraryWidth Settings/LibraryHeight Settings/LibraryDir Settings/MainLeft Settings/MainTop Settings/MainWidth Settings/MainHeight Settings/DefaultDir Settings/Display", "@Settings/LibraryDir=" + planes});
    row("library: another folder", {"mnuFileLibrary", "> {dir}", "cmdFolder", "close"}, {modals({"folder Folder: " + planes}), "@Settings/LibraryDir={dir}"});
    row("library: Open as File > Open", Steps{"txtPlaneName=Kestrel", "cboPlaneType=2", "> {dir}/Kestrel", "mnuFileSaveAs", "mnuFileNew"} + library + Steps{"until lblStatus=1 file", "tblPlanes=0", "cmdOpen", "close"}, {modals({kestrel}), "PlaneName=Kestrel", "PlaneType=2", "@Settings/DefaultDir={dir}/"});
    row("library: Enter on a refused file, the same message", Steps{"file Short=203"} + library + Steps{"until lblStatus=1 file", "tblPlanes=0", "focus tblPlanes", "key Return"}, {modals({"message VTEditor: Plane File Size Incorrect"}), "PlaneType=5"});
    row("library: compare two, differences only", Steps{"txtPlaneName=Kestrel", "> {dir}/Kestrel", "mnuFileSaveAs", "file Zero=204"} + library + Steps{"until lblStatus=2 files", "tblPlanes=0,1", "cmdCompare", "chkDifferencesOnly"}, {modals({kestrel}), "windows=frmLibrary frmCompare", "tblCompare*=≠ Name|≠ Type|≠ Armor|≠ Gun 1|≠ Gun 2|≠ Gun 3|≠ Gun 4|≠ Scheme|≠ Colors|≠ Logos|≠ Weights|≠ Total weight|≠ Speed|≠ Stored weight"});
    row("library: its texts, and those of the compare view", Steps{"file A=204", "file B=204"} + library + Steps{"until lblStatus=2 files", "tblPlanes=0,1", "cmdCompare"}, {"lblFolder#toolTip={dir}", "cmdFolder=Folder...", "lblFilter=F&ilter:", "txtFilter#clearButtonEnabled=true", "txtFilter#toolTip=Shows the files whose name, plane name, type or scheme holds the text", "tblPlanes#accessibleName=Plane files", "cmdCompare=Compare", "cmdOpen=Open", "frmCompare#windowTitle=Compare Planes", "chkDifferencesOnly#text=Differences only", "tblCompare^=Field|A|B", "tblCompare#accessibleName=Planes compared"});
    row("library: two to four planes compared", Steps{"file A=204", "file B=204", "file C=204", "file D=204", "file E=204"} + library + Steps{"until lblStatus=5 files", "tblPlanes=0,1,2,3", "until cmdCompare#enabled=true", "tblPlanes=0,1,2,3,4"}, {"cmdCompare#enabled=false", "cmdOpen#enabled=true"});
    row("library: a refused file is not compared", Steps{"file Short=203", "file Zero=204"} + library + Steps{"until lblStatus=2 files", "tblPlanes=0,1", "cmdCompare"}, {modals({"message VTEditor: Plane Cannot Be Compared\nShort: Plane File Size Incorrect"}), "windows=frmLibrary"});
    row("library: a row's plane code, pasted", Steps{"txtPlaneName=Kestrel", "cboPlaneType=2", "> {dir}/Kestrel", "mnuFileSaveAs", "mnuFileNew"} + library + Steps{"until lblStatus=1 file", "tblPlanes=0", "mnuRowCopyCode", "mnuEditPasteCode"}, {modals({kestrel}), "PlaneName=Kestrel", "PlaneType=2", "sbStatusBar.Status=Plane Code Copied", "mnuEditUndo=&Undo Paste Plane Code"});
    row("library: filtered", Steps{"file Alpha=204", "file Bravo=204"} + library + Steps{"until lblStatus=2 files", "txtFilter=RAV"}, {"tblPlanes*=Bravo", "lblStatus=1 of 2 files"});
    row("library: a file added keeps the selection", Steps{"file B=204", "file C=204"} + library + Steps{"until lblStatus=2 files", "tblPlanes=1", "file A=204", "until tblPlanes*=A|B|C"}, {"tblPlanes=C"});
    // The keyboard.
    row("Ctrl+Tab from a list", {"show", "SSTab1=1", "focus lstGunType(2)", "key Ctrl+Tab"}, {"SSTab1=Hard Points"});
    row("Ctrl+Shift+Tab from the name", {"show", "focus txtPlaneName", "key Ctrl+Shift+Tab"}, {"SSTab1=Logos"});
    row("Ctrl+PgDown from the last tab", {"show", "SSTab1=4", "focus imgLogo(7)", "key Ctrl+PgDown"}, {"SSTab1=Armor/Engine"});
    row("Ctrl+Tab to a page not shown before", {"show", "focus lstArmorTail", "key Ctrl+Tab"}, {"SSTab1=Guns", "focus=cmdGun(0)"});
    row("PgDown alone stays in the list", {"show", "lstArmorTail=0", "focus lstArmorTail", "key PgDown"}, {"SSTab1=Armor/Engine", "focus=lstArmorTail"});
    row("Ctrl+N", {"show", "txtPlaneName=Kite", "focus cboPlaneType", "key Ctrl+N"}, {"PlaneName=New"});
    row("Return on a mount button, Enter on one without a gun", {"show", "SSTab1=1", "lstGunType(1)=2", "focus cmdGun(1)", "key Return", "focus cmdGun(0)", "key Enter"}, {"cmdGun(1)=Single", modals({GunFirst})});
    row("other keys on a swatch, then Enter", {"show", "SSTab1=3", "focus lblFirstColor", "key A", "key Esc", "key Down", "> #0c2238", "focus lblSecondColor", "key Enter"}, {"Color1=255", "Color2=3678732", "shown=color #00ff00"});
    row("Space on a logo, then Return on another", {"show", "SSTab1=4", "focus imgLogo(49)", "key Space", "chkTail", "focus imgLogo(0)", "key Return"}, {"LogoNose=49", "LogoTail=0", "LogoWing=49"});
    // At any density: pictures in whole device pixels, and the keyboard's place.
    row("logos and toolbar drawn sharply", {"SSTab1=4", "show"}, {"drawn:imgLogo(0)=:/logos/logo01.gif", "drawn:imgNose=:/logos/logo47.gif", "drawn:New=:/toolbar/new.png"});
    row("schemes drawn sharply", {"SSTab1=3", "cmdRedraw", "show"}, {"drawn:picPlane0=:/schemes/scheme16.gif", "drawn:picPlane1=:/schemes/scheme16.gif"});
    row("focus shown on a swatch", {"SSTab1=3", "show", "focus lblSecondColor", "key Shift+Tab"}, {"drawn:lblFirstColor=focus frame"});
    // Every caption, title, tooltip and menu text, and the About box's.
    for (const QString &text : golden(QStringLiteral("window-texts.txt")))
        QTest::newRow(qPrintable(text.section(QLatin1Char('='), 0, 0))) << Steps() << Shows{text};
}
// clang-format on

void TestMainWindow::realDialogs_data()
{
    QTest::addColumn<QString>("call"); // a notice, a question with ("question?") or without its icon, or the closing question
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // the box as shown, then the answer
    QTest::newRow("notice") << "notice" << "Return" << "VTEditor: Text [OK] icon 0 default  -> no";
    QTest::newRow("question: Enter answers No") << "question" << "Return" << "VTEditor: Text [&No &Yes] icon 0 default &No -> no";
    QTest::newRow("question: Y answers Yes") << "question?" << "Y" << "VTEditor: Text [&No &Yes] icon 4 default &No -> yes";
    for (const auto &[key, answer] : {std::pair{"Return", "export"}, {"D", "discard"}, {"Esc", "cancel"}})
        QTest::addRow("closing: %s", key) << "closing" << key << QStringLiteral("VTEditor: Text [&Discard &Export Cancel] icon 4 default &Export -> %1").arg(answer);
}

// The program's own message boxes, answered by a key as a user would.
void TestMainWindow::realDialogs()
{
    QFETCH(QString, call);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QtDialogs dialogs;
    QWidget parent;
    QString seen;
    QTimer::singleShot(0, &parent, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QStringList buttons;
        for (const QAbstractButton *button : box->buttons())
            buttons << button->text();
        buttons.sort(); // in whatever order the platform lays them out
        seen = QStringLiteral("%1: %2 [%3] icon %4 default %5")
                   .arg(box->windowTitle(), box->text(), buttons.join(QLatin1Char(' ')))
                   .arg(box->icon())
                   .arg(box->defaultButton() ? box->defaultButton()->text() : QString());
        QTest::keySequence(box, QKeySequence(key));
    });
    const QString title = QStringLiteral("VTEditor"), text = QStringLiteral("Text");
    QString answer = QStringLiteral("no");
    if (call == QLatin1String("notice"))
        dialogs.message(&parent, text, title);
    else if (call == QLatin1String("closing"))
        answer = QStringList{"export", "discard", "cancel"}[int(dialogs.closingQuestion(&parent, text, title))];
    else if (dialogs.question(&parent, text, title, call.endsWith('?') ? Dialogs::Icon::Question : Dialogs::Icon::None))
        answer = QStringLiteral("yes");
    QCOMPARE(seen + QStringLiteral(" -> ") + answer, expected);
}

// Every picture drawn by scripts/draw-pictures.py (which checks each GIF's
// colour table as it writes it) reads back at its size, in sixteen colours at
// most; every scheme has areas of each colour the editor paints.
void TestMainWindow::pictures()
{
    Q_INIT_RESOURCE(resources);
    for (const auto &[folder, count, size] : {std::tuple{"schemes/scheme", 33, 150}, std::tuple{"logos/logo", 50, 30}}) {
        for (int n = 1; n <= count; ++n) {
            const QImage image = WindowFixture::resource(folder, n);
            QHash<QRgb, int> colours;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x)
                    ++colours[image.pixel(x, y) & RGB_MASK];
            }
            QVERIFY2(image.size() == QSize(size, size) && colours.size() <= 16, folder);
            for (QRgb marker : {0xFF0000U, 0x00FF00U, 0xFFFF00U})
                QVERIFY2(!QByteArrayView(folder).startsWith("schemes") || colours.value(marker) >= 150, qPrintable(QString::number(n)));
        }
    }
}

// The About box is a fixed dialog of the main window; OK answers Enter, and
// closes the box without looking for System Info.
void TestMainWindow::aboutBox()
{
    WindowFixture f;
    frmAbout about(f.dialogs, f.systemInfo, &f.w());
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QCOMPARE(about.windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint | Qt::Dialog),
             Qt::WindowCloseButtonHint | Qt::Dialog);
    // The description is as tall as the design or its text needs, no taller.
    const auto *text = about.findChild<QLabel *>(QStringLiteral("lblDescription"));
    QCOMPARE(text->height(), std::max(DesignUnits(about.font()).y(1590), text->heightForWidth(text->width())));
    auto *ok = about.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about) && ok->isDefault());
    ok->click();
    QVERIFY(!about.isVisible() && f.systemInfo.calls.isEmpty());
}

// clang-format off
void TestMainWindow::systemInfo_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("calls");
    const QString first = R"(registry SOFTWARE\Microsoft\Shared Tools\MSINFO PATH)", folder = R"(registry SOFTWARE\Microsoft\Shared Tools Location MSINFO)";
    const QString tool = R"(C:\Tools\msinfo32.exe)", inFolder = R"(C:\MSInfo\MSINFO32.EXE)", inFolderKnown = folder + R"(=C:\MSInfo)";
    const QStringList candidates = systemInfoCandidates();
    QStringList searched;
    for (const QString &candidate : candidates)
        searched << "find " + candidate;
    QTest::newRow("first place, started as it is") << QStringList{first + '=' + tool, inFolderKnown, "start " + tool} << QStringList{first, "start " + tool};
    QTest::newRow("only the folder, program there") << QStringList{inFolderKnown, "exists " + inFolder, "start " + inFolder} << QStringList{first, folder, "exists " + inFolder, "start " + inFolder};
    QTest::newRow("only the folder, program missing") << QStringList{inFolderKnown, "start " + inFolder} << QStringList{first, folder, "exists " + inFolder} + searched;
    QTest::newRow("first place fails to start") << QStringList{first + '=' + tool} << QStringList{first, "start " + tool};
    QTest::newRow("folder fails to start") << QStringList{inFolderKnown, "exists " + inFolder} << QStringList{first, folder, "exists " + inFolder, "start " + inFolder};
    QTest::newRow("first place of another type") << QStringList{first + '=', inFolderKnown, "exists " + inFolder} << QStringList{first, "start "};
    QTest::newRow("nothing anywhere") << QStringList{} << QStringList{first, folder} + searched;
    if (candidates.size() < 2)
        return; // the registry names the program on this platform
    QTest::newRow("the first candidate") << QStringList{searched[0], searched[1], "start /found/" + candidates[0]} << QStringList{first, folder, searched[0], "start /found/" + candidates[0]};
    QTest::newRow("a later candidate") << QStringList{searched[1], "start /found/" + candidates[1]} << QStringList{first, folder, searched[0], searched[1], "start /found/" + candidates[1]};
    }
// clang-format on

// How System Info finds and starts a program, on a machine the row lays out.
void TestMainWindow::systemInfo()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, calls);
    WindowFixture f;
    f.systemInfo.answers = answers;
    frmAbout about(f.dialogs, f.systemInfo, &f.w());
    about.findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->click();
    QCOMPARE(f.systemInfo.calls, calls);
    const bool started = answers.contains(calls.last()) && calls.last().startsWith(QLatin1String("start"));
    QCOMPARE(f.dialogs.log, started ? QStringList() : QStringList{"message VTEditor: System Information Is Unavailable At This Time"});
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
