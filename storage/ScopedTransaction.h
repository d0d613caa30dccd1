#pragma once

#include <QSqlDatabase>

// One database transaction around the writes of one user action. It rolls
// back when it goes out of scope without commit(), so an early return on a
// failed write never leaves half an action behind.
class ScopedTransaction
{
public:
    explicit ScopedTransaction(QSqlDatabase db);
    ~ScopedTransaction();

    ScopedTransaction(const ScopedTransaction&) = delete;
    ScopedTransaction& operator=(const ScopedTransaction&) = delete;

    // False when the transaction could not be started; nothing should be written then.
    bool isActive() const { return m_active; }
    // True when the writes are stored.
    bool commit();

private:
    QSqlDatabase m_db;
    bool m_active = false;
};
