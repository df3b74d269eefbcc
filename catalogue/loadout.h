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
    // Everything of the loadout that the window shows, so that putting a
    // state back shows exactly what was shown, without running a rule again.
    struct State
    {
        PlaneSelections plane;
        int schemePosition = 0;
        // The total weight stored in the plane file opened last.
        std::optional<qint32> storedWeight;
        // The places ticked for the next logo.
        std::array<bool, 3> reassign{true, true, true};

        bool operator==(const State &) const = default;
    };

    // The default plane, as the window shows it at start-up.
    Loadout();

    // Puts a loaded loadout in place, then runs the rules that follow a load:
    // the gun buttons from SingleTwin, ammunition only where a gun is fitted,
    // rockets only on hard points in use. A slot that arrives with a gun keeps
    // the ammunition it arrives with.
    void load(const PlaneSelections &plane);
    // Loads a plane file's loadout, with the weight the file stores.
    void open(const PlaneSelections &plane, qint32 storedWeight);
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
    void tickReassign(Place place, bool ticked);
    // Gives the logo to every place ticked for re-assignment and clears their
    // ticks; false when none is ticked.
    bool assignLogo(int logo);

    const State &snapshot() const { return m_state; }
    void restore(const State &state) { m_state = state; }

    const PlaneCatalogue &catalogue() const { return m_catalogue; }
    const PlaneTypeEntry &planeType() const { return m_catalogue.PlaneTypes(m_state.plane.PlaneType); }
    // Every item, mounts included, ColorScheme the scheme shown; SingleTwin is
    // the value last loaded.
    const PlaneSelections &selections() const { return m_state.plane; }
    std::optional<qint32> storedWeight() const { return m_state.storedWeight; }
    const std::array<bool, 3> &reassign() const { return m_state.reassign; }

    bool gunSlotInUse(int slot) const { return m_state.plane.GunType[slot] != NoGun; }
    bool hardPointInUse(Side side, int hardPoint) const { return hardPoint < m_state.plane.HP[side]; }

    Weights weights() const { return computeWeights(m_catalogue, m_state.plane); }
    QString speed() const { return speedText(m_catalogue, m_state.plane); }

    // The scheme list of the plane type and the position selected in it.
    QStringList schemeNames() const;
    int schemePosition() const { return m_state.schemePosition; }
    // The scheme number stored for the selected position.
    int selectedScheme() const { return m_state.plane.ColorScheme; }
    // 1-based number of the scheme picture for the selected position.
    int previewPicture() const { return planeType().Pictures[m_state.schemePosition]; }

    // Why this loadout cannot be exported, if it cannot.
    std::optional<QString> exportRefusal() const;

private:
    void UpdateGunButtons();
    void FillSchemes();
    void applyHardPointCount(Side side);
    void applyGunType(int slot, bool hadGun);

    const PlaneCatalogue &m_catalogue;
    State m_state;
};

} // namespace vte
