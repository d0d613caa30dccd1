#include "storage/ChangeHold.h"

#include "storage/SyncedRepository.h"

#include <utility>

ChangeHold::ChangeHold(std::initializer_list<SyncedRepository*> repositories)
{
    for (SyncedRepository* repository : repositories) {
        if (!repository)
            continue;
        repository->hold();
        m_held.append({repository, repository->m_changedWhileHeld, repository->m_heldAccountId});
    }
}

ChangeHold::~ChangeHold() { release(); }

void ChangeHold::release()
{
    // Taken first: a listener of a released signal may start a hold of its own.
    const QList<Held> held = std::exchange(m_held, {});
    for (const Held& entry : held) {
        if (entry.repository)
            entry.repository->releaseHold();
    }
}

void ChangeHold::discard()
{
    for (const Held& entry : std::as_const(m_held)) {
        if (!entry.repository)
            continue;
        entry.repository->m_changedWhileHeld = entry.changedBefore;
        entry.repository->m_heldAccountId = entry.accountIdBefore;
    }
    release();
}
