#pragma once

// What a fuzz target asserts: a broken property stops the run, so libFuzzer
// keeps the input that broke it.

#include "catalogue/planeselections.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vte::fuzz {

inline void require(bool holds, const char *what)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken property: %s\n", what);
    std::abort();
}

// Every choice of a loadout is one its list, box or palette can show.
inline void requireShowable(const PlaneSelections &p)
{
    const auto allWithin = [](const auto &values, qint64 highest) {
        return std::ranges::all_of(values, [=](auto value) { return value >= 0 && value <= highest; });
    };
    require(p.PlaneType >= 0 && p.PlaneType <= 10, "plane type in its list");
    require(p.EngineType >= 0 && p.EngineType <= 2, "engine in its list");
    require(allWithin(p.Armor, 12), "armour steps in their lists");
    require(allWithin(p.GunType, NoGun), "guns in their lists");
    require(allWithin(p.Bullets, NoAmmunition), "ammunition in its lists");
    require(allWithin(p.HP, HardPointsPerSide), "hard point counts in their lists");
    for (const auto &side : p.HardPoint)
        require(allWithin(side, NoRocket), "rockets in their lists");
    require(allWithin(p.Color, 0xFFFFFF), "colours hold 24 bits");
    require(p.ColorScheme >= 0 && p.ColorScheme <= 13, "scheme has a name");
    require(allWithin(p.Logo, 49), "logos in the palette");
}

} // namespace vte::fuzz
