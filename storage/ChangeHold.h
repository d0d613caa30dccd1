#pragma once

#include <QList>
#include <QPointer>

#include <initializer_list>

class SyncedRepository;

// Holds back the change signals of some repositories while one long write
// runs inside a database transaction (an import, a restore). Without it every
// written row would signal: windows would reload thousands of times, read rows
// that may yet be rolled back, and ask for a sync in the middle of the write.
//
// When the hold ends, each repository that changed meanwhile signals once,
// whether the transaction was committed or rolled back, so that windows show
// what is stored and exactly one sync request follows. A repository whose
// rows of several accounts changed signals with an empty account id. Holds
// nest: the signal waits for the last of them.
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

private:
    QList<QPointer<SyncedRepository>> m_held;
};
