#include "catalogue/loadouthistory.h"

namespace vte {

namespace {

class Step final : public QUndoCommand
{
public:
    Step(LoadoutHistory &history, Loadout &loadout, const QString &text, Loadout::State before,
         LoadoutHistory::Kind kind)
        : QUndoCommand(text)
        , m_history(history)
        , m_loadout(loadout)
        , m_before(std::move(before))
        , m_after(loadout.snapshot())
        , m_kind(kind)
    { }

    int id() const override { return m_kind == LoadoutHistory::Kind::Merging ? 1 : -1; }

    bool mergeWith(const QUndoCommand *other) override
    {
        m_after = static_cast<const Step *>(other)->m_after;
        // Typed back to where it began, the step is no step at all.
        setObsolete(m_after == m_before);
        return true;
    }

    void undo() override { put(m_before); }

    // The operation has run already when the step is pushed.
    void redo() override
    {
        if (m_done)
            put(m_after);
        m_done = true;
    }

private:
    void put(const Loadout::State &state)
    {
        m_loadout.restore(state);
        emit m_history.restored();
    }

    LoadoutHistory &m_history;
    Loadout &m_loadout;
    const Loadout::State m_before;
    Loadout::State m_after;
    const LoadoutHistory::Kind m_kind;
    bool m_done = false;
};

} // namespace

LoadoutHistory::LoadoutHistory(Loadout &loadout)
    : m_loadout(loadout)
{
    m_stack.setUndoLimit(Limit);
}

bool LoadoutHistory::change(const QString &text, const std::function<void(Loadout &)> &operation, Kind kind)
{
    Loadout::State before = m_loadout.snapshot();
    operation(m_loadout);
    if (m_loadout.snapshot() == before)
        return false;
    m_stack.push(new Step(*this, m_loadout, text, std::move(before), kind));
    return true;
}

void LoadoutHistory::startFrom(const std::function<void(Loadout &)> &operation)
{
    operation(m_loadout);
    m_stack.clear();
}

} // namespace vte
