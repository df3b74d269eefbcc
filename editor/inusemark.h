#pragma once

class QListWidget;

namespace vte {

// A list whose slot is not in use is never disabled, only tinted light cyan;
// the tint is the state, and the gun rule reads it back.
void setInUse(QListWidget *list, bool inUse);
bool isInUse(const QListWidget *list);

} // namespace vte
