#include "storage/TransactionRepository.h"

#include "storage/Money.h"
#include "storage/SqliteCursor.h"
#include "storage/Timestamp.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

TransactionRepository::TransactionRepository(Database* database, QObject* parent)
    : SyncedTableRepository(database, "transactions", "TransactionRepository", parent)
{
}

QList<Transaction> TransactionRepository::listByAccount(const QString& accountId) const
{
    return fetchWhere<Transaction>(
        QStringLiteral("account_id = ? AND deleted_at IS NULL ORDER BY date DESC, created_at DESC"), {accountId},
        "listByAccount");
}

QList<Transaction> TransactionRepository::listUnreconciled(const QString& accountId) const
{
    return fetchWhere<Transaction>(
        QStringLiteral("account_id = ? AND deleted_at IS NULL AND reconciled = 0 ORDER BY date ASC, created_at ASC"),
        {accountId}, "listUnreconciled");
}

QStringList TransactionRepository::listPayees() const
{
    SqlStatement statement(
        db(),
        QStringLiteral("SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND payee != '' ORDER BY payee"),
        "TransactionRepository::listPayees");
    QStringList payees;
    if (!statement.execText())
        return payees;
    while (statement.next())
        payees << statement.value(0).toString();
    return payees;
}

QStringList TransactionRepository::listPayees(const QString&) const
{
    return listPayees();
}

QList<TransactionRepository::PayeeCount> TransactionRepository::payeeCounts() const
{
    SqlStatement statement(db(),
                           QStringLiteral("SELECT payee, COUNT(*) FROM transactions WHERE deleted_at IS NULL "
                                          "AND payee != '' GROUP BY payee ORDER BY payee"),
                           "TransactionRepository::payeeCounts");
    QList<PayeeCount> counts;
    if (!statement.execText())
        return counts;
    while (statement.next())
        counts.append({statement.value(0).toString(), statement.value(1).toInt()});
    return counts;
}

std::optional<Transaction> TransactionRepository::transferPartner(const Transaction& transaction) const
{
    // A row naming itself is no transfer either: it would be its own other side.
    if (!transaction.isTransfer() || transaction.transfer_link_id == transaction.id)
        return std::nullopt;
    const QList<Transaction> partner = fetchWhere<Transaction>(QStringLiteral("id = ? AND transfer_link_id = ?"),
                                                               {transaction.transfer_link_id, transaction.id},
                                                               "transferPartner");
    if (partner.isEmpty())
        return std::nullopt;
    return partner.first();
}

QString TransactionRepository::hasTransferPartnerSql(const QString& alias)
{
    // The link is looked up by its key, and only for rows that have one.
    return QStringLiteral("(COALESCE(%1.transfer_link_id, '') <> '' AND %1.transfer_link_id <> %1.id AND EXISTS "
                          "(SELECT 1 FROM transactions p WHERE p.id = %1.transfer_link_id AND p.transfer_link_id = "
                          "%1.id))")
        .arg(alias);
}

std::optional<QStringList> TransactionRepository::withOneSidedLink(const QStringList& ids) const
{
    if (ids.isEmpty())
        return QStringList();
    // The ids go as one JSON list: a sync pass may have written thousands.
    SqlStatement statement(db(),
                           QStringLiteral("SELECT t.id FROM transactions t WHERE t.id IN (SELECT value FROM "
                                          "json_each(?)) AND t.deleted_at IS NULL AND COALESCE(t.transfer_link_id, "
                                          "'') <> '' AND NOT %1 ORDER BY t.id")
                               .arg(hasTransferPartnerSql(QStringLiteral("t"))),
                           "TransactionRepository::withOneSidedLink");
    const QJsonDocument idList(QJsonArray::fromStringList(ids));
    if (!statement.bind(QString::fromUtf8(idList.toJson(QJsonDocument::Compact))).exec())
        return std::nullopt;
    QStringList oneSided;
    while (statement.next())
        oneSided.append(statement.value(0).toString());
    if (statement.failed())
        return std::nullopt;
    return oneSided;
}

std::optional<Transaction> TransactionRepository::latestByPayee(const QString& payee, const QString& accountId) const
{
    const QList<Transaction> latest = fetchWhere<Transaction>(
        QStringLiteral("payee = ? COLLATE NOCASE AND deleted_at IS NULL "
                       "ORDER BY account_id = ? DESC, date DESC, created_at DESC LIMIT 1"),
        {payee, accountId}, "latestByPayee");
    if (latest.isEmpty())
        return std::nullopt;
    return latest.first();
}

QList<RegisterRow> TransactionRepository::listRegisterRows(const QString& accountId) const
{
    // The balances are summed while the ordered rows are read, so rows and
    // balances can never disagree; a window sum in SQL costs more than all
    // the rest of the query on a long register. The other side of a transfer
    // (as transferPartner() finds it) names the other account; a row that
    // only knows its destination account falls back to that.
    static const QString sql = QStringLiteral(
        "SELECT %1, a.starting_balance, c.name, COALESCE(la.name, da.name), "
        "lt.id IS NOT NULL OR COALESCE(t.transfer_dest_account_id, '') != '' "
        "FROM transactions t "
        "JOIN accounts a ON a.id = t.account_id "
        "LEFT JOIN categories c ON c.id = t.category_id AND c.deleted_at IS NULL "
        "LEFT JOIN transactions lt ON lt.id = t.transfer_link_id AND lt.transfer_link_id = t.id AND lt.id != t.id "
        "LEFT JOIN accounts la ON la.id = lt.account_id "
        "LEFT JOIN accounts da ON da.id = t.transfer_dest_account_id "
        "WHERE t.account_id = ? AND t.deleted_at IS NULL "
        "ORDER BY t.date, t.created_at, t.id")
                                  .arg(schema::selectList<Transaction>(QStringLiteral("t")));
    static const int columnCount = int(RecordSchema<Transaction>::columns().size());

    const QString splitText = QCoreApplication::translate("TransactionRepository", "Split");
    SqliteCursor cursor(db(), sql, "TransactionRepository::listRegisterRows");
    cursor.bind(accountId);
    QList<RegisterRow> rows;
    // Exact, so a balance held at its limit for a while comes back down to
    // the right figure.
    MoneySum balance;
    while (cursor.next()) {
        RegisterRow row;
        row.transaction = schema::read<Transaction>(cursor);
        if (rows.isEmpty())
            balance = MoneySum(cursor.value(columnCount).toLongLong());
        balance += row.transaction.amount;
        row.runningBalance = balance.value();
        row.transfer = !row.transaction.is_split && cursor.value(columnCount + 3).toBool();
        if (row.transaction.is_split)
            row.categoryText = splitText;
        else if (row.transfer)
            row.categoryText = cursor.value(columnCount + 2).toString();
        else
            row.categoryText = cursor.value(columnCount + 1).toString();
        rows.append(std::move(row));
    }
    if (cursor.failed())
        rows.clear();
    return rows;
}

QHash<QString, qint64> TransactionRepository::totalsByAccount() const
{
    SqlStatement statement(db(),
                           QStringLiteral("SELECT account_id, %1 FROM transactions WHERE deleted_at IS NULL "
                                          "GROUP BY account_id")
                               .arg(splitSumSql(QStringLiteral("amount"))),
                           "TransactionRepository::totalsByAccount");
    QHash<QString, qint64> totals;
    if (!statement.execText())
        return totals;
    while (statement.next())
        totals.insert(statement.value(0).toString(),
                      MoneySum::fromSplit(statement.value(1).toLongLong(), statement.value(2).toLongLong()).value());
    if (statement.failed())
        totals.clear();
    return totals;
}

TransactionRepository::ReconciledTotal TransactionRepository::reconciledTotal(const QString& accountId) const
{
    SqlStatement statement(db(),
                           QStringLiteral("SELECT %1, MAX(date) FROM transactions "
                                          "WHERE account_id = ? AND deleted_at IS NULL AND reconciled = 1")
                               .arg(splitSumSql(QStringLiteral("amount"))),
                           "TransactionRepository::reconciledTotal");
    ReconciledTotal total;
    if (!statement.bind(accountId).exec() || !statement.next())
        return total;
    total.sum = MoneySum::fromSplit(statement.value(0).toLongLong(), statement.value(1).toLongLong()).value();
    const QDate latest = parseIsoDate(statement.value(2).toString());
    if (latest.isValid())
        total.latestDate = latest;
    return total;
}

bool TransactionRepository::hasTransactions(const QString& accountId) const
{
    SqlStatement statement(db(), QStringLiteral("SELECT EXISTS (SELECT 1 FROM transactions WHERE account_id = ?)"),
                           "TransactionRepository::hasTransactions");
    return statement.bind(accountId).exec() && statement.next() && statement.value(0).toBool();
}

int TransactionRepository::count() const
{
    SqlStatement statement(db(), QStringLiteral("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL"),
                           "TransactionRepository::count");
    if (!statement.execText() || !statement.next())
        return 0;
    return statement.value(0).toInt();
}

void TransactionRepository::announceChange(const QString& accountId)
{
    Q_EMIT transactionsChanged(accountId);
}
