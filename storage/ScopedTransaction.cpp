#include "storage/ScopedTransaction.h"

#include <QSqlError>
#include <QtDebug>

ScopedTransaction::ScopedTransaction(QSqlDatabase db)
    : m_db(std::move(db))
{
    m_active = m_db.transaction();
    if (!m_active)
        qWarning().noquote() << "Could not begin a database transaction:" << m_db.lastError().text();
}

ScopedTransaction::~ScopedTransaction()
{
    if (m_active && !m_db.rollback())
        qWarning().noquote() << "Could not roll back a database transaction:" << m_db.lastError().text();
}

bool ScopedTransaction::commit()
{
    if (!m_active)
        return false;
    if (!m_db.commit()) {
        qWarning().noquote() << "Could not commit a database transaction:" << m_db.lastError().text();
        return false;
    }
    m_active = false;
    return true;
}
