#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace vte {

// Positions of "nothing fitted" in the choice lists.
inline constexpr int NoGun = 5;
inline constexpr int NoAmmunition = 4;
inline constexpr int NoRocket = 11;
inline constexpr int GunSlots = 4;
inline constexpr int HardPointsPerSide = 4;
inline constexpr int PlaneTypeCount = 11;
inline constexpr int SchemePositions = 4;
inline constexpr int SchemeCount = 14;
// A Schemes entry holding this offers nothing in that place and ends the list.
inline constexpr qint16 NoScheme = 15;

struct PlaneTypeEntry
{
    QString Name;
    qint32 Weight = 0;
    qint32 MaxWeight = 0;
    qint32 EngineWeight = 0;
    std::array<QString, GunSlots> GunLocation;
    qint16 TurretFlags = 0;
    qint32 TypeCode = 0;
    std::array<qint16, SchemePositions> Schemes{};
    std::array<qint16, SchemePositions> Pictures{};

    // The scheme numbers this type offers, in list order (one to four).
    int schemeCount() const;
};

// The game's fixed tables. Every lookup is guarded: an index outside a table
// gives the empty entry, an empty name or 0, so a bad value can never read past
// an array.
class PlaneCatalogue
{
public:
    const PlaneTypeEntry &PlaneTypes(int type) const;
    QString SchemeNames(int scheme) const;
    qint32 GunWeights(int gun) const;
    qint32 PlaneSpeeds(int type, int column) const;

private:
    friend const PlaneCatalogue &InitPlaneCatalogue();
    PlaneCatalogue();

    std::array<PlaneTypeEntry, 12> m_planeTypes;
    std::array<QString, SchemeCount> m_schemeNames;
    std::array<qint32, 6> m_gunWeights{};
    std::array<std::array<qint32, 6>, 12> m_planeSpeeds{};
};

// Builds the tables on first use; later calls return the same catalogue.
const PlaneCatalogue &InitPlaneCatalogue();

// The fixed contents of the main window's choice lists; an entry's position is
// its value.
namespace ChoiceLists {
const QStringList &planeTypes();
const QStringList &gunTypes();
const QStringList &ammunition();
const QStringList &rockets();
const QStringList &engines();
const QStringList &armourSteps();
const QStringList &hardPointCounts();
// What each logo of the palette shows, for those who cannot see it.
const QStringList &logos();
} // namespace ChoiceLists

} // namespace vte
