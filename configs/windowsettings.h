#pragma once

#include "configs/settingsstore.h"

#include <QString>

#include <optional>

namespace vte {

inline constexpr int TwipsPerPixel = 15;

// A window's place and size in twips. A value that is missing or cannot be
// read as a number stays empty, and the window then takes its design value.
struct Placement
{
    std::optional<float> left, top, width, height;
};

// The "Settings" section: the main window's design placement is 1000, 1000,
// 6500 and 6500 twips, in the font's design units.
struct WindowSettings : Placement
{
    QString defaultDir;
    std::optional<qint16> display; // the current tab

    static QString defaultPlanesDir();

    static WindowSettings read(const SettingsStore &store);
    // Writes the six values in their fixed order; an empty value is skipped.
    void write(SettingsStore &store) const;
};

// The plane library's window, in the same section: "LibraryLeft",
// "LibraryTop", "LibraryWidth", "LibraryHeight" and "LibraryDir".
struct LibrarySettings : Placement
{
    QString folder;

    static LibrarySettings read(const SettingsStore &store, const QString &defaultFolder);
    void write(SettingsStore &store) const;
};

} // namespace vte
