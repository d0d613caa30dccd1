#include "services/PayeeService.h"

#include "storage/Database.h"
#include "storage/ScopedTransaction.h"
#include "storage/SqlStatement.h"
#include "storage/Timestamp.h"

#include <QtDebug>

PayeeService::PayeeService(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

std::optional<int> PayeeService::rename(const QStringList& payees, const QString& target)
{
    // A blank payee is no payee: that would be erasing, not renaming.
    if (target.trimmed().isEmpty()) {
        qWarning() << "Payees are not renamed to a blank name";
        return std::nullopt;
    }
    ScopedTransaction transaction(m_database->connection());
    if (!transaction.isActive())
        return std::nullopt;

    const QString now = toIsoUtc(nowUtc());
    int rewritten = 0;
    for (const QString& payee : payees) {
        if (payee == target)
            continue;
        SqlStatement statement(m_database->connection(),
                               QStringLiteral("UPDATE transactions SET payee = ?, updated_at = ?, "
                                              "version = version + 1, sync_status = 'pending' "
                                              "WHERE payee = ? AND deleted_at IS NULL"),
                               "PayeeService::rename");
        if (!statement.bind(target).bind(now).bind(payee).exec()) {
            qWarning() << "Renaming payees failed; nothing was changed";
            return std::nullopt;
        }
        rewritten += statement.rowsAffected();
    }
    if (!transaction.commit())
        return std::nullopt;
    return rewritten;
}

QString PayeeService::mergeTarget(const QStringList& payees, const QString& typed)
{
    const QString name = typed.trimmed();
    return name.isEmpty() ? payees.value(0) : name;
}
