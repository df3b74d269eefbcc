#pragma once

#include "catalogue/planecatalogue.h"
#include "catalogue/planeselections.h"

#include <QString>

namespace vte {

// The weight row of the main window, in the order of its fields.
struct Weights
{
    qint32 Plane = 0;
    qint32 Engine = 0;
    qint32 Armor = 0;
    qint32 Guns = 0;
    qint32 HP = 0;
    qint32 Total = 0;
    qint32 Maximum = 0;

    // Equal to the maximum is still allowed.
    bool overWeight() const { return Total > Maximum; }
    static QString overWeightRefusal() { return QStringLiteral("Plane Over Weight"); }
};

Weights computeWeights(const PlaneCatalogue &catalogue, const PlaneSelections &plane);

// "220 mph", or with nitro "220 (292) mph".
QString speedText(const PlaneCatalogue &catalogue, const PlaneSelections &plane);

} // namespace vte
