#include "import/RecordSavepoint.h"

#include "storage/SqlStatement.h"

RecordSavepoint::RecordSavepoint(QSqlDatabase db)
    : m_db(std::move(db))
{
    m_active = SqlStatement(m_db, QStringLiteral("SAVEPOINT import_record"), "RecordSavepoint").execText();
}

RecordSavepoint::~RecordSavepoint()
{
    if (m_active)
        rollback();
}

bool RecordSavepoint::release()
{
    if (!m_active)
        return false;
    m_active = false;
    return SqlStatement(m_db, QStringLiteral("RELEASE import_record"), "RecordSavepoint::release").execText();
}

bool RecordSavepoint::rollback()
{
    if (!m_active)
        return false;
    m_active = false;
    return SqlStatement(m_db, QStringLiteral("ROLLBACK TO import_record"), "RecordSavepoint::rollback").execText()
        && SqlStatement(m_db, QStringLiteral("RELEASE import_record"), "RecordSavepoint::rollback").execText();
}
