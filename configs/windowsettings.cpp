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

} // namespace

QString WindowSettings::defaultPlanesDir()
{
    return QStringLiteral("C:\\Program Files\\Halvery Games\\Vantorel\\Planes");
}

WindowSettings WindowSettings::read(const SettingsStore &store)
{
    WindowSettings s;
    s.left = readSingle(store, QStringLiteral("MainLeft"));
    s.top = readSingle(store, QStringLiteral("MainTop"));
    s.width = readSingle(store, QStringLiteral("MainWidth"));
    s.height = readSingle(store, QStringLiteral("MainHeight"));
    s.defaultDir = store.read(Section, QStringLiteral("DefaultDir"), defaultPlanesDir());
    if (const std::optional<double> number =
            parseNumber(store.read(Section, QStringLiteral("Display"), QStringLiteral("0"))))
        s.display = roundToInt16(*number);
    return s;
}

void WindowSettings::write(SettingsStore &store) const
{
    writeSingle(store, QStringLiteral("MainLeft"), left);
    writeSingle(store, QStringLiteral("MainTop"), top);
    writeSingle(store, QStringLiteral("MainWidth"), width);
    writeSingle(store, QStringLiteral("MainHeight"), height);
    store.write(Section, QStringLiteral("DefaultDir"), defaultDir);
    if (display)
        store.write(Section, QStringLiteral("Display"), QString::number(*display));
}

} // namespace vte
