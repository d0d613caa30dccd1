#include "storage/ChangeHold.h"

#include "storage/SyncedRepository.h"

#include <utility>

ChangeHold::ChangeHold(std::initializer_list<SyncedRepository*> repositories)
{
    for (SyncedRepository* repository : repositories) {
        if (!repository)
            continue;
        repository->hold();
        m_held.append(repository);
    }
}

ChangeHold::~ChangeHold() { release(); }

void ChangeHold::release()
{
    // Taken first: a listener of a released signal may start a hold of its own.
    const QList<QPointer<SyncedRepository>> held = std::exchange(m_held, {});
    for (const QPointer<SyncedRepository>& repository : held) {
        if (repository)
            repository->releaseHold();
    }
}
