#include "catalogue/loadout.h"

namespace vte {

namespace {

constexpr int DumDum = 1;
constexpr qint16 DefaultScheme = 4;

} // namespace

Loadout::Loadout()
    : m_catalogue(InitPlaneCatalogue())
{
    load(defaultPlane());
}

void Loadout::load(const PlaneSelections &plane)
{
    m_state.plane = plane;
    m_state.plane.PlaneName.truncate(MaxPlaneNameLength);
    UpdateGunButtons();
    FillSchemes();
    for (Side side : {Left, Right})
        applyHardPointCount(side);
    for (int slot = 0; slot < GunSlots; ++slot)
        applyGunType(slot, true);
}

void Loadout::open(const PlaneSelections &plane, qint32 storedWeight)
{
    load(plane);
    m_state.storedWeight = storedWeight;
}

void Loadout::ResetPlane()
{
    PlaneSelections plane = defaultPlane();
    plane.PlaneName = m_state.plane.PlaneName;
    plane.Color = m_state.plane.Color;
    plane.Logo = m_state.plane.Logo;
    // The gun-mount flags belong to the last load; nothing reads them until the next.
    plane.SingleTwin = m_state.plane.SingleTwin;
    load(plane);
}

// The mounts of a loaded loadout: the flag bit wins over "No Gun", which the
// gun rule puts right afterwards.
void Loadout::UpdateGunButtons()
{
    for (int slot = GunSlots - 1; slot >= 0; --slot) {
        if (m_state.plane.SingleTwin & (1 << slot))
            m_state.plane.Mounts[slot] = Mount::Twin;
        else
            m_state.plane.Mounts[slot] = gunSlotInUse(slot) ? Mount::Single : Mount::NotApplicable;
    }
}

// A scheme the plane type does not offer shows as its first.
void Loadout::FillSchemes()
{
    const PlaneTypeEntry &entry = planeType();
    int position = 0;
    for (int i = 0; i < entry.schemeCount(); ++i) {
        if (entry.Schemes[i] == m_state.plane.ColorScheme)
            position = i;
    }
    chooseScheme(position);
}

QStringList Loadout::schemeNames() const
{
    const PlaneTypeEntry &entry = planeType();
    QStringList names;
    for (int i = 0; i < entry.schemeCount(); ++i)
        names << m_catalogue.SchemeNames(entry.Schemes[i]);
    return names;
}

void Loadout::choosePlaneType(int type)
{
    if (type == m_state.plane.PlaneType || type < 0 || type >= PlaneTypeCount)
        return;
    m_state.plane.PlaneType = static_cast<qint16>(type);
    m_state.plane.ColorScheme = DefaultScheme;
    FillSchemes();
}

void Loadout::chooseArmor(Place place, int step)
{
    m_state.plane.Armor[place] = static_cast<qint16>(step);
}

void Loadout::chooseEngine(int engine)
{
    m_state.plane.EngineType = static_cast<qint16>(engine);
}

void Loadout::chooseNitro(bool nitro)
{
    m_state.plane.Nitro = nitro;
}

void Loadout::chooseGunType(int slot, int gun)
{
    const bool hadGun = gunSlotInUse(slot);
    m_state.plane.GunType[slot] = static_cast<qint16>(gun);
    applyGunType(slot, hadGun);
}

// The gun rule. A slot that had a gun keeps its ammunition; one that is given
// its first gun starts twin-mounted with "Dum Dum".
void Loadout::applyGunType(int slot, bool hadGun)
{
    Mount &mount = m_state.plane.Mounts[slot];
    if (m_state.plane.GunType[slot] == NoGun) {
        mount = Mount::NotApplicable;
        m_state.plane.Bullets[slot] = NoAmmunition;
        return;
    }
    if (mount == Mount::NotApplicable)
        mount = Mount::Twin;
    if (!hadGun)
        m_state.plane.Bullets[slot] = DumDum;
}

void Loadout::chooseBullets(int slot, int bullets)
{
    if (gunSlotInUse(slot))
        m_state.plane.Bullets[slot] = static_cast<qint16>(bullets);
}

std::optional<Refusal> Loadout::pressGunButton(int slot)
{
    if (!gunSlotInUse(slot))
        return Refusal{QStringLiteral("Please select a Gun first"), QStringLiteral("Gun Selection Required")};
    Mount &mount = m_state.plane.Mounts[slot];
    mount = mount == Mount::Single ? Mount::Twin : Mount::Single;
    return std::nullopt;
}

void Loadout::chooseHardPoints(Side side, int count)
{
    if (count < 0 || count > HardPointsPerSide)
        return;
    m_state.plane.HP[side] = static_cast<qint16>(count);
    applyHardPointCount(side);
}

void Loadout::applyHardPointCount(Side side)
{
    for (int k = m_state.plane.HP[side]; k < HardPointsPerSide; ++k)
        m_state.plane.HardPoint[side][k] = NoRocket;
}

void Loadout::chooseRocket(Side side, int hardPoint, int rocket)
{
    if (hardPointInUse(side, hardPoint))
        m_state.plane.HardPoint[side][hardPoint] = static_cast<qint16>(rocket);
}

void Loadout::chooseScheme(int position)
{
    if (position < 0 || position >= planeType().schemeCount())
        return;
    m_state.schemePosition = position;
    m_state.plane.ColorScheme = planeType().Schemes[position];
}

void Loadout::setPlaneName(const QString &name)
{
    m_state.plane.PlaneName = name.left(MaxPlaneNameLength);
}

void Loadout::setColor(int swatch, quint32 colour)
{
    m_state.plane.Color[swatch] = colour;
}

void Loadout::tickReassign(Place place, bool ticked)
{
    m_state.reassign[place] = ticked;
}

bool Loadout::assignLogo(int logo)
{
    bool assigned = false;
    for (int place : {Nose, Tail, Wings}) {
        if (m_state.reassign[place]) {
            m_state.plane.Logo[place] = static_cast<qint16>(logo);
            m_state.reassign[place] = false;
            assigned = true;
        }
    }
    return assigned;
}

std::optional<QString> Loadout::exportRefusal() const
{
    if (m_state.plane.PlaneName.isEmpty())
        return QStringLiteral("Plane Name Required");
    if (weights().overWeight())
        return Weights::overWeightRefusal();
    return std::nullopt;
}

} // namespace vte
