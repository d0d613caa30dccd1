#include "storage/ForeignKeySuspension.h"

#include "storage/NativeConnection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtDebug>

ForeignKeySuspension::ForeignKeySuspension(QSqlDatabase db)
    : m_db(std::move(db))
{
    if (nativeconnection::inTransaction(m_db)) {
        qWarning() << "Foreign keys cannot be suspended inside a transaction";
        return;
    }
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA foreign_keys")) || !query.next()) {
        qWarning().noquote() << "Could not read the foreign-key setting:" << query.lastError().text();
        return;
    }
    m_wasEnforced = query.value(0).toInt() != 0;
    m_active = query.exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
    if (!m_active)
        qWarning().noquote() << "Could not suspend foreign keys:" << query.lastError().text();
}

ForeignKeySuspension::~ForeignKeySuspension()
{
    if (!m_active || !m_wasEnforced)
        return;
    // Inside a transaction the statement would be ignored and every later
    // write would go unchecked.
    if (nativeconnection::inTransaction(m_db)) {
        qWarning() << "Foreign keys stay suspended: a transaction outlived the suspension";
        return;
    }
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA foreign_keys=ON")))
        qWarning().noquote() << "Could not enforce foreign keys again:" << query.lastError().text();
}

std::optional<int> ForeignKeySuspension::rowsWithoutParent(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM pragma_foreign_key_check")) || !query.next()) {
        qWarning().noquote() << "Could not check foreign keys:" << query.lastError().text();
        return std::nullopt;
    }
    return query.value(0).toInt();
}
