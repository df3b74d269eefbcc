#include "ui/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace vte {

namespace {

// Stored placements may hold any number; keep them to what a screen can mean.
int pixels(const std::optional<float> &twipsValue, int fallback)
{
    if (!twipsValue)
        return fallback;
    return static_cast<int>(std::clamp(*twipsValue / TwipsPerPixel, -1.0e6F, 1.0e6F));
}

bool onAnyScreen(const QRect &frame)
{
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.cbegin(), screens.cend(),
                       [&](const QScreen *screen) { return screen->availableGeometry().intersects(frame); });
}

float twips(int pixels)
{
    return static_cast<float>(pixels * TwipsPerPixel);
}

} // namespace

void placeWindow(QWidget &window, const Placement &stored, const QRect &defaultFrame)
{
    QRect frame(pixels(stored.left, defaultFrame.left()), pixels(stored.top, defaultFrame.top()),
                pixels(stored.width, defaultFrame.width()), pixels(stored.height, defaultFrame.height()));
    // A design's own default may be smaller than its controls need.
    frame.setSize(frame.size().expandedTo(window.minimumSizeHint()));
    if (!onAnyScreen(frame))
        frame = QRect(defaultFrame.topLeft(), defaultFrame.size().expandedTo(window.minimumSizeHint()));
    window.move(frame.topLeft());
    window.resize(frame.size());
}

Placement placementOf(const QWidget &window)
{
    return {twips(window.x()), twips(window.y()), twips(window.width()), twips(window.height())};
}

} // namespace vte
