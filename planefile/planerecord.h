#pragma once

#include "catalogue/loadout.h"
#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"

#include <QString>

#include <array>
#include <cstdint>

namespace vte {

inline constexpr int PlaneRecordSize = 204;
using PlaneRecord = std::array<std::uint8_t, PlaneRecordSize>;

// Offsets of the fields that hold a value in their first byte.
namespace Offset {
inline constexpr int PlaneName = 4;
inline constexpr int PlaneNameLength = 16;
inline constexpr int Fixed40 = 40;
inline constexpr int PlaneType = 44;
inline constexpr int EngineCode = 48;
inline constexpr int HPLeft = 52; // HPRight follows four bytes on
inline constexpr int TotalWeight = 60;
inline constexpr int ColorScheme = 64;
inline constexpr int LogoNose = 92;   // tail and wing follow, four bytes apart
inline constexpr int Color1 = 104;    // red, green, blue, zero; Color2 and 3 follow
inline constexpr int NoseArmor = 116; // tail, wings, then the wings again
inline constexpr int GunLayout = 132;
inline constexpr int GunType0 = 136;
inline constexpr int Bullets0 = 152;
inline constexpr int LHP0 = 168;
inline constexpr int RHP0 = 184;
inline constexpr int TypeCode = 200;
inline constexpr int Fixed201 = 201;
inline constexpr int Fixed202 = 202;
} // namespace Offset

struct DecodedPlane
{
    PlaneSelections selections; // Mounts left as they were: the window derives them
    qint32 storedWeight = 0;
};

// Returns "Field = value" for the first field, in offset order, whose value no
// list of the editor can show, or an empty text when every field fits.
QString findFieldOutOfRange(const PlaneRecord &record);

DecodedPlane DecodePlaneRecord(const PlaneRecord &record);

// Everything the export writes, as values. schemePosition is the selected
// position of the scheme list; the mounts come from plane.Mounts.
PlaneRecord EncodePlaneRecord(const PlaneCatalogue &catalogue, const PlaneSelections &plane, int schemePosition,
                              qint32 totalWeight);
// What the export writes for the loadout, once it has found nothing to refuse.
PlaneRecord exportedRecord(const Loadout &loadout);

} // namespace vte
