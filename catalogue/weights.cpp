#include "catalogue/weights.h"

namespace vte {

namespace {

constexpr qint32 EngineStep = 500;
constexpr qint32 NitroWeight = 500;
constexpr qint32 ArmourStepWeight = 20;
constexpr qint32 HardPointWeight = 480;
constexpr qint32 TurretWeight = 240;

qint32 gunWeight(const PlaneCatalogue &catalogue, const PlaneSelections &plane)
{
    qint32 sum = 0;
    for (int slot = 0; slot < GunSlots; ++slot) {
        const qint32 one = catalogue.GunWeights(plane.GunType[slot]);
        sum += plane.Mounts[slot] == Mount::Twin ? 2 * one : one;
    }
    // Only the last slot's turret is charged, even where the third is a turret too.
    constexpr int turretSlot = GunSlots - 1;
    if (plane.GunType[turretSlot] != NoGun && catalogue.PlaneTypes(plane.PlaneType).TurretFlags > 0)
        sum += plane.Mounts[turretSlot] == Mount::Twin ? 2 * TurretWeight : TurretWeight;
    return sum;
}

} // namespace

Weights computeWeights(const PlaneCatalogue &catalogue, const PlaneSelections &plane)
{
    const PlaneTypeEntry &entry = catalogue.PlaneTypes(plane.PlaneType);
    Weights w;
    w.Plane = entry.Weight;
    w.Engine = plane.EngineType * EngineStep + entry.EngineWeight + (plane.Nitro ? NitroWeight : 0);
    w.Armor = (plane.Armor[Tail] + plane.Armor[Nose] + 2 * plane.Armor[Wings]) * ArmourStepWeight;
    w.Guns = gunWeight(catalogue, plane);
    w.HP = (plane.HP[Left] + plane.HP[Right]) * HardPointWeight;
    w.Total = w.Plane + w.Engine + w.Armor + w.Guns + w.HP;
    w.Maximum = entry.MaxWeight;
    return w;
}

QString speedText(const PlaneCatalogue &catalogue, const PlaneSelections &plane)
{
    QString text = QString::number(catalogue.PlaneSpeeds(plane.PlaneType, plane.EngineType));
    if (plane.Nitro)
        text += QStringLiteral(" (%1)").arg(catalogue.PlaneSpeeds(plane.PlaneType, plane.EngineType + 3));
    return text + QStringLiteral(" mph");
}

} // namespace vte
