#pragma once

// Loadouts for table rows: a short script of choices, run as a user (or a
// loader) makes them, and a description of everything the window would show.

#include "catalogue/loadout.h"
#include "configs/configuration.h"
#include "support/memorystore.h"

#include <QMap>
#include <QStringList>

namespace vte::test {

inline Side sideOf(const QString &s) { return s == u"L" ? Left : Right; }

inline QString join(const auto &values)
{
    QStringList parts;
    for (const auto &v : values)
        parts << QString::number(v);
    return parts.join(QLatin1Char(','));
}

// Every part of what the window shows, by name.
inline QMap<QString, QString> describe(const Loadout &l)
{
    const PlaneSelections &p = l.selections();
    QStringList guns;
    for (int s = 0; s < GunSlots; ++s)
        guns << QStringLiteral("%1:%2:%3").arg(p.GunType[s]).arg(p.Bullets[s]).arg(mountCaption(p.Mounts[s]));
    QStringList sides;
    for (Side side : {Left, Right})
        sides << QString::number(p.HP[side]) + QLatin1Char(':') + join(p.HardPoint[side]);
    const Weights w = l.weights();
    QString ticks = QStringLiteral("NTW");
    for (int place = 0; place < 3; ++place)
        ticks[place] = l.reassign()[place] ? ticks[place] : u'-';
    return {{"ticks", ticks}, {"stored", l.storedWeight() ? QString::number(*l.storedWeight()) : QString()},
            {"type", QString::number(p.PlaneType)},
            {"armor", join(p.Armor)},
            {"engine", QStringLiteral("%1%2").arg(p.EngineType).arg(p.Nitro ? "+nitro" : "")},
            {"guns", guns.join(QLatin1Char(' '))},
            {"hp", sides.join(QLatin1Char(' '))},
            {"schemes", l.schemeNames().join(QLatin1Char('|'))},
            {"scheme", QStringLiteral("%1 #%2 pic %3").arg(l.schemePosition()).arg(l.selectedScheme()).arg(l.previewPicture())},
            {"where", QStringList(l.planeType().GunLocation.cbegin(), l.planeType().GunLocation.cend()).join(QLatin1Char('|'))},
            {"weights", join(std::array{w.Plane, w.Engine, w.Armor, w.Guns, w.HP, w.Total, w.Maximum}) + (w.overWeight() ? " over" : "")},
            {"speed", l.speed()},
            {"name", p.PlaneName},
            {"paint", join(p.Color) + QLatin1Char('/') + join(p.Logo)},
            {"export", l.exportRefusal().value_or(QStringLiteral("ok"))},
            {"missing", missingItems(w)}};
}

// One choice of a script, as a user (or a loader) makes it.
inline QString run(Loadout &l, const QStringList &w)
{
    const auto n = [&](int i) { return w.value(i).toInt(nullptr, 0); };
    const QString &op = w[0];
    if (op == u"type") l.choosePlaneType(n(1));
    else if (op == u"armor") l.chooseArmor(Place(QStringLiteral("NTW").indexOf(w[1])), n(2));
    else if (op == u"engine") l.chooseEngine(n(1));
    else if (op == u"nitro") l.chooseNitro(n(1));
    else if (op == u"gun") l.chooseGunType(n(1), n(2));
    else if (op == u"ammo") l.chooseBullets(n(1), n(2));
    else if (op == u"hp") l.chooseHardPoints(sideOf(w[1]), n(2));
    else if (op == u"rocket") l.chooseRocket(sideOf(w[1]), n(2), n(3));
    else if (op == u"scheme") l.chooseScheme(n(1));
    else if (op == u"colour") l.setColor(n(1), quint32(n(2)));
    else if (op == u"name") l.setPlaneName(w.mid(1).join(QLatin1Char(' ')));
    else if (op == u"reset") l.ResetPlane();
    else if (op == u"tick") l.tickReassign(Place(QStringLiteral("NTW").indexOf(w[1])), n(2));
    else if (op == u"open") l.open(defaultPlane(), n(1));
    else if (op == u"logo") { // "logo 7 -T-" ticks the tail alone first; "logo 7" keeps the ticks
        for (int place = 0; place < 3 && w.size() > 2; ++place)
            l.tickReassign(Place(place), w[2][place] != u'-');
        return l.assignLogo(n(1)) ? QString() : QStringLiteral("no place ticked");
    } else if (op == u"mount") {
        const std::optional<Refusal> r = l.pressGunButton(n(1));
        return r ? r->text + QLatin1Char('|') + r->title : QString();
    } else if (op == u"load") { // "load Key=Value,...": a saved configuration, read as the window reads it
        test::MemoryStore store;
        for (const QString &pair : w.value(1).split(QLatin1Char(','), Qt::SkipEmptyParts))
            store.write(configurationSection(0), pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        l.load(readConfiguration(store, 0, [](const QString &) {}));
    } else {
        return QStringLiteral("unknown step ") + op;
    }
    return {};
}

// The first part of "part=value;..." that the description does not show as
// expected, with what it shows instead; empty when all match. A part named
// twice is expected as last named.
inline QString mismatch(const QMap<QString, QString> &shown, const QString &expected)
{
    QMap<QString, QString> wanted;
    for (const QString &part : expected.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        wanted[part.section(QLatin1Char('='), 0, 0)] = part.section(QLatin1Char('='), 1);
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        if (!shown.contains(it.key()) || shown[it.key()] != it.value())
            return QStringLiteral("%1: shows \"%2\", expected \"%3\"").arg(it.key(), shown.value(it.key(), QStringLiteral("?")), it.value());
    }
    return {};
}

// Every item of a loadout under its configuration key, the name as PlaneName.
inline QMap<QString, QString> items(const PlaneSelections &p)
{
    QMap<QString, QString> m{{"PlaneName", p.PlaneName}, {"PlaneType", QString::number(p.PlaneType)},
                             {"SingleTwin", QString::number(p.SingleTwin)}, {"EngineType", QString::number(p.engineCode())},
                             {"ColorScheme", QString::number(p.ColorScheme)}};
    const char *armour[] = {"ArmorNose", "ArmorTail", "ArmorWings"}, *logos[] = {"LogoNose", "LogoTail", "LogoWing"};
    for (int i = 0; i < 3; ++i) {
        m[QLatin1String(armour[i])] = QString::number(p.Armor[i]);
        m[QLatin1String(logos[i])] = QString::number(p.Logo[i]);
        m[QStringLiteral("Color%1").arg(i + 1)] = QString::number(p.Color[i]);
    }
    for (int i = 0; i < 4; ++i) {
        m[QStringLiteral("GunType%1").arg(i)] = QString::number(p.GunType[i]);
        m[QStringLiteral("Bullets%1").arg(i)] = QString::number(p.Bullets[i]);
        m[QStringLiteral("LHP%1").arg(i)] = QString::number(p.HardPoint[Left][i]);
        m[QStringLiteral("RHP%1").arg(i)] = QString::number(p.HardPoint[Right][i]);
    }
    m[QStringLiteral("HPLeft")] = QString::number(p.HP[Left]);
    m[QStringLiteral("HPRight")] = QString::number(p.HP[Right]);
    return m;
}

// Runs "choice;choice;..." and returns the refusals met on the way.
inline QStringList runScript(Loadout &l, const QString &script)
{
    QStringList refusals;
    for (const QString &step : script.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        refusals << run(l, step.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    refusals.removeAll(QString());
    return refusals;
}

} // namespace vte::test
