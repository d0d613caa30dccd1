#include "storage/SplitLineRepository.h"

#include "storage/Money.h"
#include "storage/RecordId.h"
#include "storage/RecordSchema.h"
#include "storage/SqlStatement.h"
#include "storage/Timestamp.h"

#include <QSqlQuery>
#include <QtDebug>

SplitLineRepository::SplitLineRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

bool SplitLineRepository::insert(const SplitLine& line)
{
    const QDateTime created = line.created_at.isValid() ? line.created_at : nowUtc();
    SqlStatement statement(m_database->connection(),
                           QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, "
                                          "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                           "SplitLineRepository::insert");
    return statement.bind(line.id)
        .bind(line.transaction_id)
        .bind(schema::link(line.category_id))
        .bind(line.amount)
        .bind(schema::text(line.memo))
        .bind(toIsoUtc(created))
        .bind(toIsoUtc(line.updated_at.isValid() ? line.updated_at : created))
        .exec();
}

QList<SplitLine> SplitLineRepository::listByTransaction(const QString& transactionId) const
{
    SqlStatement statement(m_database->connection(),
                           QStringLiteral("SELECT id, transaction_id, category_id, amount, memo, created_at, updated_at "
                                          "FROM split_lines WHERE transaction_id = ? ORDER BY rowid"),
                           "SplitLineRepository::listByTransaction");
    QList<SplitLine> lines;
    if (!statement.bind(transactionId).exec())
        return lines;
    while (statement.next())
        lines.append(schema::read<SplitLine>(statement.query()));
    // Some of the lines would be saved back as all of them.
    if (statement.failed())
        lines.clear();
    return lines;
}

bool SplitLineRepository::deleteByTransaction(const QString& transactionId)
{
    SqlStatement statement(m_database->connection(), QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"),
                           "SplitLineRepository::deleteByTransaction");
    return statement.bind(transactionId).exec();
}

SplitLineRepository::Balance SplitLineRepository::balance(const QString& transactionId, qint64 amount,
                                                          const QDateTime& stamp)
{
    SqlStatement statement(m_database->connection(),
                           QStringLiteral("SELECT amount FROM split_lines WHERE transaction_id = ?"),
                           "SplitLineRepository::balance");
    if (!statement.bind(transactionId).exec())
        return Balance::Failed;
    MoneySum remainder(amount);
    while (statement.next())
        remainder -= statement.query().value(0).toLongLong();
    if (statement.failed())
        return Balance::Failed;
    if (remainder.fits() && remainder.value() == 0)
        return Balance::Whole;
    if (!remainder.fits() || qAbs(remainder.value()) > kMaxAmountMinorUnits) {
        qWarning().noquote() << "The split lines of transaction" << transactionId
                             << "are beyond any amount: no remainder line added";
        return Balance::BeyondAnyAmount;
    }
    SplitLine line;
    line.id = newRecordId();
    line.transaction_id = transactionId;
    line.amount = remainder.value();
    line.created_at = stamp;
    line.updated_at = stamp;
    return insert(line) ? Balance::RemainderAdded : Balance::Failed;
}
