#pragma once

#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"
#include "catalogue/weights.h"
#include "configs/settingsstore.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace vte {

inline constexpr int ConfigurationSlots = 4;

// "Plane0" .. "Plane3".
QString configurationSection(int slot);

// The slot's MenuName, or "Empty" when the slot is not in use.
QString configurationMenuName(const SettingsStore &store, int slot);

// The 32 keys of a saved configuration, in the order they are written.
const QStringList &configurationKeys();

// Writes all 32 keys, so a slot always holds one whole configuration.
void writeConfiguration(SettingsStore &store, int slot, const QString &menuName, const PlaneCatalogue &catalogue,
                        const PlaneSelections &plane, int schemePosition);

// "Armor - Guns - HP" and its shorter forms for the parts that weigh nothing;
// empty when every part has weight.
QString missingItems(const Weights &weights);

// Whether loading accepts the number stored for key rather than falling back
// to the key's default. Keys other than the 31 of the loadout accept nothing.
bool inConfigurationRange(const QString &key, double number);

// Reads a slot back. Every value ends inside the range its list can show: a
// missing or non-numeric text silently takes its fallback, a number out of
// range takes the default and is reported through reportIllegal, in key order.
// The plane name is not stored and comes back empty.
PlaneSelections readConfiguration(const SettingsStore &store, int slot,
                                  const std::function<void(const QString &)> &reportIllegal);

} // namespace vte
