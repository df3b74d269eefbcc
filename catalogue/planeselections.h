#pragma once

#include "catalogue/planecatalogue.h"

#include <QString>

#include <array>

namespace vte {

// The mount of a gun slot, as its button's caption shows it.
enum class Mount { Single, Twin, NotApplicable };

QString mountCaption(Mount mount);

// What the name box holds; a plane file has room for one character more.
inline constexpr int MaxPlaneNameLength = 15;

enum Side { Left = 0, Right = 1 };
// Armour and logos are both kept for nose, tail and wings, in that order.
enum Place { Nose = 0, Tail = 1, Wings = 2 };

// One loadout as the main window shows it. List-backed items hold the position
// of the selected entry. Names follow the keys of a saved configuration; the
// arrays hold what the keys number (GunType0..3, LHP0..3 / RHP0..3, Color1..3).
struct PlaneSelections
{
    QString PlaneName;
    qint16 PlaneType = 0;
    std::array<qint16, 3> Armor{}; // ArmorNose, ArmorTail, ArmorWings
    qint16 SingleTwin = 0;         // loaded gun-mount flags: bit i = slot i twin
    qint16 EngineType = 0;         // 0..2; nitro is its own item
    bool Nitro = false;
    std::array<qint16, GunSlots> GunType{};
    std::array<qint16, GunSlots> Bullets{};
    std::array<Mount, GunSlots> Mounts{Mount::NotApplicable, Mount::NotApplicable, Mount::NotApplicable,
                                       Mount::NotApplicable};
    std::array<qint16, 2> HP{};                                       // HPLeft, HPRight
    std::array<std::array<qint16, HardPointsPerSide>, 2> HardPoint{}; // LHPk, RHPk
    std::array<quint32, 3> Color{};                                   // 0x00BBGGRR
    qint16 ColorScheme = 0;                                           // the wanted scheme number
    std::array<qint16, 3> Logo{};                                     // LogoNose, LogoTail, LogoWing

    // Engine and nitro folded into one code, as files and configurations keep it.
    int engineCode() const { return EngineType + (Nitro ? 3 : 0); }
    void setEngineCode(int code);

    // The gun-mount byte of a file or configuration: the type's turret bits
    // plus one bit per twin-mounted slot.
    int gunLayout(const PlaneCatalogue &catalogue) const;

    bool operator==(const PlaneSelections &) const = default;
};

// The default plane that start-up and File > New show.
PlaneSelections defaultPlane();

} // namespace vte
