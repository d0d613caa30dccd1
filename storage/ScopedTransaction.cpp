#include "storage/ScopedTransaction.h"

#include "storage/NativeConnection.h"

#include <QSqlQuery>
#include <QtDebug>

#include <sqlite3.h>

ScopedTransaction::ScopedTransaction(QSqlDatabase db, Lock lock)
    : m_db(std::move(db))
{
    if (lock == Lock::OnFirstWrite) {
        m_active = m_db.transaction();
        if (!m_active)
            m_beginError = m_db.lastError();
    } else {
        QSqlQuery begin(m_db);
        m_active = begin.exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (!m_active)
            m_beginError = begin.lastError();
    }
    if (!m_active)
        qWarning().noquote() << "Could not begin a database transaction:" << m_beginError.text();
}

ScopedTransaction::~ScopedTransaction()
{
    // One that SQLite ended itself has nothing left to roll back.
    if (m_active && isOpen() && !m_db.rollback())
        qWarning().noquote() << "Could not roll back a database transaction:" << m_db.lastError().text();
}

bool ScopedTransaction::wasBusy() const
{
    return !m_active && (m_beginError.nativeErrorCode().toInt() & 0xff) == SQLITE_BUSY;
}

bool ScopedTransaction::isOpen() const
{
    return m_active && nativeconnection::inTransaction(m_db);
}

bool ScopedTransaction::commit()
{
    if (!m_active)
        return false;
    if (!isOpen()) {
        qWarning().noquote() << "Could not commit a database transaction: the database ended it after an error";
        m_active = false;
        return false;
    }
    if (!m_db.commit()) {
        qWarning().noquote() << "Could not commit a database transaction:" << m_db.lastError().text();
        return false;
    }
    m_active = false;
    return true;
}
