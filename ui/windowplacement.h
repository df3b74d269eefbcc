#pragma once

#include "configs/windowsettings.h"

#include <QRect>

class QWidget;

namespace vte {

// Puts a window where it was stored, each missing value taken from the
// default frame, no smaller than the window needs; at the default frame
// instead when the stored one would lie on no screen.
void placeWindow(QWidget &window, const Placement &stored, const QRect &defaultFrame);

// Where a window is, to be stored.
Placement placementOf(const QWidget &window);

} // namespace vte
