#pragma once

#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"
#include "catalogue/weights.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vte {

// A choice the rules turn down, to be shown to the user as it stands.
struct Refusal
{
    QString text;
    QString title;
};

// The loadout as the main window shows it, and the rules that tie its items
// together. The window forwards each choice of the user to one operation here
// and then shows what this answers; the command line uses the same rules.
//
// A choice equal to the current one changes nothing, as a list re-selecting
// its own entry raises no event. Slots not in use need no state of their own:
// a gun slot is in use exactly while it holds a gun, a hard point while it
// lies below its side's count, because every rule leaves them so.
class Loadout
{
public:
    // The default plane, as the window shows it at start-up.
    Loadout();

    // Puts a loaded loadout in place, then runs the rules that follow a load:
    // the gun buttons from SingleTwin, ammunition only where a gun is fitted,
    // rockets only on hard points in use. A slot that arrives with a gun keeps
    // the ammunition it arrives with.
    void load(const PlaneSelections &plane);
    // Back to the default plane, keeping the name, the paint and the logos.
    void ResetPlane();

    void choosePlaneType(int type);
    void chooseArmor(Place place, int step);
    void chooseEngine(int engine);
    void chooseNitro(bool nitro);
    void chooseGunType(int slot, int gun);
    void chooseBullets(int slot, int bullets);
    // Moves the mount on: "N/A" and "Twin" to "Single", "Single" to "Twin".
    std::optional<Refusal> pressGunButton(int slot);
    void chooseHardPoints(Side side, int count);
    void chooseRocket(Side side, int hardPoint, int rocket);
    void chooseScheme(int position);
    void setPlaneName(const QString &name);
    void setColor(int swatch, quint32 colour);
    // Gives the logo to every place ticked for re-assignment; false when none is.
    bool assignLogo(int logo, const std::array<bool, 3> &places);

    const PlaneCatalogue &catalogue() const { return m_catalogue; }
    const PlaneTypeEntry &planeType() const { return m_catalogue.PlaneTypes(m_plane.PlaneType); }
    // Every item, mounts included, ColorScheme the scheme shown; SingleTwin is
    // the value last loaded.
    const PlaneSelections &selections() const { return m_plane; }

    bool gunSlotInUse(int slot) const { return m_plane.GunType[slot] != NoGun; }
    bool hardPointInUse(Side side, int hardPoint) const { return hardPoint < m_plane.HP[side]; }

    Weights weights() const { return computeWeights(m_catalogue, m_plane); }
    QString speed() const { return speedText(m_catalogue, m_plane); }

    // The scheme list of the plane type and the position selected in it.
    QStringList schemeNames() const;
    int schemePosition() const { return m_schemePosition; }
    // The scheme number stored for the selected position.
    int selectedScheme() const { return m_plane.ColorScheme; }
    // 1-based number of the scheme picture for the selected position.
    int previewPicture() const { return planeType().Pictures[m_schemePosition]; }

    // Why this loadout cannot be exported, if it cannot.
    std::optional<QString> exportRefusal() const;

private:
    void UpdateGunButtons();
    void FillSchemes();
    void applyHardPointCount(Side side);
    void applyGunType(int slot, bool hadGun);

    const PlaneCatalogue &m_catalogue;
    PlaneSelections m_plane;
    int m_schemePosition = 0;
};

} // namespace vte
