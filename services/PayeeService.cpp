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
        const std::optional<int> changed = renameIn(QStringLiteral("transactions"), payee, target, now);
        // The recurring items of a payee post under its new name from now on.
        if (!changed || !renameIn(QStringLiteral("recurring_transactions"), payee, target, now)) {
            qWarning() << "Renaming payees failed; nothing was changed";
            return std::nullopt;
        }
        rewritten += *changed;
    }
    if (!transaction.commit())
        return std::nullopt;
    return rewritten;
}

std::optional<int> PayeeService::renameIn(const QString& table, const QString& payee, const QString& target,
                                          const QString& now)
{
    SqlStatement statement(m_database->connection(),
                           QStringLiteral("UPDATE %1 SET payee = ?, updated_at = ?, "
                                          "version = MIN(version + 1, 2147483647), sync_status = 'pending' "
                                          "WHERE payee = ? AND deleted_at IS NULL")
                               .arg(table),
                           "PayeeService::rename");
    if (!statement.bind(target).bind(now).bind(payee).exec())
        return std::nullopt;
    return statement.rowsAffected();
}

QStringList PayeeService::joinedBy(const QStringList& payees, const QString& target) const
{
    QStringList joined;
    for (const QString& payee : payees) {
        if (!joined.contains(payee))
            joined << payee;
    }
    if (joined.contains(target))
        return joined;
    SqlStatement statement(m_database->connection(),
                           QStringLiteral("SELECT 1 FROM transactions WHERE payee = ? AND deleted_at IS NULL LIMIT 1"),
                           "PayeeService::joinedBy");
    // When that cannot be read, the target counts as a payee: the user is
    // asked once too often rather than once too few.
    if (!statement.bind(target).exec() || statement.next() || statement.failed())
        joined << target;
    return joined;
}

QString PayeeService::mergeTarget(const QStringList& payees, const QString& typed)
{
    const QString name = typed.trimmed();
    return name.isEmpty() ? payees.value(0) : name;
}
