#pragma once

#include "catalogue/loadout.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

namespace vte {

// The changes of a loadout that a user can take back and do again. Each step
// holds the loadout's state before and after one operation, so that undo and
// redo put back exactly what was shown; the rules run only when the operation
// does. The stack's own actions serve as the Edit menu's Undo and Redo, and
// its clean state tells whether the loadout holds work not yet kept anywhere.
class LoadoutHistory : public QObject
{
    Q_OBJECT

public:
    // Consecutive steps of the kind Merging become one, as typing does.
    enum class Kind { Single, Merging };

    static constexpr int Limit = 1000;

    explicit LoadoutHistory(Loadout &loadout);

    // Runs one operation on the loadout as a step of that text. An operation
    // that leaves the state as it was adds no step; false for such a one.
    bool change(const QString &text, const std::function<void(Loadout &)> &operation, Kind kind = Kind::Single);
    // Runs an operation that the history starts from, with nothing to undo.
    void startFrom(const std::function<void(Loadout &)> &operation);

    QUndoStack &stack() { return m_stack; }

signals:
    // Undo or redo has put a state back into the loadout.
    void restored();

private:
    Loadout &m_loadout;
    QUndoStack m_stack;
};

} // namespace vte
