#pragma once

// Reading the main window back as a user sees it: a control found by its design
// name, the entry it shows, and a loadout compared item by item so a failure
// names the item that differs.

#include "catalogue/planeselections.h"
#include "editor/clickablelabel.h"
#include "editor/frmmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace vte::test {

// The row a list or box shows as chosen, or -1 for a control without rows.
inline int shownRow(const QWidget *control)
{
    if (const auto *list = qobject_cast<const QListWidget *>(control))
        return list->currentRow();
    if (const auto *box = qobject_cast<const QComboBox *>(control))
        return box->currentIndex();
    return -1;
}

// The text a control shows: a list's or box's chosen entry, a field's text, a
// button's or caption's text, and "checked"/"unchecked" for a tick box.
inline QString shownText(const QWidget *control)
{
    if (const auto *list = qobject_cast<const QListWidget *>(control))
        return list->currentItem() ? list->currentItem()->text() : QString();
    if (const auto *box = qobject_cast<const QComboBox *>(control))
        return box->currentText();
    if (const auto *field = qobject_cast<const QLineEdit *>(control))
        return field->text();
    if (const auto *check = qobject_cast<const QCheckBox *>(control))
        return check->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return {};
}

inline QWidget *control(frmMain &window, const QString &designName)
{
    return window.findChild<QWidget *>(designName);
}

inline QImage shownImage(const QLabel *label)
{
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

// Compares two loadouts item by item. The loaded gun-mount flags (SingleTwin)
// and the wanted scheme number are window bookkeeping, compared only when asked.
inline void compareLoadout(const PlaneSelections &actual, const PlaneSelections &expected,
                           bool withSchemeNumber = false)
{
    QCOMPARE(actual.PlaneName, expected.PlaneName);
    QCOMPARE(actual.PlaneType, expected.PlaneType);
    QCOMPARE(actual.EngineType, expected.EngineType);
    QCOMPARE(actual.Nitro, expected.Nitro);
    for (int place : {Nose, Tail, Wings})
        QCOMPARE(actual.Armor[place], expected.Armor[place]);
    for (int slot = 0; slot < GunSlots; ++slot) {
        QCOMPARE(actual.GunType[slot], expected.GunType[slot]);
        QCOMPARE(actual.Bullets[slot], expected.Bullets[slot]);
        QCOMPARE(mountCaption(actual.Mounts[slot]), mountCaption(expected.Mounts[slot]));
    }
    for (int side : {Left, Right}) {
        QCOMPARE(actual.HP[side], expected.HP[side]);
        for (int k = 0; k < HardPointsPerSide; ++k)
            QCOMPARE(actual.HardPoint[side][k], expected.HardPoint[side][k]);
    }
    for (int swatch = 0; swatch < 3; ++swatch)
        QCOMPARE(actual.Color[swatch], expected.Color[swatch]);
    for (int place : {Nose, Tail, Wings})
        QCOMPARE(actual.Logo[place], expected.Logo[place]);
    if (withSchemeNumber)
        QCOMPARE(actual.ColorScheme, expected.ColorScheme);
}

} // namespace vte::test
