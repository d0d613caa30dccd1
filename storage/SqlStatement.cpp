#include "storage/SqlStatement.h"

#include <QSqlError>
#include <QtDebug>

SqlStatement::SqlStatement(const QSqlDatabase& db, const QString& sql, QByteArray where)
    : m_ownQuery(std::in_place, db)
    , m_query(&*m_ownQuery)
    , m_sql(sql)
    , m_where(std::move(where))
{
    m_query->setForwardOnly(true);
}

SqlStatement::SqlStatement(QSqlQuery& prepared, QByteArray where)
    : m_query(&prepared)
    , m_sql(prepared.lastQuery())
    , m_where(std::move(where))
    , m_prepared(true)
{
}

SqlStatement& SqlStatement::bind(const QVariant& value)
{
    if (!m_prepared)
        m_prepared = m_query->prepare(m_sql);
    m_query->bindValue(m_nextIndex++, value);
    return *this;
}

SqlStatement& SqlStatement::bindAll(const QVariantList& values)
{
    for (const QVariant& value : values)
        bind(value);
    return *this;
}

bool SqlStatement::exec()
{
    if (!m_prepared && !(m_prepared = m_query->prepare(m_sql)))
        return report(false);
    return report(m_query->exec());
}

bool SqlStatement::execText()
{
    return report(m_query->exec(m_sql));
}

namespace {

QString g_lastFailure;

} // namespace

QString SqlStatement::lastFailure() { return g_lastFailure; }

void SqlStatement::reportFailure(const QByteArray& where, const QString& error)
{
    g_lastFailure = error;
    qWarning().noquote() << where.constData() << "failed:" << error;
}

bool SqlStatement::next()
{
    if (m_query->next())
        return true;
    // An error left by a failed exec() was logged then.
    if (!m_failed && m_query->lastError().isValid())
        report(false);
    return false;
}

bool SqlStatement::report(bool ok)
{
    if (!ok) {
        m_failed = true;
        reportFailure(m_where, m_query->lastError().text());
    }
    return ok;
}
