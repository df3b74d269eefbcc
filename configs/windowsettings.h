#pragma once

#include "configs/settingsstore.h"

#include <QString>

#include <optional>

namespace vte {

inline constexpr int TwipsPerPixel = 15;

// The "Settings" section. A placement value that is missing or cannot be read
// as a number stays empty, and the window then takes its design value for it
// (1000, 1000, 6500 and 6500 twips, in the font's design units).
struct WindowSettings
{
    std::optional<float> left, top, width, height; // twips
    QString defaultDir;
    std::optional<qint16> display; // the current tab

    static QString defaultPlanesDir();

    static WindowSettings read(const SettingsStore &store);
    // Writes the six values in their fixed order; an empty value is skipped.
    void write(SettingsStore &store) const;
};

} // namespace vte
