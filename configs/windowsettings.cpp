#include "configs/windowsettings.h"

#include "configs/numberparser.h"

#include <cmath>

namespace vte {

namespace {

const QString Section = QStringLiteral("Settings");

std::optional<float> readSingle(const SettingsStore &store, const QString &key)
{
    const std::optional<double> number = parseNumber(store.read(Section, key, QString()));
    if (!number || !std::isfinite(static_cast<float>(*number)))
        return std::nullopt;
    return static_cast<float>(*number);
}

void writeSingle(SettingsStore &store, const QString &key, const std::optional<float> &value)
{
    if (value)
        store.write(Section, key, QString::number(*value, 'g', 7));
}

// "MainLeft", "MainTop", ... for the window whose keys start with the prefix.
Placement readPlacement(const SettingsStore &store, const QString &prefix)
{
    return {readSingle(store, prefix + QStringLiteral("Left")), readSingle(store, prefix + QStringLiteral("Top")),
            readSingle(store, prefix + QStringLiteral("Width")), readSingle(store, prefix + QStringLiteral("Height"))};
}

void writePlacement(SettingsStore &store, const QString &prefix, const Placement &placement)
{
    writeSingle(store, prefix + QStringLiteral("Left"), placement.left);
    writeSingle(store, prefix + QStringLiteral("Top"), placement.top);
    writeSingle(store, prefix + QStringLiteral("Width"), placement.width);
    writeSingle(store, prefix + QStringLiteral("Height"), placement.height);
}

} // namespace

QString WindowSettings::defaultPlanesDir()
{
    return QStringLiteral("C:\\Program Files\\Halvery Games\\Vantorel\\Planes");
}

WindowSettings WindowSettings::read(const SettingsStore &store)
{
    WindowSettings s{readPlacement(store, QStringLiteral("Main")),
                     store.read(Section, QStringLiteral("DefaultDir"), defaultPlanesDir()), std::nullopt};
    if (const std::optional<double> number =
            parseNumber(store.read(Section, QStringLiteral("Display"), QStringLiteral("0"))))
        s.display = roundToInt16(*number);
    return s;
}

void WindowSettings::write(SettingsStore &store) const
{
    writePlacement(store, QStringLiteral("Main"), *this);
    store.write(Section, QStringLiteral("DefaultDir"), defaultDir);
    if (display)
        store.write(Section, QStringLiteral("Display"), QString::number(*display));
}

LibrarySettings LibrarySettings::read(const SettingsStore &store, const QString &defaultFolder)
{
    return {readPlacement(store, QStringLiteral("Library")),
            store.read(Section, QStringLiteral("LibraryDir"), defaultFolder)};
}

void LibrarySettings::write(SettingsStore &store) const
{
    writePlacement(store, QStringLiteral("Library"), *this);
    store.write(Section, QStringLiteral("LibraryDir"), folder);
}

} // namespace vte
