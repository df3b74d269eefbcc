#pragma once

#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"

#include <QString>

namespace vte {

// The weight row of the main window, in the order of its fields.
struct Weights
{
    qint32 Plane{};
    qint32 Engine{};
    qint32 Armor{};
    qint32 Guns{};
    qint32 HP{};
    qint32 Total{};
    qint32 Maximum{};

    // Equal to the maximum is still allowed.
    bool overWeight() const { return Total > Maximum; }
    static QString overWeightRefusal() { return QStringLiteral("Plane Over Weight"); }
};

Weights computeWeights(const PlaneCatalogue &catalogue, const PlaneSelections &plane);

// "220 mph", or with nitro "220 (292) mph".
QString speedText(const PlaneCatalogue &catalogue, const PlaneSelections &plane);

} // namespace vte
