#pragma once

class QListWidget;

namespace vte {

// A list whose slot is not in use is never disabled, only tinted light cyan.
void setInUse(QListWidget *list, bool inUse);

} // namespace vte
