#pragma once

#include <QList>
#include <QPointer>
#include <QString>

#include <initializer_list>

class SyncedRepository;

// Holds back the change signals of some repositories while one long write
// runs inside a database transaction (an import, a restore). Without it every
// written row would signal: windows would reload thousands of times, read rows
// that may yet be rolled back, and ask for a sync in the middle of the write.
//
// When the hold ends, each repository that changed meanwhile signals once,
// so that windows show what is stored and exactly one sync request follows.
// A write that was rolled back ends its hold with discard() instead: nothing
// it wrote is stored, and announcing it would ask for a sync that finds the
// same fault again. A repository whose rows of several accounts changed
// signals with an empty account id. Holds nest: the signal waits for the last
// of them.
//
// End the hold after the transaction has ended: declare it before the
// ScopedTransaction, so that it outlives it.
class ChangeHold
{
public:
    explicit ChangeHold(std::initializer_list<SyncedRepository*> repositories);
    ~ChangeHold();

    ChangeHold(const ChangeHold&) = delete;
    ChangeHold& operator=(const ChangeHold&) = delete;

    // Ends the hold before the scope does; later calls do nothing.
    void release();
    // Ends the hold like release(), but forgets the changes noted since it
    // began: their writes were rolled back. Changes an enclosing hold noted
    // before are still announced when it ends.
    void discard();

private:
    struct Held
    {
        QPointer<SyncedRepository> repository;
        // What the repository had noted when this hold began.
        bool changedBefore = false;
        QString accountIdBefore;
    };

    QList<Held> m_held;
};
