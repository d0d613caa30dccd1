#pragma once

#include <QSqlDatabase>
#include <QSqlError>

// One database transaction around the writes of one user action. It rolls
// back when it goes out of scope without commit(), so an early return on a
// failed write never leaves half an action behind.
class ScopedTransaction
{
public:
    enum class Lock {
        // SQLite takes the write lock with the first write.
        OnFirstWrite,
        // The write lock is taken at once (waiting for another connection's
        // writes as long as the busy timeout allows), so that a long write
        // cannot find the ledger taken by someone else halfway through.
        AtBegin,
    };

    explicit ScopedTransaction(QSqlDatabase db, Lock lock = Lock::OnFirstWrite);
    ~ScopedTransaction();

    ScopedTransaction(const ScopedTransaction&) = delete;
    ScopedTransaction& operator=(const ScopedTransaction&) = delete;

    // False when the transaction could not be started; nothing should be written then.
    bool isActive() const { return m_active; }
    // Why it could not be started.
    QSqlError beginError() const { return m_beginError; }
    // Whether another connection held the write lock past the busy timeout.
    bool wasBusy() const;

    // Whether the transaction is still open. SQLite ends it on its own after
    // some failed statements (a full disk, some I/O errors), and every write
    // after that would be stored on its own, outside any transaction: a long
    // write asks after each failed statement, and after letting the event
    // loop run, and stops when it is not.
    bool isOpen() const;

    // True when the writes are stored.
    bool commit();

private:
    QSqlDatabase m_db;
    QSqlError m_beginError;
    bool m_active = false;
};
