// The main window used from the keyboard alone: the Tab order, the keys that
// switch tabs, Enter and Space on the controls that answer a double-click, the
// menus' access keys and the names assistive tools read.
#include "editor/clickablelabel.h"
#include "editor/twips.h"
#include "support/windowfixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QSet>
#include <QtTest>

using namespace vte;
using vte::test::WindowFixture;

Q_DECLARE_METATYPE(Qt::Key)

namespace {

// The window as a user meets it: shown, active and taking keys.
struct ShownWindow : WindowFixture
{
    ShownWindow()
    {
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    QWidget *control(const QString &name) { return window->findChild<QWidget *>(name); }
};

QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(no focus)");
}

QStringList numbered(const char *array, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << elementName(array, i);
    return names;
}

const QStringList WeightBoxes{"txtWeight",   "txtPlaneWeight", "txtEngineWeight",  "txtArmorWeight",
                              "txtGunWeight", "txtHPWeight",   "txtTotalWeight",   "txtMaximumWeight"};
const QStringList FrameControls{"txtPlaneName", "cboPlaneType", "qt_tabwidget_tabbar"};

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void tabOrder_data();
    void tabOrder();
    void backtabReversesTheOrder();
    void tabSwitchKeys_data();
    void tabSwitchKeys();
    void pageDownWithoutControlStaysInTheList();
    void enterOnGunButton_data();
    void enterOnGunButton();
    void swatchKeys_data();
    void swatchKeys();
    void otherKeysLeaveSwatchAlone();
    void logoKeys_data();
    void logoKeys();
    void menuAccessKeys_data();
    void menuAccessKeys();
    void everyControlIsNamed();
};

void TestKeyboard::tabOrder_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("pageControls");

    QTest::newRow("Armor/Engine") << int(frmMain::ArmorEngineTab)
                                  << QStringList{"lstArmorNose", "lstArmorTail", "lstArmorWings", "lstEngineType",
                                                 "chkNitro", "txtPlaneSpeed"};
    QStringList guns;
    for (int slot = 0; slot < GunSlots; ++slot)
        guns << elementName("cmdGun", slot) << elementName("lstGunType", slot) << elementName("lstBullets", slot);
    QTest::newRow("Guns") << int(frmMain::GunsTab) << guns;
    QTest::newRow("Hard Points") << int(frmMain::HardPointsTab)
                                 << (QStringList{"cboHPLeft"} + numbered("lstLHP", HardPointsPerSide)
                                     + QStringList{"cboHPRight"} + numbered("lstRHP", HardPointsPerSide));
    QTest::newRow("Color Schemes") << int(frmMain::ColorSchemesTab)
                                   << QStringList{"lblFirstColor", "lblSecondColor", "lblThirdColor", "cboSchemes",
                                                  "cmdRedraw"};
    QTest::newRow("Logos") << int(frmMain::LogosTab)
                           << (QStringList{"chkNose", "chkTail", "chkWing"} + numbered("imgLogo", 50));
}

// From the tab's first control, Tab walks the page in reading order, then the
// weight boxes, then the frame's controls and back to the page.
void TestKeyboard::tabOrder()
{
    QFETCH(int, tab);
    QFETCH(QStringList, pageControls);
    ShownWindow f;
    f.w().SSTab1->setCurrentIndex(tab);
    const QStringList expected = pageControls + WeightBoxes + FrameControls + QStringList{pageControls.front()};

    f.control(pageControls.front())->setFocus(Qt::TabFocusReason);
    QStringList visited{focusName()};
    for (int step = 1; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName();
    }
    QCOMPARE(visited, expected);
    QCOMPARE(f.w().SSTab1->currentIndex(), tab);
}

void TestKeyboard::backtabReversesTheOrder()
{
    ShownWindow f;
    f.w().SSTab1->setCurrentIndex(frmMain::ArmorEngineTab);
    f.w().lstArmor[Nose]->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int step = 0; step < 4; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        visited << focusName();
    }
    QCOMPARE(visited, (QStringList{"qt_tabwidget_tabbar", "cboPlaneType", "txtPlaneName", "txtMaximumWeight"}));
}

void TestKeyboard::tabSwitchKeys_data()
{
    QTest::addColumn<int>("startTab");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("expectedTab");

    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    struct Place
    {
        const char *name;
        int tab;
    };
    const Place places[] = {{"lstArmorNose", 0}, {"lstEngineType", 0}, {"lstGunType(2)", 1}, {"lstRHP(0)", 2},
                            {"cboHPLeft", 2},    {"cboSchemes", 3},    {"imgLogo(7)", 4},    {"txtPlaneName", 0},
                            {"cboPlaneType", 3}, {"txtTotalWeight", 1}};
    for (const Place &p : places) {
        const int next = (p.tab + 1) % 5;
        const int previous = (p.tab + 4) % 5;
        const auto row = [&](const char *keys) -> QTestData & {
            return QTest::addRow("%s %s", keys, p.name) << p.tab << QString::fromLatin1(p.name);
        };
        row("ctrl+pgdn") << Qt::Key_PageDown << ctrl << next;
        row("ctrl+pgup") << Qt::Key_PageUp << ctrl << previous;
        row("ctrl+tab") << Qt::Key_Tab << ctrl << next;
        row("ctrl+shift+tab") << Qt::Key_Backtab << ctrlShift << previous;
    }
}

void TestKeyboard::tabSwitchKeys()
{
    QFETCH(int, startTab);
    QFETCH(QString, focus);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, expectedTab);
    ShownWindow f;
    f.w().SSTab1->setCurrentIndex(startTab);
    QWidget *control = f.control(focus);
    QVERIFY(control);
    control->setFocus(Qt::TabFocusReason);
    QCOMPARE(focusName(), focus);

    QTest::keyClick(control, key, modifiers);
    // One press moves one tab, never two.
    QCOMPARE(f.w().SSTab1->currentIndex(), expectedTab);
}

void TestKeyboard::pageDownWithoutControlStaysInTheList()
{
    ShownWindow f;
    f.w().SSTab1->setCurrentIndex(frmMain::ArmorEngineTab);
    QListWidget *list = f.w().lstArmor[Tail];
    list->setCurrentRow(0);
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_PageDown);
    QCOMPARE(f.w().SSTab1->currentIndex(), int(frmMain::ArmorEngineTab));
    QVERIFY(list->currentRow() > 0);
}

void TestKeyboard::enterOnGunButton_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<Qt::Key>("key");
    for (int slot = 0; slot < GunSlots; ++slot) {
        QTest::addRow("Return on cmdGun(%d)", slot) << slot << Qt::Key_Return;
        QTest::addRow("Enter on cmdGun(%d)", slot) << slot << Qt::Key_Enter;
    }
}

// Enter on a focused mount button does what a click does.
void TestKeyboard::enterOnGunButton()
{
    QFETCH(int, slot);
    QFETCH(Qt::Key, key);
    ShownWindow f;
    f.w().SSTab1->setCurrentIndex(frmMain::GunsTab);
    QPushButton *button = f.w().cmdGun[slot];
    QVERIFY(button->autoDefault());
    button->setFocus(Qt::TabFocusReason);

    QTest::keyClick(button, key);
    QCOMPARE(f.dialogs.messages(), QStringList{"Please select a Gun first"});

    WindowFixture::choose(f.w().lstGunType[slot], 2);
    QCOMPARE(button->text(), QStringLiteral("Twin"));
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, key);
    QCOMPARE(button->text(), QStringLiteral("Single"));
    QTest::keyClick(button, key);
    QCOMPARE(button->text(), QStringLiteral("Twin"));
    QCOMPARE(f.dialogs.messages().size(), 1);
}

void TestKeyboard::swatchKeys_data()
{
    QTest::addColumn<int>("swatch");
    QTest::addColumn<Qt::Key>("key");
    const struct
    {
        const char *name;
        Qt::Key key;
    } keys[] = {{"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}};
    for (int swatch = 0; swatch < 3; ++swatch) {
        for (const auto &k : keys)
            QTest::addRow("%s on swatch %d", k.name, swatch + 1) << swatch << k.key;
    }
}

// Enter or Space on a swatch opens the colour picker and paints the choice.
void TestKeyboard::swatchKeys()
{
    QFETCH(int, swatch);
    QFETCH(Qt::Key, key);
    ShownWindow f;
    f.w().SSTab1->setCurrentIndex(frmMain::ColorSchemesTab);
    ClickableLabel *label = f.w().lblColor[swatch];
    const QString before = label->palette().color(QPalette::Window).name();
    const QColor chosen(12, 34, 56);
    f.dialogs.colors.push_back(chosen);
    label->setFocus(Qt::TabFocusReason);

    QTest::keyClick(label, key);
    QCOMPARE(f.dialogs.shown.size(), size_t(1));
    QCOMPARE(f.dialogs.shown.front().kind, QStringLiteral("color"));
    QCOMPARE(f.dialogs.shown.front().text, before);
    QCOMPARE(label->palette().color(QPalette::Window), chosen);
    for (int other = 0; other < 3; ++other) {
        if (other != swatch)
            QVERIFY(f.w().lblColor[other]->palette().color(QPalette::Window) != chosen);
    }
}

void TestKeyboard::otherKeysLeaveSwatchAlone()
{
    ShownWindow f;
    f.w().SSTab1->setCurrentIndex(frmMain::ColorSchemesTab);
    f.w().lblColor[0]->setFocus(Qt::TabFocusReason);
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Escape, Qt::Key_Down})
        QTest::keyClick(f.w().lblColor[0], key);
    QVERIFY(f.dialogs.shown.empty());
}

void TestKeyboard::logoKeys_data()
{
    QTest::addColumn<int>("logo");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QList<bool>>("reassign");
    const QList<bool> all{true, true, true};
    QTest::newRow("Return on logo 1, every place") << 0 << Qt::Key_Return << all;
    QTest::newRow("Enter on logo 23, every place") << 22 << Qt::Key_Enter << all;
    QTest::newRow("Space on logo 50, every place") << 49 << Qt::Key_Space << all;
    QTest::newRow("Space on logo 12, tail only") << 11 << Qt::Key_Space << QList<bool>{false, true, false};
    QTest::newRow("Return on logo 40, nose and wing") << 39 << Qt::Key_Return << QList<bool>{true, false, true};
    QTest::newRow("Enter on logo 5, no place") << 4 << Qt::Key_Enter << QList<bool>{false, false, false};
}

// A key on a logo picture assigns it exactly as a double-click on it does.
void TestKeyboard::logoKeys()
{
    QFETCH(int, logo);
    QFETCH(Qt::Key, key);
    QFETCH(QList<bool>, reassign);
    ShownWindow byKey;
    ShownWindow byMouse;
    for (ShownWindow *f : {&byKey, &byMouse}) {
        f->w().SSTab1->setCurrentIndex(frmMain::LogosTab);
        for (int p = 0; p < 3; ++p)
            f->w().chkPlace[p]->setChecked(reassign[p]);
    }
    byKey.w().imgLogo[logo]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(byKey.w().imgLogo[logo], key);
    QTest::mouseDClick(byMouse.w().imgLogo[logo], Qt::LeftButton);

    std::array<qint16, 3> expected{46, 46, 46};
    for (int p = 0; p < 3; ++p) {
        if (reassign[p])
            expected[p] = static_cast<qint16>(logo);
    }
    QCOMPARE(byKey.w().Logo, expected);
    QCOMPARE(byMouse.w().Logo, expected);
    for (int p = 0; p < 3; ++p) {
        QVERIFY(!byKey.w().chkPlace[p]->isChecked());
        QCOMPARE(byKey.w().imgPlace[p]->pixmap().toImage(), byMouse.w().imgPlace[p]->pixmap().toImage());
    }
    QCOMPARE(byKey.dialogs.messages(), byMouse.dialogs.messages());
    QCOMPARE(byKey.dialogs.messages().isEmpty(), reassign.contains(true));
}

void TestKeyboard::menuAccessKeys_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("fixedItems");   // leading items with a caption of their own
    QTest::newRow("menu bar") << QString() << 3;
    QTest::newRow("File") << "mnuFile" << 4;
    QTest::newRow("Tools") << "mnuTools" << 3;
    QTest::newRow("Help") << "mnuHelp" << 1;
}

// Every menu and fixed item has an access key, none repeated within its menu.
// The configuration slots carry the names users gave them.
void TestKeyboard::menuAccessKeys()
{
    QFETCH(QString, menu);
    QFETCH(int, fixedItems);
    ShownWindow f;
    QWidget *owner = menu.isEmpty() ? static_cast<QWidget *>(f.w().menuBar()) : f.w().findChild<QMenu *>(menu);
    QVERIFY(owner);
    QSet<QChar> keys;
    int items = 0;
    for (const QAction *action : owner->actions()) {
        if (action->isSeparator())
            continue;
        if (items++ == fixedItems)
            break;
        const QString text = action->text();
        const qsizetype mark = text.indexOf(QLatin1Char('&'));
        QVERIFY2(mark >= 0 && mark + 1 < text.size(), qPrintable(text + " has no access key"));
        const QChar key = text.at(mark + 1).toLower();
        QVERIFY2(!keys.contains(key), qPrintable(text + " repeats an access key"));
        keys.insert(key);
    }
    QCOMPARE(keys.size(), fixedItems);
}

// What a screen reader announces: every control the design names, everything
// that takes the focus, every button, label, bar and menu.
void TestKeyboard::everyControlIsNamed()
{
    ShownWindow f;
    QStringList unnamed;
    int checked = 0;
    const auto check = [&](QWidget *w) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(w);
        ++checked;
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (%2)").arg(w->objectName(), QLatin1String(w->metaObject()->className()));
    };
    for (int tab = 0; tab < f.w().SSTab1->count(); ++tab) {
        f.w().SSTab1->setCurrentIndex(tab);
        for (QWidget *w : f.w().findChildren<QWidget *>()) {
            if (auto *menu = qobject_cast<QMenu *>(w)) {
                // Qt's own overflow menu has no name from the design.
                if (tab == 0 && !menu->objectName().isEmpty())
                    check(w);
                continue;
            }
            if (w->window() != f.window.get() || !w->isVisible())
                continue;
            const bool designNamed = !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
            const bool control = (w->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractButton *>(w)
                                 || qobject_cast<QLabel *>(w) || qobject_cast<QMenuBar *>(w)
                                 || qobject_cast<QToolBar *>(w) || qobject_cast<QStatusBar *>(w);
            if (designNamed || control)
                check(w);
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    // The walk reached the pages' controls, not just the frame.
    QVERIFY(checked > 150);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
