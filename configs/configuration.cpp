#include "configs/configuration.h"

#include "configs/numberparser.h"

#include <algorithm>
#include <vector>

namespace vte {

namespace {

const QString MenuNameKey = QStringLiteral("MenuName");
const QString EmptyCaption = QStringLiteral("Empty");

// How one key is checked and where its value goes.
struct KeyRule
{
    QString key;
    qint64 defaultValue;
    qint64 maximum;    // the minimum is 0 for every key
    qint64 notNumeric; // the value for text that is not a number
    QString item;      // names the key in its message; empty: no message
    std::function<void(PlaneSelections &, qint64)> apply;
    // True when an earlier value makes this key meaningless: it then takes
    // notNumeric without being looked at.
    std::function<bool(const PlaneSelections &)> gatedOff;
    bool isColour = false;
};

constexpr qint64 LargestColour = 0xFFFFFF;

QString illegalValueMessage(const QString &item)
{
    return QStringLiteral("Illegal value found for %1, Default used").arg(item);
}

const std::vector<KeyRule> &loadRules()
{
    static const std::vector<KeyRule> rules = [] {
        std::vector<KeyRule> r;
        const auto add = [&r](const QString &key, qint64 def, qint64 max, qint64 notNumeric, const QString &item,
                              std::function<void(PlaneSelections &, qint64)> apply) {
            r.push_back({key, def, max, notNumeric, item, std::move(apply), {}, false});
        };
        const auto to16 = [](qint64 v) { return static_cast<qint16>(v); };

        add(QStringLiteral("PlaneType"), 5, 10, 5, QStringLiteral("Plane Type"),
            [=](PlaneSelections &p, qint64 v) { p.PlaneType = to16(v); });
        const char *armourKeys[] = {"ArmorNose", "ArmorTail", "ArmorWings"};
        const char *armourItems[] = {"Nose Armor", "Tail Armor", "Wing Armor"};
        for (int place : {Nose, Tail, Wings}) {
            // A nose armour that is not a number gives step 5, unlike every other key.
            add(QLatin1String(armourKeys[place]), 0, 12, place == Nose ? 5 : 0, QLatin1String(armourItems[place]),
                [=](PlaneSelections &p, qint64 v) { p.Armor[place] = to16(v); });
        }
        add(QStringLiteral("SingleTwin"), 0, 207, 0, QStringLiteral("Gun Layouts"),
            [=](PlaneSelections &p, qint64 v) { p.SingleTwin = to16(v); });
        add(QStringLiteral("EngineType"), 0, 5, 0, QStringLiteral("Engine"),
            [](PlaneSelections &p, qint64 v) { p.setEngineCode(static_cast<int>(v)); });
        for (int gun = 0; gun < GunSlots; ++gun) {
            add(QStringLiteral("GunType%1").arg(gun), NoGun, NoGun, NoGun, QStringLiteral("Gun %1").arg(gun + 1),
                [=](PlaneSelections &p, qint64 v) { p.GunType[gun] = to16(v); });
        }
        for (int gun = 0; gun < GunSlots; ++gun) {
            add(QStringLiteral("Bullets%1").arg(gun), NoAmmunition, NoAmmunition, NoAmmunition,
                QStringLiteral("Ammo %1").arg(gun + 1),
                [=](PlaneSelections &p, qint64 v) { p.Bullets[gun] = to16(v); });
            r.back().gatedOff = [gun](const PlaneSelections &p) { return p.GunType[gun] == NoGun; };
        }
        const char *sideNames[] = {"Left", "Right"};
        for (int side : {Left, Right}) {
            add(QStringLiteral("HP%1").arg(QLatin1String(sideNames[side])), 0, HardPointsPerSide, 0,
                QStringLiteral("%1 Hard Points").arg(QLatin1String(sideNames[side])),
                [=](PlaneSelections &p, qint64 v) { p.HP[side] = to16(v); });
        }
        for (int side : {Left, Right}) {
            for (int k = 0; k < HardPointsPerSide; ++k) {
                add(QStringLiteral("%1HP%2").arg(QLatin1Char(side == Left ? 'L' : 'R')).arg(k), NoRocket, NoRocket,
                    NoRocket, QStringLiteral("%1 Rocket %2").arg(QLatin1String(sideNames[side])).arg(k + 1),
                    [=](PlaneSelections &p, qint64 v) { p.HardPoint[side][k] = to16(v); });
                r.back().gatedOff = [side](const PlaneSelections &p) { return p.HP[side] == 0; };
            }
        }
        const char *colourItems[] = {"First Color", "Second Color", "Third Color"};
        const qint64 colourDefaults[] = {0x0000FF, 0x00FF00, 0x00FFFF};
        for (int c = 0; c < 3; ++c) {
            add(QStringLiteral("Color%1").arg(c + 1), colourDefaults[c], LargestColour, colourDefaults[c],
                QLatin1String(colourItems[c]),
                [=](PlaneSelections &p, qint64 v) { p.Color[c] = static_cast<quint32>(v); });
            r.back().isColour = true;
        }
        // An unknown scheme quietly falls back to the type's first.
        add(QStringLiteral("ColorScheme"), 4, 13, 4, QString(),
            [=](PlaneSelections &p, qint64 v) { p.ColorScheme = to16(v); });
        const char *logoItems[] = {"Nose Logo", "Tail Logo", "Wing Logo"};
        const char *logoKeys[] = {"LogoNose", "LogoTail", "LogoWing"};
        for (int place : {Nose, Tail, Wings}) {
            add(QLatin1String(logoKeys[place]), 46, 49, 46, QLatin1String(logoItems[place]),
                [=](PlaneSelections &p, qint64 v) { p.Logo[place] = to16(v); });
        }
        return r;
    }();
    return rules;
}

// Whole-number keys are rounded first; a value that no 16-bit number holds is
// out of range.
std::optional<qint64> checkWhole(double number, const KeyRule &rule)
{
    const std::optional<qint16> whole = roundToInt16(number);
    if (whole && *whole >= 0 && *whole <= rule.maximum)
        return *whole;
    return std::nullopt;
}

// Colours are compared with their fraction, and only then rounded. Numbers past
// 0xFFFFFF would fit the stored form but name no 24-bit colour, so they are
// refused as out of range.
std::optional<qint64> checkColour(double number)
{
    if (!(number >= 0.0 && number <= LargestColour + 0.5))
        return std::nullopt;
    const qint64 whole = roundHalfEven(number);
    if (whole > LargestColour)
        return std::nullopt;
    return whole;
}

std::optional<qint64> checkValue(double number, const KeyRule &rule)
{
    return rule.isColour ? checkColour(number) : checkWhole(number, rule);
}

qint64 readValue(const SettingsStore &store, const QString &section, const KeyRule &rule,
                 const std::function<void(const QString &)> &reportIllegal)
{
    const QString text = store.read(section, rule.key, QString::number(rule.defaultValue));
    const std::optional<double> number = parseNumber(text);
    if (!number)
        return rule.notNumeric;
    if (const std::optional<qint64> value = checkValue(*number, rule))
        return *value;
    if (!rule.item.isEmpty() && reportIllegal)
        reportIllegal(illegalValueMessage(rule.item));
    return rule.defaultValue;
}

QString storedColour(quint32 colour)
{
    return QString::number(static_cast<qint32>(colour & LargestColour));
}

} // namespace

QString configurationSection(int slot)
{
    return QStringLiteral("Plane%1").arg(slot);
}

QString configurationMenuName(const SettingsStore &store, int slot)
{
    return store.read(configurationSection(slot), MenuNameKey, EmptyCaption);
}

const QStringList &configurationKeys()
{
    static const QStringList keys = [] {
        QStringList list{MenuNameKey};
        // Loading reads the keys in the order saving writes them.
        for (const KeyRule &rule : loadRules())
            list << rule.key;
        return list;
    }();
    return keys;
}

void writeConfiguration(SettingsStore &store, int slot, const QString &menuName, const PlaneCatalogue &catalogue,
                        const PlaneSelections &plane, int schemePosition)
{
    const PlaneTypeEntry &entry = catalogue.PlaneTypes(plane.PlaneType);
    const int position = std::clamp(schemePosition, 0, SchemePositions - 1);
    QStringList values{menuName,
                       QString::number(plane.PlaneType),
                       QString::number(plane.Armor[Nose]),
                       QString::number(plane.Armor[Tail]),
                       QString::number(plane.Armor[Wings]),
                       QString::number(plane.gunLayout(catalogue)),
                       QString::number(plane.engineCode())};
    for (qint16 gun : plane.GunType)
        values << QString::number(gun);
    for (qint16 bullets : plane.Bullets)
        values << QString::number(bullets);
    for (qint16 count : plane.HP)
        values << QString::number(count);
    for (const auto &side : plane.HardPoint) {
        for (qint16 rocket : side)
            values << QString::number(rocket);
    }
    for (quint32 colour : plane.Color)
        values << storedColour(colour);
    values << QString::number(entry.Schemes[position]);
    for (qint16 logo : plane.Logo)
        values << QString::number(logo);

    const QString section = configurationSection(slot);
    const QStringList &keys = configurationKeys();
    for (qsizetype i = 0; i < keys.size(); ++i)
        store.write(section, keys[i], values[i]);
}

QString missingItems(const Weights &weights)
{
    QStringList missing;
    if (weights.Armor == 0)
        missing << QStringLiteral("Armor");
    if (weights.Guns == 0)
        missing << QStringLiteral("Guns");
    if (weights.HP == 0)
        missing << QStringLiteral("HP");
    return missing.join(QStringLiteral(" - "));
}

bool inConfigurationRange(const QString &key, double number)
{
    const std::vector<KeyRule> &rules = loadRules();
    const auto rule = std::find_if(rules.cbegin(), rules.cend(), [&key](const KeyRule &r) { return r.key == key; });
    return rule != rules.cend() && checkValue(number, *rule).has_value();
}

PlaneSelections readConfiguration(const SettingsStore &store, int slot,
                                  const std::function<void(const QString &)> &reportIllegal)
{
    const QString section = configurationSection(slot);
    PlaneSelections plane;
    for (const KeyRule &rule : loadRules()) {
        const qint64 value =
            rule.gatedOff && rule.gatedOff(plane) ? rule.notNumeric : readValue(store, section, rule, reportIllegal);
        rule.apply(plane, value);
    }
    return plane;
}

} // namespace vte
