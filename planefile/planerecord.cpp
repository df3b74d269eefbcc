#include "planefile/planerecord.h"

#include "planefile/cp1252.h"

#include <QByteArray>

#include <algorithm>

namespace vte {

namespace {

constexpr int SlotWidth = 4;
constexpr int ArmourPointsPerStep = 5;
// Armour values up to 62 still round to the last step, 60.
constexpr int MaxArmourPoints = 62;

struct FieldRange
{
    const char *name;
    int offset;
    int maximum;
};

// The checked fields, in offset order, so the first fault named is the first in the file.
constexpr FieldRange CheckedFields[] = {
    {"PlaneType", Offset::PlaneType, PlaneTypeCount - 1},
    {"EngineCode", Offset::EngineCode, 5},
    {"HPLeft", Offset::HPLeft, HardPointsPerSide},
    {"HPRight", Offset::HPLeft + SlotWidth, HardPointsPerSide},
    {"ColorScheme", Offset::ColorScheme, 13},
    {"LogoNose", Offset::LogoNose, 49},
    {"LogoTail", Offset::LogoNose + SlotWidth, 49},
    {"LogoWing", Offset::LogoNose + 2 * SlotWidth, 49},
    {"NoseArmor", Offset::NoseArmor, MaxArmourPoints},
    {"TailArmor", Offset::NoseArmor + SlotWidth, MaxArmourPoints},
    {"WingArmor", Offset::NoseArmor + 2 * SlotWidth, MaxArmourPoints},
    {"GunLayout", Offset::GunLayout, 207},
    {"GunType0", Offset::GunType0, NoGun},
    {"GunType1", Offset::GunType0 + SlotWidth, NoGun},
    {"GunType2", Offset::GunType0 + 2 * SlotWidth, NoGun},
    {"GunType3", Offset::GunType0 + 3 * SlotWidth, NoGun},
    {"Bullets0", Offset::Bullets0, NoAmmunition},
    {"Bullets1", Offset::Bullets0 + SlotWidth, NoAmmunition},
    {"Bullets2", Offset::Bullets0 + 2 * SlotWidth, NoAmmunition},
    {"Bullets3", Offset::Bullets0 + 3 * SlotWidth, NoAmmunition},
    {"LHP0", Offset::LHP0, NoRocket},
    {"LHP1", Offset::LHP0 + SlotWidth, NoRocket},
    {"LHP2", Offset::LHP0 + 2 * SlotWidth, NoRocket},
    {"LHP3", Offset::LHP0 + 3 * SlotWidth, NoRocket},
    {"RHP0", Offset::RHP0, NoRocket},
    {"RHP1", Offset::RHP0 + SlotWidth, NoRocket},
    {"RHP2", Offset::RHP0 + 2 * SlotWidth, NoRocket},
    {"RHP3", Offset::RHP0 + 3 * SlotWidth, NoRocket},
};

// Field n of a run of four-byte slots starting at first.
constexpr int slot(int first, int n)
{
    return first + n * SlotWidth;
}

constexpr int rocketsOffset(int side)
{
    return side == Left ? Offset::LHP0 : Offset::RHP0;
}

} // namespace

QString findFieldOutOfRange(const PlaneRecord &record)
{
    for (const FieldRange &field : CheckedFields) {
        const int value = record[field.offset];
        if (value > field.maximum)
            return QStringLiteral("%1 = %2").arg(QLatin1String(field.name)).arg(value);
    }
    return {};
}

DecodedPlane DecodePlaneRecord(const PlaneRecord &record)
{
    DecodedPlane decoded;
    PlaneSelections &plane = decoded.selections;

    QByteArray name;
    for (int i = 0; i < Offset::PlaneNameLength && record[Offset::PlaneName + i] != 0; ++i)
        name += static_cast<char>(record[Offset::PlaneName + i]);
    plane.PlaneName = decodeCp1252(name);

    plane.PlaneType = record[Offset::PlaneType];
    plane.setEngineCode(record[Offset::EngineCode]);
    for (int side : {Left, Right})
        plane.HP[side] = record[slot(Offset::HPLeft, side)];

    const auto weightByte = [&](int i) { return static_cast<std::uint32_t>(record[Offset::TotalWeight + i]); };
    decoded.storedWeight =
        static_cast<qint32>(weightByte(0) | weightByte(1) << 8 | weightByte(2) << 16 | weightByte(3) << 24);

    plane.ColorScheme = record[Offset::ColorScheme];
    for (int place : {Nose, Tail, Wings}) {
        plane.Logo[place] = record[slot(Offset::LogoNose, place)];
        const int base = slot(Offset::Color1, place);
        plane.Color[place] = record[base] | record[base + 1] << 8 | record[base + 2] << 16;
        plane.Armor[place] = static_cast<qint16>((record[slot(Offset::NoseArmor, place)] + 2) / ArmourPointsPerStep);
    }

    plane.SingleTwin = record[Offset::GunLayout];
    for (int gun = 0; gun < GunSlots; ++gun) {
        plane.GunType[gun] = record[slot(Offset::GunType0, gun)];
        plane.Bullets[gun] = record[slot(Offset::Bullets0, gun)];
    }
    for (int side : {Left, Right}) {
        for (int k = 0; k < HardPointsPerSide; ++k)
            plane.HardPoint[side][k] = record[slot(rocketsOffset(side), k)];
    }
    return decoded;
}

PlaneRecord EncodePlaneRecord(const PlaneCatalogue &catalogue, const PlaneSelections &plane, int schemePosition,
                              qint32 totalWeight)
{
    const PlaneTypeEntry &entry = catalogue.PlaneTypes(plane.PlaneType);
    const auto byte = [](int value) { return static_cast<std::uint8_t>(value & 0xFF); };

    PlaneRecord record{};
    // One byte short of the field, so a name always ends in a zero byte.
    const QByteArray name = encodeCp1252(plane.PlaneName).left(Offset::PlaneNameLength - 1);
    for (int i = 0; i < name.size(); ++i)
        record[Offset::PlaneName + i] = static_cast<std::uint8_t>(name[i]);

    record[Offset::Fixed40] = 0x10;
    record[Offset::Fixed40 + 1] = 0x27;
    record[Offset::PlaneType] = byte(plane.PlaneType);
    record[Offset::EngineCode] = byte(plane.engineCode());
    for (int side : {Left, Right})
        record[slot(Offset::HPLeft, side)] = byte(plane.HP[side]);
    record[Offset::TotalWeight] = byte(totalWeight);
    record[Offset::TotalWeight + 1] = byte(totalWeight >> 8);
    record[Offset::ColorScheme] = byte(entry.Schemes[std::clamp(schemePosition, 0, SchemePositions - 1)]);

    for (int place : {Nose, Tail, Wings}) {
        record[slot(Offset::LogoNose, place)] = byte(plane.Logo[place]);
        const int base = slot(Offset::Color1, place);
        for (int component = 0; component < 3; ++component)
            record[base + component] = byte(static_cast<int>(plane.Color[place] >> (8 * component)));
        record[slot(Offset::NoseArmor, place)] = byte(plane.Armor[place] * ArmourPointsPerStep);
    }
    record[slot(Offset::NoseArmor, 3)] = byte(plane.Armor[Wings] * ArmourPointsPerStep);

    record[Offset::GunLayout] = byte(plane.gunLayout(catalogue));
    for (int gun = 0; gun < GunSlots; ++gun) {
        record[slot(Offset::GunType0, gun)] = byte(plane.GunType[gun]);
        record[slot(Offset::Bullets0, gun)] = byte(plane.Bullets[gun]);
    }
    for (int side : {Left, Right}) {
        for (int k = 0; k < HardPointsPerSide; ++k)
            record[slot(rocketsOffset(side), k)] = byte(plane.HardPoint[side][k]);
    }

    record[Offset::TypeCode] = byte(entry.TypeCode);
    record[Offset::Fixed201] = 99;
    record[Offset::Fixed202] = 100;
    return record;
}

PlaneRecord exportedRecord(const Loadout &loadout)
{
    return EncodePlaneRecord(loadout.catalogue(), loadout.selections(), loadout.schemePosition(),
                             loadout.weights().Total);
}

} // namespace vte
