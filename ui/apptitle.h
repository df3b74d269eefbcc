#pragma once

#include <QString>

namespace vte {

// The title of every message box unless a command names its own.
inline const QString ApplicationTitle = QStringLiteral("VTEditor");

} // namespace vte
