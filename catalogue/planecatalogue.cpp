#include "catalogue/planecatalogue.h"

namespace vte {

namespace {

template <typename Table>
bool inRange(const Table &table, int index)
{
    return index >= 0 && index < static_cast<int>(table.size());
}

} // namespace

int PlaneTypeEntry::schemeCount() const
{
    int count = 1;
    while (count < SchemePositions && Schemes[count] != NoScheme)
        ++count;
    return count;
}

PlaneCatalogue::PlaneCatalogue()
{
    struct Row
    {
        const char *name;
        qint32 weight, maxWeight, engineWeight;
        qint16 turretFlags;
        std::array<const char *, GunSlots> locations;
        std::array<qint16, SchemePositions> schemes, pictures;
        std::array<qint32, 6> speeds;
    };
    // One plane type to three lines, as the game's table lists them.
    // clang-format off
    static const Row rows[PlaneTypeCount] = {
        {"Corvane", 1400, 4160, 500, 0,
         {"Inner Wing 1", "Inner Wing 2", "Outer Wing 1", "Outer Wing 2"},
         {4, 11, 13, 0}, {2, 3, 4, 1}, {180, 200, 220, 239, 266, 292}},
        {"Grimsbane", 3255, 9525, 1500, 128,
         {"Nose 1", "Nose 2", "Inner Wing", "Rear Turret"},
         {4, 9, 10, 15}, {5, 6, 7, 99}, {234, 261, 287, 312, 347, 381}},
        {"Thornleigh", 5460, 15760, 2500, 192,
         {"Inner Wing", "Outer Wing", "Nose Turret", "Rear Turret"},
         {4, 3, 15, 15}, {9, 8, 99, 99}, {113, 126, 138, 150, 167, 184}},
        {"Vexmire", 2415, 6545, 500, 0,
         {"Inner Wing", "Outer Wing", "Upper Nose", "Lower Nose"},
         {4, 2, 6, 15}, {11, 10, 12, 99}, {270, 300, 330, 359, 399, 438}},
        {"Scaramond", 3885, 11015, 1500, 128,
         {"Outer Wing 1", "Outer Wing 2", "Inner Wing", "Rear Turret"},
         {4, 7, 0, 15}, {14, 15, 13, 99}, {216, 240, 264, 287, 319, 351}},
        {"Ironclave", 3500, 10100, 1500, 0,
         {"Lower Inner Wing", "Lower Outer Wing", "Upper Inner Wing", "Upper Outer Wing"},
         {4, 8, 15, 15}, {16, 17, 99, 99}, {225, 251, 276, 300, 333, 367}},
        {"Cindervale", 4725, 14035, 2500, 128,
         {"Inner Wing", "Middle Wing", "Outer Wing", "Rear Turret"},
         {4, 5, 15, 15}, {18, 19, 99, 99}, {186, 207, 227, 247, 275, 302}},
        {"Tempestra", 2870, 7610, 500, 0,
         {"Outer Wing 1", "Outer Wing 2", "Inner Wing 1", "Inner Wing 2"},
         {4, 1, 6, 11}, {21, 20, 22, 23}, {252, 281, 309, 336, 373, 411}},
        {"Swiftmere", 4620, 13780, 2500, 128,
         {"Center 1", "Center 2", "Outer Wing", "Rear Turret"},
         {4, 6, 7, 15}, {24, 25, 26, 99}, {193, 215, 236, 257, 285, 314}},
        {"Arbiteron", 2695, 7205, 500, 0,
         {"Center", "Right Fuselage", "Right Wing", "Left Wing"},
         {4, 2, 3, 12}, {29, 27, 28, 30}, {261, 290, 319, 347, 385, 424}},
        {"Galeborn", 5005, 14675, 2500, 0,
         {"Inner Wing 1", "Inner Wing 2", "Outer Wing 1", "Outer Wing 2"},
         {4, 9, 0, 15}, {32, 33, 31, 99}, {180, 201, 221, 240, 267, 294}},
    };
    // clang-format on

    for (int type = 0; type < PlaneTypeCount; ++type) {
        const Row &row = rows[type];
        PlaneTypeEntry &entry = m_planeTypes[type];
        entry.Name = QString::fromLatin1(row.name);
        entry.Weight = row.weight;
        entry.MaxWeight = row.maxWeight;
        entry.EngineWeight = row.engineWeight;
        for (int slot = 0; slot < GunSlots; ++slot)
            entry.GunLocation[slot] = QString::fromLatin1(row.locations[slot]);
        entry.TurretFlags = row.turretFlags;
        entry.TypeCode = 60 + 4 * type;
        entry.Schemes = row.schemes;
        entry.Pictures = row.pictures;
        m_planeSpeeds[type] = row.speeds;
    }

    const char *schemes[] = {"Slate Crows",
                             "The Night Heron",
                             "Orrin Airways",
                             "Crown Flying Corps",
                             "The Gilded Rovers",
                             "Silver Screen Lancers",
                             "Marlow Airworks",
                             "Basilisk",
                             "ZRKS",
                             "Holy Covenant",
                             "Nordwehr",
                             "Backlot Guard",
                             "Marquee Raiders",
                             "Jitney"};
    for (size_t i = 0; i < m_schemeNames.size(); ++i)
        m_schemeNames[i] = QString::fromLatin1(schemes[i]);

    m_gunWeights = {280, 380, 480, 580, 680, 0};
}

const PlaneTypeEntry &PlaneCatalogue::PlaneTypes(int type) const
{
    return inRange(m_planeTypes, type) ? m_planeTypes[type] : m_planeTypes.back();
}

QString PlaneCatalogue::SchemeNames(int scheme) const
{
    return inRange(m_schemeNames, scheme) ? m_schemeNames[scheme] : QString();
}

qint32 PlaneCatalogue::GunWeights(int gun) const
{
    return inRange(m_gunWeights, gun) ? m_gunWeights[gun] : 0;
}

qint32 PlaneCatalogue::PlaneSpeeds(int type, int column) const
{
    if (!inRange(m_planeSpeeds, type) || !inRange(m_planeSpeeds[type], column))
        return 0;
    return m_planeSpeeds[type][column];
}

const PlaneCatalogue &InitPlaneCatalogue()
{
    static const PlaneCatalogue catalogue;
    return catalogue;
}

namespace ChoiceLists {

const QStringList &planeTypes()
{
    static const QStringList list = [] {
        QStringList names;
        for (int type = 0; type < PlaneTypeCount; ++type)
            names << InitPlaneCatalogue().PlaneTypes(type).Name;
        return names;
    }();
    return list;
}

const QStringList &gunTypes()
{
    static const QStringList list{".30 cal Sirocco",  ".40 cal",          ".50 cal",
                                  ".60 cal Tamarack", ".70 cal Behemoth", "No Gun"};
    return list;
}

const QStringList &ammunition()
{
    static const QStringList list{"Slug", "Dum Dum", "Armor Piercing", "Explosive", "None"};
    return list;
}

const QStringList &rockets()
{
    static const QStringList list{"AP",     "HE",     "Flak",   "Sonic",  "Flash",   "Rear Flash",
                                  "Smoker", "Choker", "Beeper", "Seeker", "Torpedo", "None"};
    return list;
}

const QStringList &engines()
{
    static const QStringList list{"Small", "Medium", "Large"};
    return list;
}

const QStringList &armourSteps()
{
    // Five armour points a step; one-digit steps are padded with a blank so the
    // column lines up.
    static const QStringList list = [] {
        QStringList steps;
        for (int step = 0; step <= 12; ++step)
            steps << QStringLiteral("%1").arg(step * 5, 2);
        return steps;
    }();
    return list;
}

const QStringList &hardPointCounts()
{
    static const QStringList list{"0", "1", "2", "3", "4"};
    return list;
}

// In the order scripts/draw-pictures.py draws them.
const QStringList &logos()
{
    static const QStringList list =
        QStringLiteral(
            "Roundel|Star|Wings|Eagle|Wolf|Cat|Skull|Letter V|Letter Z|Chevrons|Crown|Lightning Bolt|Anchor|"
            "Heart|Red Cross on a Shield|Sun|Moon|Die|Spade|Club|Diamond|Arrow|Crossed Swords|Propeller|"
            "Bomb|Crow|Snake|Horseshoe|Key|Flame|Gun Sight|Hazard Stripes|Number 7|Number 13|Gear|Hourglass|"
            "Eye|Mountain|Pine Tree|Tower|Shark|Bat|Spider|Film Reel|Flag|Trident|Clover|Bull|Flower|Letter R")
            .split(QLatin1Char('|'));
    return list;
}

} // namespace ChoiceLists

} // namespace vte
