#include "catalogue/planeselections.h"

namespace vte {

QString mountCaption(Mount mount)
{
    switch (mount) {
    case Mount::Single:
        return QStringLiteral("Single");
    case Mount::Twin:
        return QStringLiteral("Twin");
    case Mount::NotApplicable:
        break;
    }
    return QStringLiteral("N/A");
}

void PlaneSelections::setEngineCode(int code)
{
    Nitro = code > 2;
    EngineType = static_cast<qint16>(Nitro ? code - 3 : code);
}

int PlaneSelections::gunLayout(const PlaneCatalogue &catalogue) const
{
    int layout = catalogue.PlaneTypes(PlaneType).TurretFlags;
    for (int slot = 0; slot < GunSlots; ++slot) {
        if (Mounts[slot] == Mount::Twin)
            layout += 1 << slot;
    }
    return layout;
}

PlaneSelections defaultPlane()
{
    PlaneSelections plane;
    plane.PlaneType = 5;
    plane.ColorScheme = 4;
    plane.Armor = {12, 12, 12};
    plane.GunType.fill(NoGun);
    plane.Bullets.fill(NoAmmunition);
    for (auto &side : plane.HardPoint)
        side.fill(NoRocket);
    plane.Color = {0x0000FF, 0x00FF00, 0x00FFFF};
    plane.Logo = {46, 46, 46};
    return plane;
}

} // namespace vte
